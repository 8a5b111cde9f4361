// The manual page and the README list the program's options as its table does: every option,
// with its argument and its exit codes, and no other.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "app/cli/program_options.h"

namespace vardo::app {
namespace {

std::string readSource(const std::string& path) {
    std::ifstream file(std::string(VARDO_SOURCE_DIR) + "/" + path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The manual's source as it reads: the escaped hyphens and the font changes taken out.
std::string manualText() {
    std::string text = readSource("packaging/vardo.1.in");
    text = std::regex_replace(text, std::regex(R"(\\-)"), "-");
    return std::regex_replace(text, std::regex(R"(\\f[BIR])"), "");
}

// "--name", "--name ARGUMENT" or "--name [ARGUMENT]", as the usage shows it.
std::string shownForm(const CommandLineOption& option) {
    std::string form(option.name);
    if (option.argument == OptionArgument::Required) form += " " + std::string(option.argumentName);
    if (option.argument == OptionArgument::Optional)
        form += " [" + std::string(option.argumentName) + "]";
    return form;
}

std::set<std::string> namesIn(const std::string& text, const std::string& before) {
    std::set<std::string> names;
    const std::regex pattern(before + R"((--[a-z][a-z-]*))");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
         it != std::sregex_iterator(); ++it)
        names.insert((*it)[1]);
    return names;
}

// As a command line writes it: an option that adds to another after that one.
std::string calledForm(const CommandLineOption& option) {
    const std::string form = shownForm(option);
    return option.modifies.empty() ? form : std::string(option.modifies) + " " + form;
}

std::set<std::string> tableNames(bool withModifiers = true) {
    std::set<std::string> names;
    for (const CommandLineOption& option : programOptions())
        if (withModifiers || option.modifies.empty()) names.emplace(option.name);
    return names;
}

TEST(OptionDocuments, TheManualListsEveryOptionOfTheTableAndNoOther) {
    const std::string manual = manualText();
    ASSERT_FALSE(manual.empty()) << "packaging/vardo.1.in not found";
    EXPECT_EQ(namesIn(manual, ""), tableNames());
    EXPECT_NE(manual.find(std::string(kDebugSwitch)), std::string::npos);
    for (const CommandLineOption& option : programOptions()) {
        EXPECT_NE(manual.find("vardo " + calledForm(option)), std::string::npos)
            << option.name << ": its synopsis";
        EXPECT_NE(manual.find(".TP\n" + shownForm(option) + "\n"), std::string::npos)
            << option.name << ": its entry under OPTIONS";
        EXPECT_NE(manual.find("\n" + std::string(option.exitCodes) + "\n"), std::string::npos)
            << option.name << ": its exit codes";
    }
}

TEST(OptionDocuments, TheReadmeListsEveryOptionOfTheTableAndNoOther) {
    const std::string readme = readSource("README.md");
    ASSERT_FALSE(readme.empty()) << "README.md not found";
    EXPECT_EQ(namesIn(readme, "vardo "), tableNames(false));
    std::set<std::string> modifiers;  // "--frais" beside "--bareme", "--empreinte" beside "--verifier"
    for (const CommandLineOption& option : programOptions())
        if (!option.modifies.empty()) modifiers.emplace(option.name);
    EXPECT_EQ(modifiers, (std::set<std::string>{"--frais", "--empreinte"}));
    EXPECT_EQ(namesIn(readme, "vardo --[a-z-]* "), modifiers);
    for (const CommandLineOption& option : programOptions()) {
        const auto at = readme.find("vardo " + calledForm(option));
        ASSERT_NE(at, std::string::npos) << option.name;
        if (option.exitCodes == "0") continue;  // a printed answer: nothing else to say
        const std::string line = readme.substr(at, readme.find('\n', at) - at);
        EXPECT_NE(line.find(std::string(option.exitCodes)), std::string::npos)
            << option.name << ": its exit codes in\n" << line;
    }
}

}  // namespace
}  // namespace vardo::app
