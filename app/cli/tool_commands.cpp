#include "app/cli/tool_commands.h"

#include <QApplication>
#include <QFile>
#include <functional>

#include "app/tools/year_chart_view.h"
#include "ledger/error.h"
#include "persist/files_folder.h"
#include "tools/accountant_csv.h"
#include "tools/costs_comparison.h"
#include "tools/mileage_scale.h"
#include "tools/reading_checks.h"
#include "tools/stored_year.h"
#include "tools/tool_options.h"
#include "tools/year_chart.h"

namespace vardo::app {
namespace {

constexpr int kFound = 1;
constexpr int kFailed = 2;

int check(const FormModel& form, std::ostream& out) {
    const std::vector<Anomaly> found = checkReadings(form);
    for (const std::string& line : anomalyLines(form, found)) out << line << '\n';
    return found.empty() ? 0 : kFound;
}

int allowance(const FormModel& form, const std::string& programFolder, std::ostream& out) {
    const Allowance result = mileageAllowance(form, readElectric(programFolder));
    for (const std::string& line : result.lines) out << line << '\n';
    return result.cents ? 0 : kFound;
}

int costs(const FormModel& form, const std::string& programFolder, const std::string& amount,
          std::ostream& out) {
    const std::int64_t cents = readEuros(amount);
    const CostsComparison result = compareCosts(form, cents, readElectric(programFolder));
    for (const std::string& line : result.lines) out << line << '\n';
    return result.complete() ? 0 : kFound;
}

// Qt Charts draws on the toolkit's offscreen platform: no display is needed. The toolkit's own
// diagnostics (a missing runtime folder) are not the command's output.
void withToolkit(const std::function<void()>& draw) {
    if (QCoreApplication::instance() != nullptr) return draw();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    int argc = 1;
    char name[] = "vardo";
    char* argv[] = {name, nullptr};
    QApplication toolkit(argc, argv);
    draw();
}

int chart(const FormModel& form, const std::string& file, std::ostream& out) {
    const YearChart data = yearChart(form);
    withToolkit([&] { writeYearChartImage(data, QFile::decodeName(file.c_str())); });
    if (data.empty()) out << data.emptySentence << '\n';
    return 0;
}

int exportCsv(const FormModel& form, const std::string& programFolder, const std::string& file) {
    writeAccountantCsv(form, mileageAllowance(form, readElectric(programFolder)), file);
    return 0;
}

// "--bareme" alone, or followed by "--frais MONTANT" (or "--frais=MONTANT").
std::optional<std::string> costsAmount(const std::vector<std::string>& arguments) {
    const std::size_t operands = arguments.size() - 2;
    if (operands == 0) return std::nullopt;
    const std::string& first = arguments[2];
    if (operands == 2 && first == "--frais") return arguments[3];
    if (operands == 1 && first.rfind("--frais=", 0) == 0) return first.substr(8);
    throw Error("L'option --bareme ne prend pas d'autre argument que --frais MONTANT");
}

std::string withSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

}  // namespace

bool isToolCommand(const std::vector<std::string>& arguments) {
    if (arguments.size() < 2) return false;
    const std::string& option = arguments[1];
    return option == "--controle" || option == "--export-csv" || option == "--bareme" ||
           option == "--graphique";
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
        if (option == "--graphique" && operands != 1)
            throw Error("L'option --graphique demande un nom de fichier, et lui seul");
        std::optional<std::string> amount;
        if (option == "--bareme") amount = costsAmount(arguments);
        const std::string folder =
            option == "--controle" && operands == 1 ? withSeparator(arguments[2]) : programFolder;
        FormModel form;
        loadStoredYear(form, folder);
        if (option == "--controle") return check(form, out);
        if (option == "--bareme" && amount) return costs(form, folder, *amount, out);
        if (option == "--bareme") return allowance(form, folder, out);
        if (option == "--graphique") return chart(form, arguments[2], out);
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
