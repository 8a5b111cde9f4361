#pragma once
// The stored inputs the journal follows: each day's two readings, each month's initial reading
// and the four header fields. The computed figures are left out (the derivation rebuilds them
// from these), and so are the menu check marks, which only remember the page shown.
#include <string>
#include <vector>

#include "ledger/form_model.h"
#include "persist/journal_chain.h"

namespace vardo {

bool isJournaledInput(FieldId id);

// The text the journal gives an input: its last entry's, or the design text when none.
const std::string& journaledText(const JournalValues& values, FieldId id);

// The inputs whose text in the form is not the journal's, in creation order: before is the
// journal's text, after the form's.
std::vector<JournalChange> inputsDifferingFromJournal(const JournalValues& values,
                                                      const FormModel& form);

}  // namespace vardo
