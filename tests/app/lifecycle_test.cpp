// Start-up and close order, and the commands that touch files: the options, the stored year, the
// start-up copy, the new year with its archive, the annual text, printing.
#include <QPushButton>

#include "window_fixture.h"

namespace vardo::app::testing {
namespace {

using Lifecycle = WindowTest;

TEST_F(Lifecycle, FirstRunOpensOnJanuaryWithTheYearAndEveryFieldEditable) {
    open();
    EXPECT_EQ(
        window->windowTitle(),
        QString::fromUtf8("Vardo 1.0 - Coefficient d'utilisation professionnelle de véhicule"));
    EXPECT_EQ(window->centralWidget()->size(), QSize(649, 476));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the size is pinned";
    EXPECT_EQ(window->pages()->currentIndex(), 0);
    EXPECT_EQ(text("aledComptabilite"), "2026");
    EXPECT_EQ(text("aledVehicule"), "");
    for (FieldId id = 0; id < kFieldCount; ++id)
        EXPECT_FALSE(window->field(id)->isReadOnly()) << window->form().name(id);
    EXPECT_TRUE(errors.empty());
}

TEST_F(Lifecycle, OptionsChooseThePageAndTheLastCheckedWins) {
    writeFile("VardoM.ini", "[Default]\r\nMois=0010000000001\r\n");
    open();
    EXPECT_EQ(window->pages()->currentIndex(), kBilanPage);
    EXPECT_TRUE(checked("BilanAnnuel1"));
}

TEST_F(Lifecycle, StoredYearIsLoadedAfterThePreparationAndSavedAtDestruction) {
    writeFile("VARDO.INI", "[frmVardo]\r\nJanvKMIn=12345\r\naledComptabilite=0\r\n");
    open();
    EXPECT_EQ(text("JanvKMIn"), "12345");
    EXPECT_EQ(text("KMIniJanv"), "12345") << "the load fires the change handlers";
    EXPECT_EQ(text("aledComptabilite"), "0") << "the stored value has the last word";
    EXPECT_EQ(focus(), edit("JanvM01")) << "the show handler ran after the load";
    window->form().setText(window->form().findField("MarsM03"), "777");
    window.reset();
    const QByteArray saved = readFile("VARDO.INI");
    EXPECT_TRUE(saved.contains("MarsM03=777\r\n"));
    EXPECT_TRUE(saved.contains("JanvKMIn=12345\r\n"));
}

// The panels show the restored coefficients, written once each when the load is over (not
// once per coefficient as each arrives); a year without a coefficient keeps the design texts;
// a coefficient that is not a number leaves the panels as they were, and the load goes on
// without a word, as for any stored text that a handler cannot take.
TEST_F(Lifecycle, StatusPanelsAreWrittenOnceFromTheRestoredCoefficients) {
    struct PanelWrites : FormObserver {
        std::vector<int> panels;
        void panelChanged(int panel) override {
            if (panel != kDatePanel) panels.push_back(panel);
        }
    };
    const struct {
        const char* name;
        const char* coefficients;
        const char* pro;
        const char* perso;
        std::vector<int> writes;
    } rows[] = {
        {"restored_coefficients", "CoefPro=0,8\r\nCoefPerso=0,2\r\n", "Coefficient pro : 80 %",
         "Coefficient perso : 20 %", {kProfessionalPanel, kPersonalPanel}},
        {"a_third", "CoefPro=0,333333333333333\r\nCoefPerso=0,666666666666667\r\n",
         "Coefficient pro : 33,33 %", "Coefficient perso : 66,67 %",
         {kProfessionalPanel, kPersonalPanel}},
        {"no_coefficient_changed", "CoefPro=0\r\nCoefPerso=0\r\n", "Coefficient pro :",
         " Coefficient perso :", {}},
        {"not_a_number", "CoefPro=n/a\r\nCoefPerso=0,2\r\n", "Coefficient pro :",
         " Coefficient perso :", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        window.reset();
        errors.clear();
        writeFile("VARDO.INI", QByteArray("[frmVardo]\r\nJanvKMIn=10000\r\n") + row.coefficients);
        open(false);
        PanelWrites writes;
        window->form().addObserver(&writes);
        window->start();
        window->form().removeObserver(&writes);
        EXPECT_EQ(window->statusPanels()->panelText(kProfessionalPanel), row.pro);
        EXPECT_EQ(window->statusPanels()->panelText(kPersonalPanel), row.perso);
        EXPECT_EQ(writes.panels, row.writes);
        EXPECT_TRUE(errors.empty());
    }
}

TEST_F(Lifecycle, ErrorInThePreparationIsShownAndTheLoadStillRuns) {
    writeFile("Vardo", "ligne\r\n");
    ASSERT_TRUE(QDir(dir.path()).mkdir("Vardo.vrd"));  // the copy cannot be written
    writeFile("VARDO.INI", "[frmVardo]\r\nFevKMIn=333\r\n");
    open();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].startsWith(QString::fromUtf8("Impossible de créer le fichier \"")))
        << errors[0].toStdString();
    EXPECT_EQ(window->statusPanels()->panelText(0), "Date :") << "the rest of the preparation skipped";
    EXPECT_EQ(text("FevKMIn"), "333");
}

TEST_F(Lifecycle, CloseSavesTheYearAndTheOptionsAndDestructionWritesNothingMore) {
    open();
    window->showPageCommand(5);
    window->menuItem("Quitter1")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(readFile("VardoM.ini"), "[Default]\r\nMois=0000010000000\r\n");
    const QByteArray saved = readFile("VARDO.INI");
    EXPECT_TRUE(saved.contains("Juin1=1\r\n")) << "the year is saved at the close";
    QFile::remove(dir.filePath("VARDO.INI"));
    window.reset();
    EXPECT_FALSE(QFile::exists(dir.filePath("VARDO.INI"))) << "nothing changed since the close";
}

TEST_F(Lifecycle, FailedOptionsWriteIsShownAndTheWindowStillCloses) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("VardoM.ini"));
    open();
    window->close();
    EXPECT_FALSE(window->isVisible());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].startsWith(QString::fromUtf8("Impossible d'écrire dans ")));
}

TEST_F(Lifecycle, NewYearRightAfterTypingArchivesTheReadingWithItsUpdatesThenWaitsInJanuary) {
    open();
    typeFirstDay("10000", "10010", "10100");
    window->menuItem("Nouvelleanne1")->trigger();
    settle();
    const QByteArray archive = readFile("VARDO_2026.INI");
    EXPECT_TRUE(archive.contains("JanvS01=10100\r\n")) << archive.left(200).toStdString();
    EXPECT_TRUE(archive.contains("JanvKMFin=10100\r\n"));
    EXPECT_TRUE(archive.contains("FevKMIn=10100\r\n"));
    EXPECT_TRUE(archive.contains("CoefPro=0,9\r\n"));
    EXPECT_EQ(text("JanvKMFin"), "0");
    EXPECT_EQ(text("JanvS01"), "0");
    EXPECT_EQ(text("aledVehicule"), "0");
    EXPECT_EQ(focus(), edit("JanvKMIn"));
    EXPECT_FALSE(readOnly("JanvS01"));
    EXPECT_TRUE(readOnly("JanvKMFin"));
    EXPECT_TRUE(readOnly("CoefPro"));
    EXPECT_EQ(window->statusPanels()->panelText(1), "Coefficient pro : 0 %");

    window->showPageCommand(kBilanPage);
    window->menuItem("Nouvelleanne1")->trigger();  // a year of zeros holds nothing to keep
    settle();
    EXPECT_EQ(window->pages()->currentIndex(), 0);
    EXPECT_TRUE(checked("Janvier1"));
    EXPECT_FALSE(QFile::exists(dir.filePath("VARDO_0.INI")));
    EXPECT_FALSE(QFile::exists(dir.filePath("VARDO_2026-2.INI")));
    EXPECT_TRUE(errors.empty()) << errors.front().toStdString();
}

TEST_F(Lifecycle, PrintButtonsOfTheMonthPages) {
    open();
    // Each month's "Imprimer" button, 67 by 25 at 288 from the top; Septembre's sits further left.
    const struct {
        const char* name;
        int left;
    } buttons[] = {
        {"btnImpJanv", 96}, {"btnImpFev", 96},   {"btnImpMars", 96}, {"btnImpAvril", 96},
        {"btnImpMai", 96},  {"btnImpJuin", 96},  {"btnImpJuil", 96}, {"btnImpAout", 96},
        {"btnImpSept", 88}, {"btnImpOct", 96},   {"btnImpNov", 96},  {"btnImpDec", 96},
    };
    for (const auto& button : buttons) {
        ASSERT_NE(window->button(QString::fromLatin1(button.name)), nullptr) << button.name;
        EXPECT_EQ(window->button(QString::fromLatin1(button.name))->geometry(),
                  QRect(button.left, 288, 67, 25))
            << button.name;
    }
}

TEST_F(Lifecycle, SaveCommandWritesTheAnnualTextAndConfirms) {
    open();
    window->button("btnSauver")->click();
    ASSERT_EQ(infos.size(), 1u);
    EXPECT_TRUE(infos[0].startsWith(
        QString::fromUtf8("Sauvegarde réalisée dans le répertoire de l'application :")));
    EXPECT_TRUE(QFile::exists(dir.filePath("vardo_2026.txt")));
    EXPECT_EQ(readFile("vardo_2026.txt").count("\r\n"), 518) << "2026 has no 29 February";
}

// A year text from a hand-edited store that would name a file elsewhere: both commands that name
// a file after it stop with the integer message, write nothing and leave the year as it is.
TEST_F(Lifecycle, YearTextThatCannotNameAFileStopsSaveAndNewYear) {
    writeFile(QStringLiteral("VARDO.INI"), "[frmVardo]\r\naledComptabilite=1/../x\r\nJanvKMIn=500\r\n");
    open();
    window->button("btnSauver")->click();
    window->menuItem("Nouvelleanne1")->trigger();
    settle();
    const QString message = QStringLiteral("'1/../x' n'est pas une valeur entière correcte.");
    EXPECT_EQ(QStringList(errors.begin(), errors.end()), QStringList({message, message}));
    EXPECT_TRUE(infos.empty());
    EXPECT_EQ(text("JanvKMIn"), "500") << "the new year did not reset anything";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({QStringLiteral("VARDO.INI")}));
}

TEST_F(Lifecycle, PrintButtonsHandTheirReportsToThePrinter) {
    open();
    window->button("btnImpFev")->click();
    window->menuItem("Imprimerlebilanannuel1")->trigger();
    ASSERT_EQ(printed.size(), 2u);
    EXPECT_EQ(printed[0].size(), 45u) << "February of 2026 prints 28 rows";
    EXPECT_EQ(printed[1].size(), 518u);
}

TEST_F(Lifecycle, CorrectionButtonSwitchesItsCaption) {
    open();
    QPushButton* button = window->button("btnCorrMars");
    EXPECT_EQ(button->text(), "&Corriger");
    EXPECT_EQ(button->toolTip(), QString::fromUtf8("Corriger ou protéger les données."));
    button->click();
    EXPECT_EQ(button->text(), QString::fromUtf8("&Protéger"));
    EXPECT_EQ(window->button("btnCorrAvril")->text(), "&Corriger");
    button->click();
    EXPECT_EQ(button->text(), "&Corriger");
    EXPECT_TRUE(readOnly("MarsKMIn"));
}

}  // namespace
}  // namespace vardo::app::testing
