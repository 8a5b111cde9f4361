#include "app/tools/tools_menu.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "app/tools/allowance_dialog.h"
#include "app/tools/costs_dialog.h"
#include "app/tools/journal_dialog.h"
#include "app/window/error_guard.h"
#include "app/tools/reading_check_dialog.h"
#include "app/tools/tools_host.h"
#include "app/tools/year_chart_dialog.h"
#include "app/window/save_dialog.h"
#include "tools/accountant_csv.h"
#include "tools/journal_check.h"
#include "tools/journal_list.h"
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

ToolsMenu::ToolsMenu(ToolsHost& host, QObject* parent)
    : QObject(parent), host_(host), menu_(new QMenu(QStringLiteral("&Outils"), host.dialogParent())) {
    setObjectName(QStringLiteral("ToolsMenu"));
    menu_->setObjectName(QStringLiteral("Outils"));
    menu_->menuAction()->setObjectName(QStringLiteral("Outils"));

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
        {"&Journal des saisies...", "JournalSaisies", &ToolsMenu::showJournal},
    };
    for (const auto& item : items) {
        QAction* action = menu_->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        connect(action, &QAction::triggered, this, [this, command = item.command] {
            if (host_.leaveFocusedField()) guarded([&] { (this->*command)(); });
        });
    }
}

void ToolsMenu::checkReadings() {
    const FormModel& form = host_.year();
    ReadingCheckDialog dialog(vardo::checkReadings(form, host_.calendarYear()), host_.dialogParent());
    dialog.exec();
    if (!dialog.chosen()) return;
    const Anomaly& anomaly = *dialog.chosen();
    host_.showField(anomaly.month, anomaly.fields.front());
    if (!form.readOnly(anomaly.fields.front())) return;
    host_.inform(QString::fromStdString(protectedFieldSentence(anomaly)));
}

void ToolsMenu::exportForAccountant() {
    const FormModel& form = host_.year();
    const std::string folder = host_.filesFolder();
    QString lastFolder = QString::fromStdString(readExportFolder(folder));
    if (lastFolder.isEmpty() || !QFileInfo(lastFolder).isDir()) lastFolder = QDir::homePath();
    const QString suggested =
        QDir(lastFolder).filePath(QString::fromStdString(accountantCsvName(form)));
    QWidget* parent = host_.dialogParent();
    const QString name = exportFileName ? exportFileName(parent, suggested)
                                        : askExportFileName(parent, suggested);
    if (name.isEmpty()) return;
    host_.saveNow();
    writeAccountantCsv(form, readElectric(folder), name.toStdString(), journalWitness(folder));
    guarded([&] { writeExportFolder(folder, QFileInfo(name).absolutePath().toStdString()); });
}

void ToolsMenu::showAllowance() {
    AllowanceDialog dialog(host_.year(), host_.figures(), host_.filesFolder(),
                           host_.dialogParent());
    dialog.exec();
}

void ToolsMenu::showYearChart() {
    YearChartDialog dialog(host_.year(), host_.figures(), host_.filesFolder(),
                           host_.printService(), host_.dialogParent());
    dialog.exec();
}

void ToolsMenu::compareCosts() {
    CostsDialog dialog(host_.year(), host_.figures(), host_.filesFolder(), host_.dialogParent());
    dialog.exec();
}

// The journal as the disk holds it, read once for its verdict and its list; the year saved
// first so that the verdict reads it as it is.
void ToolsMenu::showJournal() {
    host_.saveNow();
    const std::string& folder = host_.filesFolder();
    const JournalVerdict verdict = checkJournal(folder);
    JournalDialog dialog(journalListRows(verdict.entries), verdict.lines,
                         verdict.holds, host_.dialogParent());
    dialog.exec();
    if (!dialog.chosen()) return;
    const JournalListRow& row = *dialog.chosen();
    if (row.month >= 0) host_.showField(row.month, row.id);
}

}  // namespace vardo::app
