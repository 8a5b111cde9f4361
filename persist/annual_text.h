#pragma once
// The annual balance text: every day's readings, every month's balance and the year's balance,
// one line per entry. The save commands write it to a file; the printed annual report prints the
// same lines with ten labels spaced differently.
#include <string>
#include <string_view>
#include <vector>

#include "ledger/form_model.h"

namespace vardo {

inline constexpr std::string_view kFooterLine =
    "Vardo 1.0 - Coefficient d'utilisation professionnelle de véhicule";

inline constexpr int kAnnualTextLines = 519;         // with the closing block (save command)
inline constexpr int kAnnualTextLinesNoClose = 512;  // without it (save-as command)

// The ten labels, each with its blanks and colon, that the saved file and the printed report
// space differently.
struct AnnualLabels {
    std::string_view monthFinal;           // "Kilométrage final    : "
    std::string_view monthTotal;           // "Kilométarge total    : "
    std::string_view monthProfessional;    // "Kilométrage professionnel  : "
    std::string_view annualTitle;          // "BILAN KILOMETRAGE ANNUEL  : "
    std::string_view yearStart;            // "KILOMETRAGE DEBUT ANNEE   : "
    std::string_view yearEnd;              // "KILOMETRAGE FIN ANNEE     : "
    std::string_view carriedOver;          // "KILOMETRAGE A REPORTER    : "
    std::string_view yearTotal;            // "KILOMETRAGE TOTAL ANNEE   : "
    std::string_view yearPersonal;         // "KILOMETRAGE PERSONNEL     : "
    std::string_view coefficientPersonal;  // "COEFFICIENT PERSONNEL     : "
};

const AnnualLabels& savedFileLabels();
const AnnualLabels& printedReportLabels();

// The lines, UTF-8, without line ends: 519 with the closing block, 512 without.
std::vector<std::string> annualTextLines(const FormModel& form, const AnnualLabels& labels,
                                         bool withClosingBlock);

// The program file's path with its extension replaced by "_" + year + ".txt" (appended when
// the file name has no extension). A year that is not one to four digits throws
// Error("'%s' n'est pas une valeur entière correcte").
std::string annualTextFileName(const std::string& programPath, const std::string& comptabilite);

// The save command's write. Errors: "Fichier introuvable", "Nom de fichier incorrect",
// "Trop de fichiers ouverts", "Accès au fichier refusé", "Disque plein", "Erreur E/S %d".
void writeAnnualTextSave(const std::vector<std::string>& lines, const std::string& fileName);

// The save-as command's write. Errors: "Impossible de créer le fichier \"%s\". %s",
// "Erreur d'écriture dans le flux".
void writeAnnualTextSaveAs(const std::vector<std::string>& lines, const std::string& fileName);

// The text of the save command's confirmation box.
std::string saveConfirmationText(const std::string& fileName);

// Lines joined, each ended by carriage return and line feed, in Windows-1252.
std::string linesToFileBytes(const std::vector<std::string>& lines);

}  // namespace vardo
