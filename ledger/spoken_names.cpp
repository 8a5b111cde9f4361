#include "ledger/spoken_names.h"

#include <array>
#include <chrono>

#include "ledger/calendar.h"
#include "ledger/form_model.h"

namespace vardo {
namespace {

constexpr std::array<std::string_view, kMonths> kMonthWords{
    "janvier", "février", "mars",      "avril",   "mai",      "juin",
    "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};

constexpr std::array<std::string_view, 7> kWeekdays{
    "dimanche", "lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi"};

constexpr std::array<std::string_view, kBalanceCount> kBalanceWords{
    "kilométrage initial", "kilométrage final", "kilométrage total", "kilométrage pro",
    "kilométrage perso",   "coefficient pro",   "coefficient perso"};

constexpr std::array<std::string_view, kGridColumns> kGridWords{
    "kilométrage initial", "kilométrage final", "kilométrage total", "kilométrage pro",
    "kilométrage perso"};

constexpr std::array<std::string_view, kAnnualCount> kAnnualWords{
    "Bilan, coefficient pro",           "Bilan, coefficient perso",
    "Bilan, kilométrage initial annuel", "Bilan, kilométrage final annuel",
    "Bilan, total annuel",              "Bilan, kilométrage à reporter",
    "Bilan, total pro",                 "Bilan, total perso"};

constexpr std::array<std::string_view, kHeaderCount> kHeaderWords{
    "Comptabilité", "Véhicule", "Année du véhicule", "Chevaux"};

std::string dayName(int month, int day, bool morning, std::optional<int> year) {
    std::string name;
    if (year && day <= daysInMonth(month, *year)) {
        const std::chrono::year_month_day date{std::chrono::year{*year},
                                               std::chrono::month{static_cast<unsigned>(month + 1)},
                                               std::chrono::day{static_cast<unsigned>(day)}};
        name = std::string{kWeekdays[std::chrono::weekday{std::chrono::sys_days{date}}.c_encoding()]} + ' ';
    }
    name += day == 1 ? "1er" : std::to_string(day);
    name += ' ';
    name += kMonthWords[static_cast<std::size_t>(month)];
    name += morning ? ", matin" : ", soir";
    return name;
}

}  // namespace

std::string spokenName(FieldId id, std::optional<int> year) {
    for (int m = 0; m < kMonths; ++m) {
        const FieldId first = balanceField(m, Balance::KMIn);
        if (id < first || id > eveningField(m, monthInfo(m).dayRows)) continue;
        const int offset = id - first;
        if (offset < kBalanceCount) {
            return std::string{monthInfo(m).caption} + ", " + std::string{kBalanceWords[offset]};
        }
        const int dayOffset = offset - kBalanceCount;
        return dayName(m, dayOffset / 2 + 1, dayOffset % 2 == 0, year);
    }
    for (int m = 0; m < kMonths; ++m) {
        for (int c = 0; c < kGridColumns; ++c) {
            if (id == gridField(m, static_cast<GridColumn>(c))) {
                return "Bilan, " + std::string{kMonthWords[m]} + ", " + std::string{kGridWords[c]};
            }
        }
    }
    for (int a = 0; a < kAnnualCount; ++a) {
        if (id == annualField(static_cast<Annual>(a))) return std::string{kAnnualWords[a]};
    }
    for (int h = 0; h < kHeaderCount; ++h) {
        if (id == headerField(static_cast<Header>(h))) return std::string{kHeaderWords[h]};
    }
    return fieldName(id);  // out of range: throws, as fieldName does
}

std::string spokenDescription(FieldId id, bool readOnly) {
    if (designReadOnly(id)) return std::string{kComputedDescription};
    return readOnly ? std::string{kLockedDescription} : std::string{};
}

}  // namespace vardo
