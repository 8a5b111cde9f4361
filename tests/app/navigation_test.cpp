// Pages, menu marks and focus placement: the menu and the tabs keep one navigation item
// checked, a month page puts the focus on its initial reading or on day 1, February's row 29.
#include <QTabBar>

#include "window_fixture.h"

namespace vardo::app::testing {
namespace {

using Navigation = WindowTest;

const char* const kItems[kPages] = {
    "Janvier1", "Fvrier1",    "Mars1",    "Avril1",    "Mai1",     "Juin1",       "Juillet1",
    "Aot1",     "Septembre1", "Octobre1", "Novembre1", "Dcembre1", "BilanAnnuel1"};

TEST_F(Navigation, EveryMenuCommandShowsItsPageAndChecksOnlyItsItemEvenChosenTwice) {
    open();
    for (int page = kPages - 1; page >= 0; --page) {
        window->menuItem(kItems[page])->trigger();
        window->menuItem(kItems[page])->trigger();  // chosen again, it stays checked
        EXPECT_EQ(window->pages()->currentIndex(), page) << kItems[page];
        EXPECT_EQ(checkedNavigationItems(), 1) << kItems[page];
        for (int other = 0; other < kPages; ++other)
            EXPECT_EQ(checked(kItems[other]), other == page) << kItems[page] << kItems[other];
    }
}

TEST_F(Navigation, ClickingATabChecksItsItem) {
    open();
    QTabBar* tabs = window->pages()->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(kBilanPage).center());
    EXPECT_EQ(window->pages()->currentIndex(), kBilanPage);
    EXPECT_TRUE(checked("BilanAnnuel1"));
    EXPECT_EQ(checkedNavigationItems(), 1);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(7).center());
    EXPECT_TRUE(checked("Aot1"));
    EXPECT_FALSE(checked("BilanAnnuel1"));
    EXPECT_EQ(focus(), edit("AoutKMIn"));
}

TEST_F(Navigation, MonthPageFocusGoesToTheInitialReadingThenToDayOne) {
    open();
    window->showPageCommand(2);
    EXPECT_EQ(focus(), edit("MarsKMIn"));
    EXPECT_EQ(edit("MarsKMIn")->selectedText(), "0") << "the focus set by a page selects all";
    window->form().setText(window->form().findField("MarsKMIn"), "00");
    window->showPageCommand(kBilanPage);
    window->showPageCommand(2);
    EXPECT_EQ(focus(), edit("MarsM01"));
}

TEST_F(Navigation, LeavingAPageRunsTheExitHandlerOfItsField) {
    open();
    QTest::keyClicks(edit("JanvKMIn"), "12000");
    window->showPageCommand(kBilanPage);
    EXPECT_TRUE(readOnly("JanvKMIn"));
    EXPECT_EQ(text("DebAnnee"), "12000");
}

TEST_F(Navigation, TabOrderOfJanuaryAndOfMarch) {
    open();
    ASSERT_EQ(focus(), edit("JanvKMIn"));
    QTest::keyClick(focus(), Qt::Key_Tab);
    EXPECT_EQ(focus(), edit("JanvM01"));
    QTest::keyClick(focus(), Qt::Key_Tab);
    EXPECT_EQ(focus(), edit("JanvS01"));

    window->showPageCommand(2);
    edit("MarsS31")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focus(), Qt::Key_Tab);
    EXPECT_EQ(focus(), edit("MarsKMIn"));
    settle();
    EXPECT_TRUE(errors.empty()) << "leaving MarsS31 over an empty month changes nothing";
}

TEST_F(Navigation, FebruaryShowsRow29OnlyInALeapYearOfTheLedger) {
    open();
    today = QDate(2028, 2, 3);
    window->showPageCommand(1);
    EXPECT_FALSE(edit("FevM29")->isVisible()) << "the ledger's 2026 is not a leap year";
    EXPECT_FALSE(edit("FevS29")->isVisible());
    EXPECT_FALSE(window->day29Shown());
    window->form().setText(headerField(Header::Comptabilite), "2024");
    window->showPageCommand(0);
    window->showPageCommand(1);
    EXPECT_TRUE(edit("FevM29")->isVisible());
    EXPECT_TRUE(edit("FevS29")->isVisible());
    EXPECT_TRUE(window->day29Shown());
    window->form().setText(headerField(Header::Comptabilite), "0");  // no year: today's decides
    window->showPageCommand(0);
    window->showPageCommand(1);
    EXPECT_TRUE(window->day29Shown());
}

// The accounting year decides February's row 29 as soon as its box is left, on the February
// page itself, and by a command that runs the exit; a hidden day keeps its readings.
TEST_F(Navigation, FebruaryRow29FollowsTheYearAtItsExit) {
    open();
    window->showPageCommand(1);
    ASSERT_FALSE(window->day29Shown()) << "2026 is not a leap year";
    const auto typeYear = [&](const QString& year) {
        edit("aledComptabilite")->setFocus(Qt::TabFocusReason);
        edit("aledComptabilite")->selectAll();
        QTest::keyClicks(focus(), year);
        EXPECT_EQ(text("aledComptabilite"), year);
    };
    const struct {
        const char* name;
        const char* year;
        bool leftByCommand;
        bool shown;
    } rows[] = {
        {"leap_year_left_by_tab", "2024", false, true},
        {"common_year_left_by_tab", "2025", false, false},
        {"leap_year_left_by_a_command", "2028", true, true},
        {"common_year_left_by_a_command", "2027", true, false},
    };
    for (const auto& row : rows) {
        typeYear(QString::fromLatin1(row.year));
        EXPECT_EQ(window->day29Shown(), !row.shown) << row.name << ": nothing moves while typing";
        if (row.leftByCommand) window->menuItem("Sauvegarderlebilanannuelsous1")->trigger();
        else QTest::keyClick(focus(), Qt::Key_Tab);
        settle();
        EXPECT_EQ(window->day29Shown(), row.shown) << row.name;
        EXPECT_EQ(edit("FevS29")->isVisible(), row.shown) << row.name;
        if (row.shown) window->form().setText(eveningField(kFebruary, 29), "12345");
    }
    EXPECT_EQ(model("FevS29"), "12345") << "hidden, the day keeps its reading";
    EXPECT_TRUE(errors.empty());
}

TEST_F(Navigation, MenuHasItsItemsCaptionsAndSeparators) {
    open();
    struct Row {
        const char* name;
        const char* caption;
    };
    for (const Row& row :
         {Row{"Nouvelleanne1", "&Commencer nouvelle année"},
          Row{"Sauvegarderlanne1", "&Sauvegarder le bilan annuel"},
          Row{"Sauvegarderlebilanannuelsous1", "Sa&uvegarder le bilan annuel sous..."},
          Row{"Imprimerlebilanannuel1", "&Imprimer le bilan annuel"}, Row{"Quitter1", "&Quitter"},
          Row{"Fvrier1", "&Février"}, Row{"Aot1", "Aoû&t"}, Row{"Dcembre1", "&Décembre"},
          Row{"Juin1", "J&uin"}, Row{"Juillet1", "Jui&llet"}, Row{"Mai1", "Ma&i"},
          Row{"BilanAnnuel1", "&Bilan Annuel"}, Row{"Rubriquesdelaide1", "&Rubriques de l'aide"},
          Row{"Aproposde1", "A &propos de..."}, Row{"Fichier1", "&Fichier"},
          Row{"Edition1", "&Edition"}, Row{"Aide1", "&Aide"}})
        EXPECT_EQ(window->menuItem(row.name)->text(), QString::fromUtf8(row.caption)) << row.name;
    for (const char* separator : {"N1", "N2", "N3", "N4"})
        EXPECT_TRUE(window->menuItem(separator)->isSeparator()) << separator;
}

}  // namespace
}  // namespace vardo::app::testing
