// A month and the year printed on a PDF printer and read back: every line in order, on the
// pages where the layout puts them.
#include <gtest/gtest.h>

#include <QPrinter>
#include <QTemporaryDir>

#include "expected_pages.h"
#include "ledger/form_model.h"
#include "pdf_text.h"
#include "reports/qt/print_service.h"
#include "reports/report_text.h"
#include "samples/sample_year.h"

namespace vardo {
namespace {

class ReportPrinting : public ::testing::Test {
protected:
    void SetUp() override {
        if (!testing::havePdfTools()) GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
        samples::fillSampleYear(form, "Fourgon");
    }

    // Prints through the print command on a PDF printer and reads the pages back.
    void printAndCompare(const std::vector<std::string>& lines, std::size_t pages) {
        const QString file = dir.filePath("report.pdf");
        PrintService service({[] { return true; },
                              [file] {
                                  auto printer =
                                      std::make_unique<QPrinter>(QPrinter::HighResolution);
                                  printer->setOutputFormat(QPrinter::PdfFormat);
                                  printer->setOutputFileName(file);
                                  printer->setPageSize(QPageSize(QPageSize::A4));
                                  return printer;
                              },
                              [](QPrinter&, QWidget*) { return true; },
                              {}});
        const QFont font("Liberation Sans", 8);
        service.print(nullptr, lines, font);
        const auto expected = testing::expectedPages(*service.currentPrinter(), lines, font);
        EXPECT_EQ(expected.size(), pages);
        EXPECT_EQ(testing::firstDifference(testing::pdfPages(file), expected), "");
    }

    FormModel form;
    QTemporaryDir dir;
};

TEST_F(ReportPrinting, JanuaryOnOnePage) {
    const auto lines = monthlyReportLines(form, 0);
    printAndCompare(lines, 1);
}

TEST_F(ReportPrinting, FebruaryOnOnePage) {
    printAndCompare(monthlyReportLines(form, 1), 1);
}

TEST_F(ReportPrinting, TheYearOverSeveralPagesWithNoRegardForMonths) {
    printAndCompare(annualReportLines(form), 6);
}

}  // namespace
}  // namespace vardo
