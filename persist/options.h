#pragma once
// The options file VardoM.ini beside the program: section "Default", key "Mois", thirteen
// characters, one per navigation item, "1" for a checked one.
#include <string>
#include <string_view>

#include "ledger/form_model.h"
#include "persist/file_names.h"

namespace vardo {

inline constexpr std::string_view kOptionsSection = "Default";
inline constexpr std::string_view kOptionsKey = "Mois";

std::string optionsFileName(const std::string& programFolder);

// Checks every navigation item whose character is "1"; never unchecks one. A missing or
// unreadable file checks nothing.
void loadOptions(FormModel& form, const std::string& programFolder);

// Erases section "Default" and writes "Mois" again, other sections untouched. A failure throws
// Error("Impossible d'écrire dans %s") with the file's name and leaves the old file.
void saveOptions(const FormModel& form, const std::string& programFolder);

}  // namespace vardo
