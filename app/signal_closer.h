#pragma once
// SIGTERM, SIGHUP and SIGINT, and the end of the desktop session, close the main window by its
// ordinary path, so the options and the year are saved as at any close. The signal handler only
// writes a byte to a pipe; the event loop reads it and closes the window.
#include <QObject>
#include <QPointer>

class QSocketNotifier;
class QWidget;

namespace vardo::app {

class SignalCloser : public QObject {
    Q_OBJECT
public:
    explicit SignalCloser(QWidget* window, QObject* parent = nullptr);
    ~SignalCloser() override;

private:
    void closeWindow();

    QPointer<QWidget> window_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace vardo::app
