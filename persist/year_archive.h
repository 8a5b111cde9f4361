#pragma once
// Before a new year wipes the stored year, the year is kept in an archive beside the program,
// VARDO_<accounting year>.INI, in the store's own format, so that renaming it brings it back.
#include <string>

#include "ledger/form_model.h"

namespace vardo {

// The archive's name for an accounting year and a rank: VARDO_2004.INI, VARDO_2004-2.INI, ...
// A year that is not one to four digits throws Error("'%s' n'est pas une valeur entière correcte").
std::string archiveFileName(const std::string& programFolder, const std::string& comptabilite,
                            int rank);

// The name the archive would take now: the first rank whose name is not taken.
std::string nextArchiveFileName(const std::string& programFolder, const std::string& comptabilite);

// False while the year holds nothing to keep: every field "0", or empty for the header fields
// that start empty; the accounting year, which start-up fills in, does not count.
bool holdsAYear(const FormModel& form);

// Writes the archive under the first name not taken and returns its path; never replaces a
// file. A failure throws Error("Impossible d'écrire dans %s"); a year that cannot name a file
// throws before anything is written.
std::string archiveYear(const FormModel& form, const std::string& programFolder);

// The journal archived with the year beside its archive: VARDO_2004.INI -> VARDO_2004.journal.
std::string journalArchiveName(const std::string& yearArchive);

}  // namespace vardo
