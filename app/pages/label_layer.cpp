#include "app/pages/label_layer.h"

#include <QHash>
#include <QPaintEvent>
#include <QPainter>

#include "app/pages/caption_accessible.h"

namespace vardo::app {
namespace {

// Box -> the captions that name it. Boxes and layers live as long as the window.
QHash<const QWidget*, QList<QPair<QPointer<LabelLayer>, int>>>& captionTable() {
    static QHash<const QWidget*, QList<QPair<QPointer<LabelLayer>, int>>> table;
    return table;
}

}  // namespace

LabelLayer::LabelLayer(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setObjectName(QStringLiteral("labels"));
    if (parent) setGeometry(parent->rect());
}

LabelLayer::~LabelLayer() {
    for (QAccessible::Id id : interfaces_) {
        if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }
}

void LabelLayer::caption(int index, QWidget* box) {
    captions_[static_cast<std::size_t>(index)].boxes.append(box);
    captionTable()[box].append({this, index});
    connect(box, &QObject::destroyed, this, [box] { captionTable().remove(box); });
}

QList<QWidget*> LabelLayer::boxesOf(int index) const {
    QList<QWidget*> boxes;
    for (const QPointer<QWidget>& box : captions_[static_cast<std::size_t>(index)].boxes) {
        if (box) boxes.append(box.data());
    }
    return boxes;
}

QList<QPair<LabelLayer*, int>> LabelLayer::captionsOf(const QWidget* box) {
    QList<QPair<LabelLayer*, int>> found;
    for (const auto& [layer, index] : captionTable().value(box)) {
        if (layer) found.append({layer.data(), index});
    }
    return found;
}

QAccessibleInterface* LabelLayer::captionInterface(int index) const {
    if (index < 0 || index >= count()) return nullptr;
    interfaces_.resize(captions_.size(), 0);
    QAccessible::Id& id = interfaces_[static_cast<std::size_t>(index)];
    if (id == 0) {
        id = QAccessible::registerAccessibleInterface(
            new CaptionAccessible(const_cast<LabelLayer*>(this), index));
    }
    return QAccessible::accessibleInterface(id);
}

int LabelLayer::add(const QString& text, const QRect& rect, Qt::Alignment alignment,
                    const QColor& color) {
    captions_.push_back({text, rect, alignment | Qt::AlignVCenter, color, true, {}});
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
