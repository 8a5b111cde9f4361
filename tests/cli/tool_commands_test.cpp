// The tools' command-line forms, run as a script runs them: the installed program alone in its
// folder, no display, no toolkit platform in the environment.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QImage>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "persist/sha256.h"
#include "tests/persist/test_support.h"

namespace {

using vardo::testing::readBytes;
using vardo::testing::ScratchFolder;
using vardo::testing::writeBytes;

struct Outcome {
    int code = -1;
    std::string out;
    std::string err;
};

// A stored year as the program writes it: Windows-1252, CRLF.
std::string store(const std::vector<std::string>& lines) {
    std::string bytes = "[frmVardo]\r\n";
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

const std::vector<std::string> kYear = {
    "JanvKMIn=10000", "JanvM01=10010", "JanvS01=10100", "JanvM02=10150", "JanvS02=10300",
    "JanvKMFin=10300", "JanvKMTot=300", "JanvKMPro=240", "JanvKMPerso=60",
    "DebAnnee=10000", "FinAnnee=10300", "TotAnnee=300", "TotPro=240", "TotPerso=60",
    "CoefPro=0,8", "CoefPerso=0,2", "aledComptabilite=2025", "aledVehicule=Clio",
    "aledAnnee=2020", "aledChevaux=4"};

class ToolCommands : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy_file(VARDO_PROGRAM, folder / "vardo");
        ::chmod(folder.path().c_str(), 0755);
    }

    // Runs the copied program with an environment that holds no display at all.
    Outcome run(const std::string& arguments, const std::string& prefix = "") {
        const std::string out = scratch / "out", err = scratch / "err";
        const std::string command = prefix + "env -i PATH=/usr/bin:/bin LANG=C.UTF-8 " +
                                    folder / "vardo" + " " + arguments + " >" + out + " 2>" + err;
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readBytes(out), readBytes(err)};
    }

    ScratchFolder folder;   // the program's folder
    ScratchFolder scratch;  // outputs
};

TEST_F(ToolCommands, ControleListsTheAnomaliesAndWritesNothing) {
    std::vector<std::string> lines = kYear;
    lines.push_back("JanvM03=10250");
    writeBytes(folder / "VARDO.INI", store(lines));
    const Outcome outcome = run("--controle");
    EXPECT_EQ(outcome.code, 1) << outcome.err;
    EXPECT_EQ(outcome.out,
              "3 janvier, matin : le compteur recule : le relevé (10250) est inférieur au relevé "
              "du 2 janvier au soir (10300)\n");
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(vardo::testing::entryCount(folder.path()), 2)
        << "the program and its stored year, nothing more";
}

TEST_F(ToolCommands, ControleOfAnotherFolder) {
    ScratchFolder other;
    writeBytes(other / "VARDO.INI", store(kYear));
    const Outcome clean = run("--controle " + other.path());
    EXPECT_EQ(clean.code, 0) << clean.err;
    EXPECT_EQ(clean.out, "Aucune anomalie.\n");

    const Outcome none = run("--controle");
    EXPECT_EQ(none.code, 2);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, "Aucune année n'est enregistrée : le fichier \"" + folder / "VARDO.INI" +
                            "\" n'existe pas.\n");
    EXPECT_EQ(run("--controle a b").code, 2);
}

TEST_F(ToolCommands, ControleOfAStoreThatCannotBeRead) {
    writeBytes(folder / "VARDO.INI", store(kYear));
    ::chmod((folder / "VARDO.INI").c_str(), 0);
    std::string prefix;
    if (::geteuid() == 0) {
        if (::access("/usr/bin/setpriv", X_OK) != 0)
            GTEST_SKIP() << "root reads any file and setpriv is missing to run as nobody";
        prefix = "setpriv --reuid=nobody --regid=nogroup --clear-groups ";
    }
    const Outcome outcome = run("--controle", prefix);
    EXPECT_EQ(outcome.code, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_NE(outcome.err.find("Impossible d'ouvrir le fichier"), std::string::npos) << outcome.err;
}

TEST_F(ToolCommands, BaremeUsesTheElectricOptionAndNeedsTheHorsepower) {
    writeBytes(folder / "VARDO.INI", store(kYear));
    const Outcome plain = run("--bareme");
    EXPECT_EQ(plain.code, 0) << plain.err;
    EXPECT_EQ(plain.out,
              "Barème kilométrique 2025 des voitures\n"
              "Puissance fiscale : 4 CV\n"
              "Kilomètres professionnels : 240 km\n"
              "Tranche : jusqu'à 5 000 km\n"
              "Véhicule électrique : non\n"
              "Formule : 240 × 0,606 = 145,44 €\n"
              "Indemnités kilométriques : 145,44 €\n");

    writeBytes(folder / "VardoM.ini", "[Default]\r\nMois=1\r\n[Outils]\r\nVehiculeElectrique=1\r\n");
    const Outcome electric = run("--bareme");
    EXPECT_NE(electric.out.find("Formule : 240 × 0,606 × 1,2 = 174,53 €\n"), std::string::npos)
        << electric.out;
    EXPECT_EQ(run("--bareme x").code, 2);

    std::vector<std::string> lines = kYear;
    lines.back() = "aledChevaux=";
    writeBytes(folder / "VARDO.INI", store(lines));
    const Outcome noHorsepower = run("--bareme");
    EXPECT_EQ(noHorsepower.code, 1) << "no amount without the horsepower";
    EXPECT_NE(noHorsepower.out.find("La puissance fiscale (Chevaux) n'est pas renseignée"),
              std::string::npos);
}

TEST_F(ToolCommands, BaremeOfAYearBeforeTheScalesHasNoAmount) {
    std::vector<std::string> lines = kYear;
    *std::find(lines.begin(), lines.end(), "aledComptabilite=2025") = "aledComptabilite=2021";
    writeBytes(folder / "VARDO.INI", store(lines));
    const Outcome outcome = run("--bareme");
    EXPECT_EQ(outcome.code, 1) << outcome.err;
    EXPECT_EQ(outcome.out,
              "Barème kilométrique des voitures\n"
              "Puissance fiscale : 4 CV\n"
              "Kilomètres professionnels : 240 km\n"
              "Tranche : jusqu'à 5 000 km\n"
              "Véhicule électrique : non\n"
              "Aucun barème n'est connu pour l'année comptable 2021 (Vardo a ceux des années 2022 "
              "à 2025) : l'indemnité ne peut pas être calculée.\n");
    EXPECT_EQ(outcome.err, "");

    const std::string file = scratch / "compta.csv";
    EXPECT_EQ(run("--export-csv " + file).code, 0);
    EXPECT_EQ(readBytes(file).find("Indemnités"), std::string::npos) << "no amount in the file";
}

TEST_F(ToolCommands, ExportCsvWritesTheFileAsked) {
    writeBytes(folder / "VARDO.INI", store(kYear));
    const std::string file = scratch / "compta.csv";
    const Outcome outcome = run("--export-csv " + file);
    EXPECT_EQ(outcome.code, 0) << outcome.err;
    EXPECT_EQ(outcome.out, "");
    const std::string bytes = readBytes(file);
    EXPECT_EQ(bytes.rfind("\xEF\xBB\xBF" "Année comptable;2025\r\nVéhicule;Clio\r\n", 0), 0u);
    EXPECT_NE(bytes.find("\r\n02/01/2025;10150;10300;150;50\r\n\r\nMois;Km professionnels;"
                         "Km personnels\r\nJanvier;240;60\r\nFévrier;0;0\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("\r\nIndemnités kilométriques (€);145,44\r\n"), std::string::npos);

    const Outcome missing = run("--export-csv");
    EXPECT_EQ(missing.code, 2);
    EXPECT_EQ(missing.err.rfind("vardo : l'option « --export-csv » demande un argument FICHIER\n\n"
                                "Utilisation : vardo [OPTION]\n", 0),
              0u)
        << missing.err;
    const std::string nowhere = scratch / "absent/compta.csv";
    const Outcome failed = run("--export-csv " + nowhere);
    EXPECT_EQ(failed.code, 2);
    EXPECT_EQ(failed.err, "Impossible d'écrire dans " + nowhere + ".\n");
}

TEST_F(ToolCommands, BaremeWithTheYearsCostsComparesThem) {
    writeBytes(folder / "VARDO.INI", store(kYear));
    const Outcome outcome = run("--bareme --frais '1 000,00'");
    EXPECT_EQ(outcome.code, 0) << outcome.err;
    EXPECT_EQ(outcome.out,
              "Frais réels de l'année : 1 000,00 €\n"
              "Coefficient professionnel : 80,00 %\n"
              "Part professionnelle des frais : 800,00 €\n"
              "Barème kilométrique 2025 : 145,44 €\n"
              "Les frais réels (part professionnelle) dépassent le barème de 654,56 €.\n"
              "Le choix entre frais réels et barème, et ses conditions, restent à vérifier par "
              "vous auprès de l'administration fiscale ou de votre comptable.\n");
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(run("--bareme --frais=1000").out, outcome.out);

    const Outcome wrong = run("--bareme --frais mille");
    EXPECT_EQ(wrong.code, 2);
    EXPECT_EQ(wrong.err, "« mille » n'est pas un montant en euros (par exemple 4 500,00)\n");
    const Outcome alone = run("--frais 5");
    EXPECT_EQ(alone.code, 2);
    EXPECT_EQ(alone.err.rfind("vardo : l'option « --frais » ne va qu'avec « --bareme »\n", 0), 0u)
        << alone.err;
    const Outcome missing = run("--bareme --frais");
    EXPECT_EQ(missing.code, 2);
    EXPECT_EQ(missing.err.rfind("vardo : l'option « --frais » demande un argument MONTANT\n", 0), 0u)
        << missing.err;
}

// The figures written in the store are not read: a store whose computed figures are stale
// (edited outside the program, or saved before a recount) gives the same allowance, the same
// comparison and the same file as one whose figures are right.
TEST_F(ToolCommands, StaleFiguresInTheStoreChangeNoOutput) {
    const std::string file = scratch / "compta.csv";
    const auto outputs = [&](const std::vector<std::string>& lines) {
        writeBytes(folder / "VARDO.INI", store(lines));
        const Outcome allowance = run("--bareme");
        const Outcome costs = run("--bareme --frais 1000");
        EXPECT_EQ(run("--export-csv " + file).code, 0);
        return std::vector<std::string>{allowance.out, costs.out, readBytes(file)};
    };
    const std::vector<std::string> right = outputs(kYear);
    std::vector<std::string> stale;
    for (const std::string& line : kYear) {
        const std::string key = line.substr(0, line.find('='));
        const bool computed = key == "JanvKMFin" || key == "JanvKMTot" || key == "JanvKMPro" ||
                              key == "JanvKMPerso" || key.find("Annee") != std::string::npos ||
                              key.rfind("Tot", 0) == 0 || key.rfind("Coef", 0) == 0;
        stale.push_back(computed && key != "aledAnnee" ? key + "=7" : line);
    }
    ASSERT_NE(std::find(stale.begin(), stale.end(), "TotPro=7"), stale.end());
    EXPECT_EQ(outputs(stale), right);
    EXPECT_NE(right[0].find("Kilomètres professionnels : 240 km\n"), std::string::npos) << right[0];
}

TEST_F(ToolCommands, GraphiqueWritesPngAndSvgWithoutADisplay) {
    writeBytes(folder / "VARDO.INI", store(kYear));
    const std::string png = scratch / "x.png", svg = scratch / "x.svg";
    const Outcome drawn = run("--graphique " + png);
    EXPECT_EQ(drawn.code, 0) << drawn.err;
    EXPECT_EQ(drawn.out, "");
    EXPECT_EQ(drawn.err, "");
    const QImage image(QString::fromStdString(png));
    ASSERT_FALSE(image.isNull());
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4) colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 10u) << "not a blank image";

    EXPECT_EQ(run("--graphique " + svg).code, 0);
    const std::string text = readBytes(svg);
    for (const char* month : {"janv.", "févr.", "mars", "avr.", "mai", "juin", "juil.", "août",
                              "sept.", "oct.", "nov.", "déc."})
        EXPECT_NE(text.find(std::string(">") + month + "<"), std::string::npos) << month;
    EXPECT_NE(text.find("Année comptable 2025 - Clio"), std::string::npos);
}

TEST_F(ToolCommands, GraphiqueRefusesOtherImagesAndUnwritablePlaces) {
    writeBytes(folder / "VARDO.INI", store(kYear));
    const std::string jpg = scratch / "x.jpg";
    const Outcome other = run("--graphique " + jpg);
    EXPECT_EQ(other.code, 2);
    EXPECT_EQ(other.err, "Le graphique s'enregistre en image PNG ou SVG : « " + jpg + " ».\n");
    EXPECT_FALSE(std::filesystem::exists(jpg));
    const std::string nowhere = scratch / "absent/x.png";
    const Outcome failed = run("--graphique " + nowhere);
    EXPECT_EQ(failed.code, 2);
    EXPECT_EQ(failed.err, "Impossible d'écrire dans " + nowhere + ".\n");
    const Outcome missing = run("--graphique");
    EXPECT_EQ(missing.code, 2);
    EXPECT_EQ(missing.err.rfind("vardo : l'option « --graphique » demande un argument FICHIER\n", 0),
              0u) << missing.err;
}

TEST_F(ToolCommands, GraphiqueOfAYearWithoutKilometresSaysSo) {
    writeBytes(folder / "VARDO.INI", store({"aledComptabilite=2025"}));
    const std::string png = scratch / "vide.png";
    const Outcome outcome = run("--graphique " + png);
    EXPECT_EQ(outcome.code, 0) << outcome.err;
    EXPECT_EQ(outcome.out,
              "Aucun kilomètre n'est relevé pour cette année : il n'y a rien à représenter.\n");
    EXPECT_TRUE(std::filesystem::exists(png));
}

// The argument joined to its option, the debug switch before the tool: both run the tool, with
// no display and no toolkit in the way.
TEST_F(ToolCommands, TheTableReadsEveryShapeOfTheToolsCommandLine) {
    writeBytes(folder / "VARDO.INI", store(kYear));
    const std::string file = scratch / "joint.csv";
    const Outcome joined = run("--export-csv=" + file);
    EXPECT_EQ(joined.code, 0) << joined.err;
    EXPECT_EQ(readBytes(file).rfind("\xEF\xBB\xBF" "Année comptable;2025\r\n", 0), 0u);

    for (const char* line : {"-debug --controle", "--controle /DEBUG", "-Debug --bareme"}) {
        const Outcome outcome = run(line);
        EXPECT_EQ(outcome.code, 0) << line << ": " << outcome.err;
        EXPECT_EQ(outcome.err, "") << line;
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "HHDebug.txt")) << "a tool writes no report";
}

// A journal in step with the stored year: one "chargement" entry that holds the year's inputs.
std::string journalOf(const std::vector<std::string>& lines, std::string& fingerprint) {
    std::string changes;
    for (const std::string& line : lines) {
        const std::string key = line.substr(0, line.find('='));
        const bool input = key.find("KMIn") != std::string::npos ||
                           (key.size() == 7 && (key[4] == 'M' || key[4] == 'S')) ||
                           key.rfind("aled", 0) == 0;
        if (!input) continue;
        changes += std::string(changes.empty() ? "" : ",") + "{\"cle\":\"" + key +
                   "\",\"avant\":\"\",\"apres\":\"" + line.substr(line.find('=') + 1) + "\"}";
    }
    const std::string first =
        "{\"n\":1,\"date\":\"2025-01-02T08:14:00+01:00\",\"evt\":\"ouverture\",\"prec\":\"" +
        std::string(64, '0') + "\"}";
    const std::string second =
        "{\"n\":2,\"date\":\"2025-01-02T08:14:00+01:00\",\"evt\":\"chargement\",\"motif\":"
        "\"d\",\"ecarts\":[" + changes + "],\"prec\":\"" + vardo::sha256Hex(first) + "\"}";
    fingerprint = vardo::sha256Hex(second);
    return first + "\n" + second + "\n";
}

TEST_F(ToolCommands, VerifierSaysWhatHoldsAndWhatDoesNot) {
    writeBytes(folder / "VARDO.INI", store(kYear));
    std::string fingerprint;
    writeBytes(folder / "Vardo.journal", journalOf(kYear, fingerprint));
    const Outcome intact = run("--verifier");
    EXPECT_EQ(intact.code, 0) << intact.err;
    EXPECT_EQ(intact.out,
              "Journal intègre : aucune saisie ; l'année enregistrée est celle du journal.\n");
    EXPECT_EQ(intact.err, "");

    const Outcome witnessed = run("--verifier --empreinte " + fingerprint);
    EXPECT_EQ(witnessed.code, 0) << witnessed.err;
    EXPECT_NE(witnessed.out.find("L'empreinte remise est celle de la ligne 2"), std::string::npos)
        << witnessed.out;
    EXPECT_EQ(run("--verifier --empreinte " + std::string(64, 'b')).code, 1);
    const Outcome badPrint = run("--verifier --empreinte xyz");
    EXPECT_EQ(badPrint.code, 2);
    EXPECT_EQ(badPrint.err,
              "Empreinte invalide : « xyz » n'est pas fait de 64 chiffres hexadécimaux.\n");

    std::vector<std::string> changed = kYear;
    changed[3] = "JanvM02=10151";
    writeBytes(folder / "VARDO.INI", store(changed));
    const Outcome differs = run("--verifier " + folder.path());
    EXPECT_EQ(differs.code, 1);
    EXPECT_EQ(differs.out,
              "Journal intègre : aucune saisie ; l'année enregistrée n'est pas celle du journal :\n"
              "JanvM02 : l'année enregistrée dit 10151, le journal 10150\n");

    ScratchFolder empty;
    const Outcome none = run("--verifier " + empty.path());
    EXPECT_EQ(none.code, 2);
    EXPECT_EQ(none.err, "Aucun journal des saisies : le fichier \"" + empty.path() +
                            "Vardo.journal\" n'existe pas.\n");
}

TEST_F(ToolCommands, ExportedCsvEndsWithTheJournalsFingerprint) {
    writeBytes(folder / "VARDO.INI", store(kYear));
    std::string fingerprint;
    writeBytes(folder / "Vardo.journal", journalOf(kYear, fingerprint));
    const std::string file = scratch / "compta.csv";
    ASSERT_EQ(run("--export-csv " + file).code, 0);
    const std::string bytes = readBytes(file);
    const std::string last = "Empreinte du journal;" + fingerprint + ";0 saisie;02/01/2025 08:14\r\n";
    ASSERT_GE(bytes.size(), last.size());
    EXPECT_EQ(bytes.substr(bytes.size() - last.size()), last);
}

// Without any display the window cannot open: a French sentence and 1, not the toolkit's abort.
TEST_F(ToolCommands, TheWindowWithoutAnyDisplaySaysSoAndEndsWithOne) {
    for (const char* line : {"", "-debug"}) {
        const Outcome outcome = run(line);
        EXPECT_EQ(outcome.code, 1) << line;
        EXPECT_EQ(outcome.out, "") << line;
        EXPECT_EQ(outcome.err,
                  "vardo : aucun affichage graphique (ni DISPLAY ni WAYLAND_DISPLAY) : la fenêtre "
                  "ne peut pas s'ouvrir. Les options --controle, --verifier, --export-csv, "
                  "--bareme et --graphique fonctionnent sans affichage.\n")
            << line;
    }
    EXPECT_EQ(std::vector<std::string>{"vardo"}, [&] {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            names.push_back(entry.path().filename());
        return names;
    }()) << "nothing is written";
}

}  // namespace
