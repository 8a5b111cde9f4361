// Typing the readings of a month into the window: the balance follows when the focus leaves an
// evening field, the figures lock, the annual page and the status bar follow.
#include "window_fixture.h"

namespace vardo::app::testing {
namespace {

using DailyEntry = WindowTest;

TEST_F(DailyEntry, WorkedExampleOfJanuaryTypedAndTabbedOut) {
    open();
    ASSERT_EQ(focus(), edit("JanvKMIn"));
    typeAndTab("10000");  // JanvKMIn, then Tab reaches JanvM01
    EXPECT_EQ(focus(), edit("JanvM01"));
    EXPECT_TRUE(readOnly("JanvKMIn"));
    EXPECT_EQ(text("DebAnnee"), "10000");

    typeAndTab("10010");
    EXPECT_EQ(focus(), edit("JanvS01"));
    EXPECT_EQ(text("JanvKMFin"), "0") << "a morning reading changes no balance field";
    typeAndTab("10100");
    settle();
    EXPECT_EQ(text("JanvKMFin"), "10100");
    EXPECT_EQ(text("JanvKMTot"), "100");
    EXPECT_EQ(text("JanvKMPerso"), "10");
    EXPECT_EQ(text("JanvKMPro"), "90");
    EXPECT_EQ(text("JanvCoPro"), "0,9");
    EXPECT_EQ(text("JanvCoPerso"), "0,1");
    for (const char* locked : {"JanvKMIn", "JanvM01", "JanvS01", "JanvKMFin", "JanvKMTot",
                               "JanvKMPerso", "JanvKMPro", "JanvCoPro", "JanvCoPerso"})
        EXPECT_TRUE(readOnly(locked)) << locked;
    EXPECT_FALSE(readOnly("JanvM02"));
    EXPECT_FALSE(readOnly("JanvS02"));

    ASSERT_EQ(focus(), edit("JanvM02"));
    typeAndTab("10130");
    typeAndTab("10200");
    settle();
    EXPECT_EQ(text("JanvKMFin"), "10200");
    EXPECT_EQ(text("JanvKMTot"), "200");
    EXPECT_EQ(text("JanvKMPerso"), "40");
    EXPECT_EQ(text("JanvKMPro"), "160");
    EXPECT_EQ(text("JanvCoPro"), "0,8");
    EXPECT_EQ(text("JanvCoPerso"), "0,2");
    EXPECT_TRUE(errors.empty()) << errors.front().toStdString();

    // The annual page and the status bar followed through the change handlers.
    EXPECT_EQ(text("KMProJanv"), "160");
    EXPECT_EQ(text("FinAnnee"), "10200");
    EXPECT_EQ(window->statusPanels()->panelText(1), "Coefficient pro : 80 %");
    EXPECT_EQ(window->statusPanels()->panelText(2), "Coefficient perso : 20 %");
    // Widgets and model agree.
    for (const char* name : {"JanvKMFin", "JanvCoPro", "KMTotJanv", "TotAnnee"})
        EXPECT_EQ(text(name).toStdString(), model(name)) << name;
}

TEST_F(DailyEntry, InitialReadingFollowsEveryKeystrokeOnTheAnnualPage) {
    open();
    QTest::keyClicks(edit("JanvKMIn"), "12");
    EXPECT_EQ(text("KMIniJanv"), "12");
    QTest::keyClick(edit("JanvKMIn"), Qt::Key_3);
    EXPECT_EQ(text("KMIniJanv"), "123");
    EXPECT_EQ(model("JanvKMIn"), "123");
}

TEST_F(DailyEntry, EmptiedEveningFieldShowsTheConversionErrorWithAFullStop) {
    open();
    typeAndTab("10000");
    typeAndTab("10010");
    ASSERT_EQ(focus(), edit("JanvS01"));
    QTest::keyClick(focus(), Qt::Key_Backspace);  // the selected "0" goes: the field is empty
    ASSERT_EQ(text("JanvS01"), "");
    QTest::keyClick(focus(), Qt::Key_Tab);
    settle();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], QString::fromUtf8("'' n'est pas une valeur entière correcte."));
    EXPECT_EQ(text("JanvKMFin"), "0") << "a failed update changes nothing";
    EXPECT_EQ(text("FinAnnee"), "0");
    EXPECT_FALSE(readOnly("JanvM01")) << "no lock pass after a failure";
    EXPECT_EQ(focus(), edit("JanvM02")) << "the program carries on";
}

TEST_F(DailyEntry, DayWithoutMovementIsNoError) {
    open();
    typeAndTab("5000");
    typeAndTab("5000");
    typeAndTab("5000");
    settle();
    EXPECT_TRUE(errors.empty()) << errors.front().toStdString();
    EXPECT_EQ(text("JanvCoPro"), "0");
    EXPECT_EQ(text("FevKMIn"), "5000");
    EXPECT_TRUE(readOnly("JanvS01"));
}

TEST_F(DailyEntry, StatusBarTextsFromDesignAndStartUp) {
    open();
    StatusPanels* bar = window->statusPanels();
    EXPECT_EQ(bar->panelText(0), "Date : 09/12/2026");
    EXPECT_EQ(bar->panelText(1), "Coefficient pro :");
    EXPECT_EQ(bar->panelText(2), " Coefficient perso :");
    EXPECT_EQ(bar->panelText(3), "");
    EXPECT_EQ(bar->panel(0)->width() + 2, 105);
    EXPECT_EQ(bar->panel(1)->width() + 2, 140);
    EXPECT_EQ(bar->panel(2)->width() + 2, 155);
    EXPECT_EQ(bar->panel(3)->geometry().right() + 1, bar->width() - 2);
}

}  // namespace
}  // namespace vardo::app::testing
