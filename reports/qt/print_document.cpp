#include "reports/qt/print_document.h"

#include <QPainter>
#include <QPrinter>

#include "ledger/error.h"
#include "reports/print_messages.h"
#include "reports/qt/painter_surface.h"

namespace vardo {

namespace {
constexpr int kReportPointSize = 8;
}

QFont reportFont(const QFont& windowFont) {
    QFont font(windowFont);
    font.setPointSize(kReportPointSize);  // points: the painter scales it to the printer
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

void printDocument(QPrinter& printer, const std::vector<std::string>& lines,
                   const QFont& windowFont, const std::function<void()>& betweenPages) {
    QPainter painter;
    if (!painter.begin(&printer)) throw Error(std::string(kPrintFailed));
    try {
        painter.setFont(reportFont(windowFont));
        // Paper is white whatever the desktop's colours: the text is printed black.
        painter.setPen(Qt::black);
        PainterSurface surface(painter, printer, betweenPages);
        printLines(surface, lines);
    } catch (...) {
        painter.end();
        throw;
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        throw Error(std::string(kPrintFailed));
    }
}

void printDrawing(QPrinter& printer, const PageDrawing& draw) {
    QPainter painter;
    if (!painter.begin(&printer)) throw Error(std::string(kPrintFailed));
    try {
        draw(painter, painter.viewport());
    } catch (...) {
        painter.end();
        throw;
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        throw Error(std::string(kPrintFailed));
    }
}

}  // namespace vardo
