#pragma once
// Figures as a French reader expects them: thousands grouped by a space, a decimal comma.
#include <cstdint>
#include <string>

namespace vardo {

// 12345 -> "12 345"; -1500 -> "-1 500".
std::string groupedInteger(std::int64_t value);

// An amount in cents -> "5 802,17 €".
std::string euros(std::int64_t cents);

// A value already rounded to hundredths -> "60,00" (decimal comma, no grouping).
std::string twoDecimals(long double value);

// "jj/mm" of a 0-based month and a 1-based day.
std::string dayAndMonth(int month, int day);

}  // namespace vardo
