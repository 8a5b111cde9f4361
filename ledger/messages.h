#pragma once
// Every text of the ledger that the user reads: its error messages, the correction button's two
// captions and the status panels' labels.
#include <string_view>

namespace vardo {

inline constexpr std::string_view kNotAnInteger = "'%s' n'est pas une valeur entière correcte";
inline constexpr std::string_view kNotAFloat = "'%s' n'est pas une valeur en virgule flottante correcte";
inline constexpr std::string_view kDivisionByZero = "Division par zéro en virgule flottante";
inline constexpr std::string_view kInvalidOperation = "Opération en virgule flottante incorrecte";
inline constexpr std::string_view kIntegerOverflow = "Débordement d'entier";

inline constexpr std::string_view kCaptionCorriger = "&Corriger";
inline constexpr std::string_view kCaptionProteger = "&Protéger";

// The status panels: their design texts, and the labels before a percentage.
inline constexpr std::string_view kDatePanelDesign = "Date :";
inline constexpr std::string_view kProfessionalPanelDesign = "Coefficient pro :";
inline constexpr std::string_view kPersonalPanelDesign = " Coefficient perso :";
inline constexpr std::string_view kProfessionalPanelLabel = "Coefficient pro : ";
inline constexpr std::string_view kPersonalPanelLabel = "Coefficient perso : ";

}  // namespace vardo
