#include "ledger/ledger.h"

#include <ctime>
#include <optional>

#include "ledger/calendar.h"
#include "ledger/dates.h"
#include "ledger/error.h"
#include "ledger/numbers.h"

namespace vardo {

double systemToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const double time = (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) / 86400.0;
    return toDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) + time;
}

Ledger::Ledger(FormModel& form, Regional regional, std::function<double()> today)
    : form_(form), regional_(regional), today_(std::move(today)), lockWatch_(form) {
    installHandlers();
    form_.addObserver(&watch_);
    form_.addObserver(&lockWatch_);
}

Ledger::~Ledger() {
    form_.removeObserver(&lockWatch_);
    form_.removeObserver(&watch_);
}

Ledger::LockWatch::LockWatch(const FormModel& form)
    : form_(form), marked_(static_cast<std::size_t>(kFieldCount), true) {
    fields_.reserve(static_cast<std::size_t>(kFieldCount));
    for (FieldId id = 0; id < kFieldCount; ++id) fields_.push_back(id);
}

void Ledger::LockWatch::mark(FieldId id) {
    const auto at = static_cast<std::size_t>(id);
    if (marked_[at]) return;
    marked_[at] = true;
    fields_.push_back(id);
}

std::vector<FieldId> Ledger::LockWatch::take() {
    std::vector<FieldId> taken;
    taken.swap(fields_);
    for (FieldId id : taken) marked_[static_cast<std::size_t>(id)] = false;
    return taken;
}

void Ledger::ReadingWatch::textChanged(FieldId id, Origin) {
    if (id < morningField(kJanuary, 1) || id >= gridField(kJanuary, GridColumn::KMIni)) return;
    for (int m = 0; m < kMonths; ++m)
        if (id <= eveningField(m, monthInfo(m).dayRows)) {
            if (id >= morningField(m, 1)) changed |= 1U << m;
            return;
        }
}

void Ledger::installHandlers() {
    for (int m = 0; m < kMonths; ++m) {
        const FieldId initial = balanceField(m, Balance::KMIn);
        const FieldId copy = gridField(m, GridColumn::KMIni);
        form_.setChangeHandler(initial, [this, initial, copy] {
            form_.setText(copy, form_.text(initial));
        });
    }
    // A recount writes the panels itself, once, from the derivation; a load once at its end.
    const auto coefficientChanged = [this] {
        if (restoring_) coefficientRestored_ = true;
        else if (!applying_) updateCoefficientPanels();
    };
    form_.setChangeHandler(annualField(Annual::CoefPro), coefficientChanged);
    form_.setChangeHandler(annualField(Annual::CoefPerso), coefficientChanged);
}

DerivedYear Ledger::derive() const {
    return deriveYear(form_, calendarYear(), regional_.decimalSeparator);
}

const DerivedYear& Ledger::rederive(unsigned clearedMonths) {
    const int year = calendarYear();
    const bool kept = !last_.coefPro.empty() && last_.year == year;
    const unsigned unchanged = kept ? ~watch_.changed & ~(clearedMonths ^ lastCleared_) : 0U;
    try {
        updateDerivedYear(last_, form_, year, regional_.decimalSeparator, clearedMonths,
                          unchanged);
    } catch (...) {
        last_ = DerivedYear{};
        throw;
    }
    lastCleared_ = clearedMonths;
    watch_.changed = 0;
    return last_;
}

void Ledger::apply(const DerivedYear& derived) {
    // The panels follow a change of the coefficients, as when the stored year is loaded: a
    // recount that leaves both as they were leaves the panels too (their design texts while no
    // coefficient has changed), so the window looks the same after a restart.
    const bool coefficientsChange =
        form_.text(annualField(Annual::CoefPro)) != derived.coefPro ||
        form_.text(annualField(Annual::CoefPerso)) != derived.coefPerso;
    applying_ = true;
    try {
        derived.eachField([this](FieldId id, const std::string& text) { form_.setText(id, text); });
    } catch (...) {
        applying_ = false;
        throw;
    }
    applying_ = false;
    if (!coefficientsChange) return;
    form_.setPanel(kProfessionalPanel, derived.professionalPanel);
    form_.setPanel(kPersonalPanel, derived.personalPanel);
}

const DerivedYear& Ledger::recount() {
    changedSinceStart_ = true;
    apply(rederive(0));
    awaitingRecount_ = 0;
    return last_;
}

void Ledger::bringUpToDate() {
    if (changedSinceStart_) recount();
}

void Ledger::leaveField(FieldId id) {
    if (id == headerField(Header::Comptabilite)) return leaveAccountingYear();
    for (int m = 0; m < kMonths; ++m) {
        if (id == balanceField(m, Balance::KMIn)) return leaveInitialReading(m);
        if (id > balanceField(m, Balance::CoPerso) && id <= eveningField(m, monthInfo(m).dayRows)) {
            const int offset = id - morningField(m, 1);
            if (offset % 2 == 1) leaveEvening(m, offset / 2 + 1);
            return;
        }
    }
}

void Ledger::leaveInitialReading(int month) {
    const FieldId kmIn = balanceField(month, Balance::KMIn);
    if (!form_.isZero(kmIn)) form_.setReadOnly(kmIn, true);
    if (recount().months[static_cast<std::size_t>(month)].recorded()) lockPass();
}

void Ledger::leaveEvening(int month, int /*day*/) {
    // Whichever day was left, the year is counted from its readings.
    if (recount().months[static_cast<std::size_t>(month)].recorded()) lockPass();
}

void Ledger::leaveAccountingYear() { recount(); }

bool Ledger::inCorrection(int month) const {
    return form_.correctionCaption(month) == kCaptionProteger;
}

void Ledger::lockPass() {
    // Only the fields that may be open with a text other than "0" (LockWatch); a month under
    // correction keeps its fields open, and they stay to be looked at by a later pass.
    for (FieldId id : lockWatch_.take()) {
        const int month = monthPageOf(id);
        if (month >= 0 && inCorrection(month)) lockWatch_.mark(id);
        else if (!form_.isZero(id)) form_.setReadOnly(id, true);
    }
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

int Ledger::calendarYear() const {
    if (const std::optional<int> year = accountingYear(form_)) return *year;
    return yearOf(today_());  // the clock only when the header holds no year
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
    changedSinceStart_ = true;
    if (inCorrection(month)) {
        for (int b = 0; b < kBalanceCount; ++b)
            form_.setReadOnly(balanceField(month, static_cast<Balance>(b)), true);
        form_.setCorrectionCaption(month, kCaptionCorriger);
        awaitingRecount_ &= ~(1U << month);
        apply(rederive(awaitingRecount_));
        return;
    }
    form_.setCorrectionCaption(month, kCaptionProteger);
    awaitingRecount_ |= 1U << month;
    std::string failure;
    try {
        apply(rederive(awaitingRecount_));
    } catch (const Error& error) {
        // The boxes open all the same, so that the figure can be mended; the month shows its
        // "0"s, the rest of the year stays as it was.
        failure = error.what();
        for (Balance b : {Balance::KMFin, Balance::KMTot, Balance::KMPro, Balance::KMPerso,
                          Balance::CoPro, Balance::CoPerso})
            form_.setText(balanceField(month, b), "0");
        for (GridColumn c : {GridColumn::KMFin, GridColumn::KMTot, GridColumn::KMPro,
                             GridColumn::KMPerso})
            form_.setText(gridField(month, c), "0");
    }
    for (FieldId id = 0; id < kFieldCount; ++id) form_.setReadOnly(id, false);
    if (!failure.empty()) throw Error(failure);
}

void Ledger::resetYear() {
    changedSinceStart_ = true;
    for (FieldId id = 0; id < kFieldCount; ++id) {
        form_.setText(id, "0");
        form_.setReadOnly(id, false);
    }
    for (FieldId id = 0; id < kFieldCount; ++id)
        if (designReadOnly(id)) form_.setReadOnly(id, true);
    recount();
}

void Ledger::setAccountingYearDefault(int year) {
    const FieldId id = headerField(Header::Comptabilite);
    if (form_.text(id) == "0" || form_.text(id).empty()) {
        std::string text = std::to_string(year);
        if (text.size() < 4) text.insert(0, 4 - text.size(), '0');
        form_.setText(id, text);
    }
}

void Ledger::updateCoefficientPanels() {
    const char sep = regional_.decimalSeparator;
    // Both read before either is written: a failure leaves the two panels as they were.
    const std::string pro =
        percentPanel(kProfessionalPanelLabel, form_.text(annualField(Annual::CoefPro)), sep);
    const std::string perso =
        percentPanel(kPersonalPanelLabel, form_.text(annualField(Annual::CoefPerso)), sep);
    form_.setPanel(kProfessionalPanel, pro);
    form_.setPanel(kPersonalPanel, perso);
}

void Ledger::beginRestore() {
    restoring_ = true;
    coefficientRestored_ = false;
}

void Ledger::endRestore() {
    restoring_ = false;
    if (!coefficientRestored_) return;
    try {
        updateCoefficientPanels();
    } catch (const Error&) {
    }
}

}  // namespace vardo
