#pragma once
// Acting on a modal window from inside its modal loop, with a bound: the action runs as soon as
// a modal window of the expected type is up; when none comes within the time allowed, the test
// fails and whatever modal window there is gets closed, so a missing window never hangs a test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <type_traits>

namespace vardo::testing {

template <class Window = QWidget>
void whenModalWindow(std::type_identity_t<std::function<void(Window*)>> action,
                     int timeoutMs = 5000) {
    auto* poll = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(poll, &QTimer::timeout, [poll, clock, action, timeoutMs] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* window = qobject_cast<Window*>(modal)) {
            action(window);
        } else if (clock->elapsed() < timeoutMs) {
            return;
        } else {
            ADD_FAILURE() << "no modal window came up within " << timeoutMs << " ms";
            if (modal) modal->close();
        }
        poll->stop();
        poll->deleteLater();
        delete clock;
    });
    poll->start(10);
}

}  // namespace vardo::testing
