#include "app/tools_menu.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

#include "app/allowance_dialog.h"
#include "app/costs_dialog.h"
#include "app/error_guard.h"
#include "app/main_window.h"
#include "app/reading_check_dialog.h"
#include "app/save_dialog.h"
#include "app/year_chart_dialog.h"
#include "controls/align_edit.h"
#include "tools/accountant_csv.h"
#include "tools/mileage_scale.h"
#include "tools/tool_options.h"

namespace vardo::app {

namespace {

// Asks before replacing a file, in French like every dialog of the program.
QString askExportFileName(QWidget* parent, const QString& suggested) {
    return askSaveFileName(parent, {QStringLiteral("Exporter pour le comptable"),
                                    QStringLiteral("ExportDialog"), QStringLiteral("csv"),
                                    QStringLiteral("Fichier CSV (*.csv)"), suggested, true});
}

}  // namespace

ToolsMenu::ToolsMenu(MainWindow& window)
    : QObject(&window), window_(window), menu_(new QMenu(QStringLiteral("&Outils"), &window)) {
    setObjectName(QStringLiteral("ToolsMenu"));
    menu_->setObjectName(QStringLiteral("Outils"));
    menu_->menuAction()->setObjectName(QStringLiteral("Outils"));
    QAction* help = window.menuItem(Menu::Help);
    window.menuBar()->insertMenu(help, menu_);

    const struct {
        const char* caption;
        const char* name;
        void (ToolsMenu::*command)();
    } items[] = {
        {"&Contrôler les relevés...", "ControleReleves", &ToolsMenu::checkReadings},
        {"E&xporter pour le comptable...", "ExportComptable", &ToolsMenu::exportForAccountant},
        {"&Indemnités kilométriques...", "IndemnitesKm", &ToolsMenu::showAllowance},
        {"&Graphique de l'année...", "GraphiqueAnnee", &ToolsMenu::showYearChart},
        {"&Frais réels et barème...", "FraisReelsBareme", &ToolsMenu::compareCosts},
    };
    for (const auto& item : items) {
        QAction* action = menu_->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        connect(action, &QAction::triggered, this, [this, command = item.command] {
            if (window_.leaveFocusedField()) guarded([&] { (this->*command)(); });
        });
    }
}

void ToolsMenu::checkReadings() {
    const FormModel& form = window_.form();
    ReadingCheckDialog dialog(form, vardo::checkReadings(form), &window_);
    dialog.exec();
    if (!dialog.chosen()) return;
    const Anomaly& anomaly = *dialog.chosen();
    window_.showPageCommand(anomaly.month);
    TAlignEdit* target = window_.field(anomaly.fields.front());
    // A 29 February the calendar year does not have is hidden: the page is all there is to show.
    if (target->isVisible()) target->setFocus(Qt::OtherFocusReason);
}

void ToolsMenu::exportForAccountant() {
    const FormModel& form = window_.form();
    const std::string folder = window_.setup().filesFolder;
    QString lastFolder = QString::fromStdString(readExportFolder(folder));
    if (lastFolder.isEmpty() || !QFileInfo(lastFolder).isDir()) lastFolder = QDir::homePath();
    const QString suggested =
        QDir(lastFolder).filePath(QString::fromStdString(accountantCsvName(form)));
    const QString name = exportFileName ? exportFileName(&window_, suggested)
                                        : askExportFileName(&window_, suggested);
    if (name.isEmpty()) return;
    writeAccountantCsv(form, mileageAllowance(form, readElectric(folder)), name.toStdString());
    guarded([&] { writeExportFolder(folder, QFileInfo(name).absolutePath().toStdString()); });
}

void ToolsMenu::showAllowance() {
    AllowanceDialog dialog(window_.form(), window_.setup().filesFolder, &window_);
    dialog.exec();
}

void ToolsMenu::showYearChart() {
    YearChartDialog dialog(window_.form(), window_.setup().filesFolder, window_.printService(),
                           &window_);
    dialog.exec();
}

void ToolsMenu::compareCosts() {
    CostsDialog dialog(window_.form(), window_.setup().filesFolder, &window_);
    dialog.exec();
}

}  // namespace vardo::app
