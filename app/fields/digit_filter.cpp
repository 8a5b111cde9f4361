#include "app/fields/digit_filter.h"

#include <QApplication>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>

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

bool onlyDigits(const QString& text) {
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

namespace {

// Text composed by an input method (a dead key, a compose sequence) is typed text: only its
// digits go in. The composition shown while it is being typed is left alone.
bool filterComposedText(QObject* watched, QInputMethodEvent* event) {
    const QString commit = event->commitString();
    if (onlyDigits(commit)) return false;
    QString digits;
    for (const QChar c : commit)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) digits.append(c);
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(digits, event->replacementStart(), event->replacementLength());
    QCoreApplication::sendEvent(watched, &filtered);
    return true;
}

// Dropped text is refused unless it is all digits; a paste stays the way to bring in anything.
bool refusesDrop(QEvent* event) {
    auto* drop = static_cast<QDropEvent*>(event);
    const QMimeData* data = drop->mimeData();
    if (!data || !data->hasText() || onlyDigits(data->text())) return false;
    drop->setDropAction(Qt::IgnoreAction);
    drop->ignore();
    return true;
}

}  // namespace

bool DigitKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::InputMethod:
            return filterComposedText(watched, static_cast<QInputMethodEvent*>(event));
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return refusesDrop(event);
        case QEvent::KeyPress:
            break;
        default:
            return false;
    }
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
