// Start-up and close order of the main window.
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QMoveEvent>
#include <QScreen>
#include <vector>

#include "app/fields/field_binder.h"
#include "app/messages.h"
#include "app/window/error_guard.h"
#include "app/window/main_window.h"
#include "app/window/page_control.h"
#include "app/window/regional.h"
#include "app/window/status_bar.h"
#include "app/window/year_saver.h"
#include "app/help/help_access.h"
#include "persist/options.h"
#include "persist/startup_copy.h"
#include "persist/store_location.h"

namespace vardo::app {

void MainWindow::prepareBeforeLoad() {
    loadOptions(form_, setup_.filesFolder);
    pages_->setCurrentIndex(ledger_->activePageFromChecks());
    startupCopy(setup_.filesFolder, setup_.programPath);
    ledger_->startupUnlockPass();
    form_.setPanel(kDatePanel, "Date : " + shortDate(setup_.locale, setup_.today()).toStdString());
    ledger_->setAccountingYearDefault(setup_.today().year());
}

void MainWindow::rereadOptions() {
    guarded([&] { loadOptions(form_, setup_.filesFolder); });
    syncMenuChecks();
}

void MainWindow::closeHelpWindows() {
    closeAllHelp();
}

void MainWindow::start() {
    // A write that a kill cut short left its new file beside the old one.
    removeLeftoverTemporaries(setup_.filesFolder, setup_.programPath);
    // The creation event: prepareBeforeLoad first; an error there is shown and the load still runs.
    // The stored figures have the last word until the first recount.
    ledger_->beginRestore();
    guarded([&] { store_.onWindowCreated([&] { guarded([&] { prepareBeforeLoad(); }); }); });
    ledger_->endRestore();
    syncMenuChecks();
    centreOnScreen();
    show();
    // The page was made current before the window was shown: its show handler runs now.
    pageShown(pages_->currentIndex());
    rereadOptions();
    // What the user changes from now on is saved as it comes.
    saver_->watch();
    // The journal goes on from the year as loaded; what it did not see is recorded first.
    if (store_.saves() && !store_.unreadable()) guarded([&] { journal_->start(); });
    started_ = true;
    if (closeRequested_) close();
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

// Close box, Alt+F4, the system menu, "&Quitter", a signal or the session's end: one path. The
// year is saved first, so that nothing waits on the user before it is on disk; the messages come
// after.
void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (closed_) return;
    closed_ = true;
    std::vector<std::string> messages;
    auto noteFailure = [&messages](auto&& step) {
        try {
            step();
        } catch (const std::exception& failure) {
            messages.emplace_back(failure.what());
        }
    };
    noteFailure([&] {
        const FieldId focused = binder_->fieldOf(focusWidget());
        if (focused >= 0) ledger_->leaveField(focused);
        ledger_->bringUpToDate();
    });
    journal_->recordClose();
    noteFailure([&] { saver_->flush(); });
    saver_->clearPending();  // a failure is told now, not again at destruction
    noteFailure([&] { saveOptions(form_, setup_.filesFolder); });
    if (store_.unreadable() && !store_.recoveryFile().empty())
        messages.push_back(unreadableStoreMessage(store_.filePath(), store_.recoveryFile()));
    for (const std::string& message : messages) showError(message);
}

void MainWindow::closeUnattended() {
    setUnattended(true);
    // A box open now would wait for nobody: it is refused, as by its Escape key.
    for (int open = 0; open < 16; ++open) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == this) break;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    }
    if (started_)
        close();
    else
        closeRequested_ = true;
}

void MainWindow::quit() {
    close();
}

}  // namespace vardo::app
