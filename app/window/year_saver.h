#pragma once
// The year is saved as the user goes. Any change of a stored value (a field's text, a menu check
// mark) schedules a save; saves are coalesced to at most one per interval. The values are taken
// on the window's thread, which is quick, and the file is written on a thread of its own, so a
// keystroke never waits on the disk. A close flushes whatever is pending. When a journal is
// kept, each write first appends the journal's new lines and flushes them to disk, and only
// then writes the store: the journal always holds every change the store holds.
#include <QObject>
#include <QTimer>
#include <atomic>
#include <functional>
#include <future>
#include <string>

#include "ledger/form_model.h"
#include "persist/form_store.h"
#include "persist/journal_keeper.h"

namespace vardo::app {

class YearSaver : public QObject, public FormObserver {
    Q_OBJECT
public:
    static constexpr int kDefaultIntervalMs = 1000;

    YearSaver(FormModel& form, FormStore& store, QObject* parent = nullptr);
    ~YearSaver() override;  // waits for the write in flight

    // From now on, changes are saved as they come (after the start-up load).
    void watch();
    // The journal whose lines go to disk before each store write (once it has started).
    void keepJournal(JournalKeeper* keeper);
    // Waits for the write in flight, then appends the journal's waiting lines; throws Error.
    void flushJournal();
    void setInterval(int milliseconds) { timer_.setInterval(milliseconds); }

    // Whether a change has not reached the file yet.
    bool dirty() const { return dirty_; }
    // Waits for the write in flight, then saves on this thread; throws Error.
    void flush();
    // Takes the values now and starts their write, unless one is in flight (the timer's job).
    void saveInBackground();
    // Waits for the write in flight; its failure is reported as a background one.
    void finishWrites();
    // Forgets what is pending (after a failed flush that has been reported).
    void clearPending() { dirty_ = false; }

    // Hooks for the fault-injection test: a save took its values; a save reached the disk.
    std::function<void()> onValuesTaken;
    std::function<void()> onSaved;

    void textChanged(FieldId, Origin) override { changed(); }
    void checkedChanged(MenuId) override { changed(); }

private:
    void changed();
    void journalChanged();
    void collect();  // the outcome of the write in flight, on this thread
    bool journaling() const { return journal_ && journal_->started(); }
    // The journal's lines of a write that failed before they reached the disk go back in line.
    void journalWriteFailed();

    FormModel& form_;
    FormStore& store_;
    QTimer timer_;
    bool watching_ = false;
    bool dirty_ = false;
    std::future<std::string> write_;
    JournalKeeper* journal_ = nullptr;
    std::string journalLines_;  // the lines of the write in flight
    std::atomic<bool> journalWritten_{false};
    bool journalDirty_ = false;   // journal entries wait, the stored values are unchanged
    bool storeInFlight_ = false;  // the write in flight writes the store after the journal
    // A failed background save is shown once, until a save succeeds again.
    bool failureShown_ = false;
};

}  // namespace vardo::app
