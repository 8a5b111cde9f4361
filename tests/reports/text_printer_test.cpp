// The page layout of the text printer on a surface with known metrics: runs, cuts between
// characters, line heights, page breaks and the trailing page.
#include "reports/text_printer.h"

#include <gtest/gtest.h>

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

// Where each run lands: lines at the left, one below the other; carriage returns end runs and
// line feeds break lines. A page of height h takes lines while the next position is at most
// h - 2 * step (100 high: 72 for text lines, 80 for empty ones); when the break after the last
// line passes the limit, a page that looks empty is begun all the same.
// Runs of "x", one a line from the top of each page, so many on each page.
std::vector<DrawnRun> xRuns(std::initializer_list<int> perPage) {
    std::vector<DrawnRun> runs;
    int page = 0;
    for (const int count : perPage) {
        for (int i = 0; i < count; ++i) runs.push_back({page, 0, i * kLine, "x"});
        ++page;
    }
    return runs;
}

struct LayoutCase {
    const char* name;
    int width, height;
    std::vector<std::string> lines;
    std::vector<DrawnRun> runs;
    int pagesBegun;
};

TEST(TextPrinterLayout, RunsLineHeightsAndPages) {
    const std::vector<std::string> x5(5, "x"), x6(6, "x"), x8(8, "x");
    const LayoutCase cases[] = {
        {"each line below the previous", 200, 1000, {"abc", "de"},
         {{0, 0, 0, "abc"}, {0, 0, kLine, "de"}}, 0},
        {"empty line takes the cell height, a blank line a text line", 200, 1000,
         {"", "a", " ", "b"},
         {{0, 0, kEmpty, "a"}, {0, 0, kEmpty + kLine, " "}, {0, 0, kEmpty + 2 * kLine, "b"}}, 0},
        {"carriage return ends the run, line feed breaks the line", 200, 1000,
         {"ab\rcd", "ef\ngh", "i"},
         {{0, 0, 0, "ab"}, {0, 20, 0, "cd"}, {0, 0, kLine, "ef"}, {0, 0, 2 * kLine, "gh"},
          {0, 0, 3 * kLine, "i"}}, 0},
        {"carriage return alone draws nothing", 200, 1000, {"\r", "a"}, {{0, 0, kEmpty, "a"}}, 0},
        {"run starting mid-line cut at what is left", 50, 1000, {"abc\rdefg"},
         {{0, 0, 0, "abc"}, {0, 30, 0, "de"}, {0, 0, kLine, "fg"}}, 0},
        {"nothing fits at the end of a line: the whole run moves down", 55, 1000, {"abcde\rfg"},
         {{0, 0, 0, "abcde"}, {0, 0, kLine, "fg"}}, 0},
        {"break when the position passes the limit", 200, 100, x8,
         xRuns({6, 2}), 1},
        {"empty lines use the cell height in the limit", 200, 100,
         {"", "", "", "", "", "", "", "", "x"}, {{0, 0, 80, "x"}}, 1},
        {"a cut line continues on the next page", 30, 100, {"a", "b", "c", "d", "e", "fghij"},
         {{0, 0, 0, "a"}, {0, 0, kLine, "b"}, {0, 0, 2 * kLine, "c"}, {0, 0, 3 * kLine, "d"},
          {0, 0, 4 * kLine, "e"}, {0, 0, 70, "fgh"}, {1, 0, 0, "ij"}}, 1},
        {"limit passed after the last line", 200, 100, x6, xRuns({6}), 1},
        {"last break within the limit", 200, 100, x5, xRuns({5}), 0},
        {"nothing to print", 200, 100, {}, {}, 0},
    };
    for (const LayoutCase& c : cases) {
        RecordingSurface surface(c.width, c.height);
        EXPECT_EQ(print(surface, c.lines), c.runs) << c.name;
        EXPECT_EQ(surface.pages, c.pagesBegun) << c.name;
    }
}

// A line wider than the printable width: cut between characters, the rest continued below.
struct CutCase {
    const char* name;
    int width;
    std::string line;
    std::vector<std::string> printed;
};

TEST(TextPrinterCut, LongestFittingPartThenTheRestBelow) {
    const CutCase cases[] = {
        {"exactly the width", 50, "abcde", {"abcde"}},
        {"one character over", 50, "abcdef", {"abcde", "f"}},
        {"no regard for words", 50, "ab cdefg hi", {"ab cd", "efg h", "i"}},
        {"accents cut whole", 30, "ééééé", {"ééé", "éé"}},
        {"narrower than a character", 5, "abc", {"a", "b", "c"}},
        {"not a multiple of the character", 55, "abcdefghijk", {"abcde", "fghij", "k"}},
    };
    for (const CutCase& c : cases) {
        RecordingSurface surface(c.width, 100000);
        std::vector<DrawnRun> expected;
        for (const std::string& part : c.printed)
            expected.push_back({0, 0, static_cast<int>(expected.size()) * kLine, part});
        expected.push_back({0, 0, static_cast<int>(expected.size()) * kLine, "n"});
        EXPECT_EQ(print(surface, {c.line, "n"}), expected) << c.name;
    }
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
    std::string expected = bytes;  // line feeds break lines and carriage returns end runs
    std::erase_if(expected, [](char c) { return c == '\r' || c == '\n'; });
    EXPECT_EQ(printed, expected);
}

}  // namespace
}  // namespace vardo
