// Where the stored year is found, where a year that could not be stored over an unreadable file
// goes, and the new files that a kill left behind.
#include "persist/store_location.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "ledger/error.h"
#include "persist/cp1252.h"
#include "persist/form_store.h"
#include "test_support.h"

namespace vardo {
namespace {

using testing::readBytes;
using testing::ScratchFolder;
using testing::writeBytes;

struct LocationRow {
    const char* name;
    bool dottedFolder;
    std::vector<std::string> existing;
    const char* expected;
};

TEST(StoreLocation, TheUsualNameUnlessOnlyTheOtherOneExists) {
    const LocationRow rows[] = {
        {"plain folder, first run", false, {}, "VARDO.INI"},
        {"dotted folder, first run", true, {}, "VARDO"},
        {"plain folder, year stored as VARDO", false, {"VARDO"}, "VARDO"},
        {"dotted folder, year stored as VARDO.INI", true, {"VARDO.INI"}, "VARDO.INI"},
        {"plain folder, both", false, {"VARDO", "VARDO.INI"}, "VARDO.INI"},
        {"dotted folder, both", true, {"VARDO", "VARDO.INI"}, "VARDO"},
    };
    for (const LocationRow& row : rows) {
        ScratchFolder scratch;
        const std::string folder = scratch / (row.dottedFolder ? "vardo-1.0/" : "vardo/");
        std::filesystem::create_directory(folder);
        writeBytes(folder + "vardo", "program");
        for (const std::string& name : row.existing) writeBytes(folder + name, "[frmVardo]\r\n");
        EXPECT_EQ(locateStore(folder, folder + "vardo"), folder + row.expected) << row.name;
    }
}

// A file system that ignores letter case shows the program "vardo" under the name "VARDO": the
// same file under both names, as a hard link shows it here.
TEST(StoreLocation, NeverTheProgramItself) {
    ScratchFolder scratch;
    const std::string folder = scratch / "vardo-1.0/";
    std::filesystem::create_directory(folder);
    writeBytes(folder + "vardo", "program");
    ASSERT_EQ(::link((folder + "vardo").c_str(), (folder + "VARDO").c_str()), 0);
    EXPECT_EQ(locateStore(folder, folder + "vardo"), folder + "VARDO.INI");

    // Stored year or not, the program's bytes are never read nor written as a year.
    FormModel form;
    form.setText(headerField(Header::Vehicule), "Utilitaire");
    saveValues(form, locateStore(folder, folder + "vardo"));
    EXPECT_EQ(readBytes(folder + "vardo"), "program");
    EXPECT_NE(readBytes(folder + "VARDO.INI").find("aledVehicule=Utilitaire\r\n"),
              std::string::npos);
}

TEST(StoreLocation, RecoveryNamesCarryTheInstantAndARank) {
    std::tm when{};
    when.tm_year = 2026 - 1900, when.tm_mon = 11, when.tm_mday = 9;
    when.tm_hour = 8, when.tm_min = 30, when.tm_sec = 5;
    EXPECT_EQ(recoveryFileName("/p/VARDO.INI", when, 1), "/p/VARDO-recupere-20261209-083005.INI");
    EXPECT_EQ(recoveryFileName("/p.1/VARDO", when, 3), "/p.1/VARDO-recupere-20261209-083005-3.INI");
}

TEST(StoreLocation, LeftoversOfACutShortWriteAreRemovedAndNothingElse) {
    ScratchFolder folder;
    const char* const removed[] = {"VARDO.INI.tmpAb12Cd", "VARDO.tmp000000", "VardoM.ini.tmpzZ9yY8",
                                   "vardo_2026.txt.tmpQwErTy", "VARDO-recupere-20261209-083005.INI.tmpA1b2C3"};
    const char* const kept[] = {"VARDO.INI", "notes.txt.tmpAb12Cd", "VARDO.INI.tmp", "VARDO.INI.tmpAb12C!",
                                "VARDO.INI.tmpAb12Cd.bak"};
    for (const char* name : removed) writeBytes(folder / name, "x");
    for (const char* name : kept) writeBytes(folder / name, "x");
    std::filesystem::create_directory(folder / "VARDO.INI.tmpFolder");
    removeLeftoverTemporaries(folder.path(), folder / "vardo");
    for (const char* name : removed) EXPECT_FALSE(std::filesystem::exists(folder / name)) << name;
    for (const char* name : kept) EXPECT_TRUE(std::filesystem::exists(folder / name)) << name;
    EXPECT_TRUE(std::filesystem::is_directory(folder / "VARDO.INI.tmpFolder"));
}

// An editor's UTF-8 file with a byte-order mark: its section is found, its accents read right,
// and the save writes it back in Windows-1252, without the mark and without a second section.
TEST(StoreLocation, AStoreWithAByteOrderMarkIsReadAsUtf8) {
    ScratchFolder folder;
    const std::string file = folder / "VARDO.INI";
    writeBytes(file, "\xEF\xBB\xBF[frmVardo]\r\nJanvKMIn=12500\r\naledVehicule=Citro\xC3\xABn\r\n");
    FormModel form;
    loadValues(form, file);
    EXPECT_EQ(form.text(balanceField(0, Balance::KMIn)), "12500");
    EXPECT_EQ(form.text(headerField(Header::Vehicule)), "Citro\xC3\xABn");
    saveValues(form, file);
    const std::string saved = readBytes(file);
    EXPECT_EQ(saved.rfind("[frmVardo]\r\nJanvKMIn=12500\r\n", 0), 0u) << saved.substr(0, 40);
    EXPECT_NE(saved.find("aledVehicule=Citro\xEBn\r\n"), std::string::npos);
    EXPECT_EQ(saved.find("[frmVardo]", 1), std::string::npos) << "one section";
}

TEST(StoreLocation, OnlyWindows1252CharactersFit) {
    EXPECT_TRUE(fitsCp1252("Citro\xC3\xABn 206 \xE2\x82\xAC \xC5\x93"));  // ë € œ
    EXPECT_TRUE(fitsCp1252(""));
    EXPECT_FALSE(fitsCp1252("\xC5\x81\xC3\xB3" "d\xC5\xBA"));              // Łódź
    EXPECT_FALSE(fitsCp1252("\xF0\x9F\x9A\x97"));                      // an emoji
    EXPECT_FALSE(fitsCp1252("\xC3"));                                   // cut short
}

// A store that exists and cannot be read is never written over: the session's year goes to a
// recovery file beside it, a new one that never replaces another, then always the same one.
TEST(StoreLocation, AnUnreadableStoreSendsTheYearToARecoveryFile) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder / "VARDO.INI");  // exists, cannot be read
    writeBytes(folder / "VARDO-recupere-20261209-183000.INI", "someone else's");
    FormModel form;
    FormStore store(form);
    store.clock = [] {
        std::tm when{};
        when.tm_year = 2026 - 1900, when.tm_mon = 11, when.tm_mday = 9, when.tm_hour = 18,
        when.tm_min = 30, when.tm_isdst = -1;
        return std::mktime(&when);
    };
    store.windowLoaded(folder.path(), folder / "vardo");
    EXPECT_THROW(store.loadAll(), Error);
    ASSERT_TRUE(store.unreadable());
    form.setText(balanceField(0, Balance::KMIn), "4242");
    store.saveAll();
    EXPECT_EQ(store.recoveryFile(), folder / "VARDO-recupere-20261209-183000-2.INI");
    EXPECT_EQ(readBytes(folder / "VARDO-recupere-20261209-183000.INI"), "someone else's");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "VARDO.INI"));
    form.setText(balanceField(1, Balance::KMIn), "5353");
    store.saveAll();
    EXPECT_EQ(store.recoveryFile(), folder / "VARDO-recupere-20261209-183000-2.INI");
    FormModel reread;
    loadValues(reread, store.recoveryFile());
    EXPECT_EQ(reread.text(balanceField(0, Balance::KMIn)), "4242");
    EXPECT_EQ(reread.text(balanceField(1, Balance::KMIn)), "5353");
}

}  // namespace
}  // namespace vardo
