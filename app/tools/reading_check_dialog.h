#pragma once
// "Contrôler les relevés": the year's anomalies, one line each, wrapped to the dialog's width.
// Return or a double click on a line closes the dialog and names the anomaly, so the window can
// take the user to its field.
#include <QDialog>
#include <optional>
#include <vector>

#include "tools/reading_checks.h"

class QListWidget;

namespace vardo::app {

class ReadingCheckDialog : public QDialog {
    Q_OBJECT
public:
    ReadingCheckDialog(std::vector<Anomaly> found, QWidget* parent);

    QListWidget* list() const { return list_; }
    // The anomaly chosen to be mended, if any.
    const std::optional<Anomaly>& chosen() const { return chosen_; }

private:
    void choose(int row);

    std::vector<Anomaly> found_;
    QListWidget* list_;
    std::optional<Anomaly> chosen_;
};

}  // namespace vardo::app
