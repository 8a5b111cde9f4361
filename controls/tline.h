#pragma once
// A control that draws one straight line over its parent: the etched separators of the About
// window are two of them. The end points follow the kind of line; a custom line keeps its own.
#include <QBrush>
#include <QPen>
#include <QWidget>

class TLine : public QWidget {
    Q_OBJECT
public:
    enum LineKind {
        ltCustom,
        ltHorizontal,
        ltVertical,
        ltTop,
        ltBottom,
        ltLeft,
        ltRight,
        ltUpDiagonal,
        ltDownDiagonal,
    };
    Q_ENUM(LineKind)

    explicit TLine(QWidget* parent = nullptr);

    const QPen& Pen() const { return pen_; }
    void setPen(const QPen& pen);
    const QBrush& Brush() const { return brush_; }
    void setBrush(const QBrush& brush);

    LineKind Line() const { return kind_; }
    // Resizes as the kind-change table says when the kind really changes, then repaints.
    void setLine(LineKind kind);

    int FromX() const { return fromX_; }
    int FromY() const { return fromY_; }
    int ToX() const { return toX_; }
    int ToY() const { return toY_; }
    // End points are the control's own only on a custom line; on any other kind they are
    // computed at painting and these setters change nothing.
    void setFromX(int value);
    void setFromY(int value);
    void setToX(int value);
    void setToY(int value);

    // The geometry half of painting: sets the end points for the kind and applies the size side
    // effects. Returns true when the size changed, in which case one more painting follows.
    bool placeEndPoints();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void setCustomPoint(int& coordinate, int value);

    QPen pen_;
    QBrush brush_;
    LineKind kind_ = ltCustom;
    int fromX_ = 0;
    int fromY_ = 0;
    int toX_ = 35;
    int toY_ = 35;
};
