// The print commands on a PDF printer, read back with pdftotext: every line of a month and of the
// year in order, on the pages where the layout puts them, each job under its own name; a cancelled
// dialog prints nothing; a command refused while a document is being printed leaves that
// document whole.
#include "reports/qt/print_commands.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include "expected_pages.h"
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

    FormModel form;
    QTemporaryDir dir;
    const QString pdf = dir.filePath("report.pdf");
    bool confirmAnswer = true;
    std::vector<std::string> jobNames;  // as the print dialog saw them
    std::function<void()> betweenPages;
    const QFont font{"Liberation Sans", 8};
    PrintService service{testing::pdfPlatform(
        pdf,
        [this](QPrinter& printer, QWidget*) {
            jobNames.push_back(printer.docName().toStdString());
            return confirmAnswer;
        },
        [this] {
            if (betweenPages) betweenPages();
        })};
};

TEST_F(PrintCommands, EveryLineOnThePagesOfTheLayout) {
    struct Row {
        const char* name;
        std::function<void()> command;
        std::vector<std::string> lines;
        std::size_t pages;
    } rows[] = {
        {"January", [&] { printMonthReport(service, form, 2024, 0, nullptr, font); },
         monthlyReportLines(form, 2024, 0), 1},
        {"February", [&] { printMonthReport(service, form, 2024, 1, nullptr, font); },
         monthlyReportLines(form, 2024, 1), 1},
        {"the year, with no regard for months", [&] { printAnnualReport(service, form, 2024, nullptr, font); },
         annualReportLines(form, 2024), 6},
    };
    for (const Row& row : rows) {
        row.command();
        EXPECT_EQ(service.documentLines(), row.lines) << row.name;
        const auto expected = testing::expectedPages(*service.currentPrinter(), row.lines, font);
        EXPECT_EQ(expected.size(), row.pages) << row.name;
        EXPECT_EQ(testing::firstDifference(testing::pdfPages(pdf), expected), "") << row.name;
    }
}

TEST_F(PrintCommands, ACancelledDialogPrintsNothing) {
    confirmAnswer = false;
    printAnnualReport(service, form, 2024, nullptr, font);
    EXPECT_FALSE(QFile::exists(pdf));
}

// A PDF printer names its files after the job: each report must carry its own name.
TEST_F(PrintCommands, EachReportCarriesItsJobName) {
    form.setText(headerField(Header::Comptabilite), "2026");
    printMonthReport(service, form, 2024, 0, nullptr, font);
    printAnnualReport(service, form, 2024, nullptr, font);
    form.setText(headerField(Header::Comptabilite), "0");
    printMonthReport(service, form, 2024, 1, nullptr, font);
    EXPECT_EQ(jobNames, (std::vector<std::string>{"Vardo - Janvier 2026",
                                                  "Vardo - Bilan annuel 2026",
                                                  "Vardo - Février"}));
}

TEST_F(PrintCommands, ARefusedCommandLeavesTheRunningDocumentWhole) {
    std::vector<std::string> refusals;
    betweenPages = [&] {
        try {
            printMonthReport(service, form, 2024, 0, nullptr, font);
        } catch (const Error& e) {
            refusals.push_back(e.what());
        }
    };
    printAnnualReport(service, form, 2024, nullptr, font);
    ASSERT_FALSE(refusals.empty());
    EXPECT_EQ(refusals[0], "Impression en cours");
    EXPECT_EQ(service.documentLines(), annualReportLines(form, 2024));
    const auto expected =
        testing::expectedPages(*service.currentPrinter(), annualReportLines(form, 2024), font);
    EXPECT_EQ(testing::firstDifference(testing::pdfPages(pdf), expected), "");
}

}  // namespace
}  // namespace vardo
