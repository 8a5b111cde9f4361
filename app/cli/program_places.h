#pragma once
// Where the program is and where its files live, or why that cannot be known: found without the
// toolkit, so that the command line's answers need no display.
#include <string>

#include "persist/files_folder.h"

namespace vardo::app {

struct ProgramPlaces {
    std::string programPath;
    FilesFolder files;
    std::string failure;  // not empty: the French reason the places are unknown
};

ProgramPlaces findProgramPlaces();

}  // namespace vardo::app
