#include "app/window/year_saver.h"

#include "app/window/error_guard.h"

#include <QMetaObject>

namespace vardo::app {

YearSaver::YearSaver(FormModel& form, FormStore& store, QObject* parent)
    : QObject(parent), form_(form), store_(store) {
    timer_.setSingleShot(true);
    timer_.setInterval(kDefaultIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &YearSaver::saveInBackground);
}

YearSaver::~YearSaver() {
    if (watching_) form_.removeObserver(this);
    if (write_.valid()) write_.wait();
}

void YearSaver::watch() {
    if (watching_ || !store_.saves()) return;
    watching_ = true;
    form_.addObserver(this);
}

void YearSaver::changed() {
    dirty_ = true;
    // Not restarted by later changes: a user who keeps typing still gets a save per interval.
    if (!timer_.isActive() && !write_.valid()) timer_.start();
}

void YearSaver::saveInBackground() {
    if (!dirty_ || write_.valid()) return;
    FormStore::SaveJob job = store_.prepareSave();
    dirty_ = false;
    if (onValuesTaken) onValuesTaken();
    write_ = std::async(std::launch::async, [this, job = std::move(job)] {
        // Tells the window's thread, whichever way the write ends.
        struct Notify {
            YearSaver* saver;
            ~Notify() {
                QMetaObject::invokeMethod(saver, [s = saver] { s->collect(); },
                                          Qt::QueuedConnection);
            }
        } notify{this};
        return FormStore::runSave(job);
    });
}

void YearSaver::collect() {
    if (!write_.valid()) return;
    try {
        store_.saveDone(write_.get());
        failureShown_ = false;
        if (onSaved) onSaved();
    } catch (const std::exception& failure) {
        dirty_ = true;  // tried again at the next change, and at the close
        if (!failureShown_) showErrorLater(failure.what());
        failureShown_ = true;
    }
    if (dirty_ && !timer_.isActive()) timer_.start();
}

void YearSaver::finishWrites() {
    collect();
}

void YearSaver::flush() {
    timer_.stop();
    if (write_.valid()) {
        write_.wait();
        try {
            store_.saveDone(write_.get());
        } catch (const std::exception&) {
            // The save below writes the same values again and reports its own failure.
        }
    }
    if (!store_.saves()) return;
    dirty_ = false;
    try {
        store_.saveAll();
    } catch (...) {
        dirty_ = true;
        throw;
    }
    if (onSaved) onSaved();
}

}  // namespace vardo::app
