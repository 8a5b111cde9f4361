#pragma once
// The print commands of the month pages and of the "Bilan" page: the report's lines are built
// from the form and handed to the print command. A command refused because a document is still
// being printed leaves that document as it was. Errors are vardo::Error, for the error box.
#include <QFont>

#include "ledger/form_model.h"
#include "reports/qt/print_service.h"

class QWidget;

namespace vardo {

void printMonthReport(PrintService& service, const FormModel& form, int calendarYear, int month,
                      QWidget* parent, const QFont& windowFont);
void printAnnualReport(PrintService& service, const FormModel& form, int calendarYear,
                       QWidget* parent, const QFont& windowFont);

}  // namespace vardo
