#include "ledger/numbers.h"

#include <charconv>
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
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) failInteger(text);
    std::int64_t value = 0;
    for (std::size_t j = i; j < text.size(); ++j) {
        if (!isDigit(text[j])) failInteger(text);
        value = value * 10 + (text[j] - '0');
        if (value > std::int64_t{1} << 31) failInteger(text);
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()) failInteger(text);
    return static_cast<std::int32_t>(value);
}

std::string writeFigure(std::int64_t value) {
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        throw Error(std::string{kIntegerOverflow});
    return std::to_string(value);
}

std::string formatGeneral(long double value, char decimalSeparator) {
    if (value == 0 || std::isnan(value) || std::isinf(value)) return "0";
    // 15 significant digits, correctly rounded: d.dddddddddddddde±XX
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
    std::string out;
    std::size_t pos = 0;
    if (sci[0] == '-') {
        out += '-';
        pos = 1;
    }
    const std::size_t ePos = sci.find('e');
    std::string digits;
    for (std::size_t k = pos; k < ePos; ++k)
        if (isDigit(sci[k])) digits += sci[k];
    int exponent = 0;
    std::from_chars(sci.data() + ePos + (sci[ePos + 1] == '+' ? 2 : 1), sci.data() + sci.size(),
                    exponent);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

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

std::string writeQuotient(std::int32_t numerator, std::int32_t denominator, char decimalSeparator) {
    if (denominator == 0)
        throw Error(std::string{numerator == 0 ? kInvalidOperation : kDivisionByZero});
    return formatGeneral(static_cast<long double>(numerator) / denominator, decimalSeparator);
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
