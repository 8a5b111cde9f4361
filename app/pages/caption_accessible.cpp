#include "app/pages/caption_accessible.h"

#include <QAccessibleWidget>
#include <QWidget>

#include "app/pages/label_layer.h"
#include "controls/accessible_line_edit.h"

namespace vardo::app {
namespace {

// The layer itself: a pane whose children are its captions.
class LabelLayerAccessible : public QAccessibleWidget {
public:
    explicit LabelLayerAccessible(LabelLayer* layer) : QAccessibleWidget(layer, QAccessible::Pane) {}
    LabelLayer* layer() const { return static_cast<LabelLayer*>(widget()); }
    int childCount() const override { return layer()->count(); }
    QAccessibleInterface* child(int index) const override { return layer()->captionInterface(index); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < layer()->count(); ++i) {
            if (layer()->captionInterface(i) == child) return i;
        }
        return -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
};

QAccessibleInterface* layerFactory(const QString& /*className*/, QObject* object) {
    auto* layer = qobject_cast<LabelLayer*>(object);
    return layer ? new LabelLayerAccessible(layer) : nullptr;
}

QList<QAccessibleInterface*> captionsOf(const QWidget* box) {
    QList<QAccessibleInterface*> found;
    for (const auto& [layer, index] : LabelLayer::captionsOf(box)) {
        if (QAccessibleInterface* caption = layer->captionInterface(index)) found.append(caption);
    }
    return found;
}

}  // namespace

CaptionAccessible::CaptionAccessible(LabelLayer* layer, int index) : layer_(layer), index_(index) {}

bool CaptionAccessible::isValid() const { return layer_ && index_ < layer_->count(); }

QWindow* CaptionAccessible::window() const {
    QAccessibleInterface* up = parent();
    return up ? up->window() : nullptr;
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>> CaptionAccessible::relations(
    QAccessible::Relation match) const {
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> found;
    if (!layer_ || !(match & QAccessible::Labelled)) return found;
    for (QWidget* box : layer_->boxesOf(index_)) {
        if (QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box))
            found.append({face, QAccessible::Labelled});
    }
    return found;
}

QAccessibleInterface* CaptionAccessible::parent() const {
    return layer_ ? QAccessible::queryAccessibleInterface(layer_.data()) : nullptr;
}

QString CaptionAccessible::text(QAccessible::Text which) const {
    if (!layer_ || (which != QAccessible::Name && which != QAccessible::Value)) return {};
    return layer_->text(index_);
}

QRect CaptionAccessible::rect() const {
    if (!layer_) return {};
    const QRect local = layer_->rect(index_);
    return QRect(layer_->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State CaptionAccessible::state() const {
    QAccessible::State state;
    state.invisible = !layer_ || !layer_->isVisible() || !layer_->captionVisible(index_);
    state.readOnly = true;
    return state;
}

void installCaptionAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(layerFactory);
    setCaptionLookup(captionsOf);
}

}  // namespace vardo::app
