// libFuzzer entry: arbitrary bytes as an INI file, read, loaded into the form and saved again.
#include "persist_fuzz_body.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vardo::fuzzPersistOnce(data, size);
    return 0;
}
