// The page layout of the text printer on a surface with known metrics: runs, cuts between
// characters, line heights, page breaks and the trailing page.
#include "reports/text_printer.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "recording_surface.h"

namespace vardo {
namespace {

using testing::DrawnRun;
using testing::RecordingSurface;

constexpr int kLine = RecordingSurface::kTextHeight + 2;  // a line with text on it
constexpr int kEmpty = RecordingSurface::kCellHeight;     // a line with nothing drawn

std::vector<DrawnRun> print(RecordingSurface& surface, const std::vector<std::string>& lines) {
    printLines(surface, lines);
    return surface.runs;
}

TEST(TextPrinterLines, EachLineDrawnAtTheLeftBelowThePrevious) {
    RecordingSurface surface(200, 1000);
    EXPECT_EQ(print(surface, {"abc", "de"}),
              (std::vector<DrawnRun>{{0, 0, 0, "abc"}, {0, 0, kLine, "de"}}));
    EXPECT_EQ(surface.pages, 0);
}

TEST(TextPrinterLines, EmptyLineTakesTheCellHeightBlankLineATextLine) {
    RecordingSurface surface(200, 1000);
    EXPECT_EQ(
        print(surface, {"", "a", " ", "b"}),
        (std::vector<DrawnRun>{
            {0, 0, kEmpty, "a"}, {0, 0, kEmpty + kLine, " "}, {0, 0, kEmpty + 2 * kLine, "b"}}));
}

TEST(TextPrinterLines, CarriageReturnEndsTheRunLineFeedBreaksTheLine) {
    RecordingSurface surface(200, 1000);
    EXPECT_EQ(print(surface, {"ab\rcd", "ef\ngh", "i"}),
              (std::vector<DrawnRun>{{0, 0, 0, "ab"},
                                     {0, 20, 0, "cd"},
                                     {0, 0, kLine, "ef"},
                                     {0, 0, 2 * kLine, "gh"},
                                     {0, 0, 3 * kLine, "i"}}));
}

TEST(TextPrinterLines, CarriageReturnAloneDrawsNothing) {
    RecordingSurface surface(200, 1000);
    EXPECT_EQ(print(surface, {"\r", "a"}), (std::vector<DrawnRun>{{0, 0, kEmpty, "a"}}));
}

// A line wider than the printable width: cut between characters, the rest continued below.
struct CutCase {
    const char* name;
    int width;
    std::string line;
    std::vector<std::string> printed;
};

void PrintTo(const CutCase& c, std::ostream* out) {
    *out << c.name;
}

class TextPrinterCut : public ::testing::TestWithParam<CutCase> {};

TEST_P(TextPrinterCut, LongestFittingPartThenTheRestBelow) {
    const CutCase& c = GetParam();
    RecordingSurface surface(c.width, 100000);
    printLines(surface, {c.line, "n"});
    ASSERT_EQ(surface.runs.size(), c.printed.size() + 1);
    for (std::size_t i = 0; i < c.printed.size(); ++i) {
        EXPECT_EQ(surface.runs[i], (DrawnRun{0, 0, static_cast<int>(i) * kLine, c.printed[i]}))
            << i;
    }
    EXPECT_EQ(surface.runs.back(),
              (DrawnRun{0, 0, static_cast<int>(c.printed.size()) * kLine, "n"}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextPrinterCut,
    ::testing::Values(
        CutCase{"ExactlyTheWidth", 50, "abcde", {"abcde"}},
        CutCase{"OneCharacterOver", 50, "abcdef", {"abcde", "f"}},
        CutCase{"NoRegardForWords", 50, "ab cdefg hi", {"ab cd", "efg h", "i"}},
        CutCase{"AccentsCutWhole", 30, "ééééé", {"ééé", "éé"}},
        CutCase{"NarrowerThanACharacter", 5, "abc", {"a", "b", "c"}},
        CutCase{"NotAMultipleOfTheCharacter", 55, "abcdefghijk", {"abcde", "fghij", "k"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(TextPrinterCutAfterRun, RunStartingMidLineCutAtWhatIsLeft) {
    RecordingSurface surface(50, 1000);
    EXPECT_EQ(print(surface, {"abc\rdefg"}),
              (std::vector<DrawnRun>{{0, 0, 0, "abc"}, {0, 30, 0, "de"}, {0, 0, kLine, "fg"}}));
}

TEST(TextPrinterCutAfterRun, NothingFitsAtTheEndOfALineMovesTheWholeRunDown) {
    RecordingSurface surface(55, 1000);
    EXPECT_EQ(print(surface, {"abcde\rfg"}),
              (std::vector<DrawnRun>{{0, 0, 0, "abcde"}, {0, 0, kLine, "fg"}}));
}

TEST(TextPrinterHugeText, EveryCharacterPrintedInOrderWithFewMeasures) {
    std::string huge;
    for (int i = 0; i < 200000; ++i) huge += static_cast<char>('a' + i % 26);
    huge += "é";
    RecordingSurface surface(1000, 1 << 30);
    printLines(surface, {huge});
    std::string printed;
    for (const DrawnRun& run : surface.runs) {
        EXPECT_LE(RecordingSurface::characters(run.text), 100);
        printed += run.text;
    }
    EXPECT_EQ(printed, huge);
    EXPECT_EQ(surface.runs.size(), 2001u);
    EXPECT_LT(surface.measures, 2001 * 20);
}

TEST(TextPrinterHugeText, AnyBytesAreAllPrintedInOrder) {
    std::string bytes;
    unsigned state = 12345;
    for (int i = 0; i < 5000; ++i) {
        state = state * 1103515245u + 12345u;
        bytes += static_cast<char>(state >> 16);
    }
    RecordingSurface surface(55, 1 << 30);
    printLines(surface, {bytes});
    std::string printed;
    for (const DrawnRun& run : surface.runs) printed += run.text;
    std::string expected;  // line feeds break lines and carriage returns end runs: not drawn
    for (char c : bytes) {
        if (c != '\r' && c != '\n') expected += c;
    }
    EXPECT_EQ(printed, expected);
}

// Page breaks: a page of height h takes lines while the next position is at most h - 2 * step.
TEST(TextPrinterPages, BreakWhenThePositionPassesTheLimit) {
    RecordingSurface surface(200, 100);  // limit 100 - 28 = 72: lines at 0, 14, ..., 70
    std::vector<std::string> lines(8, "x");
    print(surface, lines);
    ASSERT_EQ(surface.runs.size(), 8u);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(surface.runs[i], (DrawnRun{0, 0, i * kLine, "x"}));
    EXPECT_EQ(surface.runs[6], (DrawnRun{1, 0, 0, "x"}));
    EXPECT_EQ(surface.runs[7], (DrawnRun{1, 0, kLine, "x"}));
    EXPECT_EQ(surface.pages, 1);
}

TEST(TextPrinterPages, EmptyLinesUseTheCellHeightInTheLimit) {
    RecordingSurface surface(200, 100);  // empty lines: limit 100 - 20 = 80, y = 10, ..., 80
    std::vector<std::string> lines(8, "");
    lines.push_back("x");
    print(surface, lines);
    EXPECT_EQ(surface.runs, (std::vector<DrawnRun>{{0, 0, 80, "x"}}));
    EXPECT_EQ(surface.pages, 1);  // the break after "x" passes the limit
}

TEST(TextPrinterPages, ACutLineContinuesOnTheNextPage) {
    RecordingSurface surface(30, 100);
    print(surface, {"a", "b", "c", "d", "e", "fghij"});
    EXPECT_EQ(surface.runs[5], (DrawnRun{0, 0, 70, "fgh"}));
    EXPECT_EQ(surface.runs[6], (DrawnRun{1, 0, 0, "ij"}));
}

TEST(TextPrinterPages, LimitPassedAfterTheLastLineLeavesAPageThatLooksEmpty) {
    RecordingSurface surface(200, 100);
    print(surface, std::vector<std::string>(6, "x"));
    EXPECT_EQ(surface.pages, 1);
    EXPECT_EQ(surface.runs.back().page, 0);
}

TEST(TextPrinterPages, NoNewPageWhenTheLastBreakStaysWithinTheLimit) {
    RecordingSurface surface(200, 100);
    print(surface, std::vector<std::string>(5, "x"));
    EXPECT_EQ(surface.pages, 0);
}

TEST(TextPrinterPages, NothingToPrintGivesOnePage) {
    RecordingSurface surface(200, 100);
    print(surface, {});
    EXPECT_EQ(surface.pages, 0);
    EXPECT_TRUE(surface.runs.empty());
}

}  // namespace
}  // namespace vardo
