#include "app/pages/field_factory.h"

#include <QHash>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>

#include "app/pages/access_key_button.h"
#include "app/pages/label_layer.h"
#include "controls/align_edit.h"

namespace vardo::app {

int innerMarginFor(const AlignedEdit& edit, int boxWidth) {
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.lineWidth = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit);
    const int frame = option.lineWidth;
    // QLineEdit keeps 2 pixels inside its frame on each side; the caret needs one.
    const int needed = edit.fontMetrics().horizontalAdvance(QStringLiteral("8888888")) + 1;
    const int room = boxWidth - 2 * frame - 4;
    if (needed <= room) return 0;
    return -std::min(2, (needed - room + 1) / 2);
}

AlignedEdit* makeField(QWidget* parent, FieldId id, const QRect& geometry, bool rightAligned) {
    auto* edit = new AlignedEdit(QStringLiteral("0"), parent);  // the design text of a figure
    edit->setObjectName(QString::fromStdString(fieldName(id)));
    edit->setAlignmentMode(rightAligned ? Qt::AlignRight : Qt::AlignLeft);
    edit->setGeometry(geometry);
    // Every box of a width shares its margins: measured once per width and font.
    static QHash<QPair<int, QString>, int> margins;
    const QPair<int, QString> key(geometry.width(), edit->font().key());
    auto known = margins.constFind(key);
    if (known == margins.constEnd()) known = margins.insert(key, innerMarginFor(*edit, key.first));
    if (const int margin = *known; margin != 0) edit->setTextMargins(margin, 0, margin, 0);
    return edit;
}

int makeLabel(LabelLayer* layer, const QString& text, const QRect& geometry,
              Qt::Alignment alignment, const QColor& color) {
    return layer->add(text, geometry, alignment, color);
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QString& hint, const QRect& geometry, bool tabStop) {
    auto* button = new AccessKeyButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    button->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    return button;
}

}  // namespace vardo::app
