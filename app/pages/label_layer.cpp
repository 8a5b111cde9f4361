#include "app/pages/label_layer.h"

#include <QPaintEvent>
#include <QPainter>

namespace vardo::app {

LabelLayer::LabelLayer(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setObjectName(QStringLiteral("labels"));
    if (parent) setGeometry(parent->rect());
}

int LabelLayer::add(const QString& text, const QRect& rect, Qt::Alignment alignment,
                    const QColor& color) {
    captions_.push_back({text, rect, alignment | Qt::AlignVCenter, color, true});
    if (parent()) setGeometry(parentWidget()->rect());
    return count() - 1;
}

void LabelLayer::setCaptionVisible(int index, bool visible) {
    Caption& caption = captions_[static_cast<std::size_t>(index)];
    if (caption.visible == visible) return;
    caption.visible = visible;
    update(caption.rect);
}

bool LabelLayer::captionVisible(int index) const {
    return captions_[static_cast<std::size_t>(index)].visible;
}

QString LabelLayer::text(int index) const {
    return captions_[static_cast<std::size_t>(index)].text;
}
QRect LabelLayer::rect(int index) const {
    return captions_[static_cast<std::size_t>(index)].rect;
}

void LabelLayer::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QColor windowText = palette().color(QPalette::WindowText);
    for (const Caption& caption : captions_) {
        if (!caption.visible || !event->rect().intersects(caption.rect)) continue;
        painter.setPen(caption.color.isValid() ? caption.color : windowText);
        painter.drawText(caption.rect, static_cast<int>(caption.alignment), caption.text);
    }
}

}  // namespace vardo::app
