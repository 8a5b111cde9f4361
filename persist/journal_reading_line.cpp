#include "persist/journal_reading_line.h"

namespace vardo {
namespace {

// Takes the expected bytes off the front of the rest of the line.
bool take(std::string_view& rest, std::string_view expected) {
    if (rest.substr(0, expected.size()) != expected) return false;
    rest.remove_prefix(expected.size());
    return true;
}

// A JSON string with nothing to unescape or check as UTF-8, up to its closing quote (taken).
std::optional<std::string_view> plainText(std::string_view& rest) {
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const auto c = static_cast<unsigned char>(rest[i]);
        if (c == '"') {
            const std::string_view text = rest.substr(0, i);
            rest.remove_prefix(i + 1);
            return text;
        }
        if (c < 0x20 || c > 0x7e || c == '\\') return std::nullopt;
    }
    return std::nullopt;
}

// A JSON integer as the writer gives it: no sign, no leading zero, and never beyond 18 digits
// (so it fits in 64 bits).
std::optional<std::int64_t> plainNumber(std::string_view& rest) {
    std::size_t digits = 0;
    while (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9') ++digits;
    if (digits == 0 || digits > 18 || (digits > 1 && rest[0] == '0')) return std::nullopt;
    std::int64_t value = 0;
    for (std::size_t i = 0; i < digits; ++i) value = value * 10 + (rest[i] - '0');
    rest.remove_prefix(digits);
    return value;
}

}  // namespace

std::optional<ReadingLine> readReadingLine(std::string_view line) {
    std::string_view rest = line;
    ReadingLine reading;
    if (!take(rest, R"({"n":)")) return std::nullopt;
    const auto sequence = plainNumber(rest);
    if (!sequence || !take(rest, R"(,"date":")") || !plainText(rest)) return std::nullopt;
    if (!take(rest, R"(,"evt":")")) return std::nullopt;
    if (!take(rest, R"(saisie",)") && !take(rest, R"(report",)")) return std::nullopt;
    if (!take(rest, R"("cle":")")) return std::nullopt;
    const auto key = plainText(rest);
    if (!key || !take(rest, R"(,"avant":")") || !plainText(rest)) return std::nullopt;
    if (!take(rest, R"(,"apres":")")) return std::nullopt;
    const auto after = plainText(rest);
    if (!after || !take(rest, R"(,"prec":")") || !plainText(rest)) return std::nullopt;
    if (rest != "}") return std::nullopt;
    reading.sequence = *sequence;
    reading.key = *key;
    reading.after = *after;
    return reading;
}

}  // namespace vardo
