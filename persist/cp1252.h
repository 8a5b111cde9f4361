#pragma once
// Conversion between the program's internal UTF-8 text and the 8-bit Windows-1252 code page of
// its files. The five bytes Windows-1252 leaves undefined map to the matching C1 control
// characters, so any byte string survives a round trip through UTF-8 unchanged.
#include <string>
#include <string_view>
#include <vector>

namespace vardo {

// A character Windows-1252 cannot hold, or a malformed UTF-8 byte, becomes "?".
std::string utf8ToCp1252(std::string_view text);
std::string cp1252ToUtf8(std::string_view bytes);

// The bytes of a text file: every line ended by carriage return and line feed, in Windows-1252.
std::string linesToFileBytes(const std::vector<std::string>& lines);

}  // namespace vardo
