#pragma once
// Where the stored year lives: which of its two names is used, where a year goes when the stored
// one could not be read, and the leftovers of a write that a kill cut short.
#include <ctime>
#include <string>
#include <string_view>

#include "persist/file_names.h"

namespace vardo {

// The name from the store's file name: the file-name part upper-cased (the folder keeps its
// letter case), blanks and control characters trimmed, ".INI" added when there is no "."
// anywhere in the path.
std::string actualFileName(const std::string& iniFileName);
// The store's file in the program folder (which ends with '/').
std::string storeFileName(const std::string& programFolder);

// The store of the program folder (which ends with '/'): VARDO when the folder's path holds a
// ".", VARDO.INI otherwise; but the name that exists when only the other one does, so that moving
// the folder never hides a year; and VARDO.INI when VARDO would be the program itself (a file
// system that ignores letter case).
std::string locateStore(const std::string& programFolder, const std::string& programPath);

// VARDO-recupere-20261209-183000.INI in the store's folder; rank 2 and up add "-2", "-3", ...
std::string recoveryFileName(const std::string& storeFile, const std::tm& when, int rank);

// Removes the new files that a write cut short by a kill left beside the program's files
// ("VARDO.INI.tmpAb12Cd"): those of the names starting with "vardo" or with the program's own
// name, whatever the letter case. Anything else in the folder is left alone.
void removeLeftoverTemporaries(const std::string& programFolder, const std::string& programPath);

}  // namespace vardo
