#pragma once
// The ledger's operations on the form model: the month pages, the evening update, the annual
// balance and its change handlers, the correction lock and the new year.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ledger/form_model.h"

namespace vardo {

struct Regional {
    char decimalSeparator = ',';
};

// Today as a date-time value (days since 30/12/1899), for February's day 29.
double systemToday();

class Ledger {
public:
    // Installs the change handlers of the month balance fields and of the "Bilan" page.
    Ledger(FormModel& form, Regional regional, std::function<double()> today = systemToday);

    FormModel& form() { return form_; }
    const Regional& regional() const { return regional_; }

    // Leaving <M>KMIn: lock it unless it holds "0", take DebAnnee from the first month that
    // has an initial reading, and recount the month when it has recorded days. A failure
    // leaves every text as it was.
    void leaveInitialReading(int month);

    // Leaving <M>S<dd>: recounts the month over its recorded days, hands its final reading on
    // to the next month (which is recounted in turn when it changed), then runs the lock pass.
    // Every figure is read and checked before the first write; a failure leaves every text as
    // it was and throws.
    void leaveEvening(int month, int day);

    // Every aligned edit whose text is not exactly "0" becomes read-only.
    void lockPass();
    // Start-up: every aligned edit whose text is exactly "0" becomes editable.
    void startupUnlockPass();

    struct MonthPageShown {
        FieldId focus;       // <M>KMIn when it holds "0", else <M>M01
        bool day29Visible;   // February only; true for other months
    };
    // A month page became visible.
    MonthPageShown showMonthPage(int month);
    // February's row 29 is shown when aledComptabilite holds a leap year; when it holds no
    // year from 1 to 9999, today's year decides.
    bool februaryHasDay29() const;
    // The year whose calendar the ledger follows (ledger/calendar.h), today's from its clock.
    int calendarYear() const;
    // The "Bilan" page became visible: only BilanAnnuel1 checked among the navigation items.
    void showBilanPage();
    // Checks the navigation item of page (0..12) and unchecks the twelve others.
    void checkNavigation(int page);
    // The page that start-up opens: the last checked navigation item, January by default.
    int activePageFromChecks() const;

    // The month's correction button.
    void pressCorrection(int month);

    // New year, steps after the January page is shown: buffer emptied, every field "0" and
    // editable, the computed fields read-only again. Always ends in that state.
    void resetYear();

    // Start-up: the accounting year when aledComptabilite holds "0" or nothing.
    void setAccountingYearDefault(int year);

    // The annual recomputation, fired by any change of KMPro<M>, KMPerso<M>, DebAnnee or
    // FinAnnee. While the stored year is restored, DebAnnee and FinAnnee fire nothing: the
    // stored annual figures that follow them have the last word.
    void recomputeYear();
    void setRestoring(bool restoring) { restoring_ = restoring; }
    // The status bar coefficients (fired by CoefPro and CoefPerso changes).
    void updateCoefficientPanels();

private:
    // A month's balance as its readings give it, read and checked before anything is written.
    struct MonthCount {
        std::string finalText;
        std::int32_t total = 0, personal = 0, professional = 0;
        std::string coPro, coPerso;
    };
    std::optional<MonthCount> countMonth(int month) const;
    int recordedRows(int month) const;
    bool hasRecordedDays(int month) const;
    // Writes a month's count and hands its final reading on; returns the next month's turn.
    void recountFrom(int month, const MonthCount& count);
    void updateYearStart();
    void updateYearEnd();
    // Runs an update; when it fails, every text and panel is put back as it was.
    template <typename Update>
    void allOrNothing(Update&& update);

    void installHandlers();
    void copyOnChange(FieldId from, FieldId to);
    std::string quotient(std::int32_t numerator, std::int32_t denominator) const;

    FormModel& form_;
    Regional regional_;
    std::function<double()> today_;
    bool restoring_ = false;
};

// Fields that end read-only after a new year, in the order they are locked.
bool isComputedField(FieldId id);

}  // namespace vardo
