// The annual balance text, line by line against a reference built here from the layout tables,
// its file name, its two writes and their failures.
#include "persist/annual_text.h"

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

struct MonthRow {
    const char* code;
    const char* title;
    int days;
    int firstLine;
};
constexpr MonthRow kMonthsTable[] = {
    {"Janv", "JANVIER", 31, 3},   {"Fev", "FEVRIER", 29, 45},   {"Mars", "MARS", 31, 85},
    {"Avril", "AVRIL", 30, 127},  {"Mai", "MAI", 31, 168},      {"Juin", "JUIN", 30, 210},
    {"Juil", "JUILLET", 31, 251}, {"Aout", "AOUT", 31, 293},    {"Sept", "SEPTEMBRE", 30, 335},
    {"Oct", "OCTOBRE", 31, 376},  {"Nov", "NOVEMBRE", 30, 418}, {"Dec", "DECEMBRE", 31, 459},
};

std::string dd(int day) {
    return (day < 10 ? "0" : "") + std::to_string(day);
}

// Fills every field with a text naming it, so that a field read in the wrong place shows.
void fillWithNames(FormModel& form) {
    for (FieldId id = 0; id < form.fieldCount(); ++id) form.setText(id, form.name(id));
}

const std::string& t(const FormModel& form, const std::string& name) {
    return form.text(form.findField(name));
}

// The expected lines, from the layout tables, for either set of labels.
std::vector<std::string> reference(const FormModel& form, bool printed, bool closing) {
    const std::string year = t(form, "aledComptabilite");
    std::vector<std::string> lines{"KILOMETRAGE DE L'ANNEE : " + year,
                                   "Véhicule : " + t(form, "aledVehicule") +
                                       " Année : " + t(form, "aledAnnee") +
                                       " Chevaux : " + t(form, "aledChevaux")};
    for (const MonthRow& month : kMonthsTable) {
        EXPECT_EQ(lines.size() + 1, static_cast<std::size_t>(month.firstLine)) << month.code;
        const std::string m = month.code;
        lines.push_back("KILOMETRAGE DE : " + std::string(month.title) + " " + year);
        for (int day = 1; day <= month.days; ++day) {
            lines.push_back(dd(day) + " | Matin : " + t(form, m + "M" + dd(day)) +
                            " Km | Soir : " + t(form, m + "S" + dd(day)) + " Km");
        }
        lines.insert(lines.end(), {" ", " "});
        lines.push_back("Kilométrage initial  : " + t(form, m + "KMIn") + " Km");
        lines.push_back((printed ? "Kilométrage final   : " : "Kilométrage final    : ") +
                        t(form, m + "KMFin") + " Km");
        lines.push_back((printed ? "Kilométarge total   : " : "Kilométarge total    : ") +
                        t(form, m + "KMTot") + " Km");
        lines.push_back(
            (printed ? "Kilométrage professionnel : " : "Kilométrage professionnel  : ") +
            t(form, m + "KMPro") + " Km");
        lines.push_back("Kilométrage personnel      : " + t(form, m + "KMPerso") + " Km");
        lines.insert(lines.end(), {" ", " ", " "});
    }
    EXPECT_EQ(lines.size(), 500u);
    lines.push_back((printed ? "BILAN KILOMETRAGE ANNUEL : " : "BILAN KILOMETRAGE ANNUEL  : ") +
                    year);
    lines.insert(lines.end(), {" ", " "});
    lines.push_back((printed ? "KILOMETRAGE DEBUT ANNEE : " : "KILOMETRAGE DEBUT ANNEE   : ") +
                    t(form, "DebAnnee") + " Km");
    lines.push_back((printed ? "KILOMETRAGE FIN ANNEE       : " : "KILOMETRAGE FIN ANNEE     : ") +
                    t(form, "FinAnnee") + " Km");
    lines.push_back((printed ? "KILOMETRAGE A REPORTER   : " : "KILOMETRAGE A REPORTER    : ") +
                    t(form, "KmReporter") + " Km");
    lines.push_back((printed ? "KILOMETRAGE TOTAL ANNEE : " : "KILOMETRAGE TOTAL ANNEE   : ") +
                    t(form, "TotAnnee") + " Km");
    lines.push_back("KILOMETRAGE PROFESSIONNEL : " + t(form, "TotPro") + " Km");
    lines.push_back((printed ? "KILOMETRAGE PERSONNEL   : " : "KILOMETRAGE PERSONNEL     : ") +
                    t(form, "TotPerso") + " Km");
    lines.push_back(" ");
    lines.push_back("COEFFICIENT PROFESSIONNEL : " + t(form, "CoefPro"));
    lines.push_back(
        (printed ? "COEFFICIENT PERSONNEL         : " : "COEFFICIENT PERSONNEL     : ") +
        t(form, "CoefPerso"));
    if (closing) {
        lines.insert(lines.end(), {" ", " ", " ",
                                   "Vardo 1.0 - Coefficient d'utilisation professionnelle de "
                                   "véhicule",
                                   " ", " ", " "});
    }
    return lines;
}

TEST(AnnualTextLines, SavedFileMatchesTheLayoutLineByLine) {
    FormModel form;
    fillWithNames(form);
    const auto lines = annualTextLines(form, savedFileLabels(), true);
    ASSERT_EQ(lines.size(), 519u);
    EXPECT_EQ(lines, reference(form, false, true));
    EXPECT_EQ(lines[515], kFooterLine);
}

TEST(AnnualTextLines, SaveAsStopsAtTheAnnualBlock) {
    FormModel form;
    fillWithNames(form);
    const auto lines = annualTextLines(form, savedFileLabels(), false);
    ASSERT_EQ(lines.size(), 512u);
    EXPECT_EQ(lines, reference(form, false, false));
}

TEST(AnnualTextLines, PrintedReportUsesItsTenLabels) {
    FormModel form;
    fillWithNames(form);
    EXPECT_EQ(annualTextLines(form, printedReportLabels(), true), reference(form, true, true));
}

TEST(AnnualTextLines, DesignValuesGiveZerosAndEmptyHeaderPlaces) {
    FormModel form;
    const auto lines = annualTextLines(form, savedFileLabels(), true);
    ASSERT_EQ(lines.size(), 519u);
    EXPECT_EQ(lines[0], "KILOMETRAGE DE L'ANNEE : 0");
    EXPECT_EQ(lines[1], "Véhicule :  Année :  Chevaux : ");
    EXPECT_EQ(lines[2], "KILOMETRAGE DE : JANVIER 0");
    EXPECT_EQ(lines[3], "01 | Matin : 0 Km | Soir : 0 Km");
    // Line 74: 29 February, written even in a year without it.
    EXPECT_EQ(lines[73], "29 | Matin : 0 Km | Soir : 0 Km");
    EXPECT_EQ(lines[74], " ");
    EXPECT_EQ(lines[510], "COEFFICIENT PROFESSIONNEL : 0");
}

TEST(AnnualTextLines, LongVehicleNameStaysOnLineTwo) {
    FormModel form;
    const std::string vehicle(100, 'V');
    form.setText(headerField(Header::Vehicule), vehicle);
    form.setText(headerField(Header::Comptabilite), "2004");
    form.setText(morningField(0, 1), "12500");
    form.setText(eveningField(0, 1), "12580");
    const auto lines = annualTextLines(form, savedFileLabels(), true);
    ASSERT_EQ(lines.size(), 519u);
    EXPECT_EQ(lines[1], "Véhicule : " + vehicle + " Année :  Chevaux : ");
    EXPECT_EQ(lines[2], "KILOMETRAGE DE : JANVIER 2004");
    EXPECT_EQ(lines[3], "01 | Matin : 12500 Km | Soir : 12580 Km");
    EXPECT_EQ(lines, reference(form, false, true));
}

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

// Only one to four digits make a name: anything else could name a file in another folder.
TEST(AnnualTextFileName, YearTextsThatAreNotOneToFourDigitsAreRefused) {
    for (const char* year : {"", "20/04", "../x", "1/../../victim2/owned", "12345", " 204", "-1",
                             "2004\n", "٢٠٠٤"}) {
        try {
            annualTextFileName("/opt/vardo/vardo", year);
            ADD_FAILURE() << year;
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()),
                      std::string("'") + year + "' n'est pas une valeur entière correcte");
        }
    }
}

TEST(AnnualTextSave, WritesWindows1252WithCrLfAfterEveryLine) {
    ScratchFolder folder;
    FormModel form;
    form.setText(headerField(Header::Vehicule), "Clio œ €");
    const auto lines = annualTextLines(form, savedFileLabels(), true);
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

TEST(AnnualTextSave, FolderThatRefusesNewFilesRefusesANewFileButRewritesAnOldOne) {
    ScratchFolder folder;
    const std::string file = folder / "vardo_2004.txt";
    writeBytes(file, "an older and longer text\r\n");
    testing::ReadOnlyFolder readOnly(folder.path());
    if (!readOnly.active()) GTEST_SKIP() << "no immutable folders here";
    try {
        writeAnnualTextSave({"new"}, folder / "vardo_2005.txt");
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Accès au fichier refusé");
    }
    writeAnnualTextSave({"new"}, file);
    EXPECT_EQ(readBytes(file), "new\r\n");
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
