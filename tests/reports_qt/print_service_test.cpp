// The print command on a PDF printer: the dialog step, the current printer, the document read
// back with pdftotext, the two refusals and the document ended after a failure.
#include "reports/qt/print_service.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "expected_pages.h"
#include "ledger/error.h"
#include "pdf_text.h"
#include "reports/print_messages.h"
#include "reports/qt/print_dialog.h"
#include "reports/qt/print_document.h"

namespace vardo {
namespace {

using testing::expectedPages;
using testing::pdfPages;

QFont windowFont() {
    return QFont("Liberation Sans", 8);
}

// Runs a print and expects it to fail with `message`.
void expectError(const std::function<void()>& print, const char* message) {
    try {
        print();
        ADD_FAILURE() << "no error, expected " << message;
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), message);
    }
}

// Lines over several pages: text, blank and empty lines and one line wider than the paper.
std::vector<std::string> sampleLines() {
    std::vector<std::string> lines{"", "", "", "KILOMETRAGE DE : JANVIER 2004", ""};
    lines.push_back("Véhicule : " + std::string(400, 'V') + " Année : 1999 Chevaux : 5");
    for (int i = 1; i <= 250; ++i) {
        lines.push_back(i % 7 == 0 ? " "
                                   : "Ligne " + std::to_string(i) +
                                         " | Matin : " + std::to_string(12000 + i) + " Km");
    }
    lines.push_back("Vardo 1.0 - Coefficient d'utilisation professionnelle de véhicule");
    return lines;
}

class PrintServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!testing::havePdfTools()) GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
        ASSERT_TRUE(dir.isValid());
    }
    QString path(const QString& name) const { return dir.filePath(name); }

    // A platform with a default printer, printing into a PDF file, whose dialog says yes.
    PrintService::Platform pdfPlatform(const QString& file) {
        return testing::pdfPlatform(
            file,
            [this](QPrinter& printer, QWidget*) {
                dialogPrinters.push_back(&printer);
                return confirmAnswer;
            },
            [this] {
                if (betweenPages) betweenPages();
            });
    }

    QTemporaryDir dir;
    std::vector<QPrinter*> dialogPrinters;
    bool confirmAnswer = true;
    std::function<void()> betweenPages;
};

TEST_F(PrintServiceTest, NoDefaultPrinterFailsBeforeTheDialog) {
    PrintService::Platform platform = pdfPlatform(path("a.pdf"));
    platform.hasDefaultPrinter = [] { return false; };
    PrintService service(platform);
    expectError([&] { service.print(nullptr, sampleLines(), windowFont()); },
                "Aucune imprimante par défaut sélectionnée");
    EXPECT_TRUE(dialogPrinters.empty());
    EXPECT_EQ(service.currentPrinter(), nullptr);
    EXPECT_FALSE(QFile::exists(path("a.pdf")));
}

TEST(PrintServiceSystem, NoPrintServerMeansNoDefaultPrinter) {
    qputenv("CUPS_SERVER", "/nonexistent/vardo/cups.sock");
    PrintService::Platform platform = PrintService::systemPlatform();
    platform.confirm = [](QPrinter&, QWidget*) -> bool {
        ADD_FAILURE() << "the dialog must not open";
        return false;
    };
    PrintService service(platform);
    expectError([&] { service.print(nullptr, {"x"}, windowFont()); },
                "Aucune imprimante par défaut sélectionnée");
}

TEST_F(PrintServiceTest, CancelledDialogPrintsNothingAndTheSamePrinterIsOfferedAgain) {
    PrintService service(pdfPlatform(path("a.pdf")));
    confirmAnswer = false;
    service.print(nullptr, sampleLines(), windowFont());
    EXPECT_FALSE(QFile::exists(path("a.pdf")));
    EXPECT_FALSE(service.printing());
    service.print(nullptr, sampleLines(), windowFont());
    ASSERT_EQ(dialogPrinters.size(), 2u);
    EXPECT_EQ(dialogPrinters[0], service.currentPrinter());
    EXPECT_EQ(dialogPrinters[1], service.currentPrinter());
}

TEST_F(PrintServiceTest, EveryLineInOrderWithThePageBreaksOfTheLayout) {
    PrintService service(pdfPlatform(path("a.pdf")));
    const std::vector<std::string> lines = sampleLines();
    service.print(nullptr, lines, windowFont());
    const auto expected = expectedPages(*service.currentPrinter(), lines, windowFont());
    ASSERT_GE(expected.size(), 3u);
    // The vehicle line is wider than the paper: cut between characters over printed lines.
    const std::string whole = testing::withoutBlanks(lines[5]);
    std::string vehicle = expected[0].at(1);
    std::size_t printed = 2;
    while (vehicle.size() < whole.size()) vehicle += expected[0].at(printed++);
    EXPECT_EQ(vehicle, whole);
    EXPECT_GE(printed, 4u);
    EXPECT_EQ(testing::firstDifference(pdfPages(path("a.pdf")), expected), "");
}

// Margins and copies chosen in the dialog: the text still starts at the printable area's corner,
// and the copies are the printer's to make.
TEST_F(PrintServiceTest, StartsAtTheTopLeftCornerInTheFontAtEightPointsAndLeavesCopiesToThePrinter) {
    PrintService::Platform platform = pdfPlatform(path("a.pdf"));
    platform.confirm = [](QPrinter& printer, QWidget*) {
        printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        printer.setCopyCount(3);
        return true;
    };
    PrintService service(platform);
    service.print(nullptr, {"Haut", "Suite", "", "Fin"}, QFont("Liberation Sans", 14, QFont::Bold));
    EXPECT_EQ(service.currentPrinter()->copyCount(), 3);
    EXPECT_EQ(pdfPages(path("a.pdf")).size(), 1u) << "one copy in the document";
    const auto words = testing::firstPageWords(path("a.pdf"));
    ASSERT_EQ(words.size(), 3u) << words[0].word << " " << words[1].word;
    EXPECT_LT(words[0].xMin, 1.0);
    EXPECT_LT(words[0].yMin, 3.0);
    QPrinter& printer = *service.currentPrinter();
    const QFontMetrics metrics(reportFont(QFont("Liberation Sans", 14)), &printer);
    const double points = 72.0 / printer.resolution();
    EXPECT_NEAR(words[1].yMin - words[0].yMin, (metrics.height() + 2) * points, 0.3);
    EXPECT_NEAR(words[2].yMin - words[1].yMin, (2 * metrics.height() + 2) * points, 0.3);
    EXPECT_NEAR(words[0].yMax - words[0].yMin, metrics.height() * points, 1.5);
}

// Just enough lines for the break after the last one to pass the page limit: the document
// ends with a page that looks empty.
TEST_F(PrintServiceTest, LimitPassedAfterTheLastLineEndsWithAnEmptyLookingPage) {
    PrintService service(pdfPlatform(path("a.pdf")));
    confirmAnswer = false;
    service.print(nullptr, {}, windowFont());  // makes the current printer, prints nothing
    std::vector<std::string> lines;
    std::vector<std::vector<std::string>> expected;
    do {
        lines.push_back("Ligne " + std::to_string(lines.size() + 1));
        expected = expectedPages(*service.currentPrinter(), lines, windowFont());
    } while (expected.size() == 1);
    ASSERT_EQ(expected.size(), 2u);
    ASSERT_TRUE(expected[1].empty());
    confirmAnswer = true;
    service.print(nullptr, lines, windowFont());
    const auto pages = pdfPages(path("a.pdf"));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].back(), "Ligne" + std::to_string(lines.size()));
    EXPECT_TRUE(pages[1].empty());
}

// A second command while a document is printed: refused after its dialog, or nothing at all when
// its dialog is cancelled; the running document is left alone.
TEST_F(PrintServiceTest, ASecondCommandWhilePrintingIsRefusedAfterItsDialog) {
    PrintService service(pdfPlatform(path("a.pdf")));
    const std::vector<std::string> lines = sampleLines();
    std::vector<std::string> refusals;
    int calls = 0;
    betweenPages = [&] {
        EXPECT_TRUE(service.printing());
        ++calls;
        try {
            service.print(nullptr, {"autre"}, windowFont());
        } catch (const Error& e) {
            refusals.push_back(e.what());
        }
        confirmAnswer = false;  // the next second commands are cancelled in their dialog
    };
    service.print(nullptr, lines, windowFont());
    const auto expected = expectedPages(*service.currentPrinter(), lines, windowFont());
    ASSERT_EQ(calls, static_cast<int>(expected.size()) - 1);
    ASSERT_GE(calls, 2);
    EXPECT_EQ(refusals, std::vector<std::string>{"Impression en cours"});
    ASSERT_EQ(dialogPrinters.size(), expected.size());
    EXPECT_NE(dialogPrinters[1], service.currentPrinter()) << "running document left alone";
    EXPECT_EQ(testing::firstDifference(pdfPages(path("a.pdf")), expected), "");
    EXPECT_FALSE(service.printing());
}

TEST_F(PrintServiceTest, ARefusedDocumentIsReportedAndTheNextPrintWorks) {
    PrintService service(pdfPlatform(path("missing/folder/a.pdf")));
    expectError([&] { service.print(nullptr, {"x"}, windowFont()); }, "Erreur d'impression");
    EXPECT_FALSE(service.printing());
    service.currentPrinter()->setOutputFileName(path("b.pdf"));  // a choice kept for later prints
    service.print(nullptr, {"x"}, windowFont());
    EXPECT_EQ(pdfPages(path("b.pdf")), (std::vector<std::vector<std::string>>{{"x"}}));
}

TEST_F(PrintServiceTest, AFailureBetweenPagesStillEndsTheDocument) {
    PrintService service(pdfPlatform(path("a.pdf")));
    betweenPages = [] { throw Error("panne"); };
    expectError([&] { service.print(nullptr, sampleLines(), windowFont()); }, "panne");
    EXPECT_FALSE(service.printing());
    const auto pages = pdfPages(path("a.pdf"));
    ASSERT_GE(pages.size(), 1u) << "the document was ended into a readable PDF";
    EXPECT_EQ(pages[0][0], "KILOMETRAGEDE:JANVIER2004");
}

TEST_F(PrintServiceTest, ADrawingGoesThroughTheSameStepsOnOnePage) {
    const QString file = path("dessin.pdf");
    PrintService service(pdfPlatform(file));
    QRect area;
    const PageDrawing draw = [&](QPainter& painter, const QRect& page) {
        area = page;
        painter.drawText(page, Qt::AlignCenter, QStringLiteral("Graphique de l'année"));
    };
    confirmAnswer = false;
    service.printDrawing(nullptr, draw, "vardo_2025");
    EXPECT_FALSE(QFile::exists(file)) << "a cancelled dialog prints nothing";
    confirmAnswer = true;
    service.printDrawing(nullptr, draw, "vardo_2025");
    EXPECT_EQ(dialogPrinters.size(), 2u);
    EXPECT_EQ(service.currentPrinter()->docName(), "vardo_2025");
    EXPECT_FALSE(area.isEmpty());
    EXPECT_EQ(pdfPages(file), (testing::Pages{{"Graphiquedel'année"}}));

    PrintService none({[] { return false; }, {}, {}, {}});
    expectError([&] { none.printDrawing(nullptr, draw, "x"); }, "Aucune imprimante par défaut sélectionnée");
}

TEST(PrintDialogSetup, AllPagesOnlyNoFileNoSelection) {
    QPrinter printer;
    AllPagesPrintDialog dialog(&printer, nullptr);
    dialog.show();
    EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintToFile));
    EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintSelection));
    EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintPageRange));
    EXPECT_EQ(dialog.printRange(), QAbstractPrintDialog::AllPages);
    for (const char* name : {"printRange", "pagesRadioButton", "pageSetCombo", "printSelection"}) {
        const QWidget* widget = dialog.findChild<QWidget*>(name);
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_FALSE(widget->isEnabled()) << name;
    }
    const auto* printers = dialog.findChild<QComboBox*>("printers");
    ASSERT_NE(printers, nullptr);
    // The entry for printing to a file comes after the system's printers, whatever their names.
    EXPECT_EQ(printers->count(), QPrinterInfo::availablePrinterNames().size());
    EXPECT_EQ(printers->findText(QPrintDialog::tr("Print to File (PDF)")), -1) << "print to file";
    dialog.hide();
}

TEST(ReportFont, TheWindowFontAtEightPointsRegular) {
    const QFont font = reportFont(QFont("Liberation Sans", 14, QFont::Bold, true));
    EXPECT_EQ(font.family(), "Liberation Sans");
    EXPECT_EQ(font.pointSize(), 8);
    EXPECT_EQ(font.weight(), QFont::Normal);
    EXPECT_FALSE(font.italic());
}

}  // namespace
}  // namespace vardo
