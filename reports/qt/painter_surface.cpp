#include "reports/qt/painter_surface.h"

#include <QPainter>
#include <QPrinter>
#include <QString>
#include <string>
#include <utility>

#include "ledger/error.h"
#include "reports/print_messages.h"

namespace vardo {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

PainterSurface::PainterSurface(QPainter& painter, QPrinter& printer,
                               std::function<void()> betweenPages)
    : painter_(painter),
      printer_(printer),
      betweenPages_(std::move(betweenPages)),
      metrics_(painter.fontMetrics()),
      width_(painter.device()->width()),
      height_(painter.device()->height()) {}

int PainterSurface::textWidth(std::string_view text) const {
    return metrics_.horizontalAdvance(fromUtf8(text));
}

// One font for the document: every run is as high as the font.
int PainterSurface::textHeight(std::string_view) const {
    return metrics_.height();
}

int PainterSurface::cellHeight() const {
    return metrics_.height();
}

void PainterSurface::drawText(int x, int y, std::string_view text) {
    painter_.drawText(x, y + metrics_.ascent(), fromUtf8(text));
}

void PainterSurface::newPage() {
    if (!printer_.newPage()) throw Error(std::string(kPrintFailed));
    if (betweenPages_) betweenPages_();
}

}  // namespace vardo
