#include "reports/qt/print_commands.h"

#include <string>
#include <utility>
#include <vector>

#include "reports/report_text.h"

namespace vardo {
namespace {

void printReport(PrintService& service, FormModel& form, std::vector<std::string> lines,
                 const std::string& jobName, QWidget* parent, const QFont& windowFont) {
    if (service.printing()) {
        // The running document keeps the buffer it started with; this command is refused
        // once its dialog is confirmed.
        service.print(parent, lines, windowFont, jobName);
        return;
    }
    form.memo() = std::move(lines);
    service.print(parent, form.memo(), windowFont, jobName);
}

}  // namespace

void printMonthReport(PrintService& service, FormModel& form, int calendarYear, int month,
                      QWidget* parent, const QFont& windowFont) {
    printReport(service, form, monthlyReportLines(form, calendarYear, month),
                monthlyJobName(form, month),
                parent, windowFont);
}

void printAnnualReport(PrintService& service, FormModel& form, int calendarYear, QWidget* parent,
                       const QFont& windowFont) {
    printReport(service, form, annualReportLines(form, calendarYear), annualJobName(form), parent,
                windowFont);
}

}  // namespace vardo
