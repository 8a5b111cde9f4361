#pragma once
// One month page: the day rows in three columns ("Kilométrage mensuel : ") and the month's
// balance ("Bilan mensuel : ") with the correction and print buttons.
#include <vector>

#include "app/pages/label_layer.h"

class QPushButton;

namespace vardo {
class AlignedEdit;
}  // namespace vardo

namespace vardo::app {

struct MonthPage {
    QPushButton* correction = nullptr;  // btnCorr<M>
    QPushButton* print = nullptr;       // btnImp<M>
    LabelLayer* dayNumbers = nullptr;   // the day numbers and column headings
    int day29 = -1;                     // February's day number 29 in that layer
    std::vector<AlignedEdit*> fields;    // every aligned edit of the page
};

// Fills the page of month m (0-based).
MonthPage buildMonthPage(QWidget* page, int month);

}  // namespace vardo::app
