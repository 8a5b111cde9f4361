// The options file VardoM.ini: which navigation items a read checks, and what a close writes.
#include "persist/options.h"

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

std::string checkedPattern(const FormModel& form) {
    std::string pattern;
    for (int page = 0; page < kPages; ++page)
        pattern += form.checked(navigationItem(page)) ? '1' : '.';
    return pattern;
}

TEST(ChargeOptions, ChecksOnlyWhatTheFileMarks) {
    struct Row {
        const char* name;
        const char* file;
        const char* checked;  // after the read, from the design check of January
    } rows[] = {
        {"no file", nullptr, "1............"},
        {"no section", "[Autre]\r\nMois=0000011111111\r\n", "1............"},
        {"no key", "[Default]\r\nAutre=1\r\n", "1............"},
        {"June", "[Default]\r\nMois=0000010000000\r\n", "1....1......."},
        {"Bilan only", "[default]\r\nMOIS=0000000000001\r\n", "1...........1"},
        {"Jan and Feb", "[Default]\r\nMois=11\r\n", "11..........."},
        {"letters", "[Default]\r\nMois=abcdefghijklm\r\n", "1............"},
        {"short", "[Default]\r\nMois=001\r\n", "1.1.........."},
        {"too long", "[Default]\r\nMois=00000000000001111\r\n", "1............"},
        {"zeros never uncheck", "[Default]\r\nMois=0000000000000\r\n", "1............"},
    };
    for (const Row& row : rows) {
        ScratchFolder folder;
        if (row.file != nullptr) writeBytes(folder / "VardoM.ini", row.file);
        FormModel form;
        loadOptions(form, folder.path());
        EXPECT_EQ(checkedPattern(form), row.checked) << row.name;
    }
}

TEST(ChargeOptions, UnreadableFileChecksNothing) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder / "VardoM.ini");
    FormModel form;
    EXPECT_NO_THROW(loadOptions(form, folder.path()));
    EXPECT_EQ(checkedPattern(form), "1............");
}

TEST(SauveOptions, ErasesTheSectionAndWritesMoisAtTheEnd) {
    ScratchFolder folder;
    writeBytes(folder / "VardoM.ini", "[Default]\r\nMois=1\r\nExtra=x\r\n[Autre]\r\nk=v\r\n");
    FormModel form;
    form.setChecked(navigationItem(0), false);
    form.setChecked(navigationItem(5), true);
    saveOptions(form, folder.path());
    EXPECT_EQ(readBytes(folder / "VardoM.ini"),
              "[Autre]\r\nk=v\r\n[Default]\r\nMois=0000010000000\r\n");

    FormModel next;
    loadOptions(next, folder.path());
    EXPECT_EQ(checkedPattern(next), "1....1.......");
}

TEST(SauveOptions, NoFileCreatesIt) {
    ScratchFolder folder;
    FormModel form;
    form.setChecked(navigationItem(kBilanPage), true);
    saveOptions(form, folder.path());
    EXPECT_EQ(readBytes(folder / "VardoM.ini"), "[Default]\r\nMois=1000000000001\r\n");
}

TEST(SauveOptions, FailureNamesTheFileAndKeepsTheOldOne) {
    ScratchFolder folder;
    writeBytes(folder / "VardoM.ini", "[Default]\r\nMois=1\r\n");
    injectWriteFailure(WriteStage::Rename, EACCES);
    FormModel form;
    EXPECT_EQ(testing::errorOf([&] { saveOptions(form, folder.path()); }),
              "Impossible d'écrire dans " + folder.path() + "VardoM.ini");
    EXPECT_EQ(readBytes(folder / "VardoM.ini"), "[Default]\r\nMois=1\r\n");
}

TEST(SauveOptions, FolderInPlaceOfTheFileFails) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder / "VardoM.ini");
    FormModel form;
    EXPECT_THROW(saveOptions(form, folder.path()), Error);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "VardoM.ini"));
}

}  // namespace
}  // namespace vardo
