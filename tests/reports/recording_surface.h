#pragma once
// A drawing surface with fixed metrics that records what is drawn, page by page: every
// character is 10 pixels wide, a run is 12 pixels high and the font's cell height is 10.
#include <string>
#include <string_view>
#include <vector>

#include "reports/text_printer.h"

namespace vardo::testing {

struct DrawnRun {
    int page;
    int x;
    int y;
    std::string text;
    bool operator==(const DrawnRun&) const = default;
};

class RecordingSurface : public PrintSurface {
public:
    RecordingSurface(int width, int height) : width_(width), height_(height) {}

    static constexpr int kCharWidth = 10;
    static constexpr int kTextHeight = 12;
    static constexpr int kCellHeight = 10;

    int pageWidth() const override { return width_; }
    int pageHeight() const override { return height_; }
    int textWidth(std::string_view text) const override {
        ++measures;
        return kCharWidth * characters(text);
    }
    int textHeight(std::string_view) const override { return kTextHeight; }
    int cellHeight() const override { return kCellHeight; }
    void drawText(int x, int y, std::string_view text) override {
        runs.push_back({pages, x, y, std::string(text)});
    }
    void newPage() override { ++pages; }

    static int characters(std::string_view text) {
        int count = 0;
        for (char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        return count;
    }

    std::vector<DrawnRun> runs;
    int pages = 0;  // pages begun after the first; the document has pages + 1
    mutable long measures = 0;

private:
    int width_;
    int height_;
};

}  // namespace vardo::testing
