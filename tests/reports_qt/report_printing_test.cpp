// A month and the year printed on a PDF printer and read back: every line in order, the page
// breaks of the layout, and the form as it was.
#include <gtest/gtest.h>

#include <QPrinter>
#include <QTemporaryDir>

#include "expected_pages.h"
#include "ledger/form_model.h"
#include "pdf_text.h"
#include "reports/qt/print_service.h"
#include "reports/report_text.h"

namespace vardo {
namespace {

void fillYear(FormModel& form) {
    form.setText(headerField(Header::Comptabilite), "2004");
    form.setText(headerField(Header::Vehicule), "Fourgon");
    form.setText(headerField(Header::Annee), "1999");
    form.setText(headerField(Header::Chevaux), "5");
    int reading = 12000;
    for (int m = 0; m < kMonths; ++m) {
        for (int day = 1; day <= monthInfo(m).dayRows; ++day) {
            form.setText(morningField(m, day), std::to_string(reading += 7));
            form.setText(eveningField(m, day), std::to_string(reading += 31));
        }
        form.setText(balanceField(m, Balance::KMFin), std::to_string(reading));
    }
    form.setText(annualField(Annual::CoefPro), "0,815789473684211");
}

class ReportPrinting : public ::testing::Test {
protected:
    void SetUp() override {
        if (!testing::havePdfTools()) GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
        fillYear(form);
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

TEST_F(ReportPrinting, PrintingChangesNoFieldAndNoLock) {
    form.setReadOnly(morningField(2, 1), true);
    std::vector<std::string> texts;
    std::vector<bool> locks;
    for (FieldId id = 0; id < form.fieldCount(); ++id) {
        texts.push_back(form.text(id));
        locks.push_back(form.readOnly(id));
    }
    printAndCompare(monthlyReportLines(form, 2), 1);
    printAndCompare(annualReportLines(form), 6);
    for (FieldId id = 0; id < form.fieldCount(); ++id) {
        ASSERT_EQ(form.text(id), texts[id]) << form.name(id);
        ASSERT_EQ(form.readOnly(id), locks[id]) << form.name(id);
    }
}

}  // namespace
}  // namespace vardo
