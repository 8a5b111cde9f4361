#pragma once
// The start-up copy: the file "Vardo" of the program folder copied to "Vardo.vrd", line by line,
// every line ended by carriage return and line feed.
#include <string>
#include <string_view>
#include <vector>

#include "persist/file_names.h"

namespace vardo {

// The file of the program folder named "vardo" whatever its letter case, never the running
// program itself; empty when there is none. Regular files are preferred.
std::string findCopySource(const std::string& programFolder, const std::string& programPath);

// Reads the source's lines and writes them to Vardo.vrd. No source: nothing done. Errors:
// "Impossible d'ouvrir le fichier \"%s\". %s", "Impossible de créer le fichier \"%s\". %s".
void startupCopy(const std::string& programFolder, const std::string& programPath);

// Text split into lines at carriage return, line feed or both; an ending break adds no line.
std::vector<std::string> splitTextLines(std::string_view text);

}  // namespace vardo
