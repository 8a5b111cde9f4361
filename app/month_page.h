#pragma once
// One month page: the day rows in three columns ("Kilométrage mensuel : ") and the month's
// balance ("Bilan mensuel : ") with the correction and print buttons.
#include <vector>

class QLabel;
class QPushButton;
class QWidget;
class TAlignEdit;

namespace vardo::app {

struct MonthPage {
    QPushButton* correction = nullptr;  // btnCorr<M>
    QPushButton* print = nullptr;       // btnImp<M>
    QLabel* day29 = nullptr;            // February's day number 29
    std::vector<TAlignEdit*> fields;    // every aligned edit of the page
};

// Fills the page of month m (0-based).
MonthPage buildMonthPage(QWidget* page, int month);

}  // namespace vardo::app
