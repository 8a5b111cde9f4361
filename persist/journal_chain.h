#pragma once
// A journal file read line by line: each line's "prec" must be the SHA-256 of the line before
// it and its number one more than that line's. What the chain says is kept; the inputs it sets
// are replayed.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "persist/journal_entry.h"

namespace vardo {

// Where the chain does not hold, by line (1-based), in French.
struct ChainBreak {
    std::int64_t line = 0;
    std::string message;
};

struct JournalReading {
    std::vector<JournalEntry> entries;     // the lines that read as entries
    std::vector<ChainBreak> breaks;
    std::vector<std::string> fingerprints; // SHA-256 of every whole line, in order
    std::int64_t lines = 0;                // whole lines (ending with "\n")
    std::size_t wholeBytes = 0;            // the bytes up to and including the last whole line
    // A crash mid-append: the bytes after the last line break, or a last line that does not
    // read as an entry; never part of the chain.
    bool truncatedTail = false;
    std::string tail;

    // SHA-256 of the last whole line; kNoPreviousLine for an empty journal.
    std::string fingerprint() const;
};

JournalReading readJournal(std::string_view bytes);

// Every input's text as the journal builds it: the last text each entry gave it.
using JournalValues = std::map<std::string, std::string, std::less<>>;
JournalValues replayJournal(const std::vector<JournalEntry>& entries);
void replayEntry(const JournalEntry& entry, JournalValues& values);

// What the program reads of its journal to go on from it at start: the inputs replayed, and the
// last line's fingerprint and number. The chain is not checked here (the check and the journal's
// dialog do that), so only the last line is hashed, and a line shaped as the program writes a
// reading is read without building its JSON. Everything else is as readJournal reads it.
struct JournalOpening {
    JournalValues values;            // replayJournal(readJournal(bytes).entries)
    std::string fingerprint;         // readJournal(bytes).fingerprint()
    std::int64_t lastSequence = 0;   // the last entry's number; the line count when none reads
    std::int64_t lines = 0;
    std::size_t wholeBytes = 0;
    bool truncatedTail = false;
    std::string tail;
};
JournalOpening readJournalOpening(std::string_view bytes);

}  // namespace vardo
