#include "tools/accounting_year.h"

#include "ledger/error.h"
#include "ledger/numbers.h"

namespace vardo {

std::optional<int> accountingYear(const FormModel& form) {
    try {
        const std::int32_t year = readFigure(form.text(headerField(Header::Comptabilite)));
        if (year >= 1 && year <= 9999) return year;
    } catch (const Error&) {
    }
    return std::nullopt;
}

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

}  // namespace vardo
