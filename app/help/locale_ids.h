#pragma once
// Windows locale identifiers of the locales the program is likely to meet, for the debug report.
#include <QString>
#include <cstdint>

namespace vardo {

// The identifier of a locale name such as "fr_FR" or "fr_FR.UTF-8", or 0 when Windows has none
// in this table.
std::uint16_t windowsLocaleId(const QString& localeName);

// Primary language (low ten bits) and sub-language (high six bits) of an identifier.
inline std::uint16_t primaryLanguageId(std::uint16_t lcid) {
    return lcid & 0x3FF;
}
inline std::uint16_t subLanguageId(std::uint16_t lcid) {
    return static_cast<std::uint16_t>(lcid >> 10);
}

}  // namespace vardo
