#include "app/help/help_access.h"

#include <QList>
#include <QPointer>

#include "app/help/help_topics.h"
#include "app/help/help_window.h"

namespace vardo {

namespace {

struct HelpModule {
    bool attached = false;
    QList<QPointer<HelpWindow>> windows;
};

HelpModule& module() {
    static HelpModule state;
    return state;
}

void forgetClosedWindows() {
    module().windows.removeIf([](const QPointer<HelpWindow>& window) { return window.isNull(); });
}

}  // namespace

void attachHelpViewer() {
    HelpModule& state = module();
    if (state.attached) return;
    registerHelpPages();
    state.attached = true;
}

void detachHelpViewer() {
    closeAllHelp();
    HelpModule& state = module();
    state.attached = false;
}

bool helpViewerAttached() {
    return module().attached;
}

void runStartupProbe(const QStringList& commandLine, const QString& reportFallback) {
    ProbeEnvironment environment = currentProbeEnvironment(commandLine);
    if (!reportFallback.isEmpty()) environment.cacheFolder = reportFallback;
    runProbe(environment);
}

void openHelp() {
    // The viewer is part of the program: attaching on demand keeps the command working even when
    // the start-up order was not followed.
    attachHelpViewer();
    forgetClosedWindows();
    HelpModule& state = module();
    HelpWindow* window = state.windows.isEmpty() ? nullptr : state.windows.front().data();
    if (window == nullptr) {
        window = new HelpWindow;
        state.windows.append(window);
    }
    window->showTopic(defaultHelpTopic());
    window->show();
    if (window->isMinimized()) window->showNormal();
    window->raise();
    window->activateWindow();
}

void closeAllHelp() {
    forgetClosedWindows();
    const QList<QPointer<HelpWindow>> windows = module().windows;
    module().windows.clear();
    for (const QPointer<HelpWindow>& window : windows) {
        if (!window) continue;
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->close();
        delete window.data();
    }
}

QWidget* currentHelpWindow() {
    forgetClosedWindows();
    return module().windows.isEmpty() ? nullptr : module().windows.front().data();
}

}  // namespace vardo
