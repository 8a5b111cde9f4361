#pragma once
// The accounting year typed in the header field "Comptabilité".
#include <optional>

#include "ledger/form_model.h"

namespace vardo {

// The year held by aledComptabilite, or nothing when it holds no year from 1 to 9999.
std::optional<int> accountingYear(const FormModel& form);

bool isLeapYear(int year);

}  // namespace vardo
