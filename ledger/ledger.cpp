#include "ledger/ledger.h"

#include <cstdint>

#include "ledger/error.h"
#include "ledger/numbers.h"
#include "ledger/dates.h"

namespace vardo {
namespace {

// Sums and differences are taken in 64 bits and must come back into the 32-bit range.
std::int32_t checked32(std::int64_t value) {
    if (value < INT32_MIN || value > INT32_MAX) throw Error(std::string{kIntegerOverflow});
    return static_cast<std::int32_t>(value);
}

bool isLastDayMember(int month, int day) {
    return day == monthInfo(month).dayRows || (month == kFebruary && day == kFebruaryLeapDay - 1);
}

}  // namespace

bool isComputedField(FieldId id) { return designReadOnly(id); }

Ledger::Ledger(FormModel& form, Regional regional) : form_(form), regional_(regional) {
    installHandlers();
}

void Ledger::copyOnChange(FieldId from, FieldId to) {
    form_.setChangeHandler(from, [this, from, to] { form_.setText(to, form_.text(from)); });
}

void Ledger::installHandlers() {
    for (int m = 0; m < kMonths; ++m) {
        copyOnChange(balanceField(m, Balance::KMIn), gridField(m, GridColumn::KMIni));
        copyOnChange(balanceField(m, Balance::KMFin), gridField(m, GridColumn::KMFin));
        copyOnChange(balanceField(m, Balance::KMTot), gridField(m, GridColumn::KMTot));
        copyOnChange(balanceField(m, Balance::KMPro), gridField(m, GridColumn::KMPro));
        copyOnChange(balanceField(m, Balance::KMPerso), gridField(m, GridColumn::KMPerso));
        copyOnChange(gridField(m, GridColumn::KMFin), annualField(Annual::FinAnnee));
        form_.setChangeHandler(gridField(m, GridColumn::KMPro), [this] { recomputeYear(); });
    }
    form_.setChangeHandler(annualField(Annual::CoefPro), [this] { updateCoefficientPanels(); });
    form_.setChangeHandler(annualField(Annual::CoefPerso), [this] { updateCoefficientPanels(); });
}

std::string Ledger::quotient(std::int32_t numerator, std::int32_t denominator) const {
    return writeQuotient(numerator, denominator, regional_.decimalSeparator);
}

void Ledger::leaveInitialReading(int month) {
    const FieldId kmIn = balanceField(month, Balance::KMIn);
    if (!form_.isZero(kmIn)) form_.setReadOnly(kmIn, true);
    if (month == kJanuary) form_.setText(annualField(Annual::DebAnnee), form_.text(kmIn));
}

void Ledger::leaveEvening(int month, int day) {
    // The month is recounted from day 1 to the last day whose evening holds a reading, so that
    // leaving a field again, an earlier day or an empty day never counts a day twice.
    int last = 0;
    for (int d = monthInfo(month).dayRows; d >= 1 && last == 0; --d)
        if (!form_.isZero(eveningField(month, d))) last = d;
    if (last == 0) return;

    auto field = [month](Balance b) { return balanceField(month, b); };
    form_.setText(field(Balance::KMFin), form_.text(eveningField(month, last)));

    const std::int32_t final = readFigure(form_.text(field(Balance::KMFin)));
    const std::int32_t initial = readFigure(form_.text(field(Balance::KMIn)));
    form_.setText(field(Balance::KMTot), writeFigure(std::int64_t{final} - initial));

    // A day whose evening holds "0" was skipped: the next morning counts from the evening before.
    std::int32_t personal = 0;
    FieldId previousEvening = field(Balance::KMIn);
    for (int d = 1; d <= last; ++d) {
        if (form_.isZero(eveningField(month, d))) continue;
        const std::int32_t morning = readFigure(form_.text(morningField(month, d)));
        const std::int32_t previous = readFigure(form_.text(previousEvening));
        personal = checked32(std::int64_t{personal} + checked32(std::int64_t{morning} - previous));
        previousEvening = eveningField(month, d);
    }
    form_.setText(field(Balance::KMPerso), writeFigure(personal));

    std::int32_t professional = 0;
    for (int d = 1; d <= last; ++d) {
        if (form_.isZero(eveningField(month, d))) continue;
        const std::int32_t evening = readFigure(form_.text(eveningField(month, d)));
        const std::int32_t morning = readFigure(form_.text(morningField(month, d)));
        professional =
            checked32(std::int64_t{professional} + checked32(std::int64_t{evening} - morning));
    }
    form_.setText(field(Balance::KMPro), writeFigure(professional));

    const std::int32_t pro = readFigure(form_.text(field(Balance::KMPro)));
    const std::int32_t total = readFigure(form_.text(field(Balance::KMTot)));
    form_.setText(field(Balance::CoPro), quotient(pro, total));
    const std::int32_t perso = readFigure(form_.text(field(Balance::KMPerso)));
    form_.setText(field(Balance::CoPerso), quotient(perso, total));

    // Tabbing through an empty last day must not wipe the next month's initial reading.
    const FieldId left = eveningField(month, day);
    if (isLastDayMember(month, day) && !form_.isZero(left))
        form_.setText(handOnTarget(month), form_.text(left));

    lockPass();
}

void Ledger::lockPass() {
    for (FieldId id = 0; id < kFieldCount; ++id)
        if (!form_.isZero(id)) form_.setReadOnly(id, true);
}

void Ledger::startupUnlockPass() {
    for (FieldId id = 0; id < kFieldCount; ++id)
        if (form_.isZero(id)) form_.setReadOnly(id, false);
}

Ledger::MonthPageShown Ledger::showMonthPage(int month, double today) {
    MonthPageShown shown{balanceField(month, Balance::KMIn), true};
    if (month == kFebruary) shown.day29Visible = inLeapYear(today);
    if (!form_.isZero(shown.focus)) shown.focus = morningField(month, 1);
    checkNavigation(month);
    return shown;
}

void Ledger::showBilanPage() { checkNavigation(kBilanPage); }

void Ledger::checkNavigation(int page) {
    for (int p = 0; p < kPages; ++p) form_.setChecked(navigationItem(p), p == page);
}

int Ledger::activePageFromChecks() const {
    int page = 0;
    for (int p = 0; p < kPages; ++p)
        if (form_.checked(navigationItem(p))) page = p;
    return page;
}

void Ledger::pressCorrection(int month) {
    if (form_.correctionCaption(month) == kCaptionCorriger) {
        form_.setCorrectionCaption(month, kCaptionProteger);
        for (Balance b : {Balance::KMFin, Balance::KMTot, Balance::KMPro, Balance::KMPerso,
                          Balance::CoPro, Balance::CoPerso})
            form_.setText(balanceField(month, b), "0");
        form_.memo().clear();
        for (FieldId id = 0; id < kFieldCount; ++id) form_.setReadOnly(id, false);
    } else {
        for (int b = 0; b < kBalanceCount; ++b)
            form_.setReadOnly(balanceField(month, static_cast<Balance>(b)), true);
        form_.setCorrectionCaption(month, kCaptionCorriger);
    }
}

void Ledger::resetYear() {
    form_.memo().clear();
    for (FieldId id = 0; id < kFieldCount; ++id) {
        // A recomputation over an annual total of 0 may fail on the way; the fields after it
        // are reset all the same, so the year always ends all "0".
        try {
            form_.setText(id, "0");
        } catch (const Error&) {
        }
        form_.setReadOnly(id, false);
    }
    for (int m = 0; m < kMonths; ++m)
        for (int b = static_cast<int>(Balance::KMFin); b < kBalanceCount; ++b)
            form_.setReadOnly(balanceField(m, static_cast<Balance>(b)), true);
    for (int c = 0; c < kGridColumns; ++c)
        for (int m = 0; m < kMonths; ++m)
            form_.setReadOnly(gridField(m, static_cast<GridColumn>(c)), true);
    for (Annual a : {Annual::DebAnnee, Annual::FinAnnee, Annual::TotAnnee, Annual::TotPro,
                     Annual::TotPerso, Annual::KmReporter, Annual::CoefPro, Annual::CoefPerso})
        form_.setReadOnly(annualField(a), true);
}

void Ledger::setAccountingYearDefault(int year) {
    const FieldId id = headerField(Header::Comptabilite);
    if (form_.text(id) == "0" || form_.text(id).empty()) {
        std::string text = std::to_string(year);
        if (text.size() < 4) text.insert(0, 4 - text.size(), '0');
        form_.setText(id, text);
    }
}

void Ledger::recomputeYear() {
    const std::int32_t start = readFigure(form_.text(annualField(Annual::DebAnnee)));
    const std::int32_t end = readFigure(form_.text(annualField(Annual::FinAnnee)));
    form_.setText(annualField(Annual::TotAnnee), writeFigure(std::int64_t{end} - start));
    form_.setText(annualField(Annual::KmReporter), form_.text(annualField(Annual::FinAnnee)));

    std::int64_t professional = 0;
    std::int64_t personal = 0;
    for (int m = 0; m < kMonths; ++m)
        professional += readFigure(form_.text(gridField(m, GridColumn::KMPro)));
    for (int m = 0; m < kMonths; ++m)
        personal += readFigure(form_.text(gridField(m, GridColumn::KMPerso)));
    form_.setText(annualField(Annual::TotPro), writeFigure(professional));
    form_.setText(annualField(Annual::TotPerso), writeFigure(personal));

    const std::int32_t total = checked32(std::int64_t{end} - start);
    form_.setText(annualField(Annual::CoefPro), quotient(checked32(professional), total));
    form_.setText(annualField(Annual::CoefPerso), quotient(checked32(personal), total));
}

void Ledger::updateCoefficientPanels() {
    const char sep = regional_.decimalSeparator;
    const long double pro = readDecimal(form_.text(annualField(Annual::CoefPro)), sep) * 100;
    const long double perso = readDecimal(form_.text(annualField(Annual::CoefPerso)), sep) * 100;
    form_.setPanel(kProfessionalPanel, "Coefficient pro : " + writeHundredths(pro, sep) + " %");
    form_.setPanel(kPersonalPanel, "Coefficient perso : " + writeHundredths(perso, sep) + " %");
}

}  // namespace vardo
