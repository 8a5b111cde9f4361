#pragma once
// The program's command line, read before any window or display exists, against a table of
// options (the program's own is in program_options.h). The help module's debug switches
// ("-debug", "/debug", any letter case) may stand anywhere and go to the window's run.
#include <map>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vardo::app {

enum class OptionArgument { None, Optional, Required };

struct CommandLine;
struct ProgramPlaces;

// What an option's command is given: the line read and where the program keeps its files.
struct Invocation {
    const CommandLine& line;
    const ProgramPlaces& places;
    std::ostream& out;
    std::ostream& err;
};

// Runs an option's command; returns the program's exit code.
using OptionCommand = int (*)(const Invocation&);

// One option of the table: its name, its argument, its line in the usage text, its exit codes
// (as the manual states them), and the command it runs. An option that only adds to another
// ("--frais" beside "--bareme") names that one in `modifies` and runs nothing.
struct CommandLineOption {
    std::string_view name{};
    OptionArgument argument = OptionArgument::None;
    std::string_view argumentName{};  // "FICHIER", shown in the usage text
    std::string_view description{};
    std::string_view exitCodes{};
    OptionCommand command = nullptr;
    std::string_view modifies{};
};

struct CommandLine {
    std::string option;                   // the option given; empty: open the window
    std::optional<std::string> argument;  // its argument, when it takes one
    // The options given that add to it, with their arguments ("" for none).
    std::map<std::string, std::string, std::less<>> modifiers;
    bool debug = false;                   // a debug switch was given
    std::string error;                    // not empty: the command line is wrong, this says why
};

// The parameters, the program's name excluded, read against a table of options. An option's
// argument follows it ("--name VALUE") or is joined to it ("--name=VALUE"); an optional argument
// is taken from the next parameter only when that one is not an option.
CommandLine parseCommandLine(const std::vector<std::string>& parameters,
                             std::span<const CommandLineOption> options);

// The option of the table that the line asks for; nullptr for none (the window).
const CommandLineOption* chosenOption(const CommandLine& line,
                                      std::span<const CommandLineOption> options);

// The short French usage of a table, ending with the folder where the program keeps its files
// (already worded by the caller: a path, or why there is none).
std::string usageText(std::span<const CommandLineOption> options, std::string_view filesFolder);

// What "-debug" does, as the usage and the manual say it.
inline constexpr std::string_view kDebugSwitch = "-debug";
inline constexpr std::string_view kDebugSwitchDescription =
    "écrit le rapport de diagnostic HHDebug.txt au démarrage";

}  // namespace vardo::app
