#pragma once
// The annual balance text as a file: its name beside the program, the two save commands' writes
// with their messages, and the confirmation of the save command.
#include <string>
#include <vector>

namespace vardo {

// The program file's path with its extension replaced by "_" + year + ".txt" (appended when
// the file name has no extension).
std::string annualTextFileName(const std::string& programPath, const std::string& comptabilite);

// The save command's write. Errors: "Fichier introuvable", "Nom de fichier incorrect",
// "Trop de fichiers ouverts", "Accès au fichier refusé", "Disque plein", "Erreur E/S %d".
void writeAnnualTextSave(const std::vector<std::string>& lines, const std::string& fileName);

// The save-as command's write. Errors: "Impossible de créer le fichier \"%s\". %s",
// "Erreur d'écriture dans le flux".
void writeAnnualTextSaveAs(const std::vector<std::string>& lines, const std::string& fileName);

// The text of the save command's confirmation box.
std::string saveConfirmationText(const std::string& fileName);

}  // namespace vardo
