// The aligned edit's looks and modes.
#include <QStyle>

#include "window_fixture.h"

namespace vardo::app::testing {
namespace {

using AlignedEditTest = WindowTest;

TEST_F(AlignedEditTest, CoefficientOfTheMonthIsRedUnfocusedAndBlackFocused) {
    open();
    AlignedEdit* coPro = edit("JanvCoPro");
    EXPECT_EQ(coPro->palette().color(QPalette::Text), QColor(Qt::red));
    coPro->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(coPro->palette().color(QPalette::Text), QColor(Qt::black));
    edit("JanvKMIn")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(coPro->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_EQ(edit("JanvCoPerso")->palette().color(QPalette::Text), QColor(Qt::black));
    EXPECT_EQ(edit("CoefPro")->palette().color(QPalette::Text), QColor(Qt::red));
}

TEST_F(AlignedEditTest, ReadOnlyBoxKeepsTheWindowColourAndTakesNoTyping) {
    open();
    AlignedEdit* kmFin = edit("JanvKMFin");
    window->form().setReadOnly(window->form().findField("JanvKMFin"), true);
    EXPECT_EQ(kmFin->palette().color(QPalette::Base),
              QApplication::palette().color(QPalette::Base));
    kmFin->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(kmFin, "99");
    EXPECT_EQ(kmFin->text(), "0");
    EXPECT_EQ(model("JanvKMFin"), "0");
}

TEST_F(AlignedEditTest, SevenDigitReadingFitsADayBoxWhole) {
    open();
    AlignedEdit* day = edit("JanvM01");
    ASSERT_EQ(day->width(), 49);
    const QMargins margins = day->textMargins();
    const int frame = day->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, day);
    const int room = day->width() - 2 * frame - 4 - margins.left() - margins.right();
    EXPECT_LE(day->fontMetrics().horizontalAdvance(QStringLiteral("8888888")), room);
    EXPECT_EQ(day->height(), 21);
    EXPECT_EQ(day->horizontalAlignment(), Qt::AlignRight);
}

TEST_F(AlignedEditTest, TooWideTextShowsItsBeginningWhenUnfocused) {
    open();
    AlignedEdit* coPro = edit("JanvCoPro");
    edit("aledVehicule")->setFocus(Qt::TabFocusReason);  // leaving JanvKMIn recounts January
    const QString wide = QStringLiteral("0,849056603773585");
    window->form().setText(window->form().findField("JanvCoPro"), wide.toStdString());
    ASSERT_EQ(coPro->text(), wide);
    ASSERT_GT(coPro->fontMetrics().horizontalAdvance(wide), coPro->width());
    EXPECT_EQ(coPro->cursorPosition(), 0);
    (void)coPro->grab();  // the box scrolls its text when it paints
    EXPECT_LT(coPro->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(), coPro->width() / 2)
        << "the beginning is in view";

    coPro->setFocus(Qt::TabFocusReason);  // the whole text selected, its end in view
    EXPECT_EQ(coPro->cursorPosition(), wide.size());
    edit("JanvKMIn")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(coPro->cursorPosition(), 0);
}

TEST_F(AlignedEditTest, ANewBoxIsLeftAligned) {
    AlignedEdit box;
    EXPECT_EQ(box.horizontalAlignment(), Qt::AlignLeft) << "the design alignment";
}

}  // namespace
}  // namespace vardo::app::testing
