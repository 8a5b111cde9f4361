// The pages and the status bar from the keyboard and for a screen reader: pages named after their
// month, the tabs walked with the arrow keys without leaving them, Tab or Entrée entering the
// page, Ctrl+Page Down and Ctrl+Page Up from anywhere, a status bar that says what it is and
// tells a changed coefficient.
#include <QAccessible>
#include <QPushButton>
#include <QTabBar>

#include "window_fixture.h"

namespace vardo::app::testing {
namespace {

using KeyboardPages = WindowTest;

const char* const kPageNames[kPages] = {"Janvier", "Février",  "Mars",     "Avril",    "Mai",
                                        "Juin",    "Juillet",  "Août",     "Septembre", "Octobre",
                                        "Novembre", "Décembre", "Bilan"};

TEST_F(KeyboardPages, EveryPageIsNamedAfterItsMonth) {
    open();
    for (int page = 0; page < kPages; ++page) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(window->pages()->page(page));
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->text(QAccessible::Name), QString::fromUtf8(kPageNames[page])) << page;
    }
}

TEST_F(KeyboardPages, ArrowKeysWalkTheTabsAndLeaveTheFocusOnThem) {
    open();
    QTabBar* tabs = window->pages()->tabBar();
    tabs->setFocus(Qt::TabFocusReason);
    QTest::keyClick(tabs, Qt::Key_Right);
    EXPECT_EQ(window->pages()->currentIndex(), 1);
    EXPECT_EQ(focus(), tabs) << "the arrow key left the tabs";
    EXPECT_TRUE(checked("Fvrier1")) << "the page's show handler ran all the same";
    EXPECT_EQ(checkedNavigationItems(), 1);
    QTest::keyClick(tabs, Qt::Key_Right);
    QTest::keyClick(tabs, Qt::Key_Left);
    EXPECT_EQ(window->pages()->currentIndex(), 1);
    EXPECT_EQ(focus(), tabs);
    EXPECT_TRUE(errors.empty());
}

// Entering puts the focus where showing the page puts it: the initial reading while it is "0",
// day 1's morning once it holds a reading; the text is selected, as by Tab.
TEST_F(KeyboardPages, TabOrEnterGoesIntoThePageWhereItsShowHandlerPutsTheFocus) {
    struct Row {
        const char* name;
        Qt::Key key;
        const char* kmIn;
        const char* expected;
    };
    for (const Row& row : {Row{"Entrée, empty month", Qt::Key_Return, "0", "FevKMIn"},
                           Row{"keypad Entrée", Qt::Key_Enter, "0", "FevKMIn"},
                           Row{"Tab, empty month", Qt::Key_Tab, "0", "FevKMIn"},
                           Row{"Tab, month begun", Qt::Key_Tab, "12000", "FevM01"},
                           Row{"Entrée, month begun", Qt::Key_Return, "12000", "FevM01"}}) {
        SCOPED_TRACE(row.name);
        open();
        window->form().setText(window->form().findField("FevKMIn"), row.kmIn);
        QTabBar* tabs = window->pages()->tabBar();
        tabs->setFocus(Qt::TabFocusReason);
        QTest::keyClick(tabs, Qt::Key_Right);
        ASSERT_EQ(focus(), tabs);
        QTest::keyClick(tabs, row.key);
        EXPECT_EQ(focus(), edit(row.expected));
        EXPECT_EQ(edit(row.expected)->selectedText(), edit(row.expected)->text());
        window.reset();
    }
}

TEST_F(KeyboardPages, EnteringTheBilanPageReachesItsFirstBox) {
    open();
    window->showPageCommand(kBilanPage);
    QTabBar* tabs = window->pages()->tabBar();
    tabs->setFocus(Qt::TabFocusReason);
    QTest::keyClick(tabs, Qt::Key_Return);
    ASSERT_NE(focus(), tabs);
    EXPECT_TRUE(window->pages()->page(kBilanPage)->isAncestorOf(focus()));
}

TEST_F(KeyboardPages, ShiftTabOnTheTabsStillGoesBack) {
    open();
    QTabBar* tabs = window->pages()->tabBar();
    tabs->setFocus(Qt::TabFocusReason);
    QTest::keyClick(tabs, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_NE(focus(), tabs);
    EXPECT_EQ(window->pages()->currentIndex(), 0);
}

// From a box: the box is left (its exit handler runs) and the next page places the focus.
TEST_F(KeyboardPages, CtrlPageDownAndUpTurnThePagesFromABox) {
    open();
    ASSERT_EQ(focus(), edit("JanvKMIn"));
    QTest::keyClicks(focus(), "12000");
    QTest::keyClick(focus(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(window->pages()->currentIndex(), 1);
    EXPECT_EQ(text("DebAnnee"), "12000") << "January's initial reading was left";
    EXPECT_TRUE(readOnly("JanvKMIn"));
    EXPECT_EQ(focus(), edit("FevKMIn"));
    EXPECT_TRUE(checked("Fvrier1"));
    QTest::keyClick(focus(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(window->pages()->currentIndex(), 0);
    EXPECT_EQ(focus(), edit("JanvM01")) << "January now holds an initial reading";
    QTest::keyClick(focus(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(window->pages()->currentIndex(), kBilanPage) << "before the first page, the last";
    EXPECT_TRUE(checked("BilanAnnuel1"));
    QTest::keyClick(window.get(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(window->pages()->currentIndex(), 0) << "after the last page, the first";
    EXPECT_EQ(checkedNavigationItems(), 1);
    EXPECT_TRUE(errors.empty());
}

// A page button's access key runs its command inside the key press: the digits typed right after
// Alt+C reach a box already opened, none refused and none replacing the reading.
TEST_F(KeyboardPages, AccessKeysPressThePageButtonsAtOnce) {
    struct Row {
        const char* name;
        Qt::Key key;
        const char* caption;  // the correction button's caption once the key is pressed
        bool boxOpen;         // day 1's morning editable then
    };
    open();
    typeFirstDay("10000", "10010", "10100");
    QTest::keyClick(focus(), Qt::Key_Tab);
    ASSERT_TRUE(readOnly("JanvM01"));
    edit("JanvM01")->setFocus(Qt::OtherFocusReason);
    for (const Row& row : {Row{"Alt+C opens the month", Qt::Key_C, "&Protéger", true},
                           Row{"Alt+P closes its balance", Qt::Key_P, "&Corriger", true}}) {
        SCOPED_TRACE(row.name);
        QTest::keyClick(focus(), row.key, Qt::AltModifier);
        // No event is let through in between: a timer-driven press would not have run yet.
        EXPECT_EQ(window->button("btnCorrJanv")->text().toStdString(), row.caption);
        EXPECT_EQ(!readOnly("JanvM01"), row.boxOpen);
        EXPECT_EQ(focus(), edit("JanvM01")) << "the focus stays in the box";
    }
    QTest::keyClick(focus(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(focus(), "10020");
    EXPECT_EQ(text("JanvM01"), "10020");
    EXPECT_TRUE(errors.empty());
}

TEST_F(KeyboardPages, CtrlPageDownOnTheTabsKeepsTheFocusOnThem) {
    open();
    QTabBar* tabs = window->pages()->tabBar();
    tabs->setFocus(Qt::TabFocusReason);
    QTest::keyClick(tabs, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(window->pages()->currentIndex(), 1);
    EXPECT_EQ(focus(), tabs);
}

TEST_F(KeyboardPages, StatusPanelsAreAStatusBarWithAName) {
    open();
    StatusPanels* status = window->statusPanels();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(status);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::StatusBar);
    EXPECT_EQ(face->text(QAccessible::Name), "Barre d'état");
    EXPECT_EQ(face->childCount(), kStatusPanels);
    EXPECT_EQ(status->geometry(), QRect(0, 457, kClientWidth, 19)) << "the bar drawn as before";
    EXPECT_EQ(face->child(1)->text(QAccessible::Name), status->panelText(1));
}

// A changed coefficient reaches the screen reader as the new name of its panel, which Qt tells
// only of a label named by its text: no panel has a name of its own. (The event itself needs a
// platform bridge, which the offscreen platform has not: the end-to-end test on the
// accessibility bus hears it.)
TEST_F(KeyboardPages, TheCoefficientPanelsAreNamedByTheirText) {
    open();
    typeFirstDay("1000", "1000", "1100");
    QTest::keyClick(focus(), Qt::Key_Tab);  // leaving the evening brings the year up to date
    ASSERT_TRUE(errors.empty());
    StatusPanels* status = window->statusPanels();
    EXPECT_TRUE(status->panelText(1).startsWith("Coefficient pro : 100")) << status->panelText(1).toStdString();
    for (int panel = 0; panel < kStatusPanels; ++panel) {
        EXPECT_TRUE(status->panel(panel)->accessibleName().isEmpty()) << panel;
        EXPECT_EQ(QAccessible::queryAccessibleInterface(status->panel(panel))->text(QAccessible::Name),
                  status->panelText(panel));
    }
}

}  // namespace
}  // namespace vardo::app::testing
