#pragma once
// "Frais réels et barème": one box for the year's vehicle costs in euros, kept in the options
// file, and beside it, as the user types, the professional share of those costs, the allowance
// of the scale and which of the two is larger.
#include <QDialog>
#include <string>

#include "ledger/form_model.h"
#include "ledger/year_derivation.h"

class QLabel;
class QLineEdit;

namespace vardo::app {

class CostsDialog : public QDialog {
    Q_OBJECT
public:
    // figures: the year's derivation, with the focused box counted as left.
    CostsDialog(const FormModel& form, DerivedYear figures, std::string filesFolder,
                QWidget* parent);

    QLineEdit* costs() const { return costs_; }
    QString shownText() const;

protected:
    void done(int result) override;  // the costs typed are kept, whatever closed the dialog

private:
    void refresh();

    const FormModel& form_;
    DerivedYear figures_;
    std::string filesFolder_;
    bool electric_;
    QLineEdit* costs_;
    QLabel* comparison_;
};

}  // namespace vardo::app
