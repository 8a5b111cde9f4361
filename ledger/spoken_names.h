#pragma once
// What each field is called out loud: the name a screen reader says and the box's tooltip shows
// ("samedi 3 janvier, matin", "Bilan, février, kilométrage pro"), and the description that says
// whether the figure is computed or locked. Built from the naming table, in French.
#include <optional>
#include <string>

#include "ledger/naming.h"

namespace vardo {

// The field's spoken name. With a year, a day field also says its weekday; a day the year does
// not have (29 February of a common year) goes without one.
std::string spokenName(FieldId id, std::optional<int> year = std::nullopt);

// "calculé" for a figure the program computes, "verrouillé : bouton Corriger" for a typed box that
// is read-only, empty otherwise.
std::string spokenDescription(FieldId id, bool readOnly);

inline constexpr std::string_view kComputedDescription = "calculé";
inline constexpr std::string_view kLockedDescription = "verrouillé : bouton Corriger";

}  // namespace vardo
