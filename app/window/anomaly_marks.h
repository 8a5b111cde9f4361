#pragma once
// The check of the readings shown as the user types: after each exit, every box an anomaly
// names shows its text in red, with the anomaly's line as its tool tip. Nothing is blocked and
// nothing moves: the boxes keep their size and take typing as before.
#include <QString>
#include <functional>
#include <map>

#include "ledger/form_model.h"

namespace vardo {
class AlignedEdit;
}  // namespace vardo

namespace vardo::app {

class AnomalyMarks {
public:
    using BoxOf = std::function<AlignedEdit*(FieldId)>;
    AnomalyMarks(const FormModel& form, BoxOf boxOf);

    // Checks the year in the ledger's calendar year and moves the marks where the anomalies are.
    void refresh(int calendarYear);

private:
    const FormModel& form_;
    BoxOf boxOf_;
    std::map<FieldId, QString> shown_;  // the flagged boxes and their tool tips
};

}  // namespace vardo::app
