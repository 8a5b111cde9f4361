#include "tools/stored_year.h"

#include <filesystem>
#include <system_error>

#include "ledger/error.h"
#include "persist/form_store.h"
#include "persist/store_location.h"

namespace vardo {

void loadStoredYear(FormModel& form, const std::string& programFolder) {
    const std::string fileName = storeFileName(programFolder);
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName, error)) {
        throw Error("Aucune année n'est enregistrée : le fichier \"" + fileName +
                    "\" n'existe pas");
    }
    loadValues(form, fileName);
}

}  // namespace vardo
