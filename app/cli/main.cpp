#include "app/cli/program_options.h"

int main(int argc, char** argv) {
    return vardo::app::runCommandLine(argc, argv);
}
