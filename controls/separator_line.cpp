#include "controls/separator_line.h"

#include <QPainter>
#include <algorithm>

namespace vardo {
namespace {

// Half of a length rounded to the nearest integer, an exact half to the even neighbour.
int halfRoundedToEven(int length) {
    const int half = length / 2;
    if (length % 2 == 0) return half;
    return half % 2 == 0 ? half : half + 1;
}

}  // namespace

SeparatorLine::SeparatorLine(QWidget* parent) : QWidget(parent), pen_(Qt::black, 1) {
    // Nothing of its own behind the line: the parent shows through.
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    resize(65, 65);
}

void SeparatorLine::setPen(const QPen& pen) {
    pen_ = pen;
    update();
}

bool SeparatorLine::placeEndPoints() {
    const QSize before = size();
    y_ = halfRoundedToEven(height() - 1);
    lastX_ = width() - 1;
    // A pen narrower than one pixel still draws one pixel.
    resize(width(), 10 * std::max(1, pen_.width()));
    return size() != before;
}

void SeparatorLine::paintEvent(QPaintEvent*) {
    // The resize has queued the painting with the new size; drawing now would be wasted.
    if (placeEndPoints()) return;
    QPainter painter(this);
    painter.setPen(pen_);
    painter.drawLine(0, y_, lastX_, y_);
}

}  // namespace vardo
