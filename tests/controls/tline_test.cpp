// The line control: construction, end points of every kind, size side effects, kind changes and
// what really lands on the screen.
#include "controls/tline.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <algorithm>

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

// A custom line's end points beyond the control grow it on the first painting; negative ones
// become zero.
TEST(TLineTest, CustomEndPointsPlacedAtTheFirstPainting) {
    struct Row {
        const char* name;
        void (TLine::*set)(int);
        int value;
        QSize size;
        bool changed;
    } rows[] = {{"to x beyond the width", &TLine::setToX, 300, {301, 65}, true},
                {"from y beyond the height", &TLine::setFromY, 100, {65, 101}, true},
                {"negative from x", &TLine::setFromX, -5, {65, 65}, false},
                {"negative to y", &TLine::setToY, -1, {65, 65}, false}};
    for (const Row& row : rows) {
        TLine line;
        (line.*row.set)(row.value);
        EXPECT_EQ(line.placeEndPoints(), row.changed) << row.name;
        EXPECT_EQ(line.size(), row.size) << row.name;
        EXPECT_FALSE(line.placeEndPoints()) << row.name << ": the second painting changes nothing";
        EXPECT_GE(std::min({line.FromX(), line.FromY(), line.ToX(), line.ToY()}), 0) << row.name;
    }
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

TEST(TLineTest, EndPointsOfEveryFixedKindInA21By11Control) {
    struct Row {
        const char* name;
        TLine::LineKind kind;
        QPoint from;
        QPoint to;
    } rows[] = {{"top", TLine::ltTop, {0, 0}, {20, 0}},
                {"bottom", TLine::ltBottom, {0, 10}, {20, 10}},
                {"left", TLine::ltLeft, {0, 0}, {0, 10}},
                {"right", TLine::ltRight, {20, 0}, {20, 10}},
                {"up diagonal", TLine::ltUpDiagonal, {0, 10}, {20, 0}},
                {"down diagonal", TLine::ltDownDiagonal, {0, 0}, {20, 10}},
                {"horizontal", TLine::ltHorizontal, {0, 5}, {20, 5}},
                {"vertical", TLine::ltVertical, {10, 0}, {10, 10}}};
    for (const Row& row : rows) {
        TLine line;
        line.setLine(row.kind);
        line.resize(21, 11);
        line.placeEndPoints();
        EXPECT_EQ(QPoint(line.FromX(), line.FromY()), row.from) << row.name;
        EXPECT_EQ(QPoint(line.ToX(), line.ToY()), row.to) << row.name;
    }
}

TEST(TLineTest, KindChangeResizesAsTheTableSays) {
    using L = TLine;
    struct Row {
        const char* name;
        TLine::LineKind from;
        TLine::LineKind to;
        QSize expected;  // from a control 120 wide and 30 high
    } rows[] = {
        {"horizontal to vertical", L::ltHorizontal, L::ltVertical, {30, 120}},
        {"horizontal to top", L::ltHorizontal, L::ltTop, {120, 65}},
        {"horizontal to bottom", L::ltHorizontal, L::ltBottom, {120, 65}},
        {"horizontal to up diagonal", L::ltHorizontal, L::ltUpDiagonal, {120, 65}},
        {"horizontal to down diagonal", L::ltHorizontal, L::ltDownDiagonal, {120, 65}},
        {"horizontal to left", L::ltHorizontal, L::ltLeft, {65, 120}},
        {"horizontal to right", L::ltHorizontal, L::ltRight, {65, 120}},
        {"horizontal to custom", L::ltHorizontal, L::ltCustom, {120, 30}},
        {"vertical to horizontal", L::ltVertical, L::ltHorizontal, {30, 120}},
        {"vertical to top", L::ltVertical, L::ltTop, {30, 65}},
        {"vertical to bottom", L::ltVertical, L::ltBottom, {30, 65}},
        {"vertical to left", L::ltVertical, L::ltLeft, {65, 30}},
        {"vertical to right", L::ltVertical, L::ltRight, {65, 30}},
        {"vertical to up diagonal", L::ltVertical, L::ltUpDiagonal, {65, 30}},
        {"vertical to down diagonal", L::ltVertical, L::ltDownDiagonal, {65, 30}},
        {"top to vertical", L::ltTop, L::ltVertical, {120, 30}},
        {"custom to horizontal", L::ltCustom, L::ltHorizontal, {120, 30}},
        {"same kind again", L::ltHorizontal, L::ltHorizontal, {120, 30}}};
    for (const Row& row : rows) {
        TLine line;
        line.setLine(row.from);
        line.resize(120, 30);
        line.setLine(row.to);
        EXPECT_EQ(line.size(), row.expected) << row.name;
        EXPECT_EQ(line.Line(), row.to) << row.name;
    }
}

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
