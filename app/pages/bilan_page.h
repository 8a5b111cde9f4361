#pragma once
// The "Bilan" page: the monthly grid, the annual figures, the coefficients and the buttons
// "&Sauver" and "&Imprimer".
#include <vector>

class QPushButton;
class QWidget;

namespace vardo {
class AlignedEdit;
}  // namespace vardo

namespace vardo::app {

struct BilanPage {
    QPushButton* save = nullptr;   // btnSauver
    QPushButton* print = nullptr;  // btnImprimer
    std::vector<AlignedEdit*> fields;
};

BilanPage buildBilanPage(QWidget* page);

}  // namespace vardo::app
