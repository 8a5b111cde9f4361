#include "app/pages/access_key_button.h"

#include <QShortcutEvent>

namespace vardo::app {

bool AccessKeyButton::event(QEvent* event) {
    // An ambiguous key (two visible buttons sharing it) keeps Qt's answer: the focus moves
    // between them and nothing runs.
    if (event->type() == QEvent::Shortcut && isEnabled() &&
        !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
        click();
        return true;
    }
    return QPushButton::event(event);
}

}  // namespace vardo::app
