// The window recounts the year at every trigger, and nothing it stores, prints or shows misses a
// reading typed in a box: the focused box counts as left at the close; the year box recounts
// February; a box holding "0" is replaced by what is typed after a click; a month under
// correction stays open.
#include <QPushButton>

#include "persist/form_store.h"
#include "window_fixture.h"

namespace vardo::app::testing {
namespace {

using Recount = WindowTest;

// Clicks a box as the mouse does: the press gives the focus, the release ends the click.
void click(AlignedEdit* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 4, box->height() / 2));
}

TEST_F(Recount, ClosingFromInsideAnEveningBoxStoresTheRecountedMonth) {
    today = QDate(2024, 3, 1);
    open();
    typeFirstDay("10000", "10010", "10100");
    ASSERT_EQ(focus(), edit("JanvS01"));
    window->close();
    window.reset();
    IniFile stored = IniFile::load(storeFileName(folder()));
    auto storedText = [&](const char* key) {
        return stored.readString(kStoreSection, key, "missing");
    };
    EXPECT_EQ(storedText("JanvS01"), "10100");
    EXPECT_EQ(storedText("JanvKMFin"), "10100");
    EXPECT_EQ(storedText("JanvKMPro"), "90");
    EXPECT_EQ(storedText("TotPro"), "90");
    EXPECT_EQ(storedText("FevKMIn"), "10100") << "handed on";
    EXPECT_EQ(storedText("CoefPro"), "0,9");
    EXPECT_TRUE(errors.empty());
}

TEST_F(Recount, LeavingTheYearBoxRecountsFebruary) {
    open();
    window->form().setText(headerField(Header::Comptabilite), "2024");
    for (auto [name, value] : {std::pair{"FevKMIn", "5000"}, {"FevM28", "5100"},
                               {"FevS28", "5200"}, {"FevM29", "5250"}, {"FevS29", "5300"}})
        window->form().setText(window->form().findField(name), value);
    window->ledger().leaveEvening(kFebruary, 29);
    settle();
    ASSERT_EQ(text("FevKMFin"), "5300");
    ASSERT_EQ(text("TotPro"), "150");

    window->button("btnCorrDec")->click();  // the locked year box opens
    edit("aledComptabilite")->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(focus(), "2025");
    QTest::keyClick(focus(), Qt::Key_Tab);
    settle();
    EXPECT_EQ(text("FevKMFin"), "5200") << "2025 has no 29 February";
    EXPECT_EQ(text("MarsKMIn"), "5200");
    EXPECT_EQ(text("TotPro"), "100");
    EXPECT_EQ(text("CoefPro"), "0,5");
    EXPECT_EQ(text("FevS29"), "5300") << "the reading stays in the box";
}

TEST_F(Recount, TypingAfterAClickReplacesTheZero) {
    open();
    ASSERT_EQ(focus(), edit("JanvKMIn"));
    for (const char* box : {"JanvM01", "JanvS01"}) {
        click(edit(box));
        ASSERT_EQ(focus(), edit(box));
        QTest::keyClicks(focus(), "49905");
        EXPECT_EQ(text(box), "49905") << box;
    }
}

TEST_F(Recount, AClickSelectsNothingInABoxHoldingAReading) {
    open();
    window->form().setText(window->form().findField("JanvM01"), "4990");
    click(edit("JanvM01"));
    EXPECT_FALSE(edit("JanvM01")->hasSelectedText());
    click(edit("JanvS01"));
    EXPECT_TRUE(edit("JanvS01")->hasSelectedText()) << "\"0\" is selected";
}

TEST_F(Recount, AMonthUnderCorrectionStaysOpenUntilProtected) {
    open();
    typeFirstDay("10000", "10010", "10100");
    QTest::keyClick(focus(), Qt::Key_Tab);
    typeAndTab("10130");
    typeAndTab("10200");
    settle();
    ASSERT_TRUE(readOnly("JanvS02"));

    window->button("btnCorrJanv")->click();
    ASSERT_EQ(window->button("btnCorrJanv")->text(), QString::fromUtf8("&Protéger"));
    edit("JanvM02")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focus(), Qt::Key_Backspace);  // the whole reading is selected
    QTest::keyClicks(focus(), "10140");
    QTest::keyClick(focus(), Qt::Key_Tab);
    QTest::keyClick(focus(), Qt::Key_Tab);  // leaves JanvS02: the month is recounted
    settle();
    EXPECT_EQ(text("JanvKMPerso"), "50");
    EXPECT_EQ(text("JanvKMPro"), "150");
    for (const char* open : {"JanvM01", "JanvS01", "JanvM02", "JanvS02", "JanvKMIn"})
        EXPECT_FALSE(readOnly(open)) << open << ": the month is still under correction";
    EXPECT_TRUE(readOnly("aledVehicule")) << "the other boxes lock as before";

    edit("JanvM01")->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(focus(), "10020");  // a second mend in the same correction
    QTest::keyClick(focus(), Qt::Key_Tab);
    QTest::keyClick(focus(), Qt::Key_Tab);
    settle();
    EXPECT_EQ(text("JanvKMPerso"), "60");
    EXPECT_EQ(text("JanvKMPro"), "140");

    window->button("btnCorrJanv")->click();
    edit("JanvS02")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focus(), Qt::Key_Tab);
    settle();
    EXPECT_TRUE(readOnly("JanvM01")) << "protected: the lock pass locks the month again";
    EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace vardo::app::testing
