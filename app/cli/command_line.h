#pragma once
// The program's command line, read before any window or display exists. Without an option the
// window opens; "--version" and "--help" print and end. The help module's debug switches
// ("-debug", "/debug", any letter case) may stand anywhere and go to the window's run.
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vardo::app {

enum class OptionArgument { None, Optional, Required };

// One option of the table: its name, its argument, and its line in the usage text.
struct CommandLineOption {
    std::string_view name;
    OptionArgument argument = OptionArgument::None;
    std::string_view argumentName;  // "FICHIER", shown in the usage text
    std::string_view description;
};

inline constexpr std::array kCommandLineOptions{
    CommandLineOption{"--help", OptionArgument::None, "", "affiche cette aide et quitte"},
    CommandLineOption{"--version", OptionArgument::None, "", "affiche la version et quitte"},
    CommandLineOption{"--controle", OptionArgument::Optional, "DOSSIER",
                      "contrôle les relevés de l'année enregistrée"},
    CommandLineOption{"--export-csv", OptionArgument::Required, "FICHIER",
                      "exporte l'année pour le comptable (CSV)"},
    CommandLineOption{"--bareme", OptionArgument::None, "",
                      "calcule les indemnités kilométriques ; suivi de --frais MONTANT, les "
                      "compare aux frais réels de l'année"},
    CommandLineOption{"--graphique", OptionArgument::Required, "FICHIER",
                      "enregistre le graphique de l'année (image PNG ou SVG)"},
};

struct CommandLine {
    std::string option;                   // the option given; empty: open the window
    std::optional<std::string> argument;  // its argument, when it takes one
    bool debug = false;                   // a debug switch was given
    std::string error;                    // not empty: the command line is wrong, this says why
};

// The parameters, the program's name excluded, read against a table of options. An option's
// argument follows it ("--name VALUE") or is joined to it ("--name=VALUE"); an optional argument
// is taken from the next parameter only when that one is not an option.
CommandLine parseCommandLine(const std::vector<std::string>& parameters,
                             std::span<const CommandLineOption> options = kCommandLineOptions);

// "Vardo 1.0", from the project's version.
std::string versionText();

// The short French usage, ending with the folder where the program keeps its files (already
// worded by the caller: a path, or why there is none).
std::string usageText(std::string_view filesFolder);

}  // namespace vardo::app
