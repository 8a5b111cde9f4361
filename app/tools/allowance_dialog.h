#pragma once
// "Indemnités kilométriques": the allowance of the year's professional kilometres, with the check
// box of an electric car, whose state the options file keeps.
#include <QDialog>

#include "ledger/form_model.h"
#include "ledger/year_derivation.h"

class QCheckBox;
class QLabel;

namespace vardo::app {

class AllowanceDialog : public QDialog {
    Q_OBJECT
public:
    // figures: the year's derivation, with the focused box counted as left.
    AllowanceDialog(const FormModel& form, DerivedYear figures, std::string programFolder,
                    QWidget* parent);

    QCheckBox* electric() const { return electric_; }
    QString shownText() const;

private:
    void refresh();
    void electricToggled(bool on);

    const FormModel& form_;
    DerivedYear figures_;
    std::string programFolder_;
    QLabel* lines_;
    QLabel* amount_;
    QCheckBox* electric_;
};

}  // namespace vardo::app
