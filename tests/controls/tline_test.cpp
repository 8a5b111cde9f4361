// The line control: construction, end points of every kind, size side effects, kind changes and
// what really lands on the screen.
#include "controls/tline.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

namespace {

TEST(TLineTest, StartsAsACustomLineFromTheCornerIn65By65) {
    TLine line;
    EXPECT_EQ(line.Line(), TLine::ltCustom);
    EXPECT_EQ(line.size(), QSize(65, 65));
    EXPECT_EQ(QPoint(line.FromX(), line.FromY()), QPoint(0, 0));
    EXPECT_EQ(QPoint(line.ToX(), line.ToY()), QPoint(35, 35));
    EXPECT_EQ(line.Pen().color(), QColor(Qt::black));
    EXPECT_EQ(line.Pen().width(), 1);
}

TEST(TLineTest, CustomLineReachingBeyondTheWidthGrowsTo301) {
    TLine line;
    line.setToX(300);
    EXPECT_TRUE(line.placeEndPoints());
    EXPECT_EQ(line.size(), QSize(301, 65));
    EXPECT_FALSE(line.placeEndPoints()) << "the second painting changes nothing";
}

TEST(TLineTest, CustomLineGrowsInHeightLikewise) {
    TLine line;
    line.setFromY(100);
    EXPECT_TRUE(line.placeEndPoints());
    EXPECT_EQ(line.size(), QSize(65, 101));
}

TEST(TLineTest, NegativeCustomCoordinatesBecomeZeroAndStaySo) {
    TLine line;
    line.setFromX(-5);
    line.setToY(-1);
    line.placeEndPoints();
    EXPECT_EQ(line.FromX(), 0);
    EXPECT_EQ(line.ToY(), 0);
    EXPECT_EQ(line.size(), QSize(65, 65));
}

TEST(TLineTest, EndPointSettersAreIgnoredOnAnyKindButCustom) {
    TLine line;
    line.setLine(TLine::ltHorizontal);
    line.placeEndPoints();
    const QPoint from(line.FromX(), line.FromY());
    const QPoint to(line.ToX(), line.ToY());
    line.setFromX(17);
    line.setFromY(3);
    line.setToX(5);
    line.setToY(8);
    EXPECT_EQ(QPoint(line.FromX(), line.FromY()), from);
    EXPECT_EQ(QPoint(line.ToX(), line.ToY()), to);
}

TEST(TLineTest, HorizontalLineLandsFourPixelsFromTheTopOnceItsHeightIsTen) {
    TLine line;
    line.setLine(TLine::ltHorizontal);
    ASSERT_EQ(line.size(), QSize(65, 65)) << "from custom, a kind change keeps the size";
    EXPECT_TRUE(line.placeEndPoints());
    EXPECT_EQ(line.FromY(), 32) << "first painting at 65 high";
    EXPECT_EQ(line.height(), 10);
    EXPECT_FALSE(line.placeEndPoints());
    EXPECT_EQ(line.FromY(), 4) << "4.5 rounds to the even 4";
    EXPECT_EQ(line.ToY(), 4);
    EXPECT_EQ(line.ToX(), 64);
}

TEST(TLineTest, HorizontalLineHeightFollowsThePenWidth) {
    TLine line;
    line.setLine(TLine::ltHorizontal);
    line.setPen(QPen(Qt::black, 2));
    line.placeEndPoints();
    EXPECT_EQ(line.height(), 20);
}

TEST(TLineTest, VerticalLineWidthBecomesTenTimesThePen) {
    TLine line;
    line.setLine(TLine::ltVertical);
    line.resize(65, 40);
    EXPECT_TRUE(line.placeEndPoints());
    EXPECT_EQ(line.FromX(), 32);
    EXPECT_EQ(line.width(), 10);
    line.placeEndPoints();
    EXPECT_EQ(QPoint(line.FromX(), line.FromY()), QPoint(4, 0));
    EXPECT_EQ(QPoint(line.ToX(), line.ToY()), QPoint(4, 39));
}

struct KindPoints {
    const char* name;
    TLine::LineKind kind;
    QPoint from;
    QPoint to;
};

class TLineKindTest : public testing::TestWithParam<KindPoints> {};

TEST_P(TLineKindTest, EndPointsInA21By11Control) {
    TLine line;
    line.setLine(GetParam().kind);
    line.resize(21, 11);
    line.placeEndPoints();
    EXPECT_EQ(QPoint(line.FromX(), line.FromY()), GetParam().from);
    EXPECT_EQ(QPoint(line.ToX(), line.ToY()), GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(
    EveryFixedKind, TLineKindTest,
    testing::Values(KindPoints{"Top", TLine::ltTop, {0, 0}, {20, 0}},
                    KindPoints{"Bottom", TLine::ltBottom, {0, 10}, {20, 10}},
                    KindPoints{"Left", TLine::ltLeft, {0, 0}, {0, 10}},
                    KindPoints{"Right", TLine::ltRight, {20, 0}, {20, 10}},
                    KindPoints{"UpDiagonal", TLine::ltUpDiagonal, {0, 10}, {20, 0}},
                    KindPoints{"DownDiagonal", TLine::ltDownDiagonal, {0, 0}, {20, 10}},
                    KindPoints{"Horizontal", TLine::ltHorizontal, {0, 5}, {20, 5}},
                    KindPoints{"Vertical", TLine::ltVertical, {10, 0}, {10, 10}}),
    [](const testing::TestParamInfo<KindPoints>& row) { return std::string(row.param.name); });

struct KindChange {
    const char* name;
    TLine::LineKind from;
    TLine::LineKind to;
    QSize expected;  // from a control 120 wide and 30 high
};

class TLineKindChangeTest : public testing::TestWithParam<KindChange> {};

TEST_P(TLineKindChangeTest, ResizesAsTheTableSays) {
    TLine line;
    line.setLine(GetParam().from);
    line.resize(120, 30);
    line.setLine(GetParam().to);
    EXPECT_EQ(line.size(), GetParam().expected);
    EXPECT_EQ(line.Line(), GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TLineKindChangeTest,
    testing::Values(
        KindChange{"HorizontalToVertical", TLine::ltHorizontal, TLine::ltVertical, {30, 120}},
        KindChange{"HorizontalToTop", TLine::ltHorizontal, TLine::ltTop, {120, 65}},
        KindChange{"HorizontalToBottom", TLine::ltHorizontal, TLine::ltBottom, {120, 65}},
        KindChange{"HorizontalToUpDiagonal", TLine::ltHorizontal, TLine::ltUpDiagonal, {120, 65}},
        KindChange{
            "HorizontalToDownDiagonal", TLine::ltHorizontal, TLine::ltDownDiagonal, {120, 65}},
        KindChange{"HorizontalToLeft", TLine::ltHorizontal, TLine::ltLeft, {65, 120}},
        KindChange{"HorizontalToRight", TLine::ltHorizontal, TLine::ltRight, {65, 120}},
        KindChange{"HorizontalToCustom", TLine::ltHorizontal, TLine::ltCustom, {120, 30}},
        KindChange{"VerticalToHorizontal", TLine::ltVertical, TLine::ltHorizontal, {30, 120}},
        KindChange{"VerticalToTop", TLine::ltVertical, TLine::ltTop, {30, 65}},
        KindChange{"VerticalToBottom", TLine::ltVertical, TLine::ltBottom, {30, 65}},
        KindChange{"VerticalToLeft", TLine::ltVertical, TLine::ltLeft, {65, 30}},
        KindChange{"VerticalToRight", TLine::ltVertical, TLine::ltRight, {65, 30}},
        KindChange{"VerticalToUpDiagonal", TLine::ltVertical, TLine::ltUpDiagonal, {65, 30}},
        KindChange{"VerticalToDownDiagonal", TLine::ltVertical, TLine::ltDownDiagonal, {65, 30}},
        KindChange{"TopToVertical", TLine::ltTop, TLine::ltVertical, {120, 30}},
        KindChange{"CustomToHorizontal", TLine::ltCustom, TLine::ltHorizontal, {120, 30}},
        KindChange{"SameKindAgain", TLine::ltHorizontal, TLine::ltHorizontal, {120, 30}}),
    [](const testing::TestParamInfo<KindChange>& row) { return std::string(row.param.name); });

// What the screen shows: the line is painted at its final place, over its parent's colour.
TEST(TLineTest, PaintedHorizontalLineSitsFourPixelsDownAfterTheResize) {
    QWidget parent;
    parent.resize(200, 100);
    parent.setAutoFillBackground(true);
    QPalette colours = parent.palette();
    colours.setColor(QPalette::Window, Qt::yellow);
    parent.setPalette(colours);
    auto* line = new TLine(&parent);
    line->setLine(TLine::ltHorizontal);
    line->setGeometry(10, 20, 100, 65);
    parent.show();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    parent.repaint();
    QApplication::processEvents();
    EXPECT_EQ(line->height(), 10);
    const QImage shot = parent.grab().toImage();
    EXPECT_EQ(shot.pixelColor(50, 24), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(50, 23), QColor(Qt::yellow)) << "the parent shows through";
    EXPECT_EQ(shot.pixelColor(50, 20 + 32), QColor(Qt::yellow)) << "nothing left at the old place";
}

}  // namespace
