#pragma once
// A field named as the user knows it, not by its key in the stored year: "7 janvier, soir",
// "1er mars, matin", "février, kilométrage initial".
#include <string>

#include "ledger/naming.h"

namespace vardo {

// "janvier", "août" (month 0-based).
std::string monthInWords(int month);

// "1er janvier", "7 janvier" (month 0-based, day 1-based).
std::string dayInWords(int month, int day);

// "<jour>, matin", "<jour>, soir", "<mois>, kilométrage initial"; any other field by its name.
std::string fieldInWords(FieldId id);

}  // namespace vardo
