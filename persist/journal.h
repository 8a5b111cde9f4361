#pragma once
// The journal of the year's inputs as the program keeps it: entries are made in memory on the
// window's thread, which is quick, and reach the file in the write that comes before the
// store's, flushed to disk, so that the journal always holds every change the store holds.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "persist/journal_chain.h"
#include "persist/journal_entry.h"

namespace vardo {

class Journal {
public:
    explicit Journal(std::string path);

    // Reads the file; a missing one is an empty journal. A last line cut short by a crash is
    // removed from the file and an entry says so. A broken chain elsewhere is kept as it is:
    // the journal goes on from its last line. Throws Error when the file cannot be read or
    // mended.
    void open();
    const std::string& path() const { return path_; }
    // What the file held at open (its chain unchecked), and the inputs as the journal builds
    // them now.
    const JournalOpening& found() const { return found_; }
    const JournalValues& values() const { return values_; }

    // Numbers, dates and chains an entry and keeps its line until the next write.
    void append(JournalEntry entry);
    void record(JournalEvent event, std::vector<JournalChange> changes = {});
    // A typed change of the same input as the last entry, while that entry still waits in
    // memory, amends it (its old text stays, the new text and the time are this change's): a
    // reading typed key by key makes one entry per write, not one per key.
    void appendTyped(JournalChange change);
    bool pending() const { return !pending_.empty(); }
    // The lines not yet written, handed to the write (which may run on another thread).
    std::string takePending();
    // Lines taken whose write failed: they are written first at the next write.
    void putBack(const std::string& lines);
    // Appends lines to the file and flushes them to disk; throws Error.
    static void appendToFile(const std::string& path, std::string_view lines);

    // Puts the journal's file aside under another name in the same folder (never replacing a
    // file) and starts an empty one that goes on from its last line; its waiting lines must
    // have been written. Throws Error.
    void archiveAs(const std::string& archivePath);

    // SHA-256 of the last line, written or not, and the number of entries.
    const std::string& fingerprint() const { return fingerprint_; }
    std::int64_t entries() const { return sequence_; }

    // Local time with its UTC offset, ISO 8601 (tests fix it).
    std::function<std::string()> clock;

private:
    std::string path_;
    JournalOpening found_;
    JournalValues values_;
    std::string pending_;
    std::string fingerprint_;
    // The last entry, where its line starts in pending_ (npos once written), and the
    // fingerprint of the line before it.
    JournalEntry last_;
    std::size_t lastLineStart_ = std::string::npos;
    std::string fingerprintBeforeLast_;
    std::int64_t sequence_ = 0;
};

// Now, as the journal dates its entries: 2026-01-02T08:14:03+01:00.
std::string journalTimeNow();

}  // namespace vardo
