#pragma once
// The ledger's operations on the form model: the month pages, the evening update, the annual
// balance and its change handlers, the correction lock and the new year.
#include <string>
#include <string_view>

#include "ledger/form_model.h"

namespace vardo {

struct Regional {
    char decimalSeparator = ',';
};

class Ledger {
public:
    // Installs the change handlers of the month balance fields and of the "Bilan" page.
    Ledger(FormModel& form, Regional regional);

    FormModel& form() { return form_; }
    const Regional& regional() const { return regional_; }

    // Leaving <M>KMIn: lock it unless it holds "0"; January also copies it to DebAnnee.
    void leaveInitialReading(int month);

    // Leaving <M>S<dd>: brings the month's balance up to date over its days, hands the last
    // evening on to the next month, then runs the lock pass. Throws on a failing step.
    void leaveEvening(int month, int day);

    // Every aligned edit whose text is not exactly "0" becomes read-only.
    void lockPass();
    // Start-up: every aligned edit whose text is exactly "0" becomes editable.
    void startupUnlockPass();

    struct MonthPageShown {
        FieldId focus;       // <M>KMIn when it holds "0", else <M>M01
        bool day29Visible;   // February only; true for other months
    };
    // A month page became visible; today is a date-time value (days since 30/12/1899).
    MonthPageShown showMonthPage(int month, double today);
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

    // The annual recomputation (also fired by any KMPro<M> change).
    void recomputeYear();
    // The status bar coefficients (fired by CoefPro and CoefPerso changes).
    void updateCoefficientPanels();

private:
    void installHandlers();
    void copyOnChange(FieldId from, FieldId to);
    std::string quotient(std::int32_t numerator, std::int32_t denominator) const;

    FormModel& form_;
    Regional regional_;
};

// Fields that end read-only after a new year, in the order they are locked.
bool isComputedField(FieldId id);

}  // namespace vardo
