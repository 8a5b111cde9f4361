#include "tools/year_chart.h"

#include "ledger/numbers.h"
#include "tools/french_format.h"

namespace vardo {
namespace {

constexpr std::array<const char*, kMonths> kShortNames = {
    "janv.", "févr.", "mars", "avr.", "mai", "juin",
    "juil.", "août", "sept.", "oct.", "nov.", "déc.",
};

std::string titleOf(const FormModel& form) {
    std::string title = "Année comptable " + form.text(headerField(Header::Comptabilite));
    const std::string& vehicle = form.text(headerField(Header::Vehicule));
    if (!vehicle.empty() && vehicle != "0") title += " - " + vehicle;
    return title;
}

// The line runs from the first month with kilometres to the last one; between them a month
// without kilometres keeps the coefficient of the months before it.
void addCumulatedLine(YearChart& chart) {
    int first = kMonths, last = -1;
    for (int m = 0; m < kMonths; ++m) {
        if (!chart.months[m].hasBar) continue;
        first = std::min(first, m);
        last = m;
    }
    std::int64_t professional = 0, all = 0;
    for (int m = first; m <= last; ++m) {
        ChartMonth& month = chart.months[m];
        professional += month.professional;
        all += month.professional + month.personal;
        if (all != 0) {
            month.cumulatedPercent = roundTwoDecimals(static_cast<long double>(professional) *
                                                      100 / static_cast<long double>(all));
        }
    }
}

}  // namespace

std::string shortMonthName(int month) {
    return kShortNames.at(static_cast<std::size_t>(month));
}

YearChart yearChart(const FormModel& form, const DerivedYear& figures) {
    YearChart chart;
    chart.title = titleOf(form);
    for (int m = 0; m < kMonths; ++m) {
        ChartMonth& month = chart.months[m];
        month.label = shortMonthName(m);
        const MonthFigures& derived = figures.months[static_cast<std::size_t>(m)];
        month.professional = derived.professionalKm;
        month.personal = derived.personalKm;
        month.hasBar = month.professional != 0 || month.personal != 0;
        chart.totalKilometres += month.professional + month.personal;
    }
    if (chart.totalKilometres == 0) {
        chart.emptySentence = "Aucun kilomètre n'est relevé pour cette année : il n'y a rien à "
                              "représenter.";
        return chart;
    }
    addCumulatedLine(chart);
    return chart;
}

std::string percentText(long double percent) {
    return twoDecimals(percent) + " %";
}

std::string kilometresText(std::int64_t kilometres) {
    return groupedInteger(kilometres) + " km";
}

std::string monthSummary(const YearChart& chart, int month) {
    const ChartMonth& figures = chart.months.at(static_cast<std::size_t>(month));
    std::string text = std::string(monthInfo(month).caption) + "\n";
    if (!figures.hasBar) return text + "Aucun kilomètre relevé";
    text += "Professionnel : " + kilometresText(figures.professional) + "\n";
    text += "Personnel : " + kilometresText(figures.personal) + "\n";
    text += "Total : " + kilometresText(figures.professional + figures.personal);
    if (figures.cumulatedPercent)
        text += "\nCoefficient depuis janvier : " + percentText(*figures.cumulatedPercent);
    return text;
}

}  // namespace vardo
