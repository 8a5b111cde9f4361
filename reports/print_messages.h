#pragma once
// What the print command tells the user when it cannot print.
#include <string_view>

namespace vardo {

inline constexpr std::string_view kNoDefaultPrinter = "Aucune imprimante par défaut sélectionnée";
inline constexpr std::string_view kPrintingInProgress = "Impression en cours";
// The printer refused the document or a page (device gone, output not writable...).
inline constexpr std::string_view kPrintFailed = "Erreur d'impression";

}  // namespace vardo
