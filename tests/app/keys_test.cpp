// The keyboard rules of the figure fields: the digit filter, the length limits, Return refused,
// Up and Down as Left and Right, the whole text selected on keyboard entry.
#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QSignalSpy>

#include "app/fields/digit_filter.h"
#include "window_fixture.h"

namespace vardo::app::testing {
namespace {

using Keys = WindowTest;

TEST(DigitKeyRule, Passes) {
    struct Row {
        const char* name;
        int key;
        QString text;
        bool passes;
    } rows[] = {{"digit", Qt::Key_7, "7", true},
                {"keypad digit", Qt::Key_0, "0", true},
                {"backspace", Qt::Key_Backspace, "\b", true},
                {"letter", Qt::Key_A, "a", false},
                {"minus", Qt::Key_Minus, "-", false},
                {"comma", Qt::Key_Comma, ",", false},
                {"full stop", Qt::Key_Period, ".", false},
                {"space", Qt::Key_Space, " ", false},
                {"Ctrl+C", Qt::Key_C, QString(QChar(3)), false},
                {"Ctrl+V", Qt::Key_V, QString(QChar(0x16)), false},
                {"Ctrl+X", Qt::Key_X, QString(QChar(0x18)), false},
                {"Delete", Qt::Key_Delete, QString(QChar(0x7f)), true},
                {"Left", Qt::Key_Left, QString(), true},
                {"Home", Qt::Key_Home, QString(), true},
                {"End", Qt::Key_End, QString(), true},
                {"Tab", Qt::Key_Tab, "\t", true}};
    for (const Row& row : rows) EXPECT_EQ(digitKeyPasses(row.key, row.text), row.passes) << row.name;
}

TEST_F(Keys, DayFieldTakesDigitsAndBackspaceOnly) {
    open();
    AlignedEdit* day = edit("JanvM01");
    day->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(day, "a-,. 1x2");
    EXPECT_EQ(day->text(), "12");
    QTest::keyClick(day, Qt::Key_Backspace);
    EXPECT_EQ(day->text(), "1");
    EXPECT_EQ(model("JanvM01"), "1");
}

TEST_F(Keys, ClipboardShortcutsAreRefusedButTheContextMenuPasteIsNot) {
    open();
    AlignedEdit* day = edit("JanvM01");
    day->setFocus(Qt::TabFocusReason);
    QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
    QTest::keyClick(day, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(day->text(), "0");
    QTest::keyClick(day, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(day->text(), "0");
    day->selectAll();
    day->paste();  // what the context menu's "Coller" does
    EXPECT_EQ(day->text(), "abc");
    EXPECT_EQ(model("JanvM01"), "abc");
}

// Text that comes without a key press is typed text as well; only a paste is not.
TEST_F(Keys, ComposedAndDroppedTextKeepOnlyDigits) {
    open();
    AlignedEdit* day = edit("JanvM01");
    day->setFocus(Qt::TabFocusReason);
    struct Row {
        const char* name;
        QString committed;
        QString expected;
    };
    for (const Row& row : {Row{"dead key", QStringLiteral("é"), QStringLiteral("")},
                           Row{"compose", QStringLiteral("½"), QStringLiteral("")},
                           Row{"digits with a letter", QStringLiteral("1a2"), QStringLiteral("12")},
                           Row{"digits", QStringLiteral("345"), QStringLiteral("345")}}) {
        day->selectAll();
        day->del();
        QInputMethodEvent composed;
        composed.setCommitString(row.committed);
        QCoreApplication::sendEvent(day, &composed);
        EXPECT_EQ(day->text(), row.expected) << row.name;
    }
    EXPECT_EQ(model("JanvM01"), "345");

    auto drop = [&](const QString& text) {
        QMimeData data;
        data.setText(text);
        QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(day, &enter);
        QDropEvent event(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(day, &event);
    };
    day->selectAll();
    drop(QStringLiteral("Peugeot"));
    EXPECT_EQ(day->text(), "345") << "a drop with letters is refused whole";
    day->selectAll();
    day->del();
    drop(QStringLiteral("678"));
    EXPECT_EQ(day->text(), "678");
    EXPECT_EQ(model("JanvM01"), "678");
}

TEST_F(Keys, KeysThatTypeNothingWork) {
    open();
    AlignedEdit* day = edit("MarsS05");
    window->showPageCommand(2);
    day->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(day, "1234");
    QTest::keyClick(day, Qt::Key_Home);
    QTest::keyClick(day, Qt::Key_Delete);
    EXPECT_EQ(day->text(), "234");
    QTest::keyClick(day, Qt::Key_End);
    QTest::keyClick(day, Qt::Key_Left);
    EXPECT_EQ(day->cursorPosition(), 2);
}

TEST_F(Keys, HeaderFieldsKeepTheirFiltersAndLimits) {
    open();
    AlignedEdit* horses = edit("aledChevaux");
    horses->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(horses, "a1234");
    EXPECT_EQ(horses->text(), "123");
    window->form().setText(window->form().findField("aledChevaux"), "12345");
    EXPECT_EQ(horses->text(), "12345") << "the program's own writes are not cut";
    AlignedEdit* year = edit("aledAnnee");
    year->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(year, "20245");
    EXPECT_EQ(year->text(), "2024");
    AlignedEdit* vehicle = edit("aledVehicule");
    vehicle->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(vehicle, "Clio 1,2 l");
    EXPECT_EQ(vehicle->text(), "Clio 1,2 l");
    EXPECT_EQ(model("aledVehicule"), "Clio 1,2 l");
    EXPECT_EQ(vehicle->horizontalAlignment(), Qt::AlignLeft);
    EXPECT_EQ(edit("aledComptabilite")->horizontalAlignment(), Qt::AlignRight);
}

TEST_F(Keys, ReturnIsRefusedWithABeepAndTheFocusStays) {
    open();
    AlignedEdit* kmIn = edit("JanvKMIn");
    ASSERT_EQ(focus(), kmIn);
    QTest::keyClicks(kmIn, "42");
    QSignalSpy refused(kmIn, &AlignedEdit::returnRefused);
    QTest::keyClick(kmIn, Qt::Key_Return);
    QTest::keyClick(kmIn, Qt::Key_Enter);
    EXPECT_EQ(refused.count(), 2);
    EXPECT_EQ(kmIn->text(), "42");
    EXPECT_EQ(focus(), kmIn);
    EXPECT_FALSE(readOnly("JanvKMIn")) << "Return runs no exit handler";
}

TEST_F(Keys, UpAndDownMoveTheCaretLikeLeftAndRight) {
    open();
    AlignedEdit* kmIn = edit("JanvKMIn");
    QTest::keyClicks(kmIn, "12345");
    kmIn->setCursorPosition(2);
    QTest::keyClick(kmIn, Qt::Key_Up);
    EXPECT_EQ(kmIn->cursorPosition(), 1);
    QTest::keyClick(kmIn, Qt::Key_Down);
    QTest::keyClick(kmIn, Qt::Key_Down);
    EXPECT_EQ(kmIn->cursorPosition(), 3);
    EXPECT_EQ(focus(), kmIn);
}

TEST_F(Keys, TabEntrySelectsTheWholeTextAndAClickPlacesTheCaret) {
    open();
    window->form().setText(window->form().findField("JanvM01"), "10010");
    QTest::keyClick(edit("JanvKMIn"), Qt::Key_Tab);
    ASSERT_EQ(focus(), edit("JanvM01"));
    EXPECT_EQ(edit("JanvM01")->selectedText(), "10010");
    QTest::keyClick(focus(), Qt::Key_Backtab);
    EXPECT_EQ(focus(), edit("JanvKMIn"));
    EXPECT_EQ(edit("JanvKMIn")->selectedText(), "0");

    AlignedEdit* day = edit("JanvM01");
    day->repaint();  // the box places its text when it paints
    int x = 0;
    while (x < day->width() && day->cursorPositionAt(QPoint(x, day->height() / 2)) != 2) ++x;
    ASSERT_LT(x, day->width());
    QTest::mouseClick(day, Qt::LeftButton, {}, QPoint(x, day->height() / 2));
    EXPECT_EQ(focus(), day);
    EXPECT_FALSE(day->hasSelectedText()) << "a click selects nothing";
    EXPECT_EQ(day->cursorPosition(), 2) << "the caret goes where clicked";
}

}  // namespace
}  // namespace vardo::app::testing
