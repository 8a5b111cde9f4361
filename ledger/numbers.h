#pragma once
// Text and number conventions of the ledger. Independent of the C library's locale: the decimal
// separator of the regional settings is passed in by the caller.
#include <cstdint>
#include <string>
#include <string_view>

#include "ledger/messages.h"

namespace vardo {


// Leading spaces, an optional sign, decimal digits, within the signed 32-bit range.
std::int32_t readFigure(std::string_view text);

// Plain decimal text; throws "Débordement d'entier" outside the signed 32-bit range.
std::string writeFigure(std::int64_t value);

// General format, at most 15 significant digits, no grouping, the given decimal separator;
// fixed notation from 0.00001 up to 15 integer digits, otherwise scientific with "E".
std::string formatGeneral(long double value, char decimalSeparator);

// numerator / denominator written as a coefficient, from the exact quotient rounded to 15
// significant digits (an exact half away from zero); a zero denominator fails with the
// division-by-zero text, or with the invalid-operation text when the numerator is zero too.
std::string writeQuotient(std::int32_t numerator, std::int32_t denominator, char decimalSeparator);

// A decimal number with the given separator (blanks around it allowed, optional exponent).
long double readDecimal(std::string_view text, char decimalSeparator);

// Rounds to two decimals, an exact half going to the even neighbour.
long double roundTwoDecimals(long double value);

// The value rounded to two decimals (half to even) in the same general format.
std::string writeHundredths(long double value, char decimalSeparator);

}  // namespace vardo
