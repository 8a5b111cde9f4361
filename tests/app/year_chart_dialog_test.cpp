// "Graphique de l'année" and "Frais réels et barème" in a real window: the figures of the
// month balances in the chart, its tooltips and its table, the image saved as PNG or SVG, the
// chart printed through the print path, the costs kept in the options file and compared as
// they are typed.
#include <QBarSet>
#include <QChartView>
#include <QImage>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include "app/tools/costs_dialog.h"
#include "app/tools/tools_menu.h"
#include "app/tools/year_chart_view.h"
#include "app/tools/year_chart_dialog.h"
#include "pdf_text.h"
#include "window_fixture.h"

namespace vardo::app::testing {
namespace {

class YearChartDialogTest : public WindowTest {
protected:
    ToolsMenu* tools() const { return window->findChild<ToolsMenu*>(QStringLiteral("ToolsMenu")); }

    // Chooses a tool; `inDialog` runs on the modal dialog it opens, which Échap then closes.
    void choose(const char* item, std::function<void(QWidget*)> inDialog) {
        QTimer::singleShot(0, [this, inDialog] {
            QWidget* dialog = QApplication::activeModalWidget();
            inDialog(dialog);
            if (dialog && dialog->isVisible()) QTest::keyClick(dialog, Qt::Key_Escape);
            closedByEscape = dialog && !dialog->isVisible();
        });
        tools()->menu()->findChild<QAction*>(QString::fromLatin1(item))->trigger();
        settle();
    }

    // January 90 km professional and 10 personal, the evening left in its field.
    void enterJanuary() {
        open();
        FormModel& form = window->form();
        form.setText(form.findField("aledVehicule"), "Clio <R>");
        form.setText(form.findField("aledChevaux"), "5");
        typeFirstDay("10000", "10010", "10100");
    }

    bool closedByEscape = false;
};

TEST_F(YearChartDialogTest, ChartTableAndTooltipsShowTheMonthBalances) {
    enterJanuary();
    choose("GraphiqueAnnee", [&](QWidget* widget) {
        auto* dialog = qobject_cast<YearChartDialog*>(widget);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Graphique de l'année");
        QChart* chart = dialog->view()->chart();
        EXPECT_EQ(chart->title(), "Année comptable 2026 - Clio &lt;R&gt;") << "shown as typed";
        const auto* bars = qobject_cast<QStackedBarSeries*>(chart->series().at(0));
        ASSERT_NE(bars, nullptr);
        EXPECT_EQ(bars->barSets().at(0)->at(0), 90);
        EXPECT_EQ(bars->barSets().at(1)->at(0), 10);
        EXPECT_EQ(bars->barSets().at(0)->at(1), 0);
        const auto* line = qobject_cast<QLineSeries*>(chart->series().at(1));
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->points(), (QList<QPointF>{{0, 90}}));
        EXPECT_EQ(dialog->monthTip(0),
                  "Janvier\nProfessionnel : 90 km\nPersonnel : 10 km\nTotal : 100 km\n"
                  "Coefficient depuis janvier : 90,00 %");

        QTableWidget* table = dialog->table();
        EXPECT_EQ(table->rowCount(), 12);
        QStringList january, february;
        for (int column = 0; column < table->columnCount(); ++column) {
            january << table->item(0, column)->text();
            february << table->item(1, column)->text();
        }
        EXPECT_EQ(january, (QStringList{"Janvier", "90 km", "10 km", "100 km", "90,00 %"}));
        EXPECT_EQ(february, (QStringList{"Février", "", "", "", ""}));
        // The table is a key away for the keyboard.
        QTest::keyClick(dialog->tabs(), Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(dialog->tabs()->currentWidget(), table);
    });
    EXPECT_TRUE(closedByEscape);
    EXPECT_EQ(model("JanvKMPro"), "90") << "the evening's exit ran before the chart opened";
}

TEST_F(YearChartDialogTest, EveryWidgetHasANameAndAnAccessibleName) {
    enterJanuary();
    choose("GraphiqueAnnee", [](QWidget* dialog) {
        ASSERT_NE(dialog, nullptr);
        for (const char* name : {"tabs", "chart", "table", "saveImage", "print", "close"}) {
            auto* widget = dialog->findChild<QWidget*>(QString::fromLatin1(name));
            ASSERT_NE(widget, nullptr) << name;
            EXPECT_FALSE(widget->accessibleName().isEmpty()) << name;
        }
    });
}

TEST_F(YearChartDialogTest, AYearWithoutKilometresShowsTheSentence) {
    open();
    choose("GraphiqueAnnee", [](QWidget* widget) {
        auto* dialog = qobject_cast<YearChartDialog*>(widget);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->view(), nullptr);
        EXPECT_EQ(dialog->emptyText()->text(),
                  "Année comptable 2026\n\nAucun kilomètre n'est relevé pour cette année : il "
                  "n'y a rien à représenter.");
    });
}

TEST_F(YearChartDialogTest, SavesPngAndSvgUnderTheSuggestedName) {
    enterJanuary();
    QString suggested;
    choose("GraphiqueAnnee", [&](QWidget* widget) {
        auto* dialog = qobject_cast<YearChartDialog*>(widget);
        ASSERT_NE(dialog, nullptr);
        for (const char* name : {"graphique.png", "graphique.svg", "graphique.jpg"}) {
            dialog->imageFileName = [&, name](QWidget*, const QString& offered) {
                suggested = offered;
                return dir.filePath(QString::fromLatin1(name));
            };
            dialog->findChild<QPushButton*>(QStringLiteral("saveImage"))->click();
        }
    });
    EXPECT_EQ(QFileInfo(suggested).fileName(), "vardo_2026.png");
    const QImage image(dir.filePath(QStringLiteral("graphique.png")));
    ASSERT_FALSE(image.isNull());
    int professionalPixels = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            professionalPixels += image.pixel(x, y) == (0xFF000000u | kProfessionalColour);
    EXPECT_GT(professionalPixels, 100) << "January's professional bar is drawn";
    EXPECT_TRUE(readFile(QStringLiteral("graphique.svg")).contains(">févr.<"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("graphique.jpg"))));
    EXPECT_EQ(errors, (std::vector<QString>{"Le graphique s'enregistre en image PNG ou SVG : « " +
                                            dir.filePath(QStringLiteral("graphique.jpg")) +
                                            " »."}));
    EXPECT_TRUE(readFile(QStringLiteral("VardoM.ini")).contains("DossierExport=" + dir.path().toUtf8()));
}

TEST_F(YearChartDialogTest, PrintsTheChartThroughThePrintPath) {
    if (!vardo::testing::havePdfTools()) GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
    enterJanuary();
    window->leaveFocusedField();
    const QString pdf = dir.filePath(QStringLiteral("graphique.pdf"));
    int dialogs = 0;
    PrintService printing(vardo::testing::pdfPlatform(pdf, [&](QPrinter&, QWidget*) {
        ++dialogs;
        return true;
    }));
    YearChartDialog dialog(window->form(), window->figures(), folder(), printing, window.get());
    dialog.findChild<QPushButton*>(QStringLiteral("print"))->click();
    EXPECT_EQ(dialogs, 1);
    const auto pages = vardo::testing::pdfPages(pdf);
    ASSERT_EQ(pages.size(), 1u);
    std::string text;
    for (const std::string& line : pages[0]) text += line + "\n";
    for (const char* word : {"Annéecomptable2026-Clio<R>", "janv.", "déc.", "Kmprofessionnels"})
        EXPECT_NE(text.find(word), std::string::npos) << word << " in\n" << text;
}

TEST_F(YearChartDialogTest, CostsAreComparedAsTheyAreTypedAndKept) {
    enterJanuary();
    QString shown, wrong;
    choose("FraisReelsBareme", [&](QWidget* widget) {
        auto* dialog = qobject_cast<CostsDialog*>(widget);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->shownText(), "Tapez le total des frais du véhicule pour l'année.");
        QTest::keyClicks(dialog->costs(), "100,50");
        shown = dialog->shownText();
        QTest::keyClicks(dialog->costs(), "x");
        wrong = dialog->shownText();
        QTest::keyClick(dialog->costs(), Qt::Key_Backspace);
    });
    EXPECT_EQ(shown,
              "Frais réels de l'année : 100,50 €\nCoefficient professionnel : 90,00 %\n"
              "Part professionnelle des frais : 90,45 €\nBarème kilométrique 2025 : 57,24 €\n"
              "Les frais réels (part professionnelle) dépassent le barème de 33,21 €.\n"
              "Le choix entre frais réels et barème, et ses conditions, restent à vérifier par "
              "vous auprès de l'administration fiscale ou de votre comptable.");
    EXPECT_EQ(wrong, "« 100,50x » n'est pas un montant en euros (par exemple 4 500,00)");
    EXPECT_TRUE(readFile(QStringLiteral("VardoM.ini")).contains("[Outils]\r\nFraisReels=100,50\r\n"));

    choose("FraisReelsBareme", [&](QWidget* widget) {
        auto* dialog = qobject_cast<CostsDialog*>(widget);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->costs()->text(), "100,50") << "kept from the last time";
        dialog->costs()->clear();
    });
    EXPECT_TRUE(readFile(QStringLiteral("VardoM.ini")).contains("[Outils]\r\nFraisReels=\r\n"));
}

}  // namespace
}  // namespace vardo::app::testing
