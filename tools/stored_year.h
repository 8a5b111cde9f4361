#pragma once
// The year stored in a program folder, read without a window and without writing anything.
#include <string>

#include "ledger/form_model.h"
#include "ledger/year_derivation.h"

namespace vardo {

// Fills the form with the stored texts and check marks. Throws Error when the folder holds no
// stored year, or one that cannot be read.
void loadStoredYear(FormModel& form, const std::string& programFolder);

// The figures of a year read without a window, derived from its readings as the window
// derives them: the days by the accounting year, or by today's year while the header holds
// none. Throws Error on a reading that is not a whole number or a sum out of range.
DerivedYear deriveStoredYear(const FormModel& form);

}  // namespace vardo
