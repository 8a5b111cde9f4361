// The annual report laid out and drawn on a PDF printer, against the floor of drawing the same
// runs at fixed, already known positions with no layout. Without Qt, only the report text and
// the layout on a surface that draws nothing.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <vector>

#include "ledger/form_model.h"
#include "reports/report_text.h"
#include "reports/text_printer.h"
#include "samples/sample_year.h"

#ifdef VARDO_REPORTS_BENCH_QT
#include <QDir>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>

#include "reports/qt/print_document.h"
#endif

using namespace vardo;

namespace {

const std::vector<std::string>& yearLines() {
    static const std::vector<std::string> lines = [] {
        FormModel form;
        samples::fillSampleYear(form, "Fourgon");
        return annualReportLines(form, 2024);
    }();
    return lines;
}

// Fixed metrics, nothing drawn: the cost of the layout rules alone.
class CountingSurface : public PrintSurface {
public:
    int pageWidth() const override { return 4800; }
    int pageHeight() const override { return 6800; }
    int textWidth(std::string_view text) const override {
        return 30 * static_cast<int>(text.size());
    }
    int textHeight(std::string_view) const override { return 50; }
    int cellHeight() const override { return 50; }
    void drawText(int, int, std::string_view) override { ++runs; }
    void newPage() override { ++pages; }
    int runs = 0;
    int pages = 0;
};

void BM_AnnualReportText(benchmark::State& state) {
    FormModel form;
    samples::fillSampleYear(form, "Fourgon");
    for (auto _ : state) benchmark::DoNotOptimize(annualReportLines(form, 2024));
}
BENCHMARK(BM_AnnualReportText);

void BM_AnnualReportLayoutOnly(benchmark::State& state) {
    const auto& lines = yearLines();
    for (auto _ : state) {
        CountingSurface surface;
        printLines(surface, lines);
        benchmark::DoNotOptimize(surface.runs);
    }
}
BENCHMARK(BM_AnnualReportLayoutOnly);

#ifdef VARDO_REPORTS_BENCH_QT

void ensureApplication() {
    static int argc = 1;
    static char name[] = "reports_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}

void usePdf(QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QDir::temp().filePath("vardo_reports_bench.pdf"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
}

const QFont& windowFont() {
    static const QFont font("Liberation Sans", 8);
    return font;
}

struct PlacedRun {
    int page;
    int x;
    int y;
    QString text;
};

// Where the layout puts every run on the PDF printer, found once.
class PlacingSurface : public PrintSurface {
public:
    PlacingSurface(QPrinter& printer, const QFont& font)
        : metrics_(font, &printer), width_(printer.width()), height_(printer.height()) {}
    int pageWidth() const override { return width_; }
    int pageHeight() const override { return height_; }
    int textWidth(std::string_view text) const override {
        return metrics_.horizontalAdvance(QString::fromUtf8(text.data(), qsizetype(text.size())));
    }
    int textHeight(std::string_view) const override { return metrics_.height(); }
    int cellHeight() const override { return metrics_.height(); }
    void drawText(int x, int y, std::string_view text) override {
        runs.push_back({page, x, y + metrics_.ascent(),
                        QString::fromUtf8(text.data(), qsizetype(text.size()))});
    }
    void newPage() override { ++page; }
    std::vector<PlacedRun> runs;
    int page = 0;

private:
    QFontMetrics metrics_;
    int width_;
    int height_;
};

void BM_AnnualReportPrintedOnPdf(benchmark::State& state) {
    ensureApplication();
    const auto& lines = yearLines();
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        usePdf(printer);
        printDocument(printer, lines, windowFont());
    }
}
BENCHMARK(BM_AnnualReportPrintedOnPdf)->Unit(benchmark::kMillisecond);

void BM_AnnualReportFixedPositionsFloor(benchmark::State& state) {
    ensureApplication();
    std::vector<PlacedRun> runs;
    int pages = 0;
    {
        QPrinter printer(QPrinter::HighResolution);
        usePdf(printer);
        PlacingSurface placing(printer, reportFont(windowFont()));
        printLines(placing, yearLines());
        runs = std::move(placing.runs);
        pages = placing.page;
    }
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        usePdf(printer);
        QPainter painter(&printer);
        painter.setFont(reportFont(windowFont()));
        painter.setPen(Qt::black);
        int page = 0;
        for (const PlacedRun& run : runs) {
            for (; page < run.page; ++page) printer.newPage();
            painter.drawText(run.x, run.y, run.text);
        }
        for (; page < pages; ++page) printer.newPage();
        painter.end();
    }
}
BENCHMARK(BM_AnnualReportFixedPositionsFloor)->Unit(benchmark::kMillisecond);

#endif

}  // namespace
