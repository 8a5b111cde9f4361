#include "persist/sha256.h"

#include <sodium.h>

#include "persist/sodium.h"

namespace vardo {

std::string sha256Hex(std::string_view bytes) {
    ensureSodium();
    unsigned char digest[crypto_hash_sha256_BYTES];
    crypto_hash_sha256(digest, reinterpret_cast<const unsigned char*>(bytes.data()),
                       bytes.size());
    char hex[crypto_hash_sha256_BYTES * 2 + 1];
    sodium_bin2hex(hex, sizeof hex, digest, sizeof digest);
    return std::string(hex, kSha256HexSize);
}

bool isSha256Hex(std::string_view text) {
    if (text.size() != kSha256HexSize) return false;
    for (const char c : text) {
        const bool digit = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') ||
                           (c >= 'A' && c <= 'F');
        if (!digit) return false;
    }
    return true;
}

}  // namespace vardo
