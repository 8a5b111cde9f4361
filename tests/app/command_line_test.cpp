// The command line read before any window: the options, their arguments, the debug switches
// and the French usage.
#include "app/cli/command_line.h"

#include <gtest/gtest.h>

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
    };
    for (const Row& row : rows) {
        const CommandLine line = parseCommandLine(row.parameters);
        EXPECT_EQ(line.option, row.option) << row.name;
        EXPECT_EQ(line.debug, row.debug) << row.name;
        EXPECT_EQ(line.error, row.error) << row.name;
    }
}

TEST(CommandLine, ReadsOptionArguments) {
    const CommandLineOption options[] = {
        {"--dossier", OptionArgument::Optional, "DOSSIER", ""},
        {"--fichier", OptionArgument::Required, "FICHIER", ""},
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

TEST(CommandLine, VersionIsTheProjects) {
    EXPECT_EQ(versionText(), "Vardo 1.0");
}

TEST(CommandLine, UsageListsTheOptionsAndTheFolderInUse) {
    const std::string usage = usageText("/home/anne/.local/share/vardo/");
    EXPECT_EQ(usage.rfind("Utilisation : vardo [OPTION]\n", 0), 0u) << usage;
    for (const char* line : {"  --help                affiche cette aide et quitte\n",
                             "  --version             affiche la version et quitte\n",
                             "\nDossier des fichiers : /home/anne/.local/share/vardo/\n"}) {
        EXPECT_NE(usage.find(line), std::string::npos) << line << " in\n" << usage;
    }
}

}  // namespace
}  // namespace vardo::app
