#include "persist/journal_keeper.h"

#include "persist/journal_inputs.h"
#include "persist/messages.h"

namespace vardo {

JournalKeeper::JournalKeeper(FormModel& form, std::string path)
    : form_(form), journal_(std::move(path)) {}

JournalKeeper::~JournalKeeper() {
    if (started_) form_.removeObserver(this);
}

void JournalKeeper::start() {
    if (started_) return;
    journal_.open();
    const bool fresh = journal_.found().lines == 0;
    journal_.record(JournalEvent::Opened);
    std::vector<JournalChange> differences = inputsDifferingFromJournal(journal_.values(), form_);
    if (!differences.empty()) {
        JournalEntry loaded;
        loaded.event = JournalEvent::Loaded;
        loaded.reason = std::string(fresh ? kJournalBegins : kJournalStoreDiffers);
        // Before the journal began, nothing was proven: no earlier text is claimed.
        if (fresh) {
            for (JournalChange& change : differences) change.before.clear();
        }
        loaded.changes = std::move(differences);
        journal_.append(std::move(loaded));
    }
    form_.addObserver(this);
    started_ = true;
    entryMade();
}

void JournalKeeper::textChanged(FieldId id, Origin origin) {
    if (paused_ || !isJournaledInput(id)) return;
    const std::string& before = journaledText(journal_.values(), id);
    const std::string& after = form_.text(id);
    if (before == after) return;
    JournalChange change{form_.name(id), before, after};
    if (origin == Origin::Typing) {
        journal_.appendTyped(std::move(change));
    } else {
        JournalEntry entry;
        entry.event = JournalEvent::Carried;
        entry.changes.push_back(std::move(change));
        journal_.append(std::move(entry));
    }
    entryMade();
}

void JournalKeeper::recordCorrection(int month, bool opened) {
    if (!started_) return;
    JournalEntry entry;
    entry.event = opened ? JournalEvent::CorrectionOpened : JournalEvent::CorrectionClosed;
    entry.month = std::string(monthInfo(month).code);
    journal_.append(std::move(entry));
    entryMade();
}

void JournalKeeper::recordClose() {
    if (!started_) return;
    journal_.record(JournalEvent::Closed);
    entryMade();
}

void JournalKeeper::recordNewYear(const std::string& archivePath) {
    if (!started_) return;
    JournalEntry entry;
    entry.event = JournalEvent::NewYear;
    if (!archivePath.empty()) {
        journal_.archiveAs(archivePath);
        entry.archive = archivePath.substr(archivePath.rfind('/') + 1);
    }
    entry.changes = inputsDifferingFromJournal(journal_.values(), form_);
    journal_.append(std::move(entry));
    entryMade();
}

void JournalKeeper::entryMade() {
    if (onEntry) onEntry();
}

}  // namespace vardo
