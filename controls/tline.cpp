#include "controls/tline.h"

#include <QPainter>
#include <algorithm>

namespace {

// Half of a length rounded to the nearest integer, an exact half to the even neighbour.
int halfRoundedToEven(int length) {
    const int half = length / 2;
    if (length % 2 == 0) return half;
    return half % 2 == 0 ? half : half + 1;
}

bool isHorizontalFamily(TLine::LineKind kind) {
    return kind == TLine::ltTop || kind == TLine::ltBottom || kind == TLine::ltUpDiagonal ||
           kind == TLine::ltDownDiagonal;
}

}  // namespace

TLine::TLine(QWidget* parent) : QWidget(parent), pen_(Qt::black, 1), brush_(Qt::white) {
    // Windowless in spirit: nothing of its own behind the line, the parent shows through.
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    resize(65, 65);
}

void TLine::setPen(const QPen& pen) {
    pen_ = pen;
    update();
}

void TLine::setBrush(const QBrush& brush) {
    brush_ = brush;
    update();
}

void TLine::setCustomPoint(int& coordinate, int value) {
    if (kind_ != TLine::ltCustom) return;
    coordinate = value;
    update();
}

void TLine::setFromX(int value) {
    setCustomPoint(fromX_, value);
}
void TLine::setFromY(int value) {
    setCustomPoint(fromY_, value);
}
void TLine::setToX(int value) {
    setCustomPoint(toX_, value);
}
void TLine::setToY(int value) {
    setCustomPoint(toY_, value);
}

void TLine::setLine(LineKind kind) {
    if (kind == kind_) return;
    const int w = width();
    const int h = height();
    if (kind_ == TLine::ltHorizontal) {
        if (kind == TLine::ltVertical) {
            resize(h, w);
        } else if (isHorizontalFamily(kind)) {
            resize(w, 65);
        } else if (kind == TLine::ltLeft || kind == TLine::ltRight) {
            resize(65, w);
        }
    } else if (kind_ == TLine::ltVertical) {
        if (kind == TLine::ltHorizontal) {
            resize(h, w);
        } else if (kind == TLine::ltTop || kind == TLine::ltBottom) {
            resize(h, 65);
        } else if (kind == TLine::ltLeft || kind == TLine::ltRight || kind == TLine::ltUpDiagonal ||
                   kind == TLine::ltDownDiagonal) {
            resize(65, h);
        }
    }
    kind_ = kind;
    update();
}

bool TLine::placeEndPoints() {
    const QSize before = size();
    const int w = width() - 1;
    const int h = height() - 1;
    // A pen narrower than one pixel still draws one pixel.
    const int penWidth = std::max(1, pen_.width());
    switch (kind_) {
        case TLine::ltCustom: {
            fromX_ = std::max(0, fromX_);
            fromY_ = std::max(0, fromY_);
            toX_ = std::max(0, toX_);
            toY_ = std::max(0, toY_);
            const int largestX = std::max(fromX_, toX_);
            const int largestY = std::max(fromY_, toY_);
            if (largestX > w) resize(largestX + 1, height());
            if (largestY > h) resize(width(), largestY + 1);
            return size() != before;
        }
        case TLine::ltHorizontal:
            fromX_ = 0, fromY_ = halfRoundedToEven(h), toX_ = w, toY_ = fromY_;
            resize(width(), 10 * penWidth);
            break;
        case TLine::ltVertical:
            fromX_ = halfRoundedToEven(w), fromY_ = 0, toX_ = fromX_, toY_ = h;
            resize(10 * penWidth, height());
            break;
        case TLine::ltTop:
            fromX_ = 0, fromY_ = 0, toX_ = w, toY_ = 0;
            break;
        case TLine::ltBottom:
            fromX_ = 0, fromY_ = h, toX_ = w, toY_ = h;
            break;
        case TLine::ltLeft:
            fromX_ = 0, fromY_ = 0, toX_ = 0, toY_ = h;
            break;
        case TLine::ltRight:
            fromX_ = w, fromY_ = 0, toX_ = w, toY_ = h;
            break;
        case TLine::ltUpDiagonal:
            fromX_ = 0, fromY_ = h, toX_ = w, toY_ = 0;
            break;
        case TLine::ltDownDiagonal:
            fromX_ = 0, fromY_ = 0, toX_ = w, toY_ = h;
            break;
    }
    return size() != before;
}

void TLine::paintEvent(QPaintEvent*) {
    // The resize has queued the painting with the new size; drawing now would be wasted.
    if (placeEndPoints()) return;
    QPainter painter(this);
    painter.setPen(pen_);
    painter.setBrush(brush_);
    painter.drawLine(fromX_, fromY_, toX_, toY_);
}
