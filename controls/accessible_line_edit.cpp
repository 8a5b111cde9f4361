#include "controls/accessible_line_edit.h"

#include "controls/text_boundaries.h"

#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace vardo {
namespace {

QString pieceText(const QString& text, TextPiece piece, int* startOffset, int* endOffset) {
    *startOffset = piece.start;
    *endOffset = piece.end;
    if (piece.start < 0) return {};
    return text.mid(piece.start, piece.end - piece.start);
}

// Qt asks the factories with the object's own class name first, then its base classes' names:
// answering for any line edit, whatever the name, gets in before Qt's own interface.
QAccessibleInterface* lineEditFactory(const QString& /*className*/, QObject* object) {
    auto* edit = qobject_cast<QLineEdit*>(object);
    return edit ? new AccessibleLineEdit(edit) : nullptr;
}

CaptionLookup captionLookup = nullptr;

}  // namespace

void setCaptionLookup(CaptionLookup lookup) { captionLookup = lookup; }

AccessibleLineEdit::AccessibleLineEdit(QLineEdit* edit)
    : QAccessibleWidget(edit, QAccessible::EditableText) {}

QLineEdit* AccessibleLineEdit::edit() const { return static_cast<QLineEdit*>(widget()); }

QString AccessibleLineEdit::shownText() const {
    return edit()->echoMode() == QLineEdit::Normal ? edit()->text() : edit()->displayText();
}

void* AccessibleLineEdit::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State AccessibleLineEdit::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = edit()->isReadOnly();
    state.editable = !edit()->isReadOnly();
    state.selectableText = true;
    state.passwordEdit = edit()->echoMode() != QLineEdit::Normal;
    return state;
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>> AccessibleLineEdit::relations(
    QAccessible::Relation match) const {
    auto found = QAccessibleWidget::relations(match);
    const QList<QAccessibleInterface*> captions =
        captionLookup && (match & QAccessible::Label) ? captionLookup(widget())
                                                      : QList<QAccessibleInterface*>{};
    if (captions.isEmpty()) return found;
    // Qt reports the group box's title as every box's label. No caption takes its place: Orca 43
    // reads a labelled box by its label alone, not its name, so a box labelled by its day number
    // was read "3" where its name says "samedi 3 janvier, matin".
    found.removeIf([](const auto& relation) { return relation.second & QAccessible::Label; });
    return found;
}

QString AccessibleLineEdit::text(QAccessible::Text which) const {
    if (which == QAccessible::Value) return shownText();
    // Qt would give the tooltip when the description is empty: the tooltip here is the name.
    if (which == QAccessible::Description) return widget()->accessibleDescription();
    return QAccessibleWidget::text(which);
}

void AccessibleLineEdit::setText(QAccessible::Text which, const QString& text) {
    if (which != QAccessible::Value) return QAccessibleWidget::setText(which, text);
    if (!edit()->isReadOnly()) edit()->setText(text);
}

void AccessibleLineEdit::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !edit()->hasSelectedText()) return;
    *startOffset = static_cast<int>(edit()->selectionStart());
    *endOffset = *startOffset + static_cast<int>(edit()->selectionLength());
}

int AccessibleLineEdit::selectionCount() const { return edit()->hasSelectedText() ? 1 : 0; }

void AccessibleLineEdit::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void AccessibleLineEdit::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) edit()->deselect();
}

void AccessibleLineEdit::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex != 0) return;
    const int count = characterCount();
    startOffset = std::clamp(startOffset, 0, count);
    endOffset = endOffset < 0 ? count : std::clamp(endOffset, 0, count);
    edit()->setSelection(startOffset, endOffset - startOffset);
}

int AccessibleLineEdit::cursorPosition() const { return edit()->cursorPosition(); }

void AccessibleLineEdit::setCursorPosition(int position) { edit()->setCursorPosition(position); }

QString AccessibleLineEdit::text(int startOffset, int endOffset) const {
    const QString shown = shownText();
    const int count = static_cast<int>(shown.size());
    startOffset = std::clamp(startOffset, 0, count);
    endOffset = endOffset < 0 ? count : std::clamp(endOffset, startOffset, count);
    return shown.mid(startOffset, endOffset - startOffset);
}

QString AccessibleLineEdit::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int* startOffset, int* endOffset) const {
    const QString shown = shownText();
    return pieceText(shown, pieceBefore(shown, offset, boundaryType), startOffset, endOffset);
}

QString AccessibleLineEdit::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int* startOffset, int* endOffset) const {
    const QString shown = shownText();
    return pieceText(shown, pieceAfter(shown, offset, boundaryType), startOffset, endOffset);
}

QString AccessibleLineEdit::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int* startOffset, int* endOffset) const {
    const QString shown = shownText();
    return pieceText(shown, pieceAt(shown, offset, boundaryType), startOffset, endOffset);
}

int AccessibleLineEdit::characterCount() const { return static_cast<int>(shownText().size()); }

int AccessibleLineEdit::xOfOffset(int offset) const {
    QStyleOptionFrame option;
    option.initFrom(edit());
    QRect area = edit()->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit());
    area = area.marginsRemoved(edit()->textMargins());
    const QFontMetrics metrics(edit()->font());
    const QString shown = shownText();
    const int width = metrics.horizontalAdvance(shown);
    int left = area.left() + 2;  // Qt's own horizontal margin inside the contents
    const Qt::Alignment horizontal = QStyle::visualAlignment(edit()->layoutDirection(), edit()->alignment());
    if (horizontal & Qt::AlignRight) left = area.right() - 2 - width;
    else if (horizontal & Qt::AlignHCenter) left = area.left() + (area.width() - width) / 2;
    return left + metrics.horizontalAdvance(shown.left(offset));
}

QRect AccessibleLineEdit::characterRect(int offset) const {
    const int count = characterCount();
    if (offset < 0 || offset > count) return {};
    const int left = xOfOffset(offset);
    const int right = offset < count ? xOfOffset(offset + 1) : left + 1;
    const QFontMetrics metrics(edit()->font());
    const int top = (edit()->height() - metrics.height()) / 2;
    return QRect(edit()->mapToGlobal(QPoint(left, top)), QSize(right - left, metrics.height()));
}

int AccessibleLineEdit::offsetAtPoint(const QPoint& point) const {
    const int x = edit()->mapFromGlobal(point).x();
    const int count = characterCount();
    for (int offset = 0; offset < count; ++offset) {
        if (x < xOfOffset(offset + 1)) return offset;
    }
    return count;
}

void AccessibleLineEdit::scrollToSubstring(int startIndex, int /*endIndex*/) {
    edit()->setCursorPosition(startIndex);
}

QString AccessibleLineEdit::attributes(int offset, int* startOffset, int* endOffset) const {
    const int count = characterCount();
    if (offset == -1) offset = count;
    if (offset < 0 || offset > count) {
        *startOffset = *endOffset = -1;
        return {};
    }
    // One run over the whole text, whatever the offset.
    *startOffset = 0;
    *endOffset = count;
    const QFont font = edit()->font();
    QString style = font.italic() ? QStringLiteral("italic") : QStringLiteral("normal");
    return QStringLiteral("font-family:%1;font-size:%2pt;font-weight:%3;font-style:%4;")
        .arg(QString(font.family()).remove(u';').remove(u':'))
        .arg(font.pointSize() > 0 ? font.pointSize() : 10)
        .arg(font.bold() ? 700 : 400)
        .arg(style);
}

// Called once the application object exists: the factories installed last are asked first.
void installLineEditAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(lineEditFactory);
}

}  // namespace vardo
