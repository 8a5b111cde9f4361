#pragma once
// The ledger's operations on the form model: the triggers that recount the year (the exits of
// the initial readings, the evenings and the accounting year, the correction button), the
// month pages, the correction lock and the new year. Every computed figure is written from the
// one derivation of ledger/year_derivation.h.
#include <functional>
#include <string>
#include <vector>

#include "ledger/form_model.h"
#include "ledger/year_derivation.h"

namespace vardo {

struct Regional {
    char decimalSeparator = ',';
};

// Today as a date-time value (days since 30/12/1899), for February's day 29.
double systemToday();

class Ledger {
public:
    // Installs the change handlers that follow typing: each keystroke of <M>KMIn reaches the
    // "Bilan" grid, and the coefficients reach the status bar (as the stored year is loaded).
    Ledger(FormModel& form, Regional regional, std::function<double()> today = systemToday);
    ~Ledger();
    Ledger(const Ledger&) = delete;
    Ledger& operator=(const Ledger&) = delete;

    FormModel& form() { return form_; }
    const Regional& regional() const { return regional_; }

    // The exit of any field: <M>KMIn, <M>S<dd> and aledComptabilite recount the year, the
    // others do nothing.
    void leaveField(FieldId id);
    // Leaving <M>KMIn: lock it unless it holds "0", then recount; the lock pass follows when
    // the month has recorded days.
    void leaveInitialReading(int month);
    // Leaving <M>S<dd>: recount, then the lock pass when the month has recorded days, so that
    // leaving a field again, an earlier day or an empty day never counts a day twice.
    void leaveEvening(int month, int day);
    // Leaving aledComptabilite: the year decides February's day 29.
    void leaveAccountingYear();

    // Writes the derivation of the typed fields over the window: only the texts that differ,
    // so observers see only real changes. A figure that cannot be read, or a sum out of range,
    // throws before anything is written.
    const DerivedYear& recount();
    // Before the year leaves the program (saving, closing, printing, the annual text, the CSV,
    // the check): recounted, unless nothing was done since start-up, when the stored figures
    // have the last word.
    void bringUpToDate();
    // The derivation of the window's typed fields as they stand now.
    DerivedYear derive() const;

    // Every aligned edit whose text is not exactly "0" becomes read-only, but for the boxes of
    // a month whose correction button reads "&Protéger".
    void lockPass();
    // Start-up: every aligned edit whose text is exactly "0" becomes editable.
    void startupUnlockPass();

    struct MonthPageShown {
        FieldId focus;       // <M>KMIn when it holds "0", else <M>M01
        bool day29Visible;   // February only; true for other months
    };
    // A month page became visible.
    MonthPageShown showMonthPage(int month);
    // February's row 29 is shown when the ledger's year (calendarYear) is a leap year.
    bool februaryHasDay29() const;
    // The year whose calendar the ledger follows (ledger/calendar.h), today's from its clock.
    int calendarYear() const;
    // The "Bilan" page became visible: only BilanAnnuel1 checked among the navigation items.
    void showBilanPage();
    // Checks the navigation item of page (0..12) and unchecks the twelve others.
    void checkNavigation(int page);
    // The page that start-up opens: the last checked navigation item, January by default.
    int activePageFromChecks() const;

    // The month's correction button. Entering correction shows "0" in the month's balance
    // until the next recount, and opens every box, even when a figure elsewhere cannot be read
    // (the error follows); leaving it locks the month's seven balance fields and recounts.
    void pressCorrection(int month);
    bool inCorrection(int month) const;
    // The months entered into correction since the last exit that recounted (bit m for month
    // m): they show "0" until then, whatever else recounts in between.
    unsigned monthsAwaitingRecount() const { return awaitingRecount_; }

    // New year, steps after the January page is shown: every field "0" and
    // editable, the computed fields read-only again, the status bar at 0 %.
    void resetYear();

    // Start-up: the accounting year when aledComptabilite holds "0" or nothing.
    void setAccountingYearDefault(int year);

    // The status bar coefficients from CoefPro and CoefPerso's texts (their change handler),
    // worded as the derivation words them.
    void updateCoefficientPanels();

    // Start-up: the stored year is loaded between these two. The panels follow the restored
    // coefficients once, at the end, when a coefficient changed; one that cannot be read leaves
    // them as they are, as the load leaves any text a handler cannot take.
    void beginRestore();
    void endRestore();

private:
    // Brings the kept derivation up to date with the form (the months whose readings did not
    // change since are kept whole); a failure throws and leaves none kept.
    const DerivedYear& rederive(unsigned clearedMonths);
    void apply(const DerivedYear& derived);

    // The months whose day readings changed since the kept derivation (bit m for month m).
    class ReadingWatch : public FormObserver {
    public:
        unsigned changed = ~0U;
        void textChanged(FieldId id, Origin) override;
    };
    // The fields the lock pass must look at: those whose text changed or that were opened
    // since it last looked at them (at first, every field). Any other field is either locked
    // already or was "0" when last looked at, and still is.
    class LockWatch : public FormObserver {
    public:
        explicit LockWatch(const FormModel& form);
        void textChanged(FieldId id, Origin) override { mark(id); }
        void readOnlyChanged(FieldId id) override {
            if (!form_.readOnly(id)) mark(id);
        }
        void mark(FieldId id);
        // The fields to look at, which are then no longer marked.
        std::vector<FieldId> take();

    private:
        const FormModel& form_;
        std::vector<FieldId> fields_;
        std::vector<bool> marked_;
    };
    void installHandlers();

    FormModel& form_;
    Regional regional_;
    std::function<double()> today_;
    bool changedSinceStart_ = false;
    unsigned awaitingRecount_ = 0;
    bool applying_ = false;  // writing a derivation over the form
    bool restoring_ = false;  // loading the stored year
    bool coefficientRestored_ = false;
    DerivedYear last_;
    unsigned lastCleared_ = 0;
    ReadingWatch watch_;
    LockWatch lockWatch_;
};

}  // namespace vardo
