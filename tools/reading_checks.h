#pragma once
// The check of the year's odometer readings before it goes to the tax office: every reading that
// cannot be right, in calendar order. "Recorded" means a text other than "0".
#include <string>
#include <string_view>
#include <vector>

#include "ledger/form_model.h"

namespace vardo {

inline constexpr std::string_view kNoAnomaly = "Aucune anomalie.";
// Above this, one day's distance or the gap since the previous evening is surely a typing error.
inline constexpr int kLargestPlausibleDistance = 2000;

struct Anomaly {
    int month = 0;                // 0-based
    int day = 1;                  // 1-based
    std::vector<FieldId> fields;  // the first one is where the user is taken to mend it
    std::string sentence;         // about the first field, in the user's words
};

// The days are those of calendarYear (ledger/calendar.h), the year the ledger counts in.
std::vector<Anomaly> checkReadings(const FormModel& form, int calendarYear);

// The first field in the user's words, then the sentence: "7 janvier, soir : le relevé (4873)
// est inférieur au relevé du matin (48605)".
std::string anomalyLine(const Anomaly& anomaly);

// One line per anomaly, or the single line "Aucune anomalie.".
std::vector<std::string> anomalyLines(const std::vector<Anomaly>& found);

// What the user is told when the field to mend is protected: the month's "Corriger" opens it.
std::string protectedFieldSentence(const Anomaly& anomaly);

}  // namespace vardo
