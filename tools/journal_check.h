#pragma once
// The journal of the year's inputs checked against itself and against the year stored beside
// it: the chain line by line, the inputs it builds against the stored ones, and, when one is
// given, a fingerprint handed to someone earlier. The verdict in French, one finding a line.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "persist/journal_chain.h"

namespace vardo {

struct JournalVerdict {
    bool holds = true;                // the chain, the fingerprint and the stored year agree
    std::vector<std::string> lines;   // the summary first, then each finding
    std::vector<JournalEntry> entries;  // the journal as this check read it
};

// Checks the journal in the folder against the year stored there. fingerprint: empty, or the
// 64 hexadecimal digits of a line the journal must still hold. Throws Error when the folder
// holds no journal or no year, or the fingerprint is not one.
JournalVerdict checkJournal(const std::string& folder, const std::string& fingerprint = {});

// The journal of the folder, read; throws Error when there is none or it cannot be read.
JournalReading readJournalIn(const std::string& folder);

// What the accountant's copy carries of the journal: the fingerprint of its last line on disk,
// how many typed entries it holds, and that line's date in words.
struct JournalWitness {
    std::string fingerprint;
    std::int64_t typed = 0;
    std::string when;
};
// The journal in the folder as it stands on disk; none when the folder holds no journal.
std::optional<JournalWitness> journalWitness(const std::string& folder);
// "1 284 saisies", "1 saisie", "0 saisie".
std::string typedCount(std::int64_t typed);


}  // namespace vardo
