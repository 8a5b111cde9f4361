// The window's commands: page navigation, new year, annual text, printing, help, About, the
// correction buttons and the wiring of every menu item and button to them.
#include <QAction>
#include <QShortcut>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>

#include "app/messages.h"
#include "app/window/error_guard.h"
#include "app/fields/field_binder.h"
#include "app/window/main_window.h"
#include "app/window/page_control.h"
#include "app/window/save_dialog.h"
#include "app/window/utf8.h"
#include "app/window/year_saver.h"
#include "app/about/about_box.h"
#include "controls/align_edit.h"
#include "app/help/help_access.h"
#include "controls/message_box.h"
#include "persist/annual_text_file.h"
#include "persist/year_archive.h"
#include "persist/year_text.h"
#include "reports/qt/print_commands.h"
#include "reports/report_text.h"

namespace vardo::app {

namespace {

void defaultInformation(QWidget* parent, const QString& text) {
    showMessageBox(QMessageBox::Information, QStringLiteral("Information"), text, parent);
}

// Opened empty every time. The dialog does not ask before replacing a file: the command does,
// whatever dialog the desktop provides.
QString defaultSaveFileName(QWidget* parent) {
    return askSaveFileName(parent, {QStringLiteral("Sauvegarder sous..."),
                                    QStringLiteral("SaveDialog1"), QStringLiteral("txt"),
                                    QStringLiteral("Fichier Texte (*.txt)"), QString(), false});
}

}  // namespace

void MainWindow::connectCommands() {
    // Every command runs through the one guard and leaves the menu marks as the model has them.
    auto wire = [this](QAction* action, std::function<void()> command) {
        connect(action, &QAction::triggered, this, [this, command] {
            guarded(command);
            syncMenuChecks();
        });
    };
    auto wireButton = [this](QPushButton* button, std::function<void()> command) {
        connect(button, &QPushButton::clicked, this, [command] { guarded(command); });
    };

    wire(menuItem(Menu::NewYear), [this] { newYear(); });
    wire(menuItem(Menu::SaveAnnualText), [this] { saveAnnualText(); });
    wire(menuItem(Menu::SaveAnnualTextAs), [this] { saveAnnualTextAs(); });
    wire(menuItem(Menu::PrintAnnual), [this] { printAnnual(); });
    wire(menuItem(Menu::Quit), [this] { quit(); });
    for (int page = 0; page < kPages; ++page)
        wire(menuItem(navigationItem(page)), [this, page] { showPageCommand(page); });
    wire(menuItem(Menu::HelpTopics), [this] { openHelpCommand(); });
    wire(menuItem(Menu::About), [this] { aboutCommand(); });

    for (int m = 0; m < kMonths; ++m) {
        wireButton(button(utf8(correctionButtonName(m))), [this, m] { correction(m); });
        wireButton(button(utf8(monthPrintButtonName(m))), [this, m] { printMonth(m); });
    }
    wireButton(button(utf8(kSaveButtonName)), [this] { saveAnnualText(); });
    wireButton(button(utf8(kAnnualPrintButtonName)), [this] { printAnnual(); });

    // Next and previous page from anywhere in the window; no menu item carries these keys.
    for (const auto& [keys, step] : {std::pair{Qt::CTRL | Qt::Key_PageDown, 1},
                                     std::pair{Qt::CTRL | Qt::Key_PageUp, -1}}) {
        auto* shortcut = new QShortcut(QKeySequence(keys), this);
        connect(shortcut, &QShortcut::activated, this, [this, turn = step] { pages_->turn(turn); });
    }
}

void MainWindow::showPageCommand(int page) {
    pages_->setCurrentIndex(page);
    ledger_->checkNavigation(page);
}

void MainWindow::showField(int month, FieldId id) {
    showPageCommand(month);
    AlignedEdit* target = field(id);
    // A 29 February the calendar year does not have is hidden: the page is all there is to show.
    if (target->isVisible()) target->setFocus(Qt::OtherFocusReason);
}

void MainWindow::inform(const QString& text) {
    setup_.information ? setup_.information(this, text) : defaultInformation(this, text);
}

bool MainWindow::ask(const QString& text) {
    if (setup_.question) return setup_.question(this, text);
    return askYesNo(QString::fromUtf8(kApplicationTitle), text, this);
}

// The field that has the focus is left first, so a reading typed just before the command counts
// and is archived with its updates. Then the question, "Non" by default: the reset is one
// keystroke away in the menu. The year is kept in an archive unless it holds nothing; when the
// archive fails, the reset does not happen, since the year is saved as it goes and would be gone
// a second later. A year text that cannot name the archive stops the command before anything is
// asked, written or reset.
void MainWindow::newYear() {
    if (!leaveFocusedField()) return;
    yearForFileName(comptabilite());
    const bool keep = holdsAYear(form_);
    if (!ask(newYearQuestion(keep ? nextArchiveFileName(setup_.filesFolder, comptabilite()) : "")))
        return;
    pages_->setCurrentIndex(kJanuary);
    const std::string archive = keep ? archiveYear(form_, setup_.filesFolder) : std::string{};
    // The journal's lines reach the disk before it is put aside with the year; the reset's own
    // writes are summed up in the new journal's first entry.
    saver_->flushJournal();
    {
        journal_->pause(true);
        struct Resume {
            JournalKeeper& keeper;
            ~Resume() { keeper.pause(false); }
        } resume{*journal_};
        ledger_->resetYear();
    }
    journal_->recordNewYear(keep ? journalArchiveName(archive) : std::string{});
    field(balanceField(kJanuary, Balance::KMIn))->setFocus(Qt::OtherFocusReason);
}

void MainWindow::saveAnnualText() {
    if (!leaveFocusedField()) return;
    const std::vector<std::string> lines =
        annualTextLines(form_, ledger_->calendarYear(), savedFileLabels(), true);
    // Named after the program, in the folder of the program's files.
    const std::string programName = setup_.programPath.substr(setup_.programPath.rfind('/') + 1);
    const std::string fileName =
        annualTextFileName(setup_.filesFolder + programName, comptabilite());
    writeAnnualTextSave(lines, fileName);
    inform(QString::fromStdString(saveConfirmationText(fileName)));
}

void MainWindow::saveAnnualTextAs() {
    if (!leaveFocusedField()) return;
    const std::vector<std::string> lines =
        annualTextLines(form_, ledger_->calendarYear(), savedFileLabels(), false);
    const QString name =
        setup_.saveFileName ? setup_.saveFileName(this) : defaultSaveFileName(this);
    if (name.isEmpty()) return;
    if (QFileInfo::exists(name) &&
        !ask(replaceFileQuestion(QDir::toNativeSeparators(name))))
        return;
    writeAnnualTextSaveAs(lines, name.toStdString());
}

PrintService& MainWindow::printService() {
    if (!printService_)
        printService_ = std::make_unique<PrintService>(
            setup_.printPlatform ? *setup_.printPlatform : PrintService::systemPlatform());
    return *printService_;
}

void MainWindow::printMonth(int month) {
    if (!leaveFocusedField()) return;
    printMonthReport(printService(), form_, ledger_->calendarYear(), month, this, font());
}
void MainWindow::printAnnual() {
    if (!leaveFocusedField()) return;
    printAnnualReport(printService(), form_, ledger_->calendarYear(), this, font());
}

void MainWindow::openHelpCommand() {
    openHelp();
}

// The About window is one of the program's own: coming back from it is an activation.
void MainWindow::aboutCommand() {
    aboutBox_->exec(this);
    rereadOptions();
}

void MainWindow::saveNow() {
    saver_->flush();
}

void MainWindow::correction(int month) {
    journal_->recordCorrection(month, !ledger_->inCorrection(month));
    ledger_->pressCorrection(month);
}

}  // namespace vardo::app
