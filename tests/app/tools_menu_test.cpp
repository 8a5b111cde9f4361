// The "&Outils" menu in a real window: its place in the bar, the exit of the focused field run
// first, the check's jump to a field, the export, and the electric check box kept in the options.
#include <QCheckBox>
#include <QComboBox>
#include <QTreeWidget>
#include <QListWidget>
#include <QMenuBar>
#include <QScrollBar>
#include <QTimer>

#include "app/tools/allowance_dialog.h"
#include "app/tools/journal_dialog.h"
#include "app/window/year_saver.h"
#include "app/tools/reading_check_dialog.h"
#include "app/tools/tools_menu.h"
#include "window_fixture.h"

namespace vardo::app::testing {
namespace {

class ToolsMenuTest : public WindowTest {
protected:
    ToolsMenu* tools() const { return window->findChild<ToolsMenu*>(QStringLiteral("ToolsMenu")); }

    // Chooses a tool; `inDialog` runs on the modal dialog the tool opens (null when none opened).
    void choose(const char* item, std::function<void(QWidget*)> inDialog) {
        QTimer::singleShot(0, [inDialog] {
            QWidget* dialog = QApplication::activeModalWidget();
            inDialog(dialog);
            if (dialog && dialog->isVisible()) QTest::keyClick(dialog, Qt::Key_Escape);
        });
        tools()->menu()->findChild<QAction*>(QString::fromLatin1(item))->trigger();
        settle();
    }

    // 5 March's evening below its morning: the check's only line names that box.
    void typeAMarchEveningGoingBack() {
        FormModel& form = window->form();
        form.setText(form.findField("MarsKMIn"), "19990");
        form.setText(form.findField("MarsM05"), "20000");
        form.setText(form.findField("MarsS05"), "19000");
    }

    // Return on the check's first line: "Aller au champ".
    void goToTheChecksLine() {
        choose("ControleReleves", [](QWidget* dialog) {
            ASSERT_NE(dialog, nullptr);
            QTest::keyClick(qobject_cast<ReadingCheckDialog*>(dialog)->list(), Qt::Key_Return);
        });
    }
};

TEST_F(ToolsMenuTest, SitsBetweenEditionAndAideWithoutNewModelItems) {
    open();
    QStringList titles;
    for (QAction* action : window->menuBar()->actions()) titles << action->text();
    EXPECT_EQ(titles, (QStringList{"&Fichier", "&Edition", "&Outils", "&Aide"}));
    QStringList captions;
    for (QAction* action : tools()->menu()->actions()) captions << action->text();
    EXPECT_EQ(captions, (QStringList{"&Contrôler les relevés...", "E&xporter pour le comptable...",
                                     "&Indemnités kilométriques...", "&Graphique de l'année...",
                                     "&Frais réels et barème...", "&Journal des saisies..."}));
    EXPECT_EQ(window->form().menuCount(), 27);
}

TEST_F(ToolsMenuTest, TheFocusedFieldsExitRunsFirst) {
    open();
    typeFirstDay("10000", "10010", "9990");
    EXPECT_EQ(model("JanvKMPro"), "0");
    QStringList lines;
    choose("ControleReleves", [&](QWidget* dialog) {
        auto* check = qobject_cast<ReadingCheckDialog*>(dialog);
        ASSERT_NE(check, nullptr);
        for (int row = 0; row < check->list()->count(); ++row) lines << check->list()->item(row)->text();
    });
    EXPECT_EQ(model("JanvKMPro"), "-20");
    EXPECT_EQ(lines, (QStringList{"1er janvier, soir : le relevé (9990) est inférieur au relevé "
                                  "du matin (10010)"}));
}

TEST_F(ToolsMenuTest, ReturnOnALineTakesTheUserToItsField) {
    open();
    typeAMarchEveningGoingBack();
    goToTheChecksLine();
    EXPECT_EQ(window->pages()->currentIndex(), 2);
    EXPECT_TRUE(checked("Mars1"));
    window->activateWindow();  // as the window manager does once the dialog is gone
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(focus(), edit("MarsS05"));
    EXPECT_EQ(edit("MarsS05")->selectedText(), "19000");
}

// The journal's list after some typing: the verdict on top, one row per typed value, the month
// filter, and Return on a row takes the user to its field.
TEST_F(ToolsMenuTest, JournalListsTheTypingAndLeadsToAField) {
    open();
    window->saver().setInterval(600000);  // each reading one entry, whatever the machine's speed
    typeFirstDay("10000", "10010", "10100");
    QStringList verdict, rows, march;
    choose("JournalSaisies", [&](QWidget* dialog) {
        auto* journal = qobject_cast<JournalDialog*>(dialog);
        ASSERT_NE(journal, nullptr);
        verdict << journal->verdict()->text();
        for (int i = 0; i < journal->list()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = journal->list()->topLevelItem(i);
            rows << item->text(1) + " | " + item->text(2) + " | " + item->text(3);
        }
        journal->monthFilter()->setCurrentIndex(3);  // "Mars"
        march << QString::number(journal->list()->topLevelItemCount());
        journal->monthFilter()->setCurrentIndex(1);  // "Janvier"
        // The evening's row, the last one of January, is the current one.
        QTest::keyClick(journal->list(), Qt::Key_Return);
    });
    ASSERT_EQ(verdict.size(), 1);
    EXPECT_TRUE(verdict.front().startsWith("Journal intègre : 3 saisies du "))
        << verdict.front().toStdString();
    EXPECT_TRUE(verdict.front().endsWith("l'année enregistrée est celle du journal."))
        << verdict.front().toStdString();
    EXPECT_TRUE(rows.contains("saisie | janvier, kilométrage initial | 0 → 10000")) << rows.join("\n").toStdString();
    EXPECT_TRUE(rows.contains("saisie | 1er janvier, matin | 0 → 10010")) << rows.join("\n").toStdString();
    EXPECT_TRUE(rows.contains("saisie | 1er janvier, soir | 0 → 10100")) << rows.join("\n").toStdString();
    EXPECT_EQ(march, QStringList{"0"});
    EXPECT_EQ(window->pages()->currentIndex(), 0);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(focus(), edit("JanvS01"));
}

TEST_F(ToolsMenuTest, AProtectedFieldSaysThatCorrigerOpensIt) {
    open();
    typeAMarchEveningGoingBack();
    window->form().setReadOnly(window->form().findField("MarsS05"), true);
    goToTheChecksLine();
    EXPECT_EQ(window->pages()->currentIndex(), 2);
    EXPECT_EQ(infos, (std::vector<QString>{"Le champ « 5 mars, soir » est protégé : le bouton "
                                           "« Corriger » de la page « Mars » l'ouvre à la "
                                           "saisie."}));
}

TEST_F(ToolsMenuTest, AnOpenFieldSaysNothing) {
    open();
    typeAMarchEveningGoingBack();
    goToTheChecksLine();
    EXPECT_EQ(window->pages()->currentIndex(), 2);
    EXPECT_TRUE(infos.empty());
}

// Every line is read whole: long sentences wrap, no horizontal scroll bar.
TEST(ReadingCheckDialogTest, LongSentencesWrap) {
    std::vector<Anomaly> found;
    FormModel form;
    for (int d = 1; d <= 3; ++d)
        found.push_back({0, d, {eveningField(0, d)},
                         "relevé manquant, alors que le matin est saisi et que des jours suivants "
                         "sont remplis, et ceci est une phrase assez longue pour dépasser la "
                         "largeur de la fenêtre de contrôle des relevés"});
    ReadingCheckDialog dialog(found, nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QListWidget* list = dialog.list();
    EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
    const int lineHeight = list->fontMetrics().height();
    for (int row = 0; row < list->count(); ++row) {
        const QRect rect = list->visualItemRect(list->item(row));
        EXPECT_GE(rect.height(), 2 * lineHeight) << row;
        EXPECT_LE(rect.right(), list->viewport()->width()) << row;
    }
}

TEST_F(ToolsMenuTest, AFailingExitShowsItsErrorAndOpensNothing) {
    open();
    typeFirstDay("10000", "10010", "");
    QTest::keyClick(focus(), Qt::Key_Backspace);
    bool opened = true;
    choose("ControleReleves", [&](QWidget* dialog) { opened = dialog != nullptr; });
    EXPECT_FALSE(opened);
    EXPECT_EQ(errors, (std::vector<QString>{"'' n'est pas une valeur entière correcte."}));
}

TEST_F(ToolsMenuTest, ExportWritesTheFileAndRemembersItsFolder) {
    open();
    QString suggested;
    const QString target = dir.filePath(QStringLiteral("sortie/compta.csv"));
    QDir(dir.path()).mkdir(QStringLiteral("sortie"));
    tools()->exportFileName = [&](QWidget*, const QString& name) {
        suggested = name;
        return target;
    };
    choose("ExportComptable", [](QWidget*) {});
    EXPECT_EQ(QFileInfo(suggested).fileName(), "vardo_2026.csv");
    EXPECT_TRUE(readFile(QStringLiteral("sortie/compta.csv")).startsWith("\xEF\xBB\xBF"));
    EXPECT_TRUE(readFile(QStringLiteral("VardoM.ini")).contains("DossierExport=" + dir.filePath("sortie").toUtf8()));

    choose("ExportComptable", [](QWidget*) {});
    EXPECT_EQ(suggested, dir.filePath(QStringLiteral("sortie/vardo_2026.csv")));
}

TEST_F(ToolsMenuTest, TheElectricBoxIsKeptThroughTheClose) {
    open();
    FormModel& form = window->form();
    form.setText(form.findField("aledChevaux"), "6");
    for (auto [name, reading] : {std::pair{"JanvKMIn", "10000"}, {"JanvM01", "10000"},
                                 {"JanvS01", "11000"}})  // 1000 km for work
        form.setText(form.findField(name), reading);
    QString before, after;
    choose("IndemnitesKm", [&](QWidget* dialog) {
        auto* allowance = qobject_cast<AllowanceDialog*>(dialog);
        ASSERT_NE(allowance, nullptr);
        before = allowance->shownText();
        QTest::keyClick(allowance->electric(), Qt::Key_Space);
        after = allowance->shownText();
    });
    EXPECT_TRUE(before.endsWith("Indemnités kilométriques : 665,00 €")) << before.toStdString();
    EXPECT_TRUE(after.endsWith("Indemnités kilométriques : 798,00 €")) << after.toStdString();
    window->close();
    const QByteArray options = readFile(QStringLiteral("VardoM.ini"));
    EXPECT_TRUE(options.contains("[Outils]\r\nVehiculeElectrique=1\r\n")) << options.toStdString();
    EXPECT_TRUE(options.contains("[Default]\r\nMois=1000000000000\r\n")) << options.toStdString();
}

}  // namespace
}  // namespace vardo::app::testing
