#include "tools/stored_year.h"

#include <filesystem>
#include <system_error>

#include "ledger/calendar.h"
#include "ledger/dates.h"
#include "ledger/error.h"
#include "ledger/ledger.h"
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

DerivedYear deriveStoredYear(const FormModel& form) {
    constexpr char kDecimalComma = ',';
    return deriveYear(form, calendarYear(form, yearOf(systemToday())), kDecimalComma);
}

}  // namespace vardo
