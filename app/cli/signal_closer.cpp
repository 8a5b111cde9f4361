#include "app/cli/signal_closer.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QSocketNotifier>

namespace vardo::app {

namespace {

int pipeEnds[2] = {-1, -1};

extern "C" void onCloseSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
}

}  // namespace

SignalCloser::SignalCloser(std::function<void()> close, QObject* parent)
    : QObject(parent), close_(std::move(close)) {
    if (pipeEnds[0] < 0 && ::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) pipeEnds[0] = -1;
    if (pipeEnds[0] >= 0) {
        notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, [this] {
            char buffer[16];
            while (::read(pipeEnds[0], buffer, sizeof buffer) > 0) {
            }
            closeRequested();
        });
        struct sigaction action = {};
        action.sa_handler = onCloseSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int signal : {SIGTERM, SIGHUP, SIGINT}) sigaction(signal, &action, nullptr);
    }
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this, [this] { closeRequested(); });
}

SignalCloser::~SignalCloser() {
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) sigaction(signal, &action, nullptr);
}

void SignalCloser::closeRequested() {
    if (close_) close_();
}

}  // namespace vardo::app
