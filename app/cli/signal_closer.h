#pragma once
// SIGTERM, SIGHUP and SIGINT, and the end of the desktop session, close the main window by its
// ordinary path, with nobody at the screen, so the year and the options are saved as at any
// close. The signal handler only writes a byte to a pipe; the event loop (or the loop of a box
// that is open) reads it and runs the close. The handlers stay in place as long as this object:
// a second signal while the year is being saved lets that save finish.
#include <QObject>
#include <functional>

class QSocketNotifier;

namespace vardo::app {

class SignalCloser : public QObject {
    Q_OBJECT
public:
    explicit SignalCloser(std::function<void()> close = {}, QObject* parent = nullptr);
    ~SignalCloser() override;

    // What a signal runs; empty: a signal is noted and nothing else happens.
    void setClose(std::function<void()> close) { close_ = std::move(close); }

private:
    void closeRequested();

    std::function<void()> close_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace vardo::app
