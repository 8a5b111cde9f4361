// Start-up and close order of the main window.
#include <QCloseEvent>
#include <QMoveEvent>
#include <QGuiApplication>
#include <QScreen>

#include "app/error_guard.h"
#include "app/main_window.h"
#include "app/page_control.h"
#include "app/regional.h"
#include "app/status_bar.h"
#include "controls/help_access.h"
#include "persist/options.h"
#include "persist/startup_copy.h"

namespace vardo::app {

void MainWindow::formCreate() {
    loadOptions(form_, setup_.programFolder);
    pages_->setCurrentIndex(ledger_->activePageFromChecks());
    startupCopy(setup_.programFolder, setup_.programPath, form_.memo());
    ledger_->startupUnlockPass();
    form_.setPanel(kDatePanel, "Date : " + shortDate(setup_.locale, setup_.today()).toStdString());
    ledger_->setAccountingYearDefault(setup_.today().year());
}

void MainWindow::formActivate() {
    guarded([&] { loadOptions(form_, setup_.programFolder); });
    syncMenuChecks();
}

void MainWindow::formDestroy() {
    closeAllHelp();
}

void MainWindow::start() {
    // The creation event: FormCreate first; an error there is shown and the load still runs.
    // The stored annual figures have the last word over the recomputations the load fires.
    ledger_->setRestoring(true);
    guarded([&] { store_.onWindowCreated([&] { guarded([&] { formCreate(); }); }); });
    ledger_->setRestoring(false);
    syncMenuChecks();
    centreOnScreen();
    show();
    // The page was made current before the window was shown: its show handler runs now.
    pageShown(pages_->currentIndex());
    formActivate();
}

void MainWindow::centreOnScreen() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

// The window manager makes the frame known only once the window is shown: the first move that
// brings it centres the window again, frame included.
void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (!centredWithFrame_ && isVisible() && frameGeometry() != geometry()) {
        centredWithFrame_ = true;
        centreOnScreen();
    }
}

// Close box, Alt+F4, the system menu, "&Quitter", a signal or the session's end: one path.
void MainWindow::closeEvent(QCloseEvent* event) {
    guarded([&] { saveOptions(form_, setup_.programFolder); });
    event->accept();
}

void MainWindow::quit() {
    close();
}

}  // namespace vardo::app
