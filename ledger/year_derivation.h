#pragma once
// The year's one derivation: every computed text of the window, from the typed fields alone
// (the day readings, each month's initial reading, the accounting year, and today's year when
// the header holds none). The ledger writes its result at every recount; the printouts, the
// annual text, the CSV and the check read the same figures from it.
//
// The rules, for month m over its recorded days (ledger/calendar.h):
// - final reading: the last recorded evening's text; total: final − initial;
// - a recorded day adds evening − morning to the professional distance and morning − previous
//   evening (or the month's initial reading) to the personal one; a day whose evening is "0"
//   is skipped, so the next morning counts from the evening before;
// - a coefficient is distance ÷ total, "0" while the total is 0;
// - a month with recorded days hands its final reading on to the next month's initial reading
//   (December's to KMFinDec); a month without any shows "0" in every computed field and hands
//   nothing on;
// - DebAnnee: the first initial reading other than "0"; FinAnnee and KmReporter: the final
//   reading of the last month with recorded days, "0" when none; TotAnnee: FinAnnee − DebAnnee;
//   TotPro, TotPerso: the twelve months' sums; the two coefficients over TotAnnee;
// - the "Bilan" grid repeats each month's initial, final, total, professional and personal
//   kilometres; the status panels show both coefficients as percentages.
#include <array>
#include <cstdint>
#include <string>

#include "ledger/form_model.h"
#include "ledger/numbers.h"

namespace vardo {

// One recorded day as the figures count it.
struct CountedDay {
    int day = 0;
    std::int32_t morning = 0, evening = 0;
    std::int64_t professional = 0;  // evening − morning
    std::int64_t personal = 0;      // morning − the previous evening, or the month's initial
};

// Calls visit(const CountedDay&) for each recorded day of month m up to lastDay (the month's
// last recorded day), counting from the month's initial reading: the one walk over the days that
// the month's figures and the CSV's day rows both take. Throws Error on a reading that is not a
// whole number.
template <typename Visit>
void eachCountedDay(const FormModel& form, int m, std::string_view initial, int lastDay,
                    Visit&& visit) {
    std::int32_t previous = readFigure(initial);
    // A day's morning and evening follow each other, day after day (ledger/naming.h).
    const FieldId firstMorning = morningField(m, 1);
    for (int d = 1; d <= lastDay; ++d) {
        const FieldId morningId = firstMorning + 2 * (d - 1), eveningId = morningId + 1;
        if (form.isZero(eveningId)) continue;
        const std::int32_t morning = readFigure(form.text(morningId));
        const std::int32_t evening = readFigure(form.text(eveningId));
        visit(CountedDay{d, morning, evening, std::int64_t{evening} - morning,
                         std::int64_t{morning} - previous});
        previous = evening;
    }
}

struct MonthFigures {
    int lastDay = 0;  // the last recorded day; 0: the month has none
    std::string initial;  // <M>KMIn, as handed on from the month before or as typed
    std::string final, total, professional, personal, coPro, coPerso;
    std::int32_t totalKm = 0, professionalKm = 0, personalKm = 0;
    // The lowest and highest personal distance summed over the first days, day after day: a new
    // initial reading moves them all alike.
    std::int32_t lowestPersonalSum = 0, highestPersonalSum = 0;

    bool recorded() const { return lastDay > 0; }
};

struct DerivedYear {
    int year = 0;  // the calendar year the days were counted in
    std::array<MonthFigures, kMonths> months;
    std::string start, end, total, carriedOver, professional, personal, coefPro, coefPerso;
    std::int64_t totalKm = 0, professionalKm = 0, personalKm = 0;
    std::string professionalPanel, personalPanel;

    // The text the derivation gives a field: every computed field and each month's initial
    // reading; nullptr for the readings and the header.
    const std::string* text(FieldId id) const;
    // Calls visit(FieldId, const std::string&) for every field text(id) gives, in creation
    // order.
    template <typename Visit>
    void eachField(Visit&& visit) const;
};

// A status panel's text: the label, then the coefficient as a percentage rounded to hundredths.
// Throws Error when the coefficient is not a decimal number.
std::string percentPanel(std::string_view label, const std::string& coefficientText,
                         char separator);

// Throws Error with the field's text when a figure it rests on cannot be read, and "Débordement
// d'entier" when a sum leaves the signed 32-bit range. Months in clearedMonths (bit m for month
// m) count as if they had no recorded day: a month under correction, until its next recount.
DerivedYear deriveYear(const FormModel& form, int calendarYear, char decimalSeparator,
                       unsigned clearedMonths = 0);

// The same derivation brought up to date in place, which saves work and gives the same
// result: derived holds an earlier derivation of this form in this calendar year with this
// separator, and unchangedMonths names the months whose day readings and clearing have not
// changed since; such a month is kept whole when its initial reading is the same too, and a
// coefficient whose distances did not change is not divided again. When it throws, derived is
// left half done: start again from a fresh DerivedYear.
void updateDerivedYear(DerivedYear& derived, const FormModel& form, int calendarYear,
                       char decimalSeparator, unsigned clearedMonths, unsigned unchangedMonths);

template <typename Visit>
void DerivedYear::eachField(Visit&& visit) const {
    for (int m = 0; m < kMonths; ++m) {
        const MonthFigures& f = months[static_cast<std::size_t>(m)];
        visit(balanceField(m, Balance::KMIn), f.initial);
        visit(balanceField(m, Balance::KMFin), f.final);
        visit(balanceField(m, Balance::KMTot), f.total);
        visit(balanceField(m, Balance::KMPro), f.professional);
        visit(balanceField(m, Balance::KMPerso), f.personal);
        visit(balanceField(m, Balance::CoPro), f.coPro);
        visit(balanceField(m, Balance::CoPerso), f.coPerso);
    }
    for (int m = 0; m < kMonths; ++m) {
        const MonthFigures& f = months[static_cast<std::size_t>(m)];
        visit(gridField(m, GridColumn::KMIni), f.initial);
        visit(gridField(m, GridColumn::KMFin), f.final);
        visit(gridField(m, GridColumn::KMTot), f.total);
        visit(gridField(m, GridColumn::KMPro), f.professional);
        visit(gridField(m, GridColumn::KMPerso), f.personal);
    }
    visit(annualField(Annual::CoefPro), coefPro);
    visit(annualField(Annual::CoefPerso), coefPerso);
    visit(annualField(Annual::DebAnnee), start);
    visit(annualField(Annual::FinAnnee), end);
    visit(annualField(Annual::TotAnnee), total);
    visit(annualField(Annual::KmReporter), carriedOver);
    visit(annualField(Annual::TotPro), professional);
    visit(annualField(Annual::TotPerso), personal);
}

}  // namespace vardo
