// The print commands and the hidden line buffer: filled by a command, kept by a cancelled
// dialog, left alone by a command refused while a document is being printed.
#include "reports/qt/print_commands.h"

#include <gtest/gtest.h>

#include <QPrinter>
#include <QTemporaryDir>

#include "ledger/error.h"
#include "pdf_text.h"
#include "reports/report_text.h"
#include "samples/sample_year.h"

namespace vardo {
namespace {

class PrintCommands : public ::testing::Test {
protected:
    void SetUp() override {
        if (!testing::havePdfTools()) GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
        samples::fillSampleYear(form, "Fourgon");
    }

    PrintService::Platform platform() {
        const QString file = dir.filePath("report.pdf");
        return {[] { return true; },
                [file] {
                    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
                    printer->setOutputFormat(QPrinter::PdfFormat);
                    printer->setOutputFileName(file);
                    return printer;
                },
                [this](QPrinter& printer, QWidget*) {
                    jobNames.push_back(printer.docName().toStdString());
                    return confirmAnswer;
                },
                [this] {
                    if (betweenPages) betweenPages();
                }};
    }

    FormModel form;
    QTemporaryDir dir;
    bool confirmAnswer = true;
    std::vector<std::string> jobNames;  // as the print dialog saw them
    std::function<void()> betweenPages;
    const QFont font{"Liberation Sans", 8};
};

TEST_F(PrintCommands, TheBufferHoldsTheLastReportPrintedOrCancelled) {
    PrintService service(platform());
    printMonthReport(service, form, 8, nullptr, font);
    EXPECT_EQ(form.memo(), monthlyReportLines(form, 8));
    EXPECT_EQ(testing::pdfPages(dir.filePath("report.pdf"))[0][0], "KILOMETRAGEDE:SEPTEMBRE2004");
    confirmAnswer = false;
    printAnnualReport(service, form, nullptr, font);
    EXPECT_EQ(form.memo(), annualReportLines(form));
}

// A PDF printer names its files after the job: each report must carry its own name.
TEST_F(PrintCommands, EachReportCarriesItsJobName) {
    PrintService service(platform());
    form.setText(headerField(Header::Comptabilite), "2026");
    printMonthReport(service, form, 0, nullptr, font);
    printAnnualReport(service, form, nullptr, font);
    form.setText(headerField(Header::Comptabilite), "0");
    printMonthReport(service, form, 1, nullptr, font);
    EXPECT_EQ(jobNames, (std::vector<std::string>{"Vardo - Janvier 2026",
                                                  "Vardo - Bilan annuel 2026",
                                                  "Vardo - Février"}));
}

TEST_F(PrintCommands, ARefusedCommandLeavesTheBufferOfTheRunningDocument) {
    PrintService service(platform());
    std::vector<std::string> refusals;
    betweenPages = [&] {
        try {
            printMonthReport(service, form, 0, nullptr, font);
        } catch (const Error& e) {
            refusals.push_back(e.what());
        }
    };
    printAnnualReport(service, form, nullptr, font);
    ASSERT_FALSE(refusals.empty());
    EXPECT_EQ(refusals[0], "Impression en cours");
    EXPECT_EQ(form.memo(), annualReportLines(form));
}

}  // namespace
}  // namespace vardo
