// The form-state store: file name rules, save and load of the 915 keys, files written by
// Windows, failures that must lose nothing, and the store's attach rules.
#include "persist/form_store.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "ledger/error.h"
#include "ledger/ledger.h"
#include "persist/atomic_file.h"
#include "persist/cp1252.h"
#include "persist/startup_copy.h"
#include "test_support.h"

namespace vardo {
namespace {

using testing::errorOf;
using testing::readBytes;
using testing::ScratchFolder;
using testing::writeBytes;

// A text per field exercising the code page, blanks and quotes.
std::string sampleText(FieldId id) {
    static const char* const kShapes[] = {"é%d",  "€ %d",     "œ%dŒ", " %d ", "\"%d\"",
                                          "'%d'", "a\"%d\"b", "%d",   "",     "\t%d"};
    std::string shape = kShapes[id % 10];
    const auto at = shape.find("%d");
    if (at != std::string::npos) shape.replace(at, 2, std::to_string(id));
    return shape;
}

void fillSample(FormModel& form) {
    for (FieldId id = 0; id < form.fieldCount(); ++id) form.setText(id, sampleText(id));
    for (MenuId id = 0; id < form.menuCount(); ++id) form.setChecked(id, id % 3 == 0);
}

std::vector<std::string> fileLines(const std::string& path) {
    return splitTextLines(cp1252ToUtf8(readBytes(path)));
}

TEST(ActualFileName, UpperCasesTheNameTrimsAndAddsIni) {
    struct Row {
        const char* name;
        const char* input;
        const char* expected;
    } rows[] = {
        {"plain folder", "/opt/vardo/Vardo", "/opt/vardo/VARDO.INI"},
        {"dot in folder", "/opt/vardo.1/Vardo", "/opt/vardo.1/VARDO"},
        {"own extension", "/opt/x/store.ini", "/opt/x/STORE.INI"},
        {"blanks and controls", "  /opt/x/Vardo \t\n", "/opt/x/VARDO.INI"},
        {"no folder", "vardo", "VARDO.INI"},
        {"accents kept", "/opt/x/vé", "/opt/x/Vé.INI"},
    };
    for (const Row& row : rows) EXPECT_EQ(actualFileName(row.input), row.expected) << row.name;
    EXPECT_EQ(storeFileName("/home/u/Vardo/"), "/home/u/Vardo/VARDO.INI");
    EXPECT_EQ(storeFileName("/home/u.v/app/"), "/home/u.v/app/VARDO");
}

TEST(StoreRoundTrip, EveryKeyComesBackExactly) {
    ScratchFolder folder;
    const std::string file = storeFileName(folder.path());
    FormModel saved;
    fillSample(saved);
    saveValues(saved, file);

    const auto lines = fileLines(file);
    ASSERT_EQ(lines.size(), 1u + kStoreKeys);
    EXPECT_EQ(lines[0], "[frmVardo]");
    for (FieldId id = 0; id < saved.fieldCount(); ++id) {
        EXPECT_EQ(lines[1 + id].substr(0, saved.name(id).size() + 1), saved.name(id) + "=");
    }
    EXPECT_EQ(lines[1], "JanvKMIn=é0");
    EXPECT_EQ(lines[1 + kFieldCount], "Fichier1=1");
    EXPECT_EQ(lines.back(), "Aproposde1=0");
    EXPECT_NE(readBytes(file).find("JanvKMFin=\x80 1\r\n"), std::string::npos);

    FormModel loaded;
    loadValues(loaded, file);
    for (FieldId id = 0; id < saved.fieldCount(); ++id) {
        EXPECT_EQ(loaded.text(id), saved.text(id)) << saved.name(id);
    }
    for (MenuId id = 0; id < saved.menuCount(); ++id) {
        EXPECT_EQ(loaded.checked(id), saved.checked(id)) << saved.menuName(id);
    }
    // Saving what was loaded changes nothing.
    const std::string before = readBytes(file);
    saveValues(loaded, file);
    EXPECT_EQ(readBytes(file), before);
}

TEST(StoreLoad, MissingFileKeepsDesignValuesAndSaveWritesAllKeys) {
    ScratchFolder folder;
    const std::string file = storeFileName(folder.path());
    FormModel form;
    loadValues(form, file);
    EXPECT_EQ(form.text(morningField(0, 1)), "0");
    EXPECT_EQ(form.text(headerField(Header::Vehicule)), "");
    EXPECT_TRUE(form.checked(navigationItem(0)));
    saveValues(form, file);
    const auto lines = fileLines(file);
    ASSERT_EQ(lines.size(), 1u + kStoreKeys);
    EXPECT_EQ(lines[1 + headerField(Header::Vehicule)], "aledVehicule=");
    EXPECT_EQ(lines[1 + kFieldCount + navigationItem(0)], "Janvier1=1");
}

TEST(StoreLoad, OneKeyFileRestoresItAndTheSaveAddsTheRest) {
    ScratchFolder folder;
    const std::string file = storeFileName(folder.path());
    writeBytes(file, "[frmVardo]\r\nJanvM01=12500\r\n");
    FormModel form;
    loadValues(form, file);
    EXPECT_EQ(form.text(morningField(0, 1)), "12500");
    EXPECT_EQ(form.text(eveningField(0, 1)), "0");
    saveValues(form, file);
    const auto lines = fileLines(file);
    ASSERT_EQ(lines.size(), 1u + kStoreKeys);
    EXPECT_EQ(lines[1], "JanvM01=12500");  // kept where it stood
    EXPECT_EQ(lines[2], "JanvKMIn=0");
}

TEST(StoreLoad, FileWrittenByWindows) {
    ScratchFolder folder;
    const std::string file = storeFileName(folder.path());
    const std::string longValue(3000, 'L');
    const std::string windows =
        "[Autre]\r\n"
        "JanvM01=999\r\n"
        "\r\n"
        "[FRMVARDO]\r\n"
        "janvm01 = 12500 \r\n"
        "JANVS01=12580\r\n"
        "aledVehicule=  \"  Utilitaire \xE9\x80 \"  \r\n"
        "aledAnnee=\r\n"
        "aledChevaux=" +
        longValue +
        "\r\n"
        "Inconnu=1\r\n"
        "aledComptabilite=\r\n"
        "JanvKMIn\r\n"
        "Fichier1=2\r\n"
        "Janvier1=0x0\r\n"
        "Mars1=oui\r\n"
        "Avril1=2\r\n"
        "\r\n"
        "[Fin]\r\n"
        "x=y\r\n";
    writeBytes(file, windows);
    FormModel form;
    form.setChecked(navigationItem(2), true);
    loadValues(form, file);
    EXPECT_EQ(form.text(morningField(0, 1)), "12500");
    EXPECT_EQ(form.text(eveningField(0, 1)), "12580");
    EXPECT_EQ(form.text(headerField(Header::Vehicule)), "  Utilitaire é€ ");
    EXPECT_EQ(form.text(headerField(Header::Annee)), "");
    EXPECT_EQ(form.text(headerField(Header::Comptabilite)), "") << "empty, not the default";
    EXPECT_EQ(form.text(balanceField(0, Balance::KMIn)), "0") << "a line without = is no key";
    EXPECT_EQ(form.text(headerField(Header::Chevaux)), longValue.substr(0, 2047));
    EXPECT_TRUE(form.checked(form.findMenuItem("Fichier1")));
    EXPECT_FALSE(form.checked(navigationItem(0)));
    EXPECT_TRUE(form.checked(navigationItem(2))) << "oui leaves the item as it was";
    EXPECT_TRUE(form.checked(navigationItem(3)));

    saveValues(form, file);
    const std::string bytes = readBytes(file);
    EXPECT_EQ(bytes.substr(0, 36), "[Autre]\r\nJanvM01=999\r\n\r\n[FRMVARDO]\r\n");
    EXPECT_NE(bytes.find("janvm01 = 12500 \r\nJANVS01=12580\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("Inconnu=1\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("Mars1=1\r\n"), std::string::npos);
    EXPECT_TRUE(bytes.ends_with("Aproposde1=0\r\n\r\n[Fin]\r\nx=y\r\n"));
    FormModel again;
    loadValues(again, file);
    EXPECT_EQ(again.text(headerField(Header::Vehicule)), "  Utilitaire é€ ");
}

TEST(StoreLoad, FailingChangeHandlerDoesNotCutTheRestorationShort) {
    ScratchFolder folder;
    const std::string file = storeFileName(folder.path());
    FormModel saved;
    fillSample(saved);
    saveValues(saved, file);

    FormModel form;
    int failures = 0;
    for (FieldId id : {0, 100, 500}) {
        form.setChangeHandler(id, [&failures] {
            ++failures;
            throw Error("Division par zéro en virgule flottante");
        });
    }
    loadValues(form, file);
    EXPECT_EQ(failures, 3);
    for (FieldId id = 0; id < form.fieldCount(); ++id) EXPECT_EQ(form.text(id), saved.text(id));
    EXPECT_EQ(form.checked(0), saved.checked(0));
}

TEST(StoreLoad, LedgerHandlersFailingOnAStoredProTotalStillRestoreEverything) {
    ScratchFolder folder;
    const std::string file = storeFileName(folder.path());
    // January's professional kilometres come back while the year's final reading is still "0".
    writeBytes(file, "[frmVardo]\r\nJanvKMPro=80\r\nDecS31=99\r\naledComptabilite=2004\r\n");
    FormModel form;
    Ledger ledger(form, Regional{});
    loadValues(form, file);
    EXPECT_EQ(form.text(balanceField(0, Balance::KMPro)), "80");
    EXPECT_EQ(form.text(eveningField(11, 31)), "99");
    EXPECT_EQ(form.text(headerField(Header::Comptabilite)), "2004");
}

TEST(StoreLoad, UnreadableFileIsReportedAndNeverOverwritten) {
    ScratchFolder folder;
    const std::string file = storeFileName(folder.path());
    std::filesystem::create_directory(file);
    FormModel form;
    EXPECT_EQ(errorOf([&] { loadValues(form, file); }),
              "Impossible d'ouvrir le fichier \"" + file + "\". Accès refusé.");
    EXPECT_EQ(errorOf([&] { saveValues(form, file); }), "Impossible d'écrire dans " + file);
    EXPECT_TRUE(std::filesystem::is_directory(file));
}

TEST(StoreSave, FailureAtAnyPointLeavesTheOldStoreWhole) {
    ScratchFolder folder;
    const std::string file = storeFileName(folder.path());
    FormModel old;
    old.setText(morningField(0, 1), "12500");
    saveValues(old, file);
    const std::string before = readBytes(file);

    FormModel changed;
    fillSample(changed);
    for (WriteStage stage :
         {WriteStage::Create, WriteStage::Write, WriteStage::Flush, WriteStage::Rename}) {
        injectWriteFailure(stage, ENOSPC);
        EXPECT_EQ(errorOf([&] { saveValues(changed, file); }), "Impossible d'écrire dans " + file);
        EXPECT_EQ(readBytes(file), before);
    }
    EXPECT_EQ(testing::entryCount(folder.path()), 1);
}

TEST(TIniValStore, AttachLoadAndSaveOrder) {
    ScratchFolder folder;
    FormModel form;
    FormStore store(form);
    std::vector<std::string> calls;
    // Not attached: the window's handlers run, the store neither loads nor saves.
    store.fileName = folder / "Vardo";
    store.onWindowCreated([&] { calls.push_back("create"); });
    store.onWindowDestroyed([&] { calls.push_back("destroy"); });
    EXPECT_FALSE(std::filesystem::exists(folder / "VARDO.INI"));

    FormStore attached(form);
    attached.windowLoaded(folder.path());
    EXPECT_EQ(attached.fileName, folder / "Vardo");
    EXPECT_EQ(attached.filePath(), folder / "VARDO.INI");
    writeBytes(folder / "VARDO.INI", "[frmVardo]\r\nJanvM01=7\r\n");
    // A failing creation handler does not keep the load from running; its error comes after.
    EXPECT_THROW(attached.onWindowCreated([&] {
        calls.push_back("create2");
        throw Error("Impossible d'ouvrir le fichier \"x\". y");
    }),
                 Error);
    EXPECT_EQ(form.text(morningField(0, 1)), "7");
    form.setText(morningField(0, 1), "8");
    attached.onWindowDestroyed([&] { calls.push_back("destroy2"); });
    EXPECT_NE(readBytes(folder / "VARDO.INI").find("JanvM01=8\r\n"), std::string::npos);
    EXPECT_EQ(calls, (std::vector<std::string>{"create", "destroy", "create2", "destroy2"}));

    // automatic off: handlers still called, no load or save.
    FormStore manual(form);
    manual.windowLoaded(folder.path());
    manual.automatic = false;
    form.setText(morningField(0, 1), "9");
    manual.onWindowDestroyed(nullptr);
    EXPECT_NE(readBytes(folder / "VARDO.INI").find("JanvM01=8\r\n"), std::string::npos);
}

TEST(TIniValStore, AfterAnUnreadableLoadTheSaveLeavesTheFileAlone) {
    ScratchFolder folder;
    FormModel form;
    FormStore store(form);
    store.windowLoaded(folder.path());
    std::filesystem::create_directory(folder / "VARDO.INI");
    EXPECT_THROW(store.onWindowCreated(nullptr), Error);
    EXPECT_NO_THROW(store.onWindowDestroyed(nullptr));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "VARDO.INI"));
}

}  // namespace
}  // namespace vardo
