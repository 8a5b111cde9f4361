#pragma once
// The print commands of the month pages and of the "Bilan" page: the report is built into the
// form's hidden line buffer, then printed through the print command. A cancelled dialog leaves
// the new report in the buffer; a command refused because a document is still being printed
// leaves the buffer as it was. Errors are vardo::Error, for the error box.
#include <QFont>

#include "ledger/form_model.h"
#include "reports/qt/print_service.h"

class QWidget;

namespace vardo {

void printMonthReport(PrintService& service, FormModel& form, int calendarYear, int month,
                      QWidget* parent,
                      const QFont& windowFont);
void printAnnualReport(PrintService& service, FormModel& form, int calendarYear, QWidget* parent,
                       const QFont& windowFont);

}  // namespace vardo
