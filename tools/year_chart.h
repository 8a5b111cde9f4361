#pragma once
// What the chart of the year shows: for each month its professional and personal kilometres
// (one stacked bar), and the professional coefficient of the year so far. Every figure is a
// month balance of the year's derivation (those the "Bilan" grid, the CSV and the reports
// show), never a text written in the window nor a count of its own.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "ledger/form_model.h"
#include "ledger/year_derivation.h"

namespace vardo {

struct ChartMonth {
    std::string label;       // "janv.", "févr.", ...
    bool hasBar = false;     // false for a month whose derived figures are both 0
    std::int64_t professional = 0;
    std::int64_t personal = 0;
    // Professional kilometres since January over all kilometres since January, in percent
    // rounded to hundredths; nothing before the first month with kilometres, after the last,
    // or where the kilometres so far add up to 0.
    std::optional<long double> cumulatedPercent;
};

struct YearChart {
    std::string title;              // "Année comptable 2025 - Clio"
    std::array<ChartMonth, kMonths> months;
    std::int64_t totalKilometres = 0;
    std::string emptySentence;      // not empty when the year has no kilometre: shown instead
    bool empty() const { return !emptySentence.empty(); }
};

// The French short name of a 0-based month: "janv.", "févr.", "mars", ...
std::string shortMonthName(int month);

// The chart's data: the title from the form's header, the figures from the derivation.
YearChart yearChart(const FormModel& form, const DerivedYear& figures);

// "60,00 %"; the kilometres of a month as "1 234 km".
std::string percentText(long double percent);
std::string kilometresText(std::int64_t kilometres);

// What a bar's tooltip and the table say of a month, one line each: its name in full, its
// professional, personal and total kilometres, the coefficient so far.
std::string monthSummary(const YearChart& chart, int month);

}  // namespace vardo
