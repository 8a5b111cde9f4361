#pragma once
// The command-line forms of the "Outils" menu, for scripts: they open no window and need no
// display.
//   vardo --controle [DOSSIER]   the anomalies of the stored year, one per line;
//                                exit 0 without any, 1 with some, 2 on an error
//   vardo --export-csv FICHIER   the accountant's CSV; exit 0, or 2 on an error
//   vardo --bareme               the mileage allowance; exit 0, 1 when it cannot be computed,
//                                2 on an error
//   vardo --bareme --frais MONTANT   the same against the year's real costs: exit 0, 1 when
//                                one side cannot be computed, 2 on an error
//   vardo --graphique FICHIER    the chart of the year as a PNG or SVG image, by the name's
//                                extension, drawn without a display; exit 0, or 2 on an error
// They read the year stored in the folder the window uses (or the folder given) and write nothing but
// the file asked for.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace vardo::app {

// Whether the arguments (the program's name first) ask for a tool.
bool isToolCommand(const std::vector<std::string>& arguments);

// Runs the tool the arguments ask for; nothing when they ask for none.
std::optional<int> runToolCommand(const std::vector<std::string>& arguments,
                                  const std::string& programFolder, std::ostream& out,
                                  std::ostream& err);

// The folder where the window keeps its files (beside the program, or the user's data folder),
// found without the toolkit; throws with the French reason when the program's folder is unknown.
std::string toolFilesFolder();

}  // namespace vardo::app
