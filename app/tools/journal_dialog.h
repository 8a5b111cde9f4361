#pragma once
// "Journal des saisies": the verification's verdict on top, then the journal's entries, one row
// per change (date and time, event, field in words, old → new), filtered by the month of their
// field. "Aller au champ" (or Return, or a double click) closes the dialog and names the field
// of the row, so the window can take the user to it.
#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "tools/journal_list.h"

class QComboBox;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace vardo::app {

class JournalDialog : public QDialog {
    Q_OBJECT
public:
    // verdict: the check's lines, the first one its summary.
    JournalDialog(std::vector<JournalListRow> rows, std::vector<std::string> verdict,
                  bool holds, QWidget* parent);

    QTreeWidget* list() const { return list_; }
    QComboBox* monthFilter() const { return months_; }
    QLabel* verdict() const { return verdict_; }
    // The row chosen to go to its field, if any.
    const std::optional<JournalListRow>& chosen() const { return chosen_; }

    // Shows the rows of one month (0-based), or all of them (-1).
    void showMonth(int month);

private:
    void choose(QTreeWidgetItem* item);

    std::vector<JournalListRow> rows_;
    QLabel* verdict_;
    QComboBox* months_;
    QTreeWidget* list_;
    std::optional<JournalListRow> chosen_;
};

}  // namespace vardo::app
