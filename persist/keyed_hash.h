#pragma once
// The hash behind the INI file's name indexes. Keyed with a secret drawn once per process, so
// that no file can be written whose names all fall on the same slots of an index: loading stays
// linear whatever names a file holds.
#include <cstdint>
#include <string_view>

namespace vardo {

// libsodium's short-input hash (SipHash-2-4) of the text with its ASCII letters lower-cased:
// names that differ only in the case of those letters hash alike.
std::uint64_t caseBlindKeyedHash(std::string_view text);

}  // namespace vardo
