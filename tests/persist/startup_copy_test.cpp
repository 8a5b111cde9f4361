// The start-up copy of "Vardo" to "Vardo.vrd".
#include "persist/startup_copy.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "ledger/error.h"
#include "persist/atomic_file.h"
#include "test_support.h"

namespace vardo {
namespace {

using testing::readBytes;
using testing::ScratchFolder;
using testing::writeBytes;

TEST(SplitTextLines, BreaksAtCrLfOrEither) {
    EXPECT_EQ(splitTextLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitTextLines("a\r\n"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(splitTextLines("\n\n"), (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(splitTextLines("").empty());
}

TEST(StartupCopy, MissingSourceIsSkippedSilently) {
    ScratchFolder folder;
    EXPECT_NO_THROW(startupCopy(folder.path(), folder / "vardo"));
    EXPECT_FALSE(std::filesystem::exists(folder / "Vardo.vrd"));
}

TEST(StartupCopy, CopiesLineByLineWithCrLf) {
    ScratchFolder folder;
    writeBytes(folder / "Vardo", "[frmVardo]\nJanvM01=12500\r\nV\xE9hicule");
    startupCopy(folder.path(), folder / "vardo-program");
    EXPECT_EQ(readBytes(folder / "Vardo.vrd"), "[frmVardo]\r\nJanvM01=12500\r\nV\xE9hicule\r\n");
    // Replaced at the next start.
    writeBytes(folder / "Vardo", "new");
    startupCopy(folder.path(), folder / "vardo-program");
    EXPECT_EQ(readBytes(folder / "Vardo.vrd"), "new\r\n");
}

TEST(StartupCopy, FindsTheSourceWhateverItsCaseButNeverTheProgram) {
    ScratchFolder folder;
    // The program itself is "vardo": it must not be copied.
    writeBytes(folder / "vardo",
               "\x7F"
               "ELF program");
    startupCopy(folder.path(), folder / "vardo");
    EXPECT_FALSE(std::filesystem::exists(folder / "Vardo.vrd"));

    // The store's own file VARDO, when the folder's path holds a ".".
    writeBytes(folder / "VARDO", "[frmVardo]\r\n");
    startupCopy(folder.path(), folder / "vardo");
    EXPECT_EQ(readBytes(folder / "Vardo.vrd"), "[frmVardo]\r\n");
    EXPECT_EQ(findCopySource(folder.path(), folder / "vardo"), folder / "VARDO");
}

TEST(StartupCopy, UnreadableSourceShowsTheOpenMessage) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder / "Vardo");
    EXPECT_EQ(testing::errorOf([&] { startupCopy(folder.path(), folder / "vardo"); }),
              "Impossible d'ouvrir le fichier \"" + folder.path() + "Vardo\". Accès refusé.");
    EXPECT_FALSE(std::filesystem::exists(folder / "Vardo.vrd"));
}

TEST(StartupCopy, UnwritableCopyShowsTheCreateMessage) {
    ScratchFolder folder;
    writeBytes(folder / "Vardo", "x\r\n");
    std::filesystem::create_directory(folder / "Vardo.vrd");
    EXPECT_EQ(testing::errorOf([&] { startupCopy(folder.path(), folder / "vardo"); }),
              "Impossible de créer le fichier \"" + folder.path() + "Vardo.vrd\". Accès refusé.");
    // An old copy stays whole when the write fails.
    std::filesystem::remove(folder / "Vardo.vrd");
    writeBytes(folder / "Vardo.vrd", "old\r\n");
    injectWriteFailure(WriteStage::Write, ENOSPC);
    EXPECT_THROW(startupCopy(folder.path(), folder / "vardo"), Error);
    EXPECT_EQ(readBytes(folder / "Vardo.vrd"), "old\r\n");
}

}  // namespace
}  // namespace vardo
