#pragma once
// The program's options: one table that the parsing, the dispatch, "--help", the manual page
// (packaging/vardo.1.in) and the README's list of options all follow; a test holds the last two
// to it. A new option is a new row: its name, its argument, its line of help, its exit codes and
// the command it runs.
#include <span>
#include <string>

#include "app/cli/command_line.h"

namespace vardo::app {

std::span<const CommandLineOption> programOptions();

// "Vardo 1.0", from the project's version.
std::string versionText();

// The whole program: the command line answered (an option's command, or the usage and 2 when it
// is wrong), else the window's run.
int runCommandLine(int argc, char** argv);

}  // namespace vardo::app
