#include "persist/year_archive.h"

#include "ledger/error.h"
#include "persist/atomic_file.h"
#include "persist/form_store.h"
#include "persist/ini_file.h"

namespace vardo {
namespace {

constexpr int kMaxRank = 9999;

std::string safeYear(const std::string& comptabilite) {
    std::string year;
    for (const char c : comptabilite) {
        const bool forbidden = static_cast<unsigned char>(c) < ' ' ||
                               std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
        year += forbidden ? '_' : c;
    }
    // Blanks at the ends would be trimmed from the name when it is used as a store's name.
    while (!year.empty() && year.back() == ' ') year.back() = '_';
    while (!year.empty() && year.front() == ' ') year.front() = '_';
    return year;
}

}  // namespace

bool holdsAYear(const FormModel& form) {
    for (FieldId id = 0; id < form.fieldCount(); ++id) {
        if (id == headerField(Header::Comptabilite) || form.isZero(id)) continue;
        const bool startsEmpty = id > headerField(Header::Comptabilite);
        if (!(startsEmpty && form.text(id).empty())) return true;
    }
    return false;
}

std::string archiveFileName(const std::string& programFolder, const std::string& comptabilite,
                            int rank) {
    std::string name = programFolder + "VARDO_" + safeYear(comptabilite);
    if (rank > 1) name.append("-").append(std::to_string(rank));
    return name.append(".INI");
}

std::string archiveYear(const FormModel& form, const std::string& programFolder) {
    IniFile file;
    saveValues(form, file);
    const std::string bytes = file.toBytes();
    const std::string& year = form.text(headerField(Header::Comptabilite));
    std::string name;
    for (int rank = 1; rank <= kMaxRank; ++rank) {
        name = archiveFileName(programFolder, year, rank);
        try {
            if (writeNewFileAtomically(name, bytes)) return name;
        } catch (const FileWriteError&) {
            throw Error(formatMessage(std::string(kWriteFailure), name));
        }
    }
    throw Error(formatMessage(std::string(kWriteFailure), name));
}

}  // namespace vardo
