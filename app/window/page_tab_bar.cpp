#include "app/window/page_tab_bar.h"

#include <QKeyEvent>

namespace vardo::app {

namespace {

// Restores the flag however the page change ends (a show handler may fail).
class WalkScope {
public:
    WalkScope(bool& flag, bool on) : flag_(flag), was_(flag) { flag_ = on; }
    ~WalkScope() { flag_ = was_; }
    WalkScope(const WalkScope&) = delete;
    WalkScope& operator=(const WalkScope&) = delete;

private:
    bool& flag_;
    bool was_;
};

bool entersThePage(const QKeyEvent* key) {
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier) return false;
    return key->key() == Qt::Key_Tab || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

}  // namespace

PageTabBar::PageTabBar(QWidget* parent) : QTabBar(parent) {
    setAccessibleName(QStringLiteral("Pages"));
}

void PageTabBar::moveTo(int index) {
    const WalkScope scope(walking_, hasFocus());
    setCurrentIndex(index);
}

// Tab is taken before keyPressEvent, to move the focus along the chain: here it enters the page.
bool PageTabBar::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress && entersThePage(static_cast<QKeyEvent*>(event))) {
        emit entered();
        return true;
    }
    return QTabBar::event(event);
}

void PageTabBar::keyPressEvent(QKeyEvent* event) {
    const WalkScope scope(walking_, true);
    QTabBar::keyPressEvent(event);
}

}  // namespace vardo::app
