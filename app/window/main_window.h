#pragma once
// The main window: thirteen pages of aligned edits bound to the form model, the header
// fields, the menu bar and the status bar. The view never computes: it shows the model's fields
// and calls the ledger's operations.
#include <QDate>
#include <QHash>
#include <QLocale>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/tools/tools_host.h"
#include "app/window/anomaly_marks.h"
#include "ledger/form_model.h"
#include "ledger/ledger.h"
#include "ledger/version.h"
#include "persist/form_store.h"
#include "persist/journal_keeper.h"
#include "reports/qt/print_service.h"

class QAction;
class QLabel;
class QPushButton;

namespace vardo {
class AboutBox;
class AlignedEdit;
}  // namespace vardo

namespace vardo::app {

class DigitKeyFilter;
class FieldBinder;
class LabelLayer;
class PageControl;
class StatusPanels;
class YearSaver;

// What the window takes from its surroundings; tests replace the clock and the dialogs.
struct WindowSetup {
    std::string filesFolder;  // where the program keeps its files, ending with '/'
    std::string programPath;  // the running program, as bytes
    QLocale locale = QLocale::system();
    std::function<QDate()> today = [] { return QDate::currentDate(); };
    // The information box of the save command ("Information").
    std::function<void(QWidget*, const QString&)> information;
    // A question answered "Oui" (true) or "Non"; empty: the question box.
    std::function<bool(QWidget*, const QString&)> question;
    // The save-as dialog; an empty name means cancelled.
    std::function<QString(QWidget*)> saveFileName;
    // The printing platform (print dialog, printer); empty: the system's.
    std::optional<PrintService::Platform> printPlatform;
};

inline constexpr const char* kWindowCaption = kProgramCaption;
inline constexpr int kClientWidth = 649;
inline constexpr int kClientHeight = 476;

class MainWindow : public QMainWindow, public ToolsHost {
    Q_OBJECT
public:
    explicit MainWindow(WindowSetup setup, QWidget* parent = nullptr);
    // Destruction: the store's save, then FormDestroy (the help windows closed).
    ~MainWindow() override;

    FormModel& form() { return form_; }
    Ledger& ledger() { return *ledger_; }
    FormStore& store() { return store_; }
    YearSaver& saver() { return *saver_; }
    JournalKeeper& journal() { return *journal_; }
    const WindowSetup& setup() const { return setup_; }

    AlignedEdit* field(std::string_view name) const;
    AlignedEdit* field(FieldId id) const;
    QAction* menuItem(Menu item) const { return menuItem(menuId(item)); }
    QAction* menuItem(MenuId id) const { return menuActions_[static_cast<std::size_t>(id)]; }
    QAction* menuItem(const QString& name) const;  // nullptr when no item has that name
    QPushButton* button(const QString& name) const;
    PageControl* pages() const { return pages_; }
    StatusPanels* statusPanels() const { return status_; }
    // Whether February's row 29 (its day number and its two fields) is shown.
    bool day29Shown() const;

    // Start-up after construction (main_window_lifecycle.cpp): the creation event
    // (prepareBeforeLoad, then the store's load), the window shown centred, the active page's
    // show handler, the activation.
    void start();
    // The window's part of its creation: options read, page chosen, start-up copy, unlock pass,
    // date panel, accounting-year default.
    void prepareBeforeLoad();
    // Each activation: the options file read again, the menu's check marks brought in line.
    void rereadOptions();
    // At destruction, after the store's save.
    void closeHelpWindows();
    // A close with nobody at the screen (a signal, the end of the session): an open box is
    // refused, messages go to the standard error output; during start-up, the close waits
    // for the start-up to end.
    void closeUnattended();
    bool closed() const { return closed_; }

    // Commands (main_window_commands.cpp).
    void showPageCommand(int page);
    void newYear();
    void saveAnnualText();
    void saveAnnualTextAs();
    void printMonth(int month);
    void printAnnual();
    void openHelpCommand();
    void aboutCommand();
    void correction(int month);
    void quit();
    // Runs the exit handler of the field that has the focus, as leaving it would, then recounts
    // the year unless nothing changed since start-up (Ledger::bringUpToDate): saving, printing,
    // the new year and the tools run it first. False when it failed (its error was shown).
    bool leaveFocusedField() override;

    // What the "Outils" menu sees of the window.
    QWidget* dialogParent() override { return this; }
    const FormModel& year() const override { return form_; }
    const std::string& filesFolder() const override { return setup_.filesFolder; }
    void showField(int month, FieldId id) override;
    void inform(const QString& text) override;
    void saveNow() override;
    // The program's one print path, made at the first print command.
    PrintService& printService() override;
    int calendarYear() const override { return ledger_->calendarYear(); }
    DerivedYear figures() const override { return ledger_->derive(); }
    // The question box, or what the setup puts in its place.
    bool ask(const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    class ModelEcho;

    void buildWindow();
    void bindFields(const std::vector<AlignedEdit*>& fields);
    void connectCommands();
    void onFocusChanged(QWidget* old, QWidget* now);
    bool leaveField(FieldId id, bool later = true);
    // February's day number 29 and its two boxes shown or hidden.
    void showDay29(bool visible);
    void pageShown(int page);
    void enterPage(int page);
    void syncMenuChecks();
    std::string comptabilite() const;
    void centreOnScreen();

    WindowSetup setup_;
    FormModel form_;
    std::unique_ptr<Ledger> ledger_;
    std::unique_ptr<AnomalyMarks> marks_;  // the check's anomalies, in red in their boxes
    FormStore store_;
    std::unique_ptr<JournalKeeper> journal_;  // the journal of the inputs, beside the year
    FieldBinder* binder_ = nullptr;
    DigitKeyFilter* digits_ = nullptr;
    std::unique_ptr<ModelEcho> echo_;
    PageControl* pages_ = nullptr;
    StatusPanels* status_ = nullptr;
    LabelLayer* februaryDays_ = nullptr;
    int day29Caption_ = -1;
    FieldId pageFocus_ = -1;  // where the month page shown puts the focus; -1 on "Bilan"
    std::array<QAction*, kMenuCount> menuActions_{};
    QHash<QString, QPushButton*> buttons_;
    AboutBox* aboutBox_ = nullptr;
    std::unique_ptr<PrintService> printService_;
    YearSaver* saver_ = nullptr;
    bool started_ = false;
    bool closeRequested_ = false;  // by a signal during start-up
    bool closed_ = false;          // the close has saved the year
    bool destroyed_ = false;
    bool centredWithFrame_ = false;
};

}  // namespace vardo::app
