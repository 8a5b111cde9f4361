#include "ledger/year_derivation.h"

#include <algorithm>

#include "ledger/calendar.h"
#include "ledger/error.h"
#include "ledger/messages.h"
#include "ledger/numbers.h"

namespace vardo {
namespace {

// Sums and differences are taken in 64 bits and must come back into the 32-bit range.
std::int32_t checked32(std::int64_t value) {
    if (value < INT32_MIN || value > INT32_MAX) throw Error(std::string{kIntegerOverflow});
    return static_cast<std::int32_t>(value);
}

// A total of 0 has no coefficient yet: it shows "0".
std::string coefficient(std::int32_t distance, std::int32_t total, char separator) {
    if (total == 0) return "0";
    return writeQuotient(distance, total, separator);
}

// Month m over its recorded days, from its initial reading; f holds its earlier figures.
void countMonth(const FormModel& form, int m, int lastDay, MonthFigures& f, char separator) {
    const bool wasRecorded = f.recorded() && !f.coPro.empty();
    const std::int32_t oldTotal = f.totalKm, oldProfessional = f.professionalKm,
                       oldPersonal = f.personalKm;
    f.lastDay = lastDay;
    if (lastDay == 0) {
        f.final = f.total = f.professional = f.personal = f.coPro = f.coPerso = "0";
        f.totalKm = f.professionalKm = f.personalKm = 0;
        return;
    }
    f.final = form.text(eveningField(m, lastDay));
    const std::int32_t initial = readFigure(f.initial);  // read first: its error comes first
    f.totalKm = checked32(std::int64_t{readFigure(f.final)} - initial);
    std::int64_t professional = 0, personal = 0;
    std::int64_t lowest = INT32_MAX, highest = INT32_MIN;
    eachCountedDay(form, m, f.initial, lastDay, [&](const CountedDay& day) {
        personal = checked32(personal + checked32(day.personal));
        professional = checked32(professional + checked32(day.professional));
        lowest = std::min(lowest, personal);
        highest = std::max(highest, personal);
    });
    f.lowestPersonalSum = static_cast<std::int32_t>(lowest);
    f.highestPersonalSum = static_cast<std::int32_t>(highest);
    f.professionalKm = static_cast<std::int32_t>(professional);
    f.personalKm = static_cast<std::int32_t>(personal);
    f.total = writeFigure(f.totalKm);
    f.professional = writeFigure(f.professionalKm);
    f.personal = writeFigure(f.personalKm);
    if (wasRecorded && oldTotal == f.totalKm && oldProfessional == f.professionalKm &&
        oldPersonal == f.personalKm)
        return;  // the same coefficients
    f.coPro = coefficient(f.professionalKm, f.totalKm, separator);
    f.coPerso = coefficient(f.personalKm, f.totalKm, separator);
}

// A month whose readings did not change, under a new initial reading: only the first day's
// personal distance rests on it, so the personal distance, its sums over the first days and the
// total all move by the same amount, and the count from scratch would give the same figures.
// False, changing nothing, when a sum would leave the 32-bit range: the full count says where.
bool moveInitial(MonthFigures& f, const std::string& initial, char separator) {
    const std::int64_t shift = std::int64_t{readFigure(f.initial)} - readFigure(initial);
    const auto inRange = [](std::int64_t value) { return value >= INT32_MIN && value <= INT32_MAX; };
    if (!inRange(f.lowestPersonalSum + shift) || !inRange(f.highestPersonalSum + shift) ||
        !inRange(f.totalKm + shift))
        return false;
    f.initial = initial;
    f.totalKm = static_cast<std::int32_t>(f.totalKm + shift);
    f.personalKm = static_cast<std::int32_t>(f.personalKm + shift);
    f.lowestPersonalSum = static_cast<std::int32_t>(f.lowestPersonalSum + shift);
    f.highestPersonalSum = static_cast<std::int32_t>(f.highestPersonalSum + shift);
    f.total = writeFigure(f.totalKm);
    f.personal = writeFigure(f.personalKm);
    f.coPro = coefficient(f.professionalKm, f.totalKm, separator);
    f.coPerso = coefficient(f.personalKm, f.totalKm, separator);
    return true;
}

}  // namespace

std::string percentPanel(std::string_view label, const std::string& coefficientText,
                         char separator) {
    const long double percent = readDecimal(coefficientText, separator) * 100;
    return std::string{label} + writeHundredths(percent, separator) + " %";
}

DerivedYear deriveYear(const FormModel& form, int calendarYear, char separator,
                       unsigned clearedMonths) {
    DerivedYear y;
    updateDerivedYear(y, form, calendarYear, separator, clearedMonths, 0);
    return y;
}

void updateDerivedYear(DerivedYear& y, const FormModel& form, int calendarYear, char separator,
                       unsigned clearedMonths, unsigned unchangedMonths) {
    y.year = calendarYear;
    const std::string* handedOn = nullptr;  // the month before's final reading, when it has one
    for (int m = 0; m < kMonths; ++m) {
        MonthFigures& f = y.months[static_cast<std::size_t>(m)];
        const std::string& initial =
            handedOn ? *handedOn : form.text(balanceField(m, Balance::KMIn));
        const bool readingsKept = unchangedMonths >> m & 1U;
        const bool movedOnly = readingsKept && f.initial != initial && f.recorded();
        if (movedOnly && moveInitial(f, initial, separator)) {
            // counted again from its new initial reading alone
        } else if (!readingsKept || f.initial != initial) {
            f.initial = initial;
            const bool cleared = (clearedMonths >> m) & 1U;
            countMonth(form, m, cleared ? 0 : lastRecordedDay(form, m, calendarYear), f,
                       separator);
        }
        handedOn = f.recorded() ? &f.final : nullptr;
    }
    const bool hadCoefficients = !y.coefPro.empty();
    const std::int64_t oldTotal = y.totalKm, oldProfessional = y.professionalKm,
                       oldPersonal = y.personalKm;

    y.start = "0";
    for (const MonthFigures& f : y.months)
        if (f.initial != "0") {
            y.start = f.initial;
            break;
        }
    y.end = "0";
    for (auto f = y.months.rbegin(); f != y.months.rend(); ++f)
        if (f->recorded()) {
            y.end = f->final;
            break;
        }
    y.carriedOver = y.end;
    const std::int32_t total = checked32(std::int64_t{readFigure(y.end)} - readFigure(y.start));
    std::int64_t professional = 0, personal = 0;
    for (const MonthFigures& f : y.months) {
        professional += f.professionalKm;
        personal += f.personalKm;
    }
    y.total = writeFigure(total);
    y.professional = writeFigure(professional);
    y.personal = writeFigure(personal);
    y.totalKm = total;
    y.professionalKm = professional;
    y.personalKm = personal;
    if (hadCoefficients && oldTotal == total && oldProfessional == professional &&
        oldPersonal == personal)
        return;  // the same coefficients and panels
    y.coefPro = coefficient(checked32(professional), total, separator);
    y.coefPerso = coefficient(checked32(personal), total, separator);
    y.professionalPanel = percentPanel(kProfessionalPanelLabel, y.coefPro, separator);
    y.personalPanel = percentPanel(kPersonalPanelLabel, y.coefPerso, separator);
}

const std::string* DerivedYear::text(FieldId id) const {
    const std::string* found = nullptr;
    eachField([&](FieldId field, const std::string& value) {
        if (field == id) found = &value;
    });
    return found;
}

}  // namespace vardo
