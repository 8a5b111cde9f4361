#include "expected_pages.h"

#include <QFontMetrics>
#include <QPrinter>
#include <map>

#include "pdf_text.h"
#include "reports/qt/print_document.h"
#include "reports/text_printer.h"

namespace vardo::testing {
namespace {

class MeasuringSurface : public PrintSurface {
public:
    MeasuringSurface(QPrinter& printer, const QFont& font)
        : metrics_(font, &printer), width_(printer.width()), height_(printer.height()) {}
    int pageWidth() const override { return width_; }
    int pageHeight() const override { return height_; }
    int textWidth(std::string_view text) const override {
        return metrics_.horizontalAdvance(
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    int textHeight(std::string_view) const override { return metrics_.height(); }
    int cellHeight() const override { return metrics_.height(); }
    void drawText(int, int y, std::string_view text) override {
        pages.back()[y] += std::string(text);
    }
    void newPage() override { pages.emplace_back(); }

    std::vector<std::map<int, std::string>> pages{1};

private:
    QFontMetrics metrics_;
    int width_;
    int height_;
};

}  // namespace

std::vector<std::vector<std::string>> expectedPages(QPrinter& printer,
                                                    const std::vector<std::string>& lines,
                                                    const QFont& windowFont) {
    MeasuringSurface surface(printer, reportFont(windowFont));
    printLines(surface, lines);
    std::vector<std::vector<std::string>> pages;
    for (const auto& page : surface.pages) {
        pages.emplace_back();
        for (const auto& [y, text] : page) {
            std::string collapsed = withoutBlanks(text);
            if (!collapsed.empty()) pages.back().push_back(std::move(collapsed));
        }
    }
    return pages;
}

}  // namespace vardo::testing
