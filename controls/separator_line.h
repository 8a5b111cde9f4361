#pragma once
// A horizontal line drawn across the middle of its control, over its parent: the etched
// separator of the About window is two of them, a dark one and a light one a pixel below. The
// control's height follows the pen: ten times its width.
#include <QPen>
#include <QWidget>

namespace vardo {

class SeparatorLine : public QWidget {
    Q_OBJECT
public:
    explicit SeparatorLine(QWidget* parent = nullptr);

    const QPen& pen() const { return pen_; }
    void setPen(const QPen& pen);

    // Where the line runs, as placeEndPoints last found it: from (0, y) to (lastX, y).
    int lineY() const { return y_; }
    int lastX() const { return lastX_; }

    // The geometry half of painting: finds where the line runs and gives the control its height.
    // Returns true when the size changed, in which case one more painting follows.
    bool placeEndPoints();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPen pen_;
    int y_ = 0;
    int lastX_ = 0;
};

}  // namespace vardo
