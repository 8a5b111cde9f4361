#pragma once
// The journal as the window lists it: one row per change (a "chargement" or a new year's entry
// gives one per input it sets), the field named as the user knows it, and the month it belongs
// to, so that the list can be filtered and a row can lead to its field.
#include <string>
#include <vector>

#include "ledger/naming.h"
#include "persist/journal_entry.h"

namespace vardo {

struct JournalListRow {
    std::string when;    // "02/01/2026 08:14:03"
    std::string event;   // "saisie", "report", "correction", ...
    std::string field;   // "7 janvier, soir"; a header field by its caption; empty for none
    std::string change;  // "0 → 48730"; for an event without a change, what it was about
    int month = -1;      // the month of the field, or of the correction; -1: none
    FieldId id = -1;     // the field, -1 for none
};

std::vector<JournalListRow> journalListRows(const std::vector<JournalEntry>& entries);

// The month (0-based) a field belongs to: its initial reading or one of its days; -1 otherwise.
int monthOfField(FieldId id);

}  // namespace vardo
