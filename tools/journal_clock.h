#pragma once
// The journal's dates: in words for the user, and in the order of its lines. A date earlier than
// the line before it (the computer's clock set back, or a line written with another date) is
// shown to whoever checks the journal. It does not break the chain, and a change of summer time
// does not count: dates compare as instants, by their UTC offsets.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "persist/journal_entry.h"

namespace vardo {

// "02/01/2026 08:14" from an entry's "2026-01-02T08:14:03+01:00" (the text as it is when shorter).
std::string journalDateInWords(const std::string& when);
// "02/01/2026 08:14:03", the seconds shown: two lines may be a few seconds apart.
std::string journalDateWithSeconds(const std::string& when);

// Seconds since 1970 UTC of "2026-01-02T08:14:03+01:00" (or "+0100"); none when it is not a date.
std::optional<std::int64_t> journalInstant(const std::string& when);

// One remark per line dated before the line above it, in French:
// "ligne 57 : la date (03/02/2026 09:12:05) précède celle de la ligne 56 (04/02/2026 18:40:00)".
// Lines whose date does not read are passed over.
std::vector<std::string> datesGoingBack(const std::vector<JournalEntry>& entries);

}  // namespace vardo
