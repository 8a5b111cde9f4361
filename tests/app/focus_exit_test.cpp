// When exit handlers run: the focus moving to another control of the window runs them; the
// window losing activation, a menu taking the keyboard, or Return do not.
#include <QMenuBar>
#include <QPushButton>

#include "window_fixture.h"

namespace vardo::app::testing {
namespace {

using FocusExit = WindowTest;

TEST_F(FocusExit, AnotherWindowTakingTheFocusRunsNoExitHandler) {
    open();
    typeFirstDay("10000", "10010", "10100");
    QWidget other;
    other.setFocusPolicy(Qt::StrongFocus);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    other.setFocus();
    EXPECT_EQ(text("JanvKMFin"), "0");
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(focus(), edit("JanvS01"));
    EXPECT_EQ(text("JanvKMFin"), "0");
    QTest::mouseClick(edit("JanvM02"), Qt::LeftButton);
    EXPECT_EQ(text("JanvKMFin"), "10100") << "a click on another field runs it";
}

TEST_F(FocusExit, TheMenuBarTakingTheKeyboardRunsNoExitHandler) {
    open();
    typeFirstDay("10000", "10010", "10100");
    window->menuBar()->setFocus(Qt::MenuBarFocusReason);
    EXPECT_EQ(text("JanvKMFin"), "0");
    edit("JanvS01")->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(text("JanvKMFin"), "0");
}

TEST_F(FocusExit, ButtonClickRunsTheExitHandlerFirst) {
    open();
    typeFirstDay("10000", "10010", "10100");
    QTest::mouseClick(window->button("btnImpJanv"), Qt::LeftButton);
    EXPECT_EQ(text("JanvKMFin"), "10100");
    ASSERT_EQ(printed.size(), 1u);
}

TEST_F(FocusExit, ActivationReadsTheOptionsAgainAndOnlyAddsMarks) {
    open();
    window->showPageCommand(2);
    writeFile("VardoM.ini", "[Default]\r\nMois=0000010000000\r\n");
    window->rereadOptions();
    EXPECT_TRUE(checked("Mars1"));
    EXPECT_TRUE(checked("Juin1"));
    EXPECT_EQ(checkedNavigationItems(), 2);
}

}  // namespace
}  // namespace vardo::app::testing
