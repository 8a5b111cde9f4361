#include "persist/sodium.h"

#include <sodium.h>

#include <stdexcept>

namespace vardo {

void ensureSodium() {
    static const bool ready = sodium_init() >= 0;
    if (!ready) {
        throw std::runtime_error(
            "Impossible d'initialiser la bibliothèque de chiffrement (libsodium)");
    }
}

}  // namespace vardo
