#include "reports/text_printer.h"

#include <algorithm>
#include <cstddef>

namespace vardo {

PrintSurface::~PrintSurface() = default;

namespace {

// Runs up to this many bytes are measured whole first: every report line is far shorter, so a
// line that fits costs one measurement. Longer runs are searched from their start, so that a
// huge field text cut into many printed lines is not measured whole again for every piece.
constexpr std::size_t kMeasureWholeLimit = 4096;
constexpr std::size_t kFirstProbe = 64;

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The nearest character boundary at or before byte offset i.
std::size_t boundaryAtOrBefore(std::string_view text, std::size_t i) {
    while (i > 0 && i < text.size() && isContinuationByte(text[i])) --i;
    return i;
}

std::size_t nextBoundary(std::string_view text, std::size_t i) {
    if (i >= text.size()) return text.size();
    ++i;
    while (i < text.size() && isContinuationByte(text[i])) ++i;
    return i;
}

struct Fit {
    std::size_t bytes = 0;  // length of the longest leading part that fits
    int width = 0;          // its width
};

// The longest leading part of run, cut between characters, whose width is at most room.
Fit longestFittingPart(const PrintSurface& surface, std::string_view run, int room) {
    Fit fits;  // the empty part always fits when room >= 0
    if (room < 0) return fits;
    std::size_t tooLong = run.size() + 1;  // shortest length known not to fit
    if (run.size() <= kMeasureWholeLimit) {
        const int whole = surface.textWidth(run);
        if (whole <= room) return {run.size(), whole};
        tooLong = run.size();
    } else {
        // Doubling probes until one does not fit.
        for (std::size_t probe = kFirstProbe;; probe *= 2) {
            const std::size_t at = boundaryAtOrBefore(run, std::min(probe, run.size()));
            const int width = surface.textWidth(run.substr(0, at));
            if (width > room) {
                tooLong = at;
                break;
            }
            fits = {at, width};
            if (at == run.size()) return fits;
        }
    }
    // Bisection between a part that fits and one that does not, on character boundaries.
    while (nextBoundary(run, fits.bytes) < tooLong) {
        std::size_t middle = boundaryAtOrBefore(run, fits.bytes + (tooLong - fits.bytes) / 2);
        if (middle <= fits.bytes) middle = nextBoundary(run, fits.bytes);
        const int width = surface.textWidth(run.substr(0, middle));
        if (width <= room) {
            fits = {middle, width};
        } else {
            tooLong = middle;
        }
    }
    return fits;
}

}  // namespace

void TextPrinter::write(std::string_view characters) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < characters.size(); ++i) {
        const char c = characters[i];
        if (c != '\r' && c != '\n') continue;
        drawRun(characters.substr(start, i - start));
        if (c == '\n') lineBreak();
        start = i + 1;
    }
    drawRun(characters.substr(start));
}

void TextPrinter::drawRun(std::string_view run) {
    while (!run.empty()) {
        Fit part = longestFittingPart(surface_, run, surface_.pageWidth() - x_);
        if (part.bytes == 0 && x_ == 0) {
            // Not even one character fits on an empty line: draw one anyway, so the text still
            // moves on instead of breaking lines forever.
            part.bytes = nextBoundary(run, 0);
            part.width = surface_.textWidth(run.substr(0, part.bytes));
        }
        if (part.bytes > 0) {
            const std::string_view drawn = run.substr(0, part.bytes);
            surface_.drawText(x_, y_, drawn);
            x_ += part.width;
            lineHeight_ = std::max(lineHeight_, surface_.textHeight(drawn) + 2);
        }
        if (part.bytes == run.size()) return;
        lineBreak();
        run.remove_prefix(part.bytes);
    }
}

void TextPrinter::lineBreak() {
    const int step = lineHeight_ > 0 ? lineHeight_ : surface_.cellHeight();
    x_ = 0;
    y_ += step;
    if (y_ > surface_.pageHeight() - 2 * step) {
        surface_.newPage();
        y_ = 0;
    }
    lineHeight_ = 0;
}

void printLines(PrintSurface& surface, const std::vector<std::string>& lines) {
    TextPrinter printer(surface);
    for (const std::string& line : lines) {
        printer.write(line);
        printer.lineBreak();
    }
}

}  // namespace vardo
