#include "app/digit_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace vardo::app {

bool digitKeyPasses(int key, const QString& text) {
    switch (key) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:  // types nothing, though X11 gives it the DEL character
        case Qt::Key_Return:  // the field itself refuses it, with its beep
        case Qt::Key_Enter:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return true;
        default:
            break;
    }
    if (text.isEmpty()) return true;  // arrows, Home, End and other keys that type nothing
    const QChar c = text.front();
    return text.size() == 1 && c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

void DigitKeyFilter::attach(QLineEdit* edit, int maxLength) {
    edit->installEventFilter(this);
    if (maxLength > 0) {
        limits_.insert(edit, maxLength);
        connect(edit, &QObject::destroyed, this, [this, edit] { limits_.remove(edit); });
    }
}

bool DigitKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (!digitKeyPasses(key->key(), key->text())) return true;
    const int limit = maxLength(watched);
    if (limit > 0 && !key->text().isEmpty() && key->text().front().isDigit()) {
        auto* edit = static_cast<QLineEdit*>(watched);
        if (!edit->isReadOnly() && edit->text().size() - edit->selectedText().size() >= limit) {
            QApplication::beep();
            return true;
        }
    }
    return false;
}

}  // namespace vardo::app
