#pragma once
// Builds the window's aligned edits, labels and buttons with the window's look: figures
// right-aligned, the window colour with or without the focus, the window's font.
#include <QColor>
#include <QRect>
#include <QString>

#include "ledger/naming.h"

class QPushButton;
class QWidget;

namespace vardo {
class AlignedEdit;
}  // namespace vardo

namespace vardo::app {

class LabelLayer;

inline const QColor kMaroon{0x80, 0x00, 0x00};
inline const QColor kTeal{0x00, 0x80, 0x80};
inline constexpr int kFieldHeight = 21;

// The aligned edit of a field, named after it; right-aligned unless told otherwise.
AlignedEdit* makeField(QWidget* parent, FieldId id, const QRect& geometry,
                      bool rightAligned = true);

// A caption whose text ends at the right edge of its rectangle, or starts at its left edge;
// returns its index in the layer.
int makeLabel(LabelLayer* layer, const QString& text, const QRect& geometry,
              Qt::Alignment alignment = Qt::AlignLeft, const QColor& color = QColor());

// A push button; its focus comes by a click only unless it is a tab stop.
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QString& hint, const QRect& geometry, bool tabStop);

// The side margins that let a seven-digit reading fit whole in a box of this width.
int innerMarginFor(const AlignedEdit& edit, int boxWidth);

}  // namespace vardo::app
