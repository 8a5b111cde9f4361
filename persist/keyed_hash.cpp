#include "persist/keyed_hash.h"

#include <sodium.h>

#include <array>
#include <cstring>
#include <vector>

#include "persist/sodium.h"

namespace vardo {
namespace {

using Key = std::array<unsigned char, crypto_shorthash_KEYBYTES>;

const Key& processKey() {
    static const Key key = [] {
        ensureSodium();
        Key drawn;
        randombytes_buf(drawn.data(), drawn.size());
        return drawn;
    }();
    return key;
}

void lowerInto(std::string_view text, unsigned char* out) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        out[i] = byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
    }
}

std::uint64_t shortHash(const unsigned char* bytes, std::size_t size) {
    unsigned char out[crypto_shorthash_BYTES];
    crypto_shorthash(out, bytes, size, processKey().data());
    std::uint64_t value = 0;
    std::memcpy(&value, out, sizeof value);
    return value;
}

}  // namespace

std::uint64_t caseBlindKeyedHash(std::string_view text) {
    // Field names are short: lower-case them on the stack, a longer name on the heap.
    constexpr std::size_t kOnStack = 128;
    if (text.size() <= kOnStack) {
        unsigned char lowered[kOnStack];
        lowerInto(text, lowered);
        return shortHash(lowered, text.size());
    }
    std::vector<unsigned char> lowered(text.size());
    lowerInto(text, lowered.data());
    return shortHash(lowered.data(), lowered.size());
}

}  // namespace vardo
