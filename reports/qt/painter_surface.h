#pragma once
// The text printer's drawing surface on a QPainter that is open on a QPrinter: positions in
// printer pixels from the top-left corner of the printable area, one font for the whole document.
#include <QFontMetrics>
#include <functional>
#include <string_view>

#include "reports/text_printer.h"

class QPainter;
class QPrinter;

namespace vardo {

class PainterSurface : public PrintSurface {
public:
    // betweenPages runs after each page is handed to the printer (the window repaints there).
    PainterSurface(QPainter& painter, QPrinter& printer, std::function<void()> betweenPages = {});

    int pageWidth() const override { return width_; }
    int pageHeight() const override { return height_; }
    int textWidth(std::string_view text) const override;
    int textHeight(std::string_view text) const override;
    int cellHeight() const override;
    void drawText(int x, int y, std::string_view text) override;
    void newPage() override;  // throws vardo::Error when the printer refuses the page

private:
    QPainter& painter_;
    QPrinter& printer_;
    std::function<void()> betweenPages_;
    QFontMetrics metrics_;
    int width_;
    int height_;
};

}  // namespace vardo
