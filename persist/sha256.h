#pragma once
// SHA-256 through libsodium, written as 64 lower-case hexadecimal digits.
#include <string>
#include <string_view>

namespace vardo {

inline constexpr std::size_t kSha256HexSize = 64;

std::string sha256Hex(std::string_view bytes);

// Whether a text is 64 hexadecimal digits (either case).
bool isSha256Hex(std::string_view text);

}  // namespace vardo
