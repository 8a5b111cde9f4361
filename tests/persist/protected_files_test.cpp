// A file the user may not write keeps its bytes and rights: the save fails with that file's
// message. A writable file in a folder that refuses new files is written in place. Root writes
// anything, so these run as the user "nobody" in a child process (or as the ordinary user the
// tests already run as), and are skipped, saying why, where neither is possible.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <vector>

#include "child_process.h"
#include "ledger/form_model.h"
#include "persist/annual_text_file.h"
#include "persist/form_store.h"
#include "persist/options.h"
#include "test_support.h"

namespace vardo {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::ScratchFolder;
using testing::writeBytes;

mode_t modeOf(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

class ProtectedFiles : public ::testing::Test {
protected:
    void SetUp() override {
        std::string why;
        user_ = testing::permissionTestUser(why, asSelf_);
        if (!user_) GTEST_SKIP() << why;
        // The scratch folder is root's and private: opened to the test user for reading only.
        ::chmod(scratch.path().c_str(), 0755);
        program = scratch / "program/";
        fs::create_directory(program);
    }

    // The program folder belongs to the test user: a temporary file and a rename could replace
    // anything in it, so only the rights of the file itself protect it.
    void folderOfTheUser() { own(program, 0755); }

    void own(const std::string& path, mode_t mode) {
        ASSERT_EQ(::chown(path.c_str(), user_->uid, user_->gid), 0);
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
    }

    // A file with the given bytes, owned by the test user with the given rights.
    void ownedFile(const std::string& path, const std::string& bytes, mode_t mode) {
        writeBytes(path, bytes);
        own(path, mode);
    }

    // Runs the operation as the test user; returns the message of its error, or "(no error)".
    std::string asUser(const std::function<void()>& operation) {
        const testing::ChildOutcome outcome =
            testing::runInChild([&] { return testing::errorOf(operation); }, 10, user_);
        EXPECT_TRUE(outcome.finished) << "the child could not run as the test user, or hung";
        return outcome.output;
    }

    ScratchFolder scratch;
    std::string program;
    std::optional<testing::OtherUser> user_;
    bool asSelf_ = false;
};

FormModel& changedForm() {
    static FormModel form;
    form.setText(morningField(0, 1), "12500");
    return form;
}

// Each of the program's files, read-only to its owner: every write of it fails with its own
// message, and the file keeps its bytes and rights, with nothing left beside it.
TEST_F(ProtectedFiles, ReadOnlyFilesKeepTheirBytesAndRights) {
    folderOfTheUser();
    struct Row {
        const char* name;
        std::string file;
        const char* old;
        mode_t mode;
        std::function<void()> write;
        std::string message;
    };
    const std::string store = program + "VARDO.INI", options = program + "VardoM.ini",
                      text = program + "vardo_2004.txt";
    const Row rows[] = {
        {"store", store, "[frmVardo]\r\nJanvM01=0\r\n", 0444,
         [&] { saveValues(changedForm(), store); }, "Impossible d'écrire dans " + store},
        {"options", options, "[Default]\r\nMois=0000010000000\r\n", 0400,
         [&] { saveOptions(FormModel(), program); }, "Impossible d'écrire dans " + options},
        {"annual text, save", text, "old\r\n", 0444, [&] { writeAnnualTextSave({"new"}, text); },
         "Accès au fichier refusé"},
        {"annual text, save as", text, "old\r\n", 0444,
         [&] { writeAnnualTextSaveAs({"new"}, text); },
         "Impossible de créer le fichier \"" + text + "\". Accès refusé."},
    };
    for (const Row& row : rows) {
        ownedFile(row.file, row.old, row.mode);
        EXPECT_EQ(asUser(row.write), row.message) << row.name;
        EXPECT_EQ(readBytes(row.file), row.old) << row.name;
        EXPECT_EQ(modeOf(row.file), row.mode) << row.name;
        EXPECT_EQ(testing::entryCount(program), 1) << row.name;
        fs::remove(row.file);
    }
}

// The file's mode lets everyone write; an access list entry denies the test user.
TEST_F(ProtectedFiles, StoreDeniedByAnAccessListKeepsItsBytes) {
    if (asSelf_) GTEST_SKIP() << "the access list names the user \"nobody\", as root sets it";
    folderOfTheUser();
    const std::string store = program + "VARDO.INI";
    writeBytes(store, "[frmVardo]\r\n");
    ASSERT_EQ(::chmod(store.c_str(), 0666), 0);
    struct Entry {
        std::uint16_t tag, perm;
        std::uint32_t id;
    };
    constexpr std::uint32_t kAnyone = 0xFFFFFFFF;
    const std::uint32_t version = 2;
    const std::vector<Entry> entries = {{0x01, 6, kAnyone},   {0x02, 4, user_->uid},
                                        {0x04, 6, kAnyone},   {0x10, 6, kAnyone},
                                        {0x20, 6, kAnyone}};
    std::string acl(reinterpret_cast<const char*>(&version), sizeof version);
    for (const Entry& entry : entries) acl.append(reinterpret_cast<const char*>(&entry), 8);
    if (::setxattr(store.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0) != 0)
        GTEST_SKIP() << "this file system keeps no access lists";
    EXPECT_EQ(asUser([&] { saveValues(changedForm(), store); }),
              "Impossible d'écrire dans " + store);
    EXPECT_EQ(readBytes(store), "[frmVardo]\r\n");
}

// No temporary file can be made beside the store: it is overwritten where it stands, flushed,
// and keeps its rights.
TEST_F(ProtectedFiles, WritableFileInAFolderThatRefusesNewFilesIsWrittenInPlace) {
    const std::string store = program + "VARDO.INI";
    // A longer file than the one written: what stands beyond the new end must go.
    ownedFile(store, "[frmVardo]\r\nJanvKMIn=" + std::string(40000, '7') + "\r\n", 0640);
    ASSERT_EQ(asUser([&] { saveValues(changedForm(), store); }), "(no error)");
    FormModel restored;
    loadValues(restored, store);
    EXPECT_EQ(restored.text(morningField(0, 1)), "12500");
    EXPECT_EQ(restored.text(balanceField(0, Balance::KMIn)), "0");
    EXPECT_LT(readBytes(store).size(), 40000u) << "the old bytes beyond the new end are cut off";
    EXPECT_EQ(modeOf(store), 0640u);
    EXPECT_EQ(testing::entryCount(program), 1);

    const std::string fresh = program + "vardo_2004.txt";
    EXPECT_EQ(asUser([&] { writeAnnualTextSave({"new"}, fresh); }), "Accès au fichier refusé")
        << "a new file still cannot be made there";
}

}  // namespace
}  // namespace vardo
