#pragma once
// The "&Outils" menu, between "&Edition" and "&Aide": the check of the readings, the export for
// the accountant, the mileage allowance, the chart of the year, the real costs against the
// allowance and the journal of the inputs. Its items are actions of the view only: the form
// model, and so the stored year, keeps its 27 menu items.
#include <QObject>
#include <QString>
#include <functional>

class QMenu;
class QWidget;

namespace vardo::app {

class ToolsHost;

class ToolsMenu : public QObject {
    Q_OBJECT
public:
    // The menu is the host's to place in its menu bar.
    ToolsMenu(ToolsHost& host, QObject* parent);

    QMenu* menu() const { return menu_; }

    // Each command first runs the exit of the field that has the focus, so the figures are
    // current; a failure there is shown and the tool does not open.
    void checkReadings();
    void exportForAccountant();
    void showAllowance();
    void showYearChart();
    void compareCosts();
    void showJournal();

    // The save dialog of the export, given the suggested path; an empty name means cancelled.
    // Tests replace it.
    std::function<QString(QWidget*, const QString& suggested)> exportFileName;

private:
    ToolsHost& host_;
    QMenu* menu_;
};

}  // namespace vardo::app
