#pragma once
// The painted captions in the accessibility tree: each caption of a label layer is a static
// text child of the layer that names the boxes it captions (LABEL_FOR), though no label widget
// exists. The boxes do not report it back as their label: their names already say its words.
#include <QAccessibleInterface>
#include <QPointer>

namespace vardo::app {

class LabelLayer;

class CaptionAccessible : public QAccessibleInterface {
public:
    CaptionAccessible(LabelLayer* layer, int index);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override;
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text which) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override;

private:
    QPointer<LabelLayer> layer_;
    int index_;
};

// Installs the layers' interface and the boxes' caption lookup; once the application exists.
void installCaptionAccessibility();

}  // namespace vardo::app
