#include "app/cli/program_places.h"

#include "ledger/error.h"

namespace vardo::app {

ProgramPlaces findProgramPlaces() {
    ProgramPlaces places;
    try {
        places.programPath = runningProgramPath();
        places.files = chooseFilesFolder(folderOf(places.programPath), currentUserFolders());
    } catch (const Error& error) {
        places.failure = error.what();
    }
    return places;
}

}  // namespace vardo::app
