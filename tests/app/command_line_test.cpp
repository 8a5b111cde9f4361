// The command line read before any window: the options, their arguments, the debug switches
// and the French usage.
#include "app/cli/command_line.h"
#include "app/cli/program_options.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace vardo::app {
namespace {

TEST(CommandLine, ReadsEachShape) {
    struct Row {
        const char* name;
        std::vector<std::string> parameters;
        const char* option;
        bool debug;
        const char* error;
    } rows[] = {
        {"nothing: the window", {}, "", false, ""},
        {"version", {"--version"}, "--version", false, ""},
        {"help", {"--help"}, "--help", false, ""},
        {"debug switch, any case", {"-DEBUG"}, "", true, ""},
        {"debug switch, slash form", {"/Debug"}, "", true, ""},
        {"debug with an option", {"/debug", "--help"}, "--help", true, ""},
        {"unknown option", {"--aide"}, "", false, "option inconnue « --aide »"},
        {"single dash", {"-h"}, "", false, "option inconnue « -h »"},
        {"stray parameter", {"fichier.ini"}, "", false, "paramètre inattendu « fichier.ini »"},
        {"two options", {"--help", "--version"}, "--help", false,
         "une seule option à la fois : « --help » et « --version »"},
        {"argument given to a bare option", {"--version=2"}, "--version", false,
         "l'option « --version » ne prend pas d'argument"},
        {"debug before a tool", {"-debug", "--controle"}, "--controle", true, ""},
        {"a tool's argument joined", {"--export-csv=x.csv"}, "--export-csv", false, ""},
    };
    for (const Row& row : rows) {
        const CommandLine line = parseCommandLine(row.parameters, programOptions());
        EXPECT_EQ(line.option, row.option) << row.name;
        EXPECT_EQ(line.debug, row.debug) << row.name;
        EXPECT_EQ(line.error, row.error) << row.name;
    }
}

TEST(CommandLine, ReadsOptionArguments) {
    const CommandLineOption options[] = {
        {.name = "--dossier", .argument = OptionArgument::Optional, .argumentName = "DOSSIER"},
        {.name = "--fichier", .argument = OptionArgument::Required, .argumentName = "FICHIER"},
    };
    struct Row {
        const char* name;
        std::vector<std::string> parameters;
        std::optional<std::string> argument;
        const char* error;
    } rows[] = {
        {"optional, given", {"--dossier", "/srv/vardo"}, "/srv/vardo", ""},
        {"optional, joined", {"--dossier=/srv/vardo"}, "/srv/vardo", ""},
        {"optional, left out", {"--dossier"}, std::nullopt, ""},
        {"optional, a debug switch follows", {"--dossier", "-debug"}, std::nullopt, ""},
        {"required, given", {"--fichier", "annee.csv"}, "annee.csv", ""},
        {"required, may look like an option", {"--fichier", "-x.csv"}, "-x.csv", ""},
        {"required, joined and empty", {"--fichier="}, "", ""},
        {"required, missing", {"--fichier"}, std::nullopt,
         "l'option « --fichier » demande un argument FICHIER"},
    };
    for (const Row& row : rows) {
        const CommandLine line = parseCommandLine(row.parameters, options);
        EXPECT_EQ(line.argument, row.argument) << row.name;
        EXPECT_EQ(line.error, row.error) << row.name;
    }
}

// An option that only adds to another ("--bareme --frais MONTANT"): it goes with that one alone.
TEST(CommandLine, ReadsOptionsThatAddToAnother) {
    const CommandLineOption options[] = {
        {.name = "--bareme"},
        {.name = "--controle"},
        {.name = "--frais",
         .argument = OptionArgument::Required,
         .argumentName = "MONTANT",
         .modifies = "--bareme"},
    };
    using Modifiers = std::map<std::string, std::string, std::less<>>;
    struct Row {
        const char* name;
        std::vector<std::string> parameters;
        const char* option;
        Modifiers modifiers;
        const char* error;
    } rows[] = {
        {"after its option", {"--bareme", "--frais", "12,5"}, "--bareme", {{"--frais", "12,5"}}, ""},
        {"before its option, joined", {"--frais=3", "--bareme"}, "--bareme", {{"--frais", "3"}}, ""},
        {"its option left out", {"--frais", "3"}, "", {{"--frais", "3"}},
         "l'option « --frais » ne va qu'avec « --bareme »"},
        {"beside another option", {"--controle", "--frais", "3"}, "--controle", {{"--frais", "3"}},
         "l'option « --frais » ne va qu'avec « --bareme »"},
        {"given twice", {"--bareme", "--frais", "3", "--frais", "4"}, "--bareme",
         {{"--frais", "3"}}, "l'option « --frais » est donnée deux fois"},
        {"its argument missing", {"--bareme", "--frais"}, "--bareme", {{"--frais", ""}},
         "l'option « --frais » demande un argument MONTANT"},
    };
    for (const Row& row : rows) {
        const CommandLine line = parseCommandLine(row.parameters, options);
        EXPECT_EQ(line.option, row.option) << row.name;
        EXPECT_EQ(line.modifiers, row.modifiers) << row.name;
        EXPECT_EQ(line.error, row.error) << row.name;
    }
}

TEST(CommandLine, EveryOptionOfTheProgramRunsACommand) {
    for (const CommandLineOption& option : programOptions()) {
        EXPECT_EQ(option.command == nullptr, !option.modifies.empty()) << option.name;
        EXPECT_FALSE(option.exitCodes.empty()) << option.name;
        const std::string given =
            std::string(option.name) + (option.argument == OptionArgument::None ? "" : "=x");
        if (!option.modifies.empty()) {  // it runs the command of the option it adds to
            const CommandLine line =
                parseCommandLine({std::string(option.modifies), given}, programOptions());
            EXPECT_EQ(chosenOption(line, programOptions())->name, option.modifies) << option.name;
            EXPECT_EQ(line.modifiers.at(std::string(option.name)), "x") << option.name;
            continue;
        }
        EXPECT_EQ(chosenOption(parseCommandLine({given}, programOptions()), programOptions()),
                  &option)
            << option.name;
    }
}

TEST(CommandLine, VersionIsTheProjects) {
    EXPECT_EQ(versionText(), "Vardo 1.0");
}

TEST(CommandLine, UsageListsTheOptionsAndTheFolderInUse) {
    const std::string usage = usageText(programOptions(), "/home/anne/.local/share/vardo/");
    EXPECT_EQ(usage.rfind("Utilisation : vardo [OPTION]\n", 0), 0u) << usage;
    for (const char* line : {"  --help                affiche cette aide et quitte\n",
                             "  --version             affiche la version et quitte\n",
                             "  --controle [DOSSIER]  contrôle les relevés de l'année enregistrée\n",
                             "  --export-csv FICHIER  exporte l'année pour le comptable (CSV)\n",
                             "  -debug                écrit le rapport de diagnostic HHDebug.txt au démarrage\n",
                             "\nDossier des fichiers : /home/anne/.local/share/vardo/\n"}) {
        EXPECT_NE(usage.find(line), std::string::npos) << line << " in\n" << usage;
    }
}

}  // namespace
}  // namespace vardo::app
