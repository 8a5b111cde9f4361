// libFuzzer entry: arbitrary bytes as an INI file, read, written back and read again.
#include "persist_fuzz_body.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vardo::fuzzIniOnce(data, size);
    return 0;
}
