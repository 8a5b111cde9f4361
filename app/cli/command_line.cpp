#include "app/cli/command_line.h"

#include <algorithm>
#include <cctype>

namespace vardo::app {
namespace {

bool isDebugSwitch(std::string_view parameter) {
    std::string lower(parameter);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower == "-debug" || lower == "/debug";
}

const CommandLineOption* findOption(std::span<const CommandLineOption> options,
                                    std::string_view name) {
    for (const CommandLineOption& option : options) {
        if (option.name == name) return &option;
    }
    return nullptr;
}

std::string quoted(std::string_view text) {
    return "« " + std::string(text) + " »";
}

std::string usageLine(std::string_view name, std::string_view argument,
                      std::string_view description) {
    std::string left = "  " + std::string(name);
    if (!argument.empty()) left += " " + std::string(argument);
    left.resize(std::max<std::size_t>(left.size() + 2, 24), ' ');
    return left + std::string(description) + "\n";
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& parameters,
                             std::span<const CommandLineOption> options) {
    CommandLine line;
    std::vector<const CommandLineOption*> modifiers;
    for (std::size_t i = 0; i < parameters.size() && line.error.empty(); ++i) {
        const std::string& parameter = parameters[i];
        if (isDebugSwitch(parameter)) {
            line.debug = true;
            continue;
        }
        const auto equals = parameter.find('=');
        const std::string name = parameter.substr(0, equals);
        const CommandLineOption* option = parameter.rfind("--", 0) == 0 ? findOption(options, name) : nullptr;
        if (option == nullptr) {
            line.error = (parameter.rfind('-', 0) == 0 ? "option inconnue "
                                                       : "paramètre inattendu ") +
                         quoted(parameter);
            break;
        }
        const bool modifier = !option->modifies.empty();
        if (modifier && line.modifiers.contains(option->name)) {
            line.error = "l'option " + quoted(option->name) + " est donnée deux fois";
            break;
        }
        if (!modifier && !line.option.empty()) {
            line.error = "une seule option à la fois : " + quoted(line.option) + " et " +
                         quoted(option->name);
            break;
        }
        std::optional<std::string> argument;
        if (equals != std::string::npos) {
            if (option->argument == OptionArgument::None) {
                line.error = "l'option " + quoted(option->name) + " ne prend pas d'argument";
            } else {
                argument = parameter.substr(equals + 1);
            }
        } else {
            const bool nextIsValue = i + 1 < parameters.size() &&
                                     parameters[i + 1].rfind('-', 0) != 0 &&
                                     !isDebugSwitch(parameters[i + 1]);
            if (option->argument == OptionArgument::Required) {
                if (i + 1 >= parameters.size()) {
                    line.error = "l'option " + quoted(option->name) + " demande un argument " +
                                 std::string(option->argumentName);
                } else {
                    argument = parameters[++i];
                }
            } else if (option->argument == OptionArgument::Optional && nextIsValue) {
                argument = parameters[++i];
            }
        }
        if (modifier) {
            modifiers.push_back(option);
            line.modifiers.emplace(option->name, argument.value_or(""));
        } else {
            line.option = option->name;
            line.argument = argument;
        }
    }
    for (const CommandLineOption* modifier : modifiers) {
        if (!line.error.empty()) break;
        if (line.option != modifier->modifies)
            line.error = "l'option " + quoted(modifier->name) + " ne va qu'avec " +
                         quoted(modifier->modifies);
    }
    return line;
}

const CommandLineOption* chosenOption(const CommandLine& line,
                                      std::span<const CommandLineOption> options) {
    return line.option.empty() ? nullptr : findOption(options, line.option);
}

std::string usageText(std::span<const CommandLineOption> options, std::string_view filesFolder) {
    std::string text =
        "Utilisation : vardo [OPTION]\n"
        "Carnet kilométrique d'un véhicule et coefficient d'utilisation professionnelle.\n"
        "Sans option, ouvre la fenêtre du programme.\n"
        "\n"
        "Options :\n";
    for (const CommandLineOption& option : options) {
        std::string shown(option.argumentName);
        if (option.argument == OptionArgument::Optional) shown = "[" + shown + "]";
        text += usageLine(option.name, shown, option.description);
    }
    text += usageLine(kDebugSwitch, "", kDebugSwitchDescription);
    text += "\nDossier des fichiers : " + std::string(filesFolder) + "\n";
    return text;
}

}  // namespace vardo::app
