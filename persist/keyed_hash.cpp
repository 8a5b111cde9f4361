#include "persist/keyed_hash.h"

#include <sys/random.h>

#include <chrono>

namespace vardo {
namespace {

struct Key {
    std::uint64_t k0 = 0;
    std::uint64_t k1 = 0;
};

const Key& processKey() {
    static const Key key = [] {
        Key drawn;
        if (::getrandom(&drawn, sizeof drawn, 0) != static_cast<ssize_t>(sizeof drawn)) {
            // No entropy source: the clock and an address still differ from run to run.
            drawn.k0 = static_cast<std::uint64_t>(
                std::chrono::steady_clock::now().time_since_epoch().count());
            drawn.k1 = reinterpret_cast<std::uintptr_t>(&drawn) ^ 0x9E3779B97F4A7C15ull;
        }
        return drawn;
    }();
    return key;
}

constexpr std::uint64_t rotl(std::uint64_t x, int b) {
    return (x << b) | (x >> (64 - b));
}

struct State {
    std::uint64_t v0, v1, v2, v3;
    void round() {
        v0 += v1, v1 = rotl(v1, 13), v1 ^= v0, v0 = rotl(v0, 32);
        v2 += v3, v3 = rotl(v3, 16), v3 ^= v2;
        v0 += v3, v3 = rotl(v3, 21), v3 ^= v0;
        v2 += v1, v1 = rotl(v1, 17), v1 ^= v2, v2 = rotl(v2, 32);
    }
    void absorb(std::uint64_t word) {
        v3 ^= word;
        round();
        v0 ^= word;
    }
};

std::uint64_t lowerByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? byte - 'A' + 'a' : byte;
}

}  // namespace

std::uint64_t caseBlindKeyedHash(std::string_view text) {
    const Key& key = processKey();
    State s{key.k0 ^ 0x736f6d6570736575ull, key.k1 ^ 0x646f72616e646f6dull,
            key.k0 ^ 0x6c7967656e657261ull, key.k1 ^ 0x7465646279746573ull};
    std::uint64_t word = 0;
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        word |= lowerByte(text[i]) << (8 * (i % 8));
        if (i % 8 == 7) {
            s.absorb(word);
            word = 0;
        }
    }
    s.absorb(word | (static_cast<std::uint64_t>(text.size()) << 56));
    s.v2 ^= 0xff;
    s.round();
    s.round();
    s.round();
    return s.v0 ^ s.v1 ^ s.v2 ^ s.v3;
}

}  // namespace vardo
