#pragma once
// One entry of the journal of the year's inputs, and its line in the journal file: one JSON
// object, keys in French, UTF-8, ending with "prec", the SHA-256 of the line before it.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vardo {

enum class JournalEvent {
    Typed,             // "saisie": the user typed a new text into a stored input
    Carried,           // "report": the program wrote a stored input (a reading handed on)
    CorrectionOpened,  // "correction": a month unlocked for correction
    CorrectionClosed,  // "fin de correction"
    NewYear,           // "nouvelle année": the first entry after "Commencer nouvelle année"
    Opened,            // "ouverture": the program started on this year
    Closed,            // "fermeture"
    Loaded,            // "chargement": the year on disk said what the journal did not
};

// The event's word in the file.
std::string_view journalEventName(JournalEvent event);

struct JournalChange {
    std::string key;
    std::string before;
    std::string after;
    bool operator==(const JournalChange&) const = default;
};

struct JournalEntry {
    std::int64_t sequence = 0;  // 1 for the first line
    std::string when;           // local time with its UTC offset: 2026-01-02T08:14:03+01:00
    JournalEvent event = JournalEvent::Opened;
    // Typed, Carried: exactly one; Loaded, NewYear: the inputs they set; others: none.
    std::vector<JournalChange> changes;
    std::string month;    // CorrectionOpened, CorrectionClosed: the month's code ("Janv")
    std::string reason;   // Loaded: why the year on disk was taken as it stood
    std::string archive;  // NewYear: the archived journal's file name
    std::string previous; // SHA-256 (hex) of the previous line; 64 zeros for the first one
    bool operator==(const JournalEntry&) const = default;
};

// A line that is not a journal entry.
class JournalLineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The entry's line, without its line break. Text that is not UTF-8 is written with U+FFFD.
std::string journalLine(const JournalEntry& entry);
// Throws JournalLineError.
JournalEntry parseJournalLine(std::string_view line);

// The predecessor of a journal's first line.
inline const std::string kNoPreviousLine(64, '0');

}  // namespace vardo
