#include "app/cli/program_options.h"

#include <array>
#include <iostream>
#include <vector>

#include "app/cli/application.h"
#include "app/cli/program_places.h"
#include "app/cli/tool_commands.h"
#include "ledger/version.h"

namespace vardo::app {
namespace {

constexpr int kWrongCommandLine = 2;

std::string folderShown(const ProgramPlaces& places) {
    return places.failure.empty() ? places.files.path : places.failure;
}

int helpCommand(const Invocation& call) {
    call.out << usageText(programOptions(), folderShown(call.places));
    return 0;
}

int versionCommand(const Invocation& call) {
    call.out << versionText() << '\n';
    return 0;
}

constexpr std::array kOptions{
    CommandLineOption{.name = "--help",
                      .description = "affiche cette aide et quitte",
                      .exitCodes = "0",
                      .command = &helpCommand},
    CommandLineOption{.name = "--version",
                      .description = "affiche la version et quitte",
                      .exitCodes = "0",
                      .command = &versionCommand},
    CommandLineOption{.name = "--controle",
                      .argument = OptionArgument::Optional,
                      .argumentName = "DOSSIER",
                      .description = "contrôle les relevés de l'année enregistrée",
                      .exitCodes = "0 : aucune anomalie ; 1 : des anomalies ; 2 : une erreur",
                      .command = &checkReadingsCommand},
    CommandLineOption{.name = "--verifier",
                      .argument = OptionArgument::Optional,
                      .argumentName = "DOSSIER",
                      .description = "vérifie le journal des saisies et l'année enregistrée",
                      .exitCodes = "0 : tout concorde ; 1 : une anomalie ; 2 : une erreur",
                      .command = &verifyJournalCommand},
    CommandLineOption{.name = kFingerprintOption,
                      .argument = OptionArgument::Required,
                      .argumentName = "HEX",
                      .description = "avec --verifier : vérifie aussi que le journal passe "
                                     "toujours par cette empreinte",
                      .exitCodes = "0 : tout concorde ; 1 : l'empreinte ou autre chose ne "
                                   "concorde pas ; 2 : une erreur",
                      .modifies = "--verifier"},
    CommandLineOption{.name = "--export-csv",
                      .argument = OptionArgument::Required,
                      .argumentName = "FICHIER",
                      .description = "exporte l'année pour le comptable (CSV)",
                      .exitCodes = "0 : le fichier est écrit ; 2 : une erreur",
                      .command = &exportCsvCommand},
    CommandLineOption{.name = "--bareme",
                      .description = "calcule les indemnités kilométriques",
                      .exitCodes = "0 : le montant est calculé ; 1 : aucun montant ; 2 : une erreur",
                      .command = &allowanceCommand},
    CommandLineOption{.name = kCostsOption,
                      .argument = OptionArgument::Required,
                      .argumentName = "MONTANT",
                      .description = "avec --bareme : compare les indemnités aux frais réels "
                                     "de l'année, en euros",
                      .exitCodes = "0 : la comparaison est faite ; 1 : un des deux montants "
                                   "manque ; 2 : une erreur",
                      .modifies = "--bareme"},
    CommandLineOption{.name = "--graphique",
                      .argument = OptionArgument::Required,
                      .argumentName = "FICHIER",
                      .description = "enregistre le graphique de l'année (image PNG ou SVG)",
                      .exitCodes = "0 : l'image est écrite ; 2 : une erreur",
                      .command = &chartCommand},
};

}  // namespace

std::span<const CommandLineOption> programOptions() {
    return kOptions;
}

std::string versionText() {
    return kApplicationTitle;
}

int runCommandLine(int argc, char** argv) {
    // Answered before any toolkit object exists: no display is needed.
    const CommandLine line =
        parseCommandLine(std::vector<std::string>(argv + 1, argv + argc), programOptions());
    if (!line.error.empty()) {
        std::cerr << "vardo : " << line.error << "\n\n"
                  << usageText(programOptions(), folderShown(findProgramPlaces()));
        return kWrongCommandLine;
    }
    if (const CommandLineOption* option = chosenOption(line, programOptions()))
        return option->command({line, findProgramPlaces(), std::cout, std::cerr});
    return runProgram(argc, argv);
}

}  // namespace vardo::app
