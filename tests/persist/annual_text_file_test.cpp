// The annual balance text file: its name, its two writes and their failures.
#include "persist/annual_text_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "ledger/error.h"
#include "persist/atomic_file.h"
#include "test_support.h"

namespace vardo {
namespace {

using testing::errorOf;
using testing::readBytes;
using testing::ScratchFolder;
using testing::writeBytes;

TEST(AnnualTextFileName, ReplacesOrAppendsTheExtension) {
    struct Row {
        const char* name;
        const char* program;
        const char* year;
        const char* expected;
    } rows[] = {
        {"no extension", "/opt/vardo/vardo", "2004", "/opt/vardo/vardo_2004.txt"},
        {"extension replaced", "/opt/Outils/Suivi.exe", "2004", "/opt/Outils/Suivi_2004.txt"},
        {"last dot only", "/a/b.c.exe", "0", "/a/b.c_0.txt"},
        {"dot in folder only", "/opt/v1.0/vardo", "2004", "/opt/v1.0/vardo_2004.txt"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(annualTextFileName(row.program, row.year), row.expected) << row.name;
    }
}

TEST(AnnualTextSave, WritesWindows1252WithCrLfAfterEveryLine) {
    ScratchFolder folder;
    const std::vector<std::string> lines{"KILOMETRAGE DE L'ANNEE : 0",
                                         "Véhicule : Clio œ € Année :  Chevaux : ", " "};
    const std::string file = folder / "vardo_0.txt";
    writeAnnualTextSave(lines, file);
    EXPECT_EQ(readBytes(file), "KILOMETRAGE DE L'ANNEE : 0\r\n"
                               "V\xE9hicule : Clio \x9C \x80 Ann\xE9" "e :  Chevaux : \r\n \r\n");
    // Saving again overwrites.
    writeAnnualTextSave({"x"}, file);
    EXPECT_EQ(readBytes(file), "x\r\n");
}

TEST(AnnualTextSave, FailuresKeepTheOldFileAndNameTheCause) {
    ScratchFolder folder;
    const std::string file = folder / "vardo_2004.txt";
    writeBytes(file, "old");
    struct Row {
        const char* name;
        WriteStage stage;
        int error;
        const char* message;
    } rows[] = {
        {"not found", WriteStage::Create, ENOENT, "Fichier introuvable"},
        {"bad path", WriteStage::Create, ENOTDIR, "Nom de fichier incorrect"},
        {"too many files", WriteStage::Create, EMFILE, "Trop de fichiers ouverts"},
        {"access", WriteStage::Create, EACCES, "Accès au fichier refusé"},
        {"read-only", WriteStage::Rename, EROFS, "Accès au fichier refusé"},
        {"disk full", WriteStage::Write, ENOSPC, "Disque plein"},
        {"flush", WriteStage::Flush, EIO, "Erreur E/S 5"},
    };
    for (const Row& row : rows) {
        injectWriteFailure(row.stage, row.error);
        EXPECT_EQ(errorOf([&] { writeAnnualTextSave({"new"}, file); }), row.message) << row.name;
        EXPECT_EQ(readBytes(file), "old") << row.name;
    }
    EXPECT_EQ(testing::entryCount(folder.path()), 1) << "no temporary file left behind";
}

TEST(AnnualTextSave, FolderInPlaceOfTheFileOrMissingFolderIsRefused) {
    ScratchFolder folder;
    const std::string file = folder / "vardo_2004.txt";
    std::filesystem::create_directory(file);
    EXPECT_EQ(errorOf([&] { writeAnnualTextSave({"new"}, file); }), "Accès au fichier refusé");
    EXPECT_TRUE(std::filesystem::is_directory(file));
    EXPECT_EQ(errorOf([&] { writeAnnualTextSave({"new"}, folder / "absent/vardo_2004.txt"); }),
              "Fichier introuvable");
}

TEST(AnnualTextSave, FolderThatRefusesNewFilesRefusesANewFileButRewritesAnOldOne) {
    ScratchFolder folder;
    const std::string file = folder / "vardo_2004.txt";
    writeBytes(file, "an older and longer text\r\n");
    testing::ReadOnlyFolder readOnly(folder.path());
    if (!readOnly.active()) GTEST_SKIP() << "no immutable folders here";
    EXPECT_EQ(errorOf([&] { writeAnnualTextSave({"new"}, folder / "vardo_2005.txt"); }),
              "Accès au fichier refusé");
    writeAnnualTextSave({"new"}, file);
    EXPECT_EQ(readBytes(file), "new\r\n");
}

// Only one to four digits make a name: anything else could name a file in another folder.
TEST(AnnualTextFileName, YearTextsThatAreNotOneToFourDigitsAreRefused) {
    for (const char* year : {"", "20/04", "../x", "1/../../victim2/owned", "12345", " 204", "-1",
                             "2004\n", "٢٠٠٤"}) {
        EXPECT_EQ(errorOf([&] { annualTextFileName("/opt/vardo/vardo", year); }),
                  std::string("'") + year + "' n'est pas une valeur entière correcte");
    }
}

TEST(AnnualTextSaveAs, CreateAndWriteFailures) {
    ScratchFolder folder;
    const std::string file = folder / "bilan.txt";
    EXPECT_EQ(errorOf([&] { writeAnnualTextSaveAs({"a"}, folder / "absent/bilan.txt"); }),
              "Impossible de créer le fichier \"" + folder.path() +
                  "absent/bilan.txt\". Le fichier spécifié est introuvable.");
    injectWriteFailure(WriteStage::Write, ENOSPC);
    EXPECT_EQ(errorOf([&] { writeAnnualTextSaveAs({"a"}, file); }),
              "Erreur d'écriture dans le flux");
    EXPECT_FALSE(std::filesystem::exists(file));
    writeAnnualTextSaveAs({"a", "b"}, file);
    EXPECT_EQ(readBytes(file), "a\r\nb\r\n");
}

TEST(AnnualTextSave, ConfirmationPutsLineFeedBeforeCarriageReturn) {
    EXPECT_EQ(saveConfirmationText("/opt/vardo/vardo_2004.txt"),
              "Sauvegarde réalisée dans le répertoire de l'application :\n\r"
              "/opt/vardo/vardo_2004.txt !");
}

}  // namespace
}  // namespace vardo
