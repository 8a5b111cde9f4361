#include "persist/system_reason.h"

#include <cerrno>
#include <cstring>

namespace vardo {

std::string systemReason(int error) {
    switch (error) {
        case ENOENT:
            return "Le fichier spécifié est introuvable.";
        case ENOTDIR:
        case ENAMETOOLONG:
            return "Le chemin d'accès spécifié est introuvable.";
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
            return "Accès refusé.";
        case EMFILE:
        case ENFILE:
            return "Le système ne peut pas ouvrir le fichier.";
        case ENOSPC:
        case EDQUOT:
            return "Espace insuffisant sur le disque.";
        case EIO:
            return "Erreur d'entrée/sortie.";
        case EFBIG:
            return "Le fichier est trop volumineux.";
        default:
            return std::strerror(error);
    }
}

}  // namespace vardo
