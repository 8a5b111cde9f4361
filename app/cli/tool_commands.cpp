#include "app/cli/tool_commands.h"

#include "ledger/error.h"
#include "persist/files_folder.h"
#include "tools/accountant_csv.h"
#include "tools/mileage_scale.h"
#include "tools/reading_checks.h"
#include "tools/stored_year.h"
#include "tools/tool_options.h"

namespace vardo::app {
namespace {

constexpr int kFound = 1;
constexpr int kFailed = 2;

int check(const FormModel& form, std::ostream& out) {
    const std::vector<Anomaly> found = checkReadings(form);
    for (const std::string& line : anomalyLines(found)) out << line << '\n';
    return found.empty() ? 0 : kFound;
}

int allowance(const FormModel& form, const std::string& programFolder, std::ostream& out) {
    const Allowance result = mileageAllowance(form, readElectric(programFolder));
    for (const std::string& line : result.lines) out << line << '\n';
    return result.cents ? 0 : kFound;
}

int exportCsv(const FormModel& form, const std::string& programFolder, const std::string& file) {
    writeAccountantCsv(form, mileageAllowance(form, readElectric(programFolder)), file);
    return 0;
}

std::string withSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

}  // namespace

bool isToolCommand(const std::vector<std::string>& arguments) {
    if (arguments.size() < 2) return false;
    const std::string& option = arguments[1];
    return option == "--controle" || option == "--export-csv" || option == "--bareme";
}

std::optional<int> runToolCommand(const std::vector<std::string>& arguments,
                                  const std::string& programFolder, std::ostream& out,
                                  std::ostream& err) {
    if (!isToolCommand(arguments)) return std::nullopt;
    const std::string& option = arguments[1];
    const std::size_t operands = arguments.size() - 2;
    try {
        if (option == "--export-csv" && operands != 1)
            throw Error("L'option --export-csv demande un nom de fichier, et lui seul");
        if (option == "--controle" && operands > 1)
            throw Error("L'option --controle accepte un dossier, et lui seul");
        if (option == "--bareme" && operands != 0)
            throw Error("L'option --bareme ne prend pas d'argument");
        const std::string folder =
            option == "--controle" && operands == 1 ? withSeparator(arguments[2]) : programFolder;
        FormModel form;
        loadStoredYear(form, folder);
        if (option == "--controle") return check(form, out);
        if (option == "--bareme") return allowance(form, folder, out);
        return exportCsv(form, folder, arguments[2]);
    } catch (const std::exception& error) {
        err << errorBoxText(error.what()) << '\n';
        return kFailed;
    }
}

std::string toolFilesFolder() {
    return chooseFilesFolder(folderOf(runningProgramPath()), currentUserFolders()).path;
}

}  // namespace vardo::app
