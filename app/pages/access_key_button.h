#pragma once
// A page's push button pressed by its access key at once, not a moment later.
#include <QPushButton>

namespace vardo::app {

// QAbstractButton answers its access key with animateClick(), which shows the button pressed and
// emits clicked() only some 100 ms later. A reading typed right after Alt+C reached a box that
// "&Corriger" had not opened yet: the first digits were refused and the rest replaced the
// reading. This button runs its command inside the key press, so the next key finds it done.
class AccessKeyButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent* event) override;
};

}  // namespace vardo::app
