#include "reports/qt/print_commands.h"

#include "reports/report_text.h"

namespace vardo {

void printMonthReport(PrintService& service, const FormModel& form, int calendarYear, int month,
                      QWidget* parent, const QFont& windowFont) {
    service.print(parent, monthlyReportLines(form, calendarYear, month), windowFont,
                  monthlyJobName(form, month));
}

void printAnnualReport(PrintService& service, const FormModel& form, int calendarYear,
                       QWidget* parent, const QFont& windowFont) {
    service.print(parent, annualReportLines(form, calendarYear), windowFont, annualJobName(form));
}

}  // namespace vardo
