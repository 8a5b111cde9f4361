#pragma once
// The texts of the printed reports, one string per line (UTF-8, no line ends), built from the
// fields' current texts verbatim. Building them changes no field.
#include <string>
#include <vector>

#include "ledger/form_model.h"

namespace vardo {

// The report of month m (0 = January): 48, 47 or 46 lines (February always has 29 day rows),
// the footer line last.
std::vector<std::string> monthlyReportLines(const FormModel& form, int month);

// The annual report: the 519 lines of the saved annual text with the printed labels.
std::vector<std::string> annualReportLines(const FormModel& form);

// The name the print job carries, so that each printed file or queue entry is told apart:
// "Vardo - Janvier 2026", "Vardo - Bilan annuel 2026" (the year is aledComptabilite's text,
// left out while it holds nothing or "0").
std::string monthlyJobName(const FormModel& form, int month);
std::string annualJobName(const FormModel& form);

}  // namespace vardo
