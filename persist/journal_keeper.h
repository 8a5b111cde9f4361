#pragma once
// The journal kept beside the window's form: every change of a stored input becomes an entry as
// it happens ("saisie" when typed, "report" when the program wrote it), the start compares the
// year loaded with what the journal builds, and the window adds its own events (start, close,
// correction). The entries wait in memory until the saver writes them, before the store.
#include <functional>
#include <string>

#include "ledger/form_model.h"
#include "persist/journal.h"

namespace vardo {

class JournalKeeper : public FormObserver {
public:
    JournalKeeper(FormModel& form, std::string path);
    ~JournalKeeper() override;
    JournalKeeper(const JournalKeeper&) = delete;
    JournalKeeper& operator=(const JournalKeeper&) = delete;

    // After the year is loaded: opens the journal (a cut-short last line mended), records the
    // start, then whatever the loaded year says that the journal does not, and from then on
    // follows the form. Throws Error when the journal cannot be read.
    void start();
    bool started() const { return started_; }
    void recordCorrection(int month, bool opened);
    void recordClose();
    // After "Commencer nouvelle année" has reset the form (with the keeper paused): the journal
    // is archived under archivePath, when one is given, and the new one starts with a "nouvelle
    // année" entry that names it and goes on from its last line; that entry holds the inputs the
    // reset left other than their design texts. The journal's lines must have been written.
    void recordNewYear(const std::string& archivePath);
    // Stops following the form (while the new year resets it, say).
    void pause(bool paused) { paused_ = paused; }

    Journal& journal() { return journal_; }
    const std::string& path() const { return journal_.path(); }

    // Told after each entry: the saver schedules a write.
    std::function<void()> onEntry;

    void textChanged(FieldId id, Origin origin) override;

private:
    void entryMade();

    FormModel& form_;
    Journal journal_;
    bool started_ = false;
    bool paused_ = false;
};

}  // namespace vardo
