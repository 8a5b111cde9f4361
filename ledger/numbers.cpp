#include "ledger/numbers.h"

#include <charconv>
#include <algorithm>
#include <cmath>
#include <limits>

#include "ledger/error.h"

namespace vardo {
namespace {

[[noreturn]] void failInteger(std::string_view text) {
    throw Error(formatMessage(std::string{kNotAnInteger}, std::string{text}));
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::int32_t readFigure(std::string_view text) {
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end && *p == ' ') ++p;
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) negative = *p++ == '-';
    if (p == end) failInteger(text);
    std::uint64_t value = 0;
    for (; p != end; ++p) {
        const unsigned digit = static_cast<unsigned char>(*p) - unsigned{'0'};
        if (digit > 9) failInteger(text);
        value = value * 10 + digit;
        if (value > (std::uint64_t{1} << 31)) failInteger(text);
    }
    if (!negative && value > static_cast<std::uint64_t>(INT32_MAX)) failInteger(text);
    return negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(value))
                    : static_cast<std::int32_t>(value);
}

std::string writeFigure(std::int64_t value) {
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        throw Error(std::string{kIntegerOverflow});
    return std::to_string(value);
}

namespace {

// Writes a number given by its significant digits (no leading zero) and the decimal exponent
// of the first one: fixed notation from 0.00001 up to 15 integer digits, scientific otherwise.
std::string writeDigits(bool negative, std::string digits, int exponent, char decimalSeparator) {
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    std::string out = negative ? "-" : "";
    if (exponent < -5 || exponent >= 15) {
        out += digits[0];
        if (digits.size() > 1) {
            out += decimalSeparator;
            out.append(digits, 1);
        }
        out += 'E';
        out += std::to_string(exponent);
        return out;
    }
    if (exponent < 0) {
        out += '0';
        out += decimalSeparator;
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
        return out;
    }
    const std::size_t intDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= intDigits) {
        out += digits;
        out.append(intDigits - digits.size(), '0');
    } else {
        out.append(digits, 0, intDigits);
        out += decimalSeparator;
        out.append(digits, intDigits);
    }
    return out;
}

constexpr std::size_t kSignificantDigits = 15;

// Rounds a digit string with one guard digit to 15 digits, half away from zero.
void roundDigits(std::string& digits, int& exponent) {
    const bool up = digits.size() > kSignificantDigits && digits[kSignificantDigits] >= '5';
    digits.resize(std::min(digits.size(), kSignificantDigits));
    if (!up) return;
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
        digits.insert(digits.begin(), '1');
        digits.pop_back();
        ++exponent;
    } else {
        ++digits[i - 1];
    }
}

}  // namespace

std::string formatGeneral(long double value, char decimalSeparator) {
    if (value == 0 || std::isnan(value) || std::isinf(value)) return "0";
    // 15 significant digits, correctly rounded: d.dddddddddddddde±XX
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
    const bool negative = sci[0] == '-';
    const std::size_t ePos = sci.find('e');
    std::string digits;
    for (std::size_t k = negative ? 1 : 0; k < ePos; ++k)
        if (isDigit(sci[k])) digits += sci[k];
    int exponent = 0;
    std::from_chars(sci.data() + ePos + (sci[ePos + 1] == '+' ? 2 : 1), sci.data() + sci.size(),
                    exponent);
    return writeDigits(negative, std::move(digits), exponent, decimalSeparator);
}

std::string writeQuotient(std::int32_t numerator, std::int32_t denominator, char decimalSeparator) {
    if (denominator == 0)
        throw Error(std::string{numerator == 0 ? kInvalidOperation : kDivisionByZero});
    if (numerator == 0) return "0";
    // Exact long division of the two integers: 15 significant digits and a guard digit.
    const bool negative = (numerator < 0) != (denominator < 0);
    const std::uint64_t divisor = denominator < 0 ? -std::int64_t{denominator} : denominator;
    std::uint64_t whole = numerator < 0 ? -std::int64_t{numerator} : numerator;
    std::string digits = std::to_string(whole / divisor);
    digits.reserve(kSignificantDigits + 2);
    std::uint64_t remainder = whole % divisor;
    int exponent = static_cast<int>(digits.size()) - 1;
    if (digits == "0") {
        digits.clear();
        exponent = -1;
        while ((remainder *= 10) < divisor) --exponent;
    } else {
        remainder *= 10;
    }
    // The digits left, with the guard digit, in one go (the coefficients of every recount).
    char more[kSignificantDigits + 1];
    std::size_t count = 0;
    for (; digits.size() + count <= kSignificantDigits; ++count) {
        more[count] = static_cast<char>('0' + remainder / divisor);
        remainder = remainder % divisor * 10;
    }
    digits.append(more, count);
    roundDigits(digits, exponent);
    return writeDigits(negative, std::move(digits), exponent, decimalSeparator);
}

std::string writeHundredths(long double value, char decimalSeparator) {
    const long double scaled = value * 100;
    if (!(std::fabs(scaled) < 1e17L)) return formatGeneral(roundTwoDecimals(value), decimalSeparator);
    const long long hundredths = std::llrint(scaled);  // to nearest, ties to even
    const unsigned long long magnitude = hundredths < 0 ? 0ULL - static_cast<unsigned long long>(hundredths)
                                                        : static_cast<unsigned long long>(hundredths);
    std::string out = hundredths < 0 ? "-" : "";
    out += std::to_string(magnitude / 100);
    const unsigned cents = static_cast<unsigned>(magnitude % 100);
    if (cents != 0) {
        out += decimalSeparator;
        out += static_cast<char>('0' + cents / 10);
        if (cents % 10 != 0) out += static_cast<char>('0' + cents % 10);
    }
    return out;
}

long double readDecimal(std::string_view text, char decimalSeparator) {
    auto fail = [&]() -> long double {
        throw Error(formatMessage(std::string{kNotAFloat}, std::string{text}));
    };
    std::size_t b = 0, e = text.size();
    while (b < e && text[b] == ' ') ++b;
    while (e > b && text[e - 1] == ' ') --e;
    std::string plain;
    std::size_t i = b;
    if (i < e && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') plain += '-';
        ++i;
    }
    int digits = 0;
    while (i < e && isDigit(text[i])) plain += text[i++], ++digits;
    if (i < e && text[i] == decimalSeparator) {
        plain += '.';
        ++i;
        while (i < e && isDigit(text[i])) plain += text[i++], ++digits;
    }
    if (digits == 0) return fail();
    if (i < e && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < e && (text[i] == '+' || text[i] == '-')) plain += text[i++];
        int expDigits = 0;
        while (i < e && isDigit(text[i])) plain += text[i++], ++expDigits;
        if (expDigits == 0) return fail();
    }
    if (i != e) return fail();
    long double value = 0;
    auto res = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (res.ec != std::errc{} || std::isinf(value)) return fail();
    return value;
}

long double roundTwoDecimals(long double value) {
    const long double scaled = value * 100;
    // nearbyint follows the default rounding mode: to nearest, ties to even.
    return std::nearbyint(scaled) / 100;
}

}  // namespace vardo
