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
    std::string sentence;
};

std::vector<Anomaly> checkReadings(const FormModel& form);

// "jj/mm - Field, Field : sentence".
std::string anomalyLine(const FormModel& form, const Anomaly& anomaly);

// One line per anomaly, or the single line "Aucune anomalie.".
std::vector<std::string> anomalyLines(const FormModel& form, const std::vector<Anomaly>& found);

}  // namespace vardo
