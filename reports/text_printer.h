#pragma once
// The text printer: lays report lines out on pages, run by run, on any drawing surface.
//
// Positions are in the surface's pixels from the top-left corner of the printable area. A run of
// characters is drawn at the current position and the line takes the run's text height plus 2;
// a run wider than what is left of the line is cut between two characters and continues on the
// next printed line. A line break moves down by the line's height (the font's cell height when
// nothing was drawn) and starts a new page once the position passes the page height minus twice
// that step. Inside a line a carriage return only ends the current run and a line feed breaks it.
#include <string>
#include <string_view>
#include <vector>

namespace vardo {

class PrintSurface {
public:
    virtual ~PrintSurface();
    virtual int pageWidth() const = 0;  // printable area, in surface pixels
    virtual int pageHeight() const = 0;
    virtual int textWidth(std::string_view text) const = 0;  // UTF-8 run
    virtual int textHeight(std::string_view text) const = 0;
    virtual int cellHeight() const = 0;  // the font's height, for a line with nothing drawn
    virtual void drawText(int x, int y, std::string_view text) = 0;  // (x, y) = top-left of run
    virtual void newPage() = 0;  // ends the current page and begins the next one
};

// Sends every line, then a line break, to the page layout. Ending the document is the caller's.
void printLines(PrintSurface& surface, const std::vector<std::string>& lines);

// The page layout itself, for callers that feed it piece by piece.
class TextPrinter {
public:
    explicit TextPrinter(PrintSurface& surface) : surface_(surface) {}
    void write(std::string_view characters);  // '\r' ends a run, '\n' breaks the line
    void lineBreak();

    int x() const { return x_; }
    int y() const { return y_; }

private:
    void drawRun(std::string_view run);

    PrintSurface& surface_;
    int x_ = 0;
    int y_ = 0;
    int lineHeight_ = 0;  // 0 while nothing has been drawn on the line
};

}  // namespace vardo
