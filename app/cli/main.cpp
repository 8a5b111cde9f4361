#include <iostream>

#include "app/cli/application.h"
#include "app/cli/tool_commands.h"

int main(int argc, char** argv) {
    // The tools' command-line forms are decided before any toolkit object exists: no display.
    const std::vector<std::string> arguments(argv, argv + argc);
    if (vardo::app::isToolCommand(arguments)) {
        std::string folder;
        try {
            folder = vardo::app::toolFilesFolder();
        } catch (const std::exception& error) {
            std::cerr << "vardo : " << error.what() << '\n';
            return 2;
        }
        return *vardo::app::runToolCommand(arguments, folder, std::cout, std::cerr);
    }
    return vardo::app::runProgram(argc, argv);
}
