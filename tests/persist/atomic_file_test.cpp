// The atomic write: the file's rights and links survive a replacement; a new-file write never
// replaces anything.
#include "persist/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "test_support.h"

namespace vardo {
namespace {

using testing::readBytes;
using testing::ScratchFolder;
using testing::writeBytes;

TEST(AtomicWrite, KeepsTheRightsOfTheReplacedFile) {
    ScratchFolder folder;
    const std::string file = folder / "VARDO.INI";
    writeBytes(file, "old");
    ::chmod(file.c_str(), 0600);
    writeFileAtomically(file, "new");
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    EXPECT_EQ(readBytes(file), "new");
}

TEST(AtomicWrite, ReplacesTheFileALinkNamesAndKeepsTheLink) {
    ScratchFolder folder;
    writeBytes(folder / "real.ini", "old");
    std::filesystem::create_symlink(folder / "real.ini", folder / "VARDO.INI");
    writeFileAtomically(folder / "VARDO.INI", "new");
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "VARDO.INI"));
    EXPECT_EQ(readBytes(folder / "real.ini"), "new");
}

TEST(AtomicWrite, NewFileWriteNeverReplaces) {
    ScratchFolder folder;
    EXPECT_TRUE(writeNewFileAtomically(folder / "a.ini", "first"));
    EXPECT_FALSE(writeNewFileAtomically(folder / "a.ini", "second"));
    EXPECT_EQ(readBytes(folder / "a.ini"), "first");
    EXPECT_EQ(testing::entryCount(folder.path()), 1);
}

}  // namespace
}  // namespace vardo
