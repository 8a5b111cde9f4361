#pragma once
// What a screen reader learns of a one-line edit box, answered by the program itself rather than
// by Qt's own interface for QLineEdit.
//
// Why: on Qt 6.4.2 (Debian 12), QAccessibleTextInterface::textAtOffset() spins forever when asked
// for the word (or sentence) at the text's end offset, as Orca does on Ctrl+Left/Right: its loop
// waits for QTextBoundaryFinder::toNextBoundary() to reach the length, but that returns -1 there.
// The program then takes 100 % of a core and ignores SIGTERM. And the line edit's attributes()
// reports zero-length attribute runs, after which Orca drops the text's last character when it
// reads a box ("10200" read "1020"). This interface answers every offset, the end included, and
// reports one attribute run over the whole text.
#include <QAccessibleWidget>
#include <QLineEdit>

namespace vardo {

class AccessibleLineEdit : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleLineEdit(QLineEdit* edit);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override;
    QString text(QAccessible::Text which) const override;
    void setText(QAccessible::Text which, const QString& text) override;

    // The text interface.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int* startOffset, int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int* startOffset, int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    QLineEdit* edit() const;
    // What the box shows: the text, or its masked form for a password box.
    QString shownText() const;
    // Left edge, in the box's coordinates, of the character at offset.
    int xOfOffset(int offset) const;
};

// The captions of a box that has no label widget of its own (captions painted by its page). Such a
// box reports no label: its name already says its captions' words, and the captions, in the tree,
// name the boxes they caption.
using CaptionLookup = QList<QAccessibleInterface*> (*)(const QWidget* box);
void setCaptionLookup(CaptionLookup lookup);

// Installs, once, the factory that gives every QLineEdit of the program the interface above.
void installLineEditAccessibility();

}  // namespace vardo
