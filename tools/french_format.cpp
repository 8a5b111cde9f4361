#include "tools/french_format.h"

#include <cmath>
#include <cstdio>

namespace vardo {

std::string groupedInteger(std::int64_t value) {
    const bool negative = value < 0;
    std::string digits = std::to_string(negative ? -value : value);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), " ");
    return negative ? "-" + digits : digits;
}

std::string euros(std::int64_t cents) {
    const bool negative = cents < 0;
    const std::int64_t magnitude = negative ? -cents : cents;
    char hundredths[4];
    std::snprintf(hundredths, sizeof hundredths, "%02d", static_cast<int>(magnitude % 100));
    return (negative ? "-" : "") + groupedInteger(magnitude / 100) + "," + hundredths + " €";
}

std::string twoDecimals(long double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2Lf", value);
    std::string out = text;
    if (out == "-0.00") out = "0.00";
    for (char& c : out)
        if (c == '.') c = ',';
    return out;
}

std::string dayAndMonth(int month, int day) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d/%02d", day % 100, (month + 1) % 100);
    return text;
}

}  // namespace vardo
