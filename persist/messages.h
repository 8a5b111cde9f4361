#pragma once
// The French texts with which the file layer's failures reach the user, in one place. Each ends
// with the system's reason where there is one; the error box adds the final full stop.
#include <string>
#include <string_view>

#include "persist/system_reason.h"

namespace vardo {

inline constexpr std::string_view kWriteFailure = "Impossible d'écrire dans %s";
inline constexpr std::string_view kStreamWriteFailure = "Erreur d'écriture dans le flux";
inline constexpr std::string_view kHomeUnknown =
    "Impossible de trouver le dossier personnel de l'utilisateur (HOME)";

inline std::string programFolderUnknown(int error) {
    return "Impossible de trouver le dossier du programme. " + systemReason(error);
}
inline std::string cannotOpenFile(const std::string& path, int error) {
    return "Impossible d'ouvrir le fichier \"" + path + "\". " + systemReason(error);
}
inline std::string cannotCreateFile(const std::string& path, int error) {
    return "Impossible de créer le fichier \"" + path + "\". " + systemReason(error);
}
inline std::string cannotCreateFolder(const std::string& path, int error) {
    return "Impossible de créer le dossier \"" + path + "\". " + systemReason(error);
}

// The journal of the year's inputs.
inline constexpr std::string_view kJournalUnreadable =
    "Impossible de lire le journal des saisies \"%s\"";
inline constexpr std::string_view kJournalTruncated =
    "ligne %s incomplète retirée : l'écriture a été interrompue au milieu de la ligne";
inline constexpr std::string_view kJournalBegins =
    "début du journal : ce que l'année enregistrée contenait avant n'est pas prouvé";
inline constexpr std::string_view kJournalStoreDiffers =
    "l'année enregistrée diffère du journal : elle a été modifiée hors du programme";

}  // namespace vardo
