// Names of the program's files taken by something other than a regular file (a FIFO, a link to a
// device, to /dev/zero or to a folder) or by a file far too large: every read and write refuses
// it with its own message, within a bounded time, leaving the thing as it was and writing nothing
// elsewhere. Links to regular files are still followed.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>

#include <filesystem>
#include <iterator>
#include <functional>

#include "child_process.h"
#include "ledger/error.h"
#include "ledger/form_model.h"
#include "persist/annual_text_file.h"
#include "persist/form_store.h"
#include "persist/options.h"
#include "persist/startup_copy.h"
#include "test_support.h"

namespace vardo {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::runInChild;
using testing::ScratchFolder;
using testing::writeBytes;

constexpr unsigned kLimitSeconds = 10;
constexpr const char* kCannotMake =
    "this machine cannot make the hostile file (device nodes need root, socket path too long)";

enum class Hostile { Fifo, Socket, LinkToDevice, LinkToZero, LinkToFolder, Oversized };

struct Kind {
    const char* name;
    Hostile hostile;
    const char* reason;  // the system's reason that the open messages quote
};

const Kind kKinds[] = {
    {"Fifo", Hostile::Fifo, "Accès refusé."},
    {"Socket", Hostile::Socket, "Accès refusé."},
    {"LinkToADevice", Hostile::LinkToDevice, "Accès refusé."},
    {"LinkToDevZero", Hostile::LinkToZero, "Accès refusé."},
    {"LinkToAFolder", Hostile::LinkToFolder, "Accès refusé."},
    {"OneGigabyteSparseFile", Hostile::Oversized, "Le fichier est trop volumineux."},
};

// What a link's target or the thing itself looks like, to see that it was left as it was.
std::string describe(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return "missing";
    return std::to_string(info.st_mode & S_IFMT) + ":" + std::to_string(info.st_size) + ":" +
           std::to_string(info.st_rdev);
}

// Every entry under a folder, with its kind and size.
std::string listing(const std::string& folder) {
    std::string all;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        all += entry.path().string() + "=" + describe(entry.path()) + "\n";
    return all;
}

class HostileFiles : public ::testing::TestWithParam<Kind> {
protected:
    // Puts the hostile thing at folder/name; links point outside the program folder. False when
    // this machine cannot make it.
    bool make(const std::string& name) {
        const std::string path = folder / name;
        switch (GetParam().hostile) {
            case Hostile::Fifo:
                EXPECT_EQ(::mkfifo(path.c_str(), 0666), 0);
                break;
            case Hostile::Socket: {
                sockaddr_un address{};
                address.sun_family = AF_UNIX;
                if (path.size() >= sizeof address.sun_path) return false;
                path.copy(address.sun_path, path.size());
                socket_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
                EXPECT_EQ(::bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
                break;
            }
            case Hostile::LinkToDevice:
            case Hostile::LinkToZero: {
                const bool zero = GetParam().hostile == Hostile::LinkToZero;
                const std::string node = deviceNode(zero ? "zero" : "null", zero ? 5 : 3);
                if (node.empty()) return false;
                fs::create_symlink(node, path);
                break;
            }
            case Hostile::LinkToFolder:
                fs::create_directories(outside / "folder");
                fs::create_symlink(outside / "folder", path);
                break;
            case Hostile::Oversized:
                writeBytes(path, "[frmVardo]\r\nJanvM01=1\r\n");
                fs::resize_file(path, 1ull << 30);
                break;
        }
        name_ = name;
        before_ = describe(path);
        outsideBefore_ = listing(outside.path());
        return true;
    }

    // A device node of the test's own, the same device as /dev/null or /dev/zero: a fault that
    // wrote through the link would replace this node, never the system's.
    std::string deviceNode(const char* name, unsigned minor) {
        const std::string node = outside / name;
        return ::mknod(node.c_str(), S_IFCHR | 0666, ::makedev(1, minor)) == 0 ? node : "";
    }

    // Runs the operation in a child stopped after the limit; returns what it said.
    std::string run(const std::function<std::string()>& operation) {
        const testing::ChildOutcome outcome = runInChild(operation, kLimitSeconds);
        EXPECT_TRUE(outcome.finished) << "did not end within " << kLimitSeconds << " s";
        return outcome.output;
    }

    // The message of an operation that must fail, run the same way.
    std::string errorInChild(const std::function<void()>& operation) {
        return run([&] { return testing::errorOf(operation); });
    }

    std::string openMessage(const std::string& path) const {
        return "Impossible d'ouvrir le fichier \"" + path + "\". " + GetParam().reason;
    }

    void TearDown() override {
        if (!name_.empty()) {
            EXPECT_EQ(describe(folder / name_), before_) << "the hostile file left as it was";
            EXPECT_EQ(listing(outside.path()), outsideBefore_) << "nothing written outside";
        }
        if (socket_ >= 0) ::close(socket_);
    }

    ScratchFolder folder;
    ScratchFolder outside;
    std::string name_;
    std::string before_;
    std::string outsideBefore_;
    int socket_ = -1;
};

// Files the program reads before it writes them.
using HostileReadFile = HostileFiles;
// Files the program only writes: a large regular file there is an ordinary file to replace.
using HostileWrittenFile = HostileFiles;

TEST_P(HostileReadFile, StoreIsNeitherReadNorReplaced) {
    if (!make("VARDO.INI")) GTEST_SKIP() << kCannotMake;
    const std::string file = folder / "VARDO.INI";
    FormModel form;
    EXPECT_EQ(errorInChild([&] { loadValues(form, file); }), openMessage(file));
    EXPECT_EQ(errorInChild([&] { saveValues(form, file); }), "Impossible d'écrire dans " + file);
}

TEST_P(HostileReadFile, OptionsFileReadsAsNoneAndIsNotReplaced) {
    if (!make("VardoM.ini")) GTEST_SKIP() << kCannotMake;
    EXPECT_EQ(run([&] {
                  FormModel form;
                  form.setChecked(navigationItem(0), false);
                  loadOptions(form, folder.path());
                  for (int page = 0; page < kPages; ++page)
                      if (form.checked(navigationItem(page))) return std::string("checked");
                  return std::string("nothing checked");
              }),
              "nothing checked");
    EXPECT_EQ(errorInChild([&] { saveOptions(FormModel(), folder.path()); }),
              "Impossible d'écrire dans " + folder / "VardoM.ini");
}

TEST_P(HostileReadFile, StartupCopySourceIsRefusedAndNothingIsCopied) {
    if (!make("Vardo")) GTEST_SKIP() << kCannotMake;
    EXPECT_EQ(errorInChild([&] { startupCopy(folder.path(), folder / "vardo-program"); }),
              openMessage(folder / "Vardo"));
    EXPECT_FALSE(fs::exists(folder / "Vardo.vrd"));
}

TEST_P(HostileWrittenFile, StartupCopyTargetIsRefused) {
    writeBytes(folder / "Vardo", "line\r\n");
    if (!make("Vardo.vrd")) GTEST_SKIP() << kCannotMake;
    EXPECT_EQ(errorInChild([&] { startupCopy(folder.path(), folder / "vardo-program"); }),
              "Impossible de créer le fichier \"" + folder / "Vardo.vrd" + "\". Accès refusé.");
}

TEST_P(HostileWrittenFile, AnnualTextFileIsRefused) {
    if (!make("vardo_2004.txt")) GTEST_SKIP() << kCannotMake;
    EXPECT_EQ(errorInChild([&] { writeAnnualTextSave({"line"}, folder / "vardo_2004.txt"); }),
              "Accès au fichier refusé");
}

auto kindName = [](const auto& row) { return std::string(row.param.name); };

INSTANTIATE_TEST_SUITE_P(Kinds, HostileReadFile, ::testing::ValuesIn(kKinds), kindName);
INSTANTIATE_TEST_SUITE_P(Kinds, HostileWrittenFile,
                         ::testing::ValuesIn(kKinds, kKinds + std::size(kKinds) - 1), kindName);

// A link to a regular file is how users keep their year in a synced folder: it is read through,
// and the file it leads to is replaced in its own folder, the link kept.
TEST(LinkedFiles, LinksToRegularFilesAreFollowedAndKept) {
    ScratchFolder folder;
    ScratchFolder synced;
    FormModel form;
    form.setText(morningField(0, 1), "12500");
    saveValues(form, synced / "year.ini");
    writeBytes(synced / "source", "a\r\nb\r\n");
    writeBytes(synced / "copy", "old");
    fs::create_symlink(synced / "year.ini", folder / "VARDO.INI");
    fs::create_symlink(synced / "source", folder / "Vardo");
    fs::create_symlink(synced / "copy", folder / "Vardo.vrd");

    FormModel loaded;
    loadValues(loaded, folder / "VARDO.INI");
    EXPECT_EQ(loaded.text(morningField(0, 1)), "12500");
    loaded.setText(morningField(0, 1), "13000");
    saveValues(loaded, folder / "VARDO.INI");
    startupCopy(folder.path(), folder / "vardo-program");

    EXPECT_TRUE(fs::is_symlink(folder / "VARDO.INI"));
    EXPECT_TRUE(fs::is_symlink(folder / "Vardo.vrd"));
    EXPECT_NE(readBytes(synced / "year.ini").find("JanvM01=13000"), std::string::npos);
    EXPECT_EQ(readBytes(synced / "copy"), "a\r\nb\r\n");
    EXPECT_EQ(testing::entryCount(synced.path()), 3)
        << "no temporary file left beside the linked files";
}

}  // namespace
}  // namespace vardo
