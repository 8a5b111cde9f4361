// The separator line: where it runs, the height it takes from its pen, and what really lands on
// the screen.
#include "controls/separator_line.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

namespace vardo {
namespace {

TEST(SeparatorLine, LandsFourPixelsFromTheTopOnceItsHeightIsTen) {
    SeparatorLine line;
    ASSERT_EQ(line.size(), QSize(65, 65));
    EXPECT_TRUE(line.placeEndPoints());
    EXPECT_EQ(line.lineY(), 32) << "first painting at 65 high";
    EXPECT_EQ(line.height(), 10);
    EXPECT_FALSE(line.placeEndPoints());
    EXPECT_EQ(line.lineY(), 4) << "4.5 rounds to the even 4";
    EXPECT_EQ(line.lastX(), 64);
}

TEST(SeparatorLine, HeightFollowsThePenWidth) {
    struct Row {
        const char* name;
        int penWidth;
        int height;
    } rows[] = {
        {"a cosmetic pen draws one pixel", 0, 10},
        {"one pixel", 1, 10},
        {"two pixels", 2, 20},
    };
    for (const Row& row : rows) {
        SeparatorLine line;
        line.setPen(QPen(Qt::black, row.penWidth));
        line.placeEndPoints();
        EXPECT_EQ(line.height(), row.height) << row.name;
    }
}

TEST(SeparatorLine, AnOddHeightsMiddleRoundsToTheEvenPixel) {
    struct Row {
        int height;
        int y;
    } rows[] = {{10, 4}, {11, 5}, {12, 6}, {14, 6}, {2, 0}, {4, 2}};
    for (const Row& row : rows) {
        SeparatorLine line;
        line.resize(30, row.height);
        line.placeEndPoints();
        EXPECT_EQ(line.lineY(), row.y) << row.height << " high";
    }
}

// What the screen shows: the line is painted at its final place, over its parent's colour.
TEST(SeparatorLine, PaintedFourPixelsDownAfterTheResize) {
    QWidget parent;
    parent.resize(200, 100);
    parent.setAutoFillBackground(true);
    QPalette colours = parent.palette();
    colours.setColor(QPalette::Window, Qt::yellow);
    parent.setPalette(colours);
    auto* line = new SeparatorLine(&parent);
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
}  // namespace vardo
