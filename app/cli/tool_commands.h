#pragma once
// The command-line forms of the "Outils" menu, for scripts: they open no window and need no
// display. They read the year stored in the folder the window uses (or the folder given) and
// write nothing but the file asked for. Their options and exit codes are rows of the table in
// program_options.h.
#include <string_view>

#include "app/cli/command_line.h"

namespace vardo::app {

// "--controle [DOSSIER]": the anomalies of the stored year, one per line.
int checkReadingsCommand(const Invocation& call);
// "--export-csv FICHIER": the accountant's CSV.
int exportCsvCommand(const Invocation& call);
// "--bareme": the mileage allowance; with "--frais MONTANT", against the year's real costs.
int allowanceCommand(const Invocation& call);
// "--graphique FICHIER": the chart of the year as a PNG or SVG image, drawn without a display.
int chartCommand(const Invocation& call);

// "--verifier [DOSSIER]": the journal of the inputs checked against itself and the stored year;
// with "--empreinte HEX", also that it still passes through a fingerprint handed out earlier.
int verifyJournalCommand(const Invocation& call);

inline constexpr std::string_view kCostsOption = "--frais";
inline constexpr std::string_view kFingerprintOption = "--empreinte";

// The exit codes the tools share.
inline constexpr int kToolFound = 1;   // anomalies found, or no amount
inline constexpr int kToolFailed = 2;  // an error, told on the error output

}  // namespace vardo::app
