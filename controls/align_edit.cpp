#include "controls/align_edit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>

namespace vardo {

namespace {

bool isReturn(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Window activation and popups do not move the focus between controls: no enter or exit look.
bool movesBetweenControls(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

}  // namespace

AlignedEdit::AlignedEdit(QWidget* parent) : AlignedEdit(QString(), parent) {}

AlignedEdit::AlignedEdit(const QString& text, QWidget* parent) : QLineEdit(text, parent) {
    const QPalette& system = QApplication::palette();
    colorOnFocus_ = colorOnNoFocus_ = system.color(QPalette::Base);
    textOnFocus_ = textOnNoFocus_ = system.color(QPalette::Text);
    fontOnFocus_ = fontOnNoFocus_ = QApplication::font();
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    showBeginning();
}

void AlignedEdit::writeText(const QString& text) {
    setText(text);
    if (!focused_) showBeginning();
}

// A text wider than the box shows its beginning while the box is not being typed in: a
// coefficient reads "0,849..." rather than its last digits.
void AlignedEdit::showBeginning() {
    if (cursorPosition() != 0) setCursorPosition(0);
}

void AlignedEdit::setAlignmentMode(Qt::Alignment horizontal) {
    setAlignment((horizontal & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
}

void AlignedEdit::setColorOnFocus(const QColor& color) {
    colorOnFocus_ = color;
    if (focused_) applyLook(true);
}

void AlignedEdit::setColorOnNoFocus(const QColor& color) {
    colorOnNoFocus_ = color;
    applyLook(focused_);
}

void AlignedEdit::setFontOnFocus(const QFont& font, const QColor& textColor) {
    fontOnFocus_ = font;
    textOnFocus_ = textColor;
    if (focused_) applyLook(true);
}

void AlignedEdit::setFontOnNoFocus(const QFont& font, const QColor& textColor) {
    fontOnNoFocus_ = font;
    textOnNoFocus_ = textColor;
    applyLook(focused_);
}

void AlignedEdit::setFlag(const QString& reason) {
    if (reason == flag_) return;
    flag_ = reason;
    setToolTip(flag_.isEmpty() ? nameTip_ : flag_);
    applyLook(focused_);
}

void AlignedEdit::setNameTip(const QString& name) {
    nameTip_ = name;
    setToolTip(flag_.isEmpty() ? nameTip_ : flag_);
}

// Only what differs is touched: 888 boxes are built at start-up, and a palette or font set on a
// widget costs a polish of its own.
void AlignedEdit::applyLook(bool focused) {
    const QColor& background = focused ? colorOnFocus_ : colorOnNoFocus_;
    static const QColor flagged(Qt::red);
    const QColor& text = !flag_.isEmpty() ? flagged : focused ? textOnFocus_ : textOnNoFocus_;
    const QFont& wanted = focused ? fontOnFocus_ : fontOnNoFocus_;
    QPalette p = palette();
    if (p.color(QPalette::Base) != background || p.color(QPalette::Text) != text) {
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            p.setColor(group, QPalette::Base, background);
            p.setColor(group, QPalette::Window, background);
            p.setColor(group, QPalette::Text, text);
        }
        setPalette(p);
    }
    if (font() != wanted) setFont(wanted);
}

void AlignedEdit::focusInEvent(QFocusEvent* event) {
    // The first focus of a window that was not yet active counts as an entry too.
    const bool entering = movesBetweenControls(event->reason()) || !focused_;
    if (entering) {
        focused_ = true;
        applyLook(true);
    }
    QLineEdit::focusInEvent(event);
    if (!entering || !autoSelect_) return;
    if (event->reason() != Qt::MouseFocusReason)
        selectAll();
    else
        selectZeroOnClick_ = text() == QLatin1String("0");
}

// The click that gave the focus would put the caret beside the "0": typing 49905 would then
// give 499050. The "0" stays selected through the press and the release.
void AlignedEdit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (selectZeroOnClick_) selectAll();
}

void AlignedEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (selectZeroOnClick_) selectAll();
    selectZeroOnClick_ = false;
}

void AlignedEdit::focusOutEvent(QFocusEvent* event) {
    const bool leaving = movesBetweenControls(event->reason());
    if (leaving) {
        focused_ = false;
        applyLook(false);
    }
    QLineEdit::focusOutEvent(event);
    if (leaving) showBeginning();
}

void AlignedEdit::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (isReturn(key)) {
        QApplication::beep();
        event->accept();
        emit returnRefused();
        return;
    }
    if ((key == Qt::Key_Up || key == Qt::Key_Down)) {
        QKeyEvent sideways(event->type(), key == Qt::Key_Up ? Qt::Key_Left : Qt::Key_Right,
                           event->modifiers());
        QLineEdit::keyPressEvent(&sideways);
        event->setAccepted(sideways.isAccepted());
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// A carriage return composed by an input method is dropped like a typed one.
void AlignedEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().contains(QLatin1Char('\r'))) {
        QInputMethodEvent filtered(event->preeditString(), event->attributes());
        QString commit = event->commitString();
        commit.remove(QLatin1Char('\r'));
        filtered.setCommitString(commit, event->replacementStart(), event->replacementLength());
        QLineEdit::inputMethodEvent(&filtered);
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

}  // namespace vardo
