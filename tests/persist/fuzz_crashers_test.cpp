// Replays every input the fuzzer ever found troublesome, and the hand-made seeds.
#include <gtest/gtest.h>

#include <filesystem>

#include "../fuzz/persist_fuzz_body.h"
#include "test_support.h"

namespace vardo {
namespace {

void replayFolder(const std::filesystem::path& folder) {
    // A folder gone missing would replay nothing and pass: it is a failure.
    ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (!entry.is_regular_file() || entry.path().filename().string().starts_with(".")) continue;
        const std::string bytes = testing::readBytes(entry.path().string());
        SCOPED_TRACE(entry.path().string());
        fuzzPersistOnce(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
}

TEST(FuzzReplay, CrashersAndSeedsRunCleanly) {
    replayFolder(std::filesystem::path(VARDO_TEST_DATA) / "persist" / "crashers");
    replayFolder(std::filesystem::path(VARDO_TEST_DATA) / "persist" / "seeds");
}

}  // namespace
}  // namespace vardo
