#pragma once
// The "Bilan" page: the monthly grid, the annual figures, the coefficients and the buttons
// "&Sauver" and "&Imprimer".
#include <vector>

class QPushButton;
class QWidget;
class TAlignEdit;

namespace vardo::app {

struct BilanPage {
    QPushButton* save = nullptr;   // btnSauver
    QPushButton* print = nullptr;  // btnImprimer
    std::vector<TAlignEdit*> fields;
};

BilanPage buildBilanPage(QWidget* page);

}  // namespace vardo::app
