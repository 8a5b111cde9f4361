#include "app/window/year_saver.h"

#include "app/window/error_guard.h"

#include <QMetaObject>
#include <exception>

namespace vardo::app {

YearSaver::YearSaver(FormModel& form, FormStore& store, QObject* parent)
    : QObject(parent), form_(form), store_(store) {
    timer_.setSingleShot(true);
    timer_.setInterval(kDefaultIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &YearSaver::saveInBackground);
}

YearSaver::~YearSaver() {
    if (watching_) form_.removeObserver(this);
    if (journal_) journal_->onEntry = nullptr;
    if (write_.valid()) write_.wait();
}

void YearSaver::watch() {
    if (watching_ || !store_.saves()) return;
    watching_ = true;
    form_.addObserver(this);
}

void YearSaver::keepJournal(JournalKeeper* keeper) {
    journal_ = keeper;
    if (journal_) journal_->onEntry = [this] { journalChanged(); };
}

void YearSaver::journalWriteFailed() {
    if (!journalWritten_ && !journalLines_.empty())
        journal_->journal().putBack(std::move(journalLines_));
    journalLines_.clear();
}

void YearSaver::flushJournal() {
    timer_.stop();
    if (write_.valid()) {
        write_.wait();
        try {
            const std::string written = write_.get();
            if (storeInFlight_) store_.saveDone(written);
        } catch (const std::exception&) {
            journalWriteFailed();
        }
        journalLines_.clear();
    }
    journalDirty_ = false;
    if (!journaling()) return;
    const std::string lines = journal_->journal().takePending();
    try {
        Journal::appendToFile(journal_->path(), lines);
    } catch (...) {
        journal_->journal().putBack(lines);
        throw;
    }
}

// An entry that changed no stored value (a start, a correction) is written on its own.
void YearSaver::journalChanged() {
    journalDirty_ = true;
    if (!timer_.isActive() && !write_.valid()) timer_.start();
}

void YearSaver::changed() {
    dirty_ = true;
    // Not restarted by later changes: a user who keeps typing still gets a save per interval.
    if (!timer_.isActive() && !write_.valid()) timer_.start();
}

void YearSaver::saveInBackground() {
    if ((!dirty_ && !journalDirty_) || write_.valid()) return;
    storeInFlight_ = dirty_;
    FormStore::SaveJob job = storeInFlight_ ? store_.prepareSave() : FormStore::SaveJob{};
    journalLines_ = journaling() ? journal_->journal().takePending() : std::string{};
    journalWritten_ = false;
    const std::string journalPath = journaling() ? journal_->path() : std::string{};
    dirty_ = journalDirty_ = false;
    if (storeInFlight_ && onValuesTaken) onValuesTaken();
    write_ = std::async(std::launch::async, [this, job = std::move(job), journalPath,
                                             storeToo = storeInFlight_] {
        // Tells the window's thread, whichever way the write ends.
        struct Notify {
            YearSaver* saver;
            ~Notify() {
                QMetaObject::invokeMethod(saver, [s = saver] { s->collect(); },
                                          Qt::QueuedConnection);
            }
        } notify{this};
        // The journal first, flushed: the store never holds a change the journal lacks.
        Journal::appendToFile(journalPath, journalLines_);
        journalWritten_ = true;
        return storeToo ? FormStore::runSave(job) : std::string{};
    });
}

void YearSaver::collect() {
    if (!write_.valid()) return;
    try {
        const std::string written = write_.get();
        journalLines_.clear();
        failureShown_ = false;
        if (storeInFlight_) {
            store_.saveDone(written);
            if (onSaved) onSaved();
        }
    } catch (const std::exception& failure) {
        journalWriteFailed();
        // Tried again at the next change, and at the close.
        (storeInFlight_ ? dirty_ : journalDirty_) = true;
        if (!failureShown_) showErrorLater(failure.what());
        failureShown_ = true;
    }
    if ((dirty_ || journalDirty_) && !timer_.isActive()) timer_.start();
}

void YearSaver::finishWrites() {
    collect();
}

void YearSaver::flush() {
    // The write in flight is waited for; when it failed, the save below writes the same values
    // again and reports its own failure. A journal that cannot be written does not cost the
    // year: the store is saved all the same, and the next start records what the journal lacks.
    std::exception_ptr journalFailure;
    try {
        flushJournal();
    } catch (...) {
        journalFailure = std::current_exception();
    }
    if (!store_.saves()) {
        if (journalFailure) std::rethrow_exception(journalFailure);
        return;
    }
    dirty_ = false;
    try {
        store_.saveAll();
    } catch (...) {
        dirty_ = true;
        throw;
    }
    if (onSaved) onSaved();
    if (journalFailure) std::rethrow_exception(journalFailure);
}

}  // namespace vardo::app
