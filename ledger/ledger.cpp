#include "ledger/ledger.h"

#include <cstdint>
#include <ctime>

#include "ledger/error.h"
#include "ledger/numbers.h"
#include "ledger/calendar.h"
#include "ledger/dates.h"

namespace vardo {
namespace {

// Sums and differences are taken in 64 bits and must come back into the 32-bit range.
std::int32_t checked32(std::int64_t value) {
    if (value < INT32_MIN || value > INT32_MAX) throw Error(std::string{kIntegerOverflow});
    return static_cast<std::int32_t>(value);
}

}  // namespace

double systemToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const double time = (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) / 86400.0;
    return toDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) + time;
}

bool isComputedField(FieldId id) { return designReadOnly(id); }

Ledger::Ledger(FormModel& form, Regional regional, std::function<double()> today)
    : form_(form), regional_(regional), today_(std::move(today)) {
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
        form_.setChangeHandler(gridField(m, GridColumn::KMFin), [this] { updateYearEnd(); });
        form_.setChangeHandler(gridField(m, GridColumn::KMPro), [this] { recomputeYear(); });
        form_.setChangeHandler(gridField(m, GridColumn::KMPerso), [this] { recomputeYear(); });
    }
    for (Annual a : {Annual::DebAnnee, Annual::FinAnnee})
        form_.setChangeHandler(annualField(a), [this] {
            if (!restoring_) recomputeYear();
        });
    form_.setChangeHandler(annualField(Annual::CoefPro), [this] { updateCoefficientPanels(); });
    form_.setChangeHandler(annualField(Annual::CoefPerso), [this] { updateCoefficientPanels(); });
}

// A total of 0 has no coefficient yet: it shows "0".
std::string Ledger::quotient(std::int32_t numerator, std::int32_t denominator) const {
    if (denominator == 0) return "0";
    return writeQuotient(numerator, denominator, regional_.decimalSeparator);
}

template <typename Update>
void Ledger::allOrNothing(Update&& update) {
    FormModel::UndoLog log;
    form_.keepUndoLog(&log);
    try {
        update();
    } catch (...) {
        form_.keepUndoLog(nullptr);
        form_.undo(log);
        throw;
    }
    form_.keepUndoLog(nullptr);
}

void Ledger::leaveInitialReading(int month) {
    const FieldId kmIn = balanceField(month, Balance::KMIn);
    if (!form_.isZero(kmIn)) form_.setReadOnly(kmIn, true);
    bool recounted = false;
    allOrNothing([&] {
        const std::optional<MonthCount> count = countMonth(month);
        updateYearStart();
        if (count) recountFrom(month, *count);
        recounted = count.has_value();
    });
    if (recounted) lockPass();
}

void Ledger::leaveEvening(int month, int /*day*/) {
    // Whichever day was left, the month is recounted from its readings, so that leaving a field
    // again, an earlier day or an empty day never counts a day twice.
    bool recounted = false;
    allOrNothing([&] {
        const std::optional<MonthCount> count = countMonth(month);
        if (!count) return;
        recountFrom(month, *count);
        updateYearStart();
        recounted = true;
    });
    if (recounted) lockPass();
}

int Ledger::recordedRows(int month) const { return daysInMonth(month, calendarYear()); }

bool Ledger::hasRecordedDays(int month) const {
    for (int d = 1; d <= recordedRows(month); ++d)
        if (!form_.isZero(eveningField(month, d))) return true;
    return false;
}

std::optional<Ledger::MonthCount> Ledger::countMonth(int month) const {
    int last = 0;
    for (int d = recordedRows(month); d >= 1 && last == 0; --d)
        if (!form_.isZero(eveningField(month, d))) last = d;
    if (last == 0) return std::nullopt;

    MonthCount count;
    count.finalText = form_.text(eveningField(month, last));
    const std::int32_t final = readFigure(count.finalText);
    const std::int32_t initial = readFigure(form_.text(balanceField(month, Balance::KMIn)));
    count.total = checked32(std::int64_t{final} - initial);

    // A day whose evening holds "0" was skipped: the next morning counts from the evening before.
    FieldId previousEvening = balanceField(month, Balance::KMIn);
    for (int d = 1; d <= last; ++d) {
        if (form_.isZero(eveningField(month, d))) continue;
        const std::int32_t morning = readFigure(form_.text(morningField(month, d)));
        const std::int32_t previous = readFigure(form_.text(previousEvening));
        const std::int32_t evening = readFigure(form_.text(eveningField(month, d)));
        count.personal =
            checked32(std::int64_t{count.personal} + checked32(std::int64_t{morning} - previous));
        count.professional = checked32(std::int64_t{count.professional} +
                                       checked32(std::int64_t{evening} - morning));
        previousEvening = eveningField(month, d);
    }
    count.coPro = quotient(count.professional, count.total);
    count.coPerso = quotient(count.personal, count.total);
    return count;
}

void Ledger::recountFrom(int month, const MonthCount& count) {
    auto field = [month](Balance b) { return balanceField(month, b); };
    form_.setText(field(Balance::KMFin), count.finalText);
    form_.setText(field(Balance::KMTot), writeFigure(count.total));
    form_.setText(field(Balance::KMPerso), writeFigure(count.personal));
    form_.setText(field(Balance::KMPro), writeFigure(count.professional));
    form_.setText(field(Balance::CoPro), count.coPro);
    form_.setText(field(Balance::CoPerso), count.coPerso);

    // The next month starts where this one ends; when its start moved, its balance follows.
    const FieldId next = handOnTarget(month);
    if (form_.text(next) == count.finalText) return;
    form_.setText(next, count.finalText);
    if (month + 1 < kMonths)
        if (const std::optional<MonthCount> nextCount = countMonth(month + 1))
            recountFrom(month + 1, *nextCount);
}

void Ledger::updateYearStart() {
    std::string start = "0";
    for (int m = 0; m < kMonths; ++m)
        if (!form_.isZero(balanceField(m, Balance::KMIn))) {
            start = form_.text(balanceField(m, Balance::KMIn));
            break;
        }
    form_.setText(annualField(Annual::DebAnnee), start);
}

void Ledger::updateYearEnd() {
    std::string end = "0";
    for (int m = kMonths - 1; m >= 0; --m)
        if (!form_.isZero(gridField(m, GridColumn::KMFin))) {
            end = form_.text(gridField(m, GridColumn::KMFin));
            break;
        }
    form_.setText(annualField(Annual::FinAnnee), end);
}

void Ledger::lockPass() {
    for (FieldId id = 0; id < kFieldCount; ++id)
        if (!form_.isZero(id)) form_.setReadOnly(id, true);
}

void Ledger::startupUnlockPass() {
    for (FieldId id = 0; id < kFieldCount; ++id)
        if (form_.isZero(id)) form_.setReadOnly(id, false);
}

Ledger::MonthPageShown Ledger::showMonthPage(int month) {
    MonthPageShown shown{balanceField(month, Balance::KMIn), true};
    if (month == kFebruary) shown.day29Visible = februaryHasDay29();
    if (!form_.isZero(shown.focus)) shown.focus = morningField(month, 1);
    checkNavigation(month);
    return shown;
}

bool Ledger::februaryHasDay29() const {
    return daysInMonth(kFebruary, calendarYear()) == kFebruaryLeapDay;
}

int Ledger::calendarYear() const { return vardo::calendarYear(form_, yearOf(today_())); }

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
