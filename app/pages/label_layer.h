#pragma once
// The captions of a group box (day numbers, column headings, field labels) painted by one widget
// instead of one label widget each: a month page has over a hundred of them, and the window
// starts noticeably faster without some six hundred label widgets.
#include <QColor>
#include <QRect>
#include <QString>
#include <QAccessible>
#include <QList>
#include <QPair>
#include <QPointer>
#include <QWidget>
#include <vector>

class QAccessibleInterface;

namespace vardo::app {

class LabelLayer : public QWidget {
    Q_OBJECT
public:
    // Covers its parent and lets the mouse through.
    explicit LabelLayer(QWidget* parent);
    ~LabelLayer() override;

    // Returns the caption's index.
    int add(const QString& text, const QRect& rect, Qt::Alignment alignment,
            const QColor& color = QColor());
    void setCaptionVisible(int index, bool visible);
    bool captionVisible(int index) const;
    int count() const { return static_cast<int>(captions_.size()); }
    QString text(int index) const;
    QRect rect(int index) const;

    // The caption names the box for a screen reader (its label relation).
    void caption(int index, QWidget* box);
    QList<QWidget*> boxesOf(int index) const;
    // The captions that name a box: their layer and index.
    static QList<QPair<LabelLayer*, int>> captionsOf(const QWidget* box);
    // The caption's accessible interface, made on first use.
    QAccessibleInterface* captionInterface(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Caption {
        QString text;
        QRect rect;
        Qt::Alignment alignment;
        QColor color;
        bool visible = true;
        QList<QPointer<QWidget>> boxes;
    };
    std::vector<Caption> captions_;
    mutable std::vector<QAccessible::Id> interfaces_;  // 0 until asked for
};

}  // namespace vardo::app
