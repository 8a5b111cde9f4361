#pragma once
// The year stored in a program folder, read without a window and without writing anything.
#include <string>

#include "ledger/form_model.h"

namespace vardo {

// Fills the form with the stored texts and check marks. Throws Error when the folder holds no
// stored year, or one that cannot be read.
void loadStoredYear(FormModel& form, const std::string& programFolder);

}  // namespace vardo
