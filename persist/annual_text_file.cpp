#include "persist/annual_text_file.h"

#include <cerrno>

#include "ledger/error.h"
#include "persist/atomic_file.h"
#include "persist/cp1252.h"
#include "persist/file_names.h"
#include "persist/messages.h"
#include "persist/system_reason.h"
#include "persist/year_text.h"

namespace vardo {
namespace {

// The save command's messages, from the system's error number.
std::string saveFailureText(int error) {
    switch (error) {
        case ENOENT:
            return "Fichier introuvable";
        case ENOTDIR:
        case ENAMETOOLONG:
            return "Nom de fichier incorrect";
        case EMFILE:
        case ENFILE:
            return "Trop de fichiers ouverts";
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:  // a folder in the file's place refuses the file
            return "Accès au fichier refusé";
        case ENOSPC:
        case EDQUOT:
            return "Disque plein";
        default:
            return "Erreur E/S " + std::to_string(error);
    }
}

}  // namespace

std::string annualTextFileName(const std::string& programPath, const std::string& comptabilite) {
    const auto slash = programPath.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const auto dot = programPath.rfind('.');
    const std::size_t stem =
        (dot == std::string::npos || dot < nameStart) ? programPath.size() : dot;
    return programPath.substr(0, stem) + "_" + yearForFileName(comptabilite) + std::string(kAnnualTextExtension);
}

void writeAnnualTextSave(const std::vector<std::string>& lines, const std::string& fileName) {
    try {
        writeFileAtomically(fileName, linesToFileBytes(lines));
    } catch (const FileWriteError& failure) {
        throw Error(saveFailureText(failure.error()));
    }
}

void writeAnnualTextSaveAs(const std::vector<std::string>& lines, const std::string& fileName) {
    try {
        writeFileAtomically(fileName, linesToFileBytes(lines));
    } catch (const FileWriteError& failure) {
        if (failure.stage() == WriteStage::Write || failure.stage() == WriteStage::Flush) {
            throw Error(std::string(kStreamWriteFailure));
        }
        throw Error(cannotCreateFile(fileName, failure.error()));
    }
}

std::string saveConfirmationText(const std::string& fileName) {
    return "Sauvegarde réalisée dans le répertoire de l'application :\n\r" + fileName + " !";
}

}  // namespace vardo
