#pragma once
// libsodium, set up once per process before its first use (hashes, random keys).

namespace vardo {

// Safe to call from any thread, any number of times; throws when the library cannot start
// (no source of randomness).
void ensureSodium();

}  // namespace vardo
