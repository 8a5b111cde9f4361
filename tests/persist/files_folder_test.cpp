// Where the program's files live: the program's own folder, found from its path as bytes, or the
// user's data folder when that folder refuses new files and holds no store.
#include "persist/files_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "ledger/error.h"
#include "test_support.h"

namespace vardo {
namespace {

using testing::errorOf;
using testing::ReadOnlyFolder;
using testing::ScratchFolder;
using testing::writeBytes;

// A folder name that is not valid UTF-8 ("café" in Latin-1).
const std::string kLatin1Folder = "caf\xe9";

TEST(RunningProgramPath, KeepsTheBytesOfANameThatIsNotUtf8) {
    ScratchFolder scratch;
    const std::string folder = scratch / kLatin1Folder;
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    ASSERT_EQ(::symlink((folder + "/vardo").c_str(), (scratch / "exe").c_str()), 0);

    const std::string path = runningProgramPath(scratch / "exe");
    EXPECT_EQ(path, folder + "/vardo");
    EXPECT_EQ(folderOf(path), folder + "/");
}

TEST(RunningProgramPath, IsThisProcess) {
    const std::string path = runningProgramPath();
    EXPECT_EQ(path.substr(path.rfind('/') + 1), "test_persist");
}

TEST(RunningProgramPath, ALinkThatCantBeReadStopsWithAFrenchMessage) {
    ScratchFolder scratch;
    EXPECT_EQ(errorOf([&] { runningProgramPath(scratch / "missing"); }),
              "Impossible de trouver le dossier du programme. Le fichier spécifié est introuvable.");
}

TEST(UserDataFolder, FollowsTheBaseDirectoryRules) {
    struct Row {
        const char* name;
        UserFolders user;
        const char* folder;
    } rows[] = {
        {"XDG_DATA_HOME set", {"/data", "/home/anne"}, "/data/vardo/"},
        {"XDG_DATA_HOME with a slash", {"/data/", "/home/anne"}, "/data/vardo/"},
        {"XDG_DATA_HOME unset", {"", "/home/anne"}, "/home/anne/.local/share/vardo/"},
        {"XDG_DATA_HOME relative, ignored", {"data", "/home/anne/"}, "/home/anne/.local/share/vardo/"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(userDataFolder(row.user), row.folder) << row.name;
    }
    EXPECT_EQ(errorOf([] { userDataFolder({"", ""}); }),
              "Impossible de trouver le dossier personnel de l'utilisateur (HOME)");
}

class ChooseFilesFolder : public ::testing::Test {
protected:
    void SetUp() override {
        program = scratch / "program/";
        ASSERT_EQ(::mkdir(program.c_str(), 0755), 0);
        user = {"", scratch / "home"};
    }
    ScratchFolder scratch;
    std::string program;
    UserFolders user;
};

TEST_F(ChooseFilesFolder, AFolderThatTakesNewFilesKeepsThemBesideTheProgram) {
    const FilesFolder chosen = chooseFilesFolder(program, user);
    EXPECT_EQ(chosen.path, program);
    EXPECT_TRUE(chosen.besideProgram);
    EXPECT_EQ(testing::entryCount(program), 0) << "the write probe leaves nothing behind";
}

TEST_F(ChooseFilesFolder, AFolderNameThatIsNotUtf8IsKeptAsItIs) {
    const std::string folder = scratch / (kLatin1Folder + "/");
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    EXPECT_EQ(chooseFilesFolder(folder, user).path, folder);
}

TEST_F(ChooseFilesFolder, AFolderThatRefusesNewFilesSendsThemToTheDataFolder) {
    ReadOnlyFolder readOnly(program);
    if (!readOnly.active()) GTEST_SKIP() << "the file system can't make a folder read-only here";
    const FilesFolder chosen = chooseFilesFolder(program, user);
    EXPECT_EQ(chosen.path, scratch / "home/.local/share/vardo/");
    EXPECT_FALSE(chosen.besideProgram);
    EXPECT_FALSE(std::filesystem::exists(chosen.path)) << "deciding creates nothing";
}

TEST_F(ChooseFilesFolder, AStoreAlreadyBesideTheProgramKeepsItsPlace) {
    writeBytes(program + "VARDO.INI", "[frmVardo]\r\n");
    ReadOnlyFolder readOnly(program);
    if (!readOnly.active()) GTEST_SKIP() << "the file system can't make a folder read-only here";
    EXPECT_EQ(chooseFilesFolder(program, user).path, program);
}

TEST_F(ChooseFilesFolder, TheSystemsFoldersNeverTakeTheUsersFiles) {
    // Even for root, who may write there: no probe is made in them either.
    for (const char* folder : {"/usr/bin/", "/usr/local/bin/", "/bin/", "/sbin/"}) {
        EXPECT_FALSE(chooseFilesFolder(folder, user).besideProgram) << folder;
    }
}

TEST(CreateFolder, MakesTheMissingFoldersPrivateToTheUser) {
    ScratchFolder scratch;
    const std::string folder = scratch / "home/.local/share/vardo/";
    createFolder(folder);
    createFolder(folder);  // already there: nothing to do
    struct stat info {};
    ASSERT_EQ(::stat(folder.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0700);
}

TEST(CreateFolder, AFileInTheWaySaysWhy) {
    ScratchFolder scratch;
    writeBytes(scratch / "share", "");
    const std::string folder = scratch / "share/vardo/";
    EXPECT_EQ(errorOf([&] { createFolder(folder); }),
              "Impossible de créer le dossier \"" + folder +
                  "\". Le chemin d'accès spécifié est introuvable.");
}

}  // namespace
}  // namespace vardo
