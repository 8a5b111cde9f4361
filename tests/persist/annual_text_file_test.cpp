// The annual balance text file: its name, its two writes and their failures.
#include "persist/annual_text_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "ledger/error.h"
#include "persist/atomic_file.h"
#include "persist/cp1252.h"
#include "test_support.h"

namespace vardo {
namespace {

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
        {"empty year", "/opt/vardo/vardo", "", "/opt/vardo/vardo_.txt"},
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
    const std::string bytes = readBytes(file);
    EXPECT_EQ(bytes.substr(0, 28), "KILOMETRAGE DE L'ANNEE : 0\r\n");
    EXPECT_EQ(bytes.substr(28, 21), "V\xE9hicule : Clio \x9C \x80 A");
    EXPECT_EQ(bytes.substr(bytes.size() - 5), "\r\n \r\n");
    EXPECT_EQ(bytes, linesToFileBytes(lines));
    EXPECT_EQ(cp1252ToUtf8(bytes).find("\r\r"), std::string::npos);
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
        try {
            writeAnnualTextSave({"new"}, file);
            ADD_FAILURE() << row.name;
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), row.message) << row.name;
        }
        EXPECT_EQ(readBytes(file), "old") << row.name;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1)
        << "no temporary file left behind";
}

TEST(AnnualTextSave, FolderInPlaceOfTheFileIsRefused) {
    ScratchFolder folder;
    const std::string file = folder / "vardo_2004.txt";
    std::filesystem::create_directory(file);
    try {
        writeAnnualTextSave({"new"}, file);
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Accès au fichier refusé");
    }
    EXPECT_TRUE(std::filesystem::is_directory(file));
}

TEST(AnnualTextSave, FolderWithoutWritePermissionIsRefusedAndKeepsTheOldFile) {
    ScratchFolder folder;
    const std::string file = folder / "vardo_2004.txt";
    writeBytes(file, "old\r\n");
    testing::ReadOnlyFolder readOnly(folder.path());
    if (!readOnly.active()) GTEST_SKIP() << "no immutable folders here";
    try {
        writeAnnualTextSave({"new"}, file);
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Accès au fichier refusé");
    }
    EXPECT_EQ(readBytes(file), "old\r\n");
}

TEST(AnnualTextSave, MissingFolderIsNotFound) {
    ScratchFolder folder;
    try {
        writeAnnualTextSave({"new"}, folder / "absent/vardo_2004.txt");
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Fichier introuvable");
    }
}

TEST(AnnualTextSaveAs, CreateAndWriteFailures) {
    ScratchFolder folder;
    const std::string file = folder / "bilan.txt";
    try {
        writeAnnualTextSaveAs({"a"}, folder / "absent/bilan.txt");
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Impossible de créer le fichier \"" + folder.path() +
                                             "absent/bilan.txt\". Le fichier spécifié est "
                                             "introuvable.");
    }
    injectWriteFailure(WriteStage::Write, ENOSPC);
    try {
        writeAnnualTextSaveAs({"a"}, file);
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Erreur d'écriture dans le flux");
    }
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
