#pragma once
// The captions of a group box (day numbers, column headings, field labels) painted by one widget
// instead of one label widget each: a month page has over a hundred of them, and the window
// starts noticeably faster without some six hundred label widgets.
#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>
#include <vector>

namespace vardo::app {

class LabelLayer : public QWidget {
    Q_OBJECT
public:
    // Covers its parent and lets the mouse through.
    explicit LabelLayer(QWidget* parent);

    // Returns the caption's index.
    int add(const QString& text, const QRect& rect, Qt::Alignment alignment,
            const QColor& color = QColor());
    void setCaptionVisible(int index, bool visible);
    bool captionVisible(int index) const;
    int count() const { return static_cast<int>(captions_.size()); }
    QString text(int index) const;
    QRect rect(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Caption {
        QString text;
        QRect rect;
        Qt::Alignment alignment;
        QColor color;
        bool visible = true;
    };
    std::vector<Caption> captions_;
};

}  // namespace vardo::app
