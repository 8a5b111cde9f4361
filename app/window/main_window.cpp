#include "app/window/main_window.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>

#include "app/pages/bilan_page.h"
#include "app/fields/digit_filter.h"
#include "app/window/error_guard.h"
#include "app/fields/field_binder.h"
#include "app/pages/header_fields.h"
#include "app/pages/label_layer.h"
#include "app/window/menu_bar.h"
#include "app/pages/month_page.h"
#include "app/window/page_control.h"
#include "app/window/regional.h"
#include "app/window/status_bar.h"
#include "app/tools/tools_menu.h"
#include "app/window/utf8.h"
#include "app/window/year_saver.h"
#include "app/about/about_box.h"
#include "controls/align_edit.h"
#include "persist/file_names.h"

// The icon lives in this static library's resources, which the linker keeps only when asked.
static void initAppResources() {
    Q_INIT_RESOURCE(vardo);
}

namespace vardo::app {

namespace {

// The day fields, the month's initial readings and three header fields take digits only.
bool isDigitField(FieldId id) {
    if (id >= headerField(Header::Comptabilite)) return id != headerField(Header::Vehicule);
    if (id >= gridField(0, GridColumn::KMIni)) return false;
    for (int m = 0; m < kMonths; ++m)
        if (id == balanceField(m, Balance::KMIn)) return true;
    return !designReadOnly(id);
}

}  // namespace

// Pushes the model's menu check marks, status panels and button captions into the widgets.
class MainWindow::ModelEcho : public FormObserver {
public:
    explicit ModelEcho(MainWindow& window) : window_(window) {}
    void checkedChanged(MenuId id) override {
        if (QAction* action = window_.menuItem(id)) action->setChecked(window_.form_.checked(id));
    }
    void panelChanged(int index) override {
        window_.status_->setPanelText(index, QString::fromStdString(window_.form_.panel(index)));
    }
    void correctionCaptionChanged(int month) override {
        if (QPushButton* b = window_.button(utf8(correctionButtonName(month))))
            b->setText(QString::fromStdString(window_.form_.correctionCaption(month)));
    }

private:
    MainWindow& window_;
};

MainWindow::MainWindow(WindowSetup setup, QWidget* parent)
    : QMainWindow(parent),
      setup_(std::move(setup)),
      ledger_(std::make_unique<Ledger>(form_, regionalSettings(setup_.locale),
                                       [this] { return dateTimeValue(setup_.today()); })),
      store_(form_) {
    initAppResources();
    setObjectName(utf8(kMainWindowName));
    setWindowTitle(QString::fromUtf8(kWindowCaption));
    setWindowIcon(QIcon(QStringLiteral(":/vardo/vardo.png")));
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowMinimizeButtonHint |
                    Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint) &
                   ~Qt::WindowMaximizeButtonHint);
    binder_ = new FieldBinder(form_, this);
    digits_ = new DigitKeyFilter(this);
    echo_ = std::make_unique<ModelEcho>(*this);
    form_.addObserver(echo_.get());
    buildWindow();
    marks_ = std::make_unique<AnomalyMarks>(form_, [this](FieldId id) { return field(id); });
    connectCommands();
    menuBar()->insertMenu(menuItem(Menu::Help), (new ToolsMenu(*this, this))->menu());
    aboutBox_ = new AboutBox(this);
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::onFocusChanged);
    setErrorBoxParent(this);
    // The store attaches itself once every component has loaded.
    store_.windowLoaded(setup_.filesFolder, setup_.programPath);
    saver_ = new YearSaver(form_, store_, this);
    journal_ = std::make_unique<JournalKeeper>(form_, setup_.filesFolder + std::string(kJournalName));
    saver_->keepJournal(journal_.get());
}

MainWindow::~MainWindow() {
    if (!destroyed_) {
        destroyed_ = true;
        disconnect(qApp, &QApplication::focusChanged, this, &MainWindow::onFocusChanged);
        // Saved at the close already, unless something changed since (or there was no close).
        saver_->finishWrites();
        if (!closed_ || saver_->dirty()) {
            guarded([&] { saver_->flushJournal(); });
            guarded([&] { store_.onWindowDestroyed(nullptr); });
        }
        closeHelpWindows();
    }
    form_.removeObserver(echo_.get());
    // The binder observes the model, which is a member: it goes before the members do (the
    // window's children are only deleted after them, by the base class).
    delete binder_;
    binder_ = nullptr;
    delete saver_;
    saver_ = nullptr;
    journal_.reset();
}

void MainWindow::buildWindow() {
    menuActions_ = buildMenuBar(menuBar());
    for (int page = 0; page < kPages; ++page) {
        QAction* item = menuItem(navigationItem(page));
        item->setCheckable(true);
        item->setChecked(form_.checked(navigationItem(page)));
    }

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    pages_ = new PageControl(client);
    pages_->setGeometry(8, 64, 633, 385);
    std::vector<AlignedEdit*> fields;
    for (int m = 0; m < kMonths; ++m) {
        QWidget* page =
            pages_->addPage(utf8(monthInfo(m).caption));
        MonthPage built = buildMonthPage(page, m);
        for (QPushButton* b : {built.correction, built.print}) buttons_.insert(b->objectName(), b);
        if (m == kFebruary) {
            februaryDays_ = built.dayNumbers;
            day29Caption_ = built.day29;
        }
        fields.insert(fields.end(), built.fields.begin(), built.fields.end());
    }
    BilanPage bilan =
        buildBilanPage(pages_->addPage(utf8(kBilanCaption)));
    fields.insert(fields.end(), bilan.fields.begin(), bilan.fields.end());
    for (QPushButton* b : {bilan.save, bilan.print}) buttons_.insert(b->objectName(), b);
    for (const HeaderField& header : buildHeaderFields(client)) {
        fields.push_back(header.edit);
        if (header.digitsOnly) digits_->attach(header.edit, header.maxLength);
    }
    bindFields(fields);

    status_ = new StatusPanels(client);
    status_->setGeometry(0, 457, kClientWidth, 19);
    for (int i = 0; i < kStatusPanels; ++i)
        status_->setPanelText(i, QString::fromStdString(form_.panel(i)));

    // Active page in the design: "Bilan".
    pages_->setCurrentIndex(kBilanPage);
    connect(pages_, &PageControl::pageShown, this, &MainWindow::pageShown);
    connect(pages_, &PageControl::pageEntered, this, &MainWindow::enterPage);
    adjustSize();
    setFixedSize(sizeHint());
}

void MainWindow::bindFields(const std::vector<AlignedEdit*>& fields) {
    for (AlignedEdit* edit : fields) {
        const FieldId id = binder_->bind(edit);
        if (id >= headerField(Header::Comptabilite)) {
            // The header fields keep the window colour and font whether focused or not.
            binder_->setLengthLimit(id, digits_->maxLength(edit));
        } else if (isDigitField(id)) {
            digits_->attach(edit);
        }
    }
}

AlignedEdit* MainWindow::field(std::string_view name) const {
    return binder_->edit(name);
}
AlignedEdit* MainWindow::field(FieldId id) const {
    return binder_->edit(id);
}

bool MainWindow::day29Shown() const {
    return februaryDays_->captionVisible(day29Caption_) &&
           !field(morningField(kFebruary, kFebruaryLeapDay))->isHidden() &&
           !field(eveningField(kFebruary, kFebruaryLeapDay))->isHidden();
}

QAction* MainWindow::menuItem(const QString& name) const {
    const MenuId id = form_.findMenuItem(name.toStdString());
    return id < 0 ? nullptr : menuItem(id);
}

QPushButton* MainWindow::button(const QString& name) const {
    return buttons_.value(name);
}

// Exit handlers run when the focus moves to another control of this window: not when the window
// loses activation, nor when a menu or a popup takes the keyboard.
void MainWindow::onFocusChanged(QWidget* old, QWidget* now) {
    if (!old || !now || old->window() != this || now->window() != this) return;
    if (qobject_cast<QMenuBar*>(now) || qobject_cast<QMenu*>(now)) return;
    const FieldId id = binder_->fieldOf(old);
    if (id < 0) return;
    leaveField(id);
}

// The marks follow every exit, whether the focus moved or a command ran it; so does February's
// row 29 when the accounting year is left.
bool MainWindow::leaveField(FieldId id, bool later) {
    const bool left = guarded([&] { ledger_->leaveField(id); }, later);
    marks_->refresh(ledger_->calendarYear());
    if (id == headerField(Header::Comptabilite)) showDay29(ledger_->februaryHasDay29());
    return left;
}

void MainWindow::showDay29(bool visible) {
    februaryDays_->setCaptionVisible(day29Caption_, visible);
    field(morningField(kFebruary, kFebruaryLeapDay))->setVisible(visible);
    field(eveningField(kFebruary, kFebruaryLeapDay))->setVisible(visible);
}

bool MainWindow::leaveFocusedField() {
    const FieldId id = binder_->fieldOf(focusWidget());
    return (id < 0 || leaveField(id, false)) && guarded([&] { ledger_->bringUpToDate(); });
}

void MainWindow::pageShown(int page) {
    // A page chosen before the window is shown gets its show handler when the window shows.
    if (!isVisible()) return;
    pageFocus_ = -1;
    guarded([&] {
        if (page == kBilanPage) {
            ledger_->showBilanPage();
            return;
        }
        const Ledger::MonthPageShown shown = ledger_->showMonthPage(page);
        if (page == kFebruary) showDay29(shown.day29Visible);
        pageFocus_ = shown.focus;
        // Walking the tabs from the keyboard, the focus stays on them until the page is entered.
        if (!pages_->walkingTabs()) field(shown.focus)->setFocus(Qt::OtherFocusReason);
    });
    syncMenuChecks();
}

// Tab or Entrée on the tabs: where showing the page puts the focus; on "Bilan", which puts it
// nowhere, the page's first box in the tab order.
void MainWindow::enterPage(int page) {
    if (pageFocus_ >= 0) {
        field(pageFocus_)->setFocus(Qt::TabFocusReason);
        return;
    }
    QWidget* tabs = pages_->tabBar();
    for (QWidget* next = tabs->nextInFocusChain(); next != tabs; next = next->nextInFocusChain()) {
        if (pages_->page(page)->isAncestorOf(next) && (next->focusPolicy() & Qt::TabFocus) &&
            next->isVisible() && next->isEnabled()) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

// A checkable action toggles itself when chosen; the model's marks have the last word.
void MainWindow::syncMenuChecks() {
    for (MenuId id = 0; id < form_.menuCount(); ++id) {
        QAction* action = menuItem(id);
        if (form_.checked(id) && !action->isCheckable()) action->setCheckable(true);
        action->setChecked(form_.checked(id));
    }
}

std::string MainWindow::comptabilite() const {
    return form_.text(headerField(Header::Comptabilite));
}

}  // namespace vardo::app
