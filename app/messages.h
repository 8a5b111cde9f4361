#pragma once
// The French texts the window and the command line put before the user, in one place (the
// errors of the files, the ledger and the printing come from their own layers' headers).
#include <QString>
#include <string>

namespace vardo::app {

// The window asked for where there is no display at all.
inline constexpr const char* kNoDisplay =
    "aucun affichage graphique (ni DISPLAY ni WAYLAND_DISPLAY) : la fenêtre ne peut pas s'ouvrir. "
    "Les options --controle, --verifier, --export-csv, --bareme et --graphique fonctionnent "
    "sans affichage.";

// "Commencer nouvelle année": the question, with the archive's name when the year is kept.
inline QString newYearQuestion(const std::string& archiveFile) {
    QString question = QString::fromUtf8("Commencer une nouvelle année ?\n\nToutes les cases seront "
                                         "remises à zéro.");
    if (!archiveFile.empty())
        question += QString::fromUtf8(" L'année en cours sera d'abord archivée dans le fichier \"") +
                    QString::fromStdString(archiveFile) + QStringLiteral("\".");
    return question;
}

// "Sauvegarder sous..." onto a file that exists.
inline QString replaceFileQuestion(const QString& shownName) {
    return QString::fromUtf8("Le fichier \"%1\" existe déjà.\nVoulez-vous le remplacer ?")
        .arg(shownName);
}

// The close of a session whose stored year could not be read.
inline std::string unreadableStoreMessage(const std::string& store, const std::string& recovery) {
    return "Le fichier \"" + store +
           "\" n'a pas pu être lu : l'année de cette session est enregistrée dans \"" + recovery +
           "\".";
}

}  // namespace vardo::app
