#pragma once
// The accounting year as part of a file name (the annual text file, the new year's archive).
#include <string>

namespace vardo {

// The year text itself when it is one to four digits; anything else (pasted, or from a hand-edited
// store: "20/04", "../x", "") could name a file elsewhere and throws
// Error("'%s' n'est pas une valeur entière correcte").
const std::string& yearForFileName(const std::string& comptabilite);

}  // namespace vardo
