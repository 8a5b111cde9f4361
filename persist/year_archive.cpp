#include "persist/year_archive.h"

#include <sys/stat.h>

#include "ledger/error.h"
#include "persist/atomic_file.h"
#include "persist/file_names.h"
#include "persist/form_store.h"
#include "persist/ini_file.h"
#include "persist/year_text.h"

namespace vardo {
namespace {

constexpr int kMaxRank = 9999;

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
    std::string name = programFolder + std::string(kArchivePrefix) + yearForFileName(comptabilite);
    if (rank > 1) name.append("-").append(std::to_string(rank));
    return name.append(kIniExtension);
}

std::string nextArchiveFileName(const std::string& programFolder, const std::string& comptabilite) {
    for (int rank = 1; rank < kMaxRank; ++rank) {
        std::string name = archiveFileName(programFolder, comptabilite, rank);
        struct stat info {};
        if (::lstat(name.c_str(), &info) != 0) return name;
    }
    return archiveFileName(programFolder, comptabilite, kMaxRank);
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

std::string journalArchiveName(const std::string& yearArchive) {
    std::string name = yearArchive;
    if (name.size() >= kIniExtension.size() &&
        name.compare(name.size() - kIniExtension.size(), kIniExtension.size(), kIniExtension) == 0)
        name.resize(name.size() - kIniExtension.size());
    return name + std::string(kJournalExtension);
}

}  // namespace vardo
