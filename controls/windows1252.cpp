#include "controls/windows1252.h"

#include <array>

namespace vardo {

QByteArray toWindows1252(const QString& text) {
    // Unicode of the bytes 0x80 to 0x9F; 0 where the code page has no character.
    static constexpr std::array<char16_t, 32> kHigh{
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
            bytes += static_cast<char>(static_cast<unsigned char>(unit));
            continue;
        }
        char byte = '?';
        for (std::size_t k = 0; k < kHigh.size(); ++k) {
            if (kHigh[k] != 0 && kHigh[k] == unit) byte = static_cast<char>(0x80 + k);
        }
        // A character outside the basic plane is one "?", not two.
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
        bytes += byte;
    }
    return bytes;
}

}  // namespace vardo
