#include "ledger/calendar.h"

#include "ledger/error.h"
#include "ledger/numbers.h"

namespace vardo {

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

std::optional<int> readYear(std::string_view text) {
    try {
        const std::int32_t year = readFigure(text);
        if (year >= 1 && year <= 9999) return year;
    } catch (const Error&) {
        // Not a figure, so no year.
    }
    return std::nullopt;
}

std::optional<int> accountingYear(const FormModel& form) {
    return readYear(form.text(headerField(Header::Comptabilite)));
}

int calendarYear(const FormModel& form, int todayYear) {
    return accountingYear(form).value_or(todayYear);
}

int daysInMonth(int month, int year) {
    if (month == kFebruary && !isLeapYear(year)) return kFebruaryLeapDay - 1;
    return monthInfo(month).dayRows;
}

bool isRecordedDay(const FormModel& form, int month, int day, int year) {
    return day >= 1 && day <= daysInMonth(month, year) && !form.isZero(eveningField(month, day));
}

int lastRecordedDay(const FormModel& form, int month, int year) {
    for (int d = daysInMonth(month, year); d >= 1; --d)
        if (!form.isZero(eveningField(month, d))) return d;
    return 0;
}

}  // namespace vardo
