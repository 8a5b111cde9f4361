#include "app/cli/tool_commands.h"

#include <QApplication>
#include <QFile>
#include <functional>

#include "app/cli/program_places.h"
#include "app/tools/year_chart_view.h"
#include "ledger/calendar.h"
#include "ledger/dates.h"
#include "ledger/error.h"
#include "ledger/ledger.h"
#include "persist/files_folder.h"
#include "tools/accountant_csv.h"
#include "tools/costs_comparison.h"
#include "tools/journal_check.h"
#include "tools/mileage_scale.h"
#include "tools/reading_checks.h"
#include "tools/stored_year.h"
#include "tools/tool_options.h"
#include "tools/year_chart.h"

namespace vardo::app {
namespace {

// Loads the year stored in the folder and runs the tool on it; an error is told on the error
// output, as the error box would word it.
int runOnStoredYear(const Invocation& call, const std::string& folder,
                    const std::function<int(const FormModel&)>& tool) {
    try {
        if (!call.places.failure.empty() && folder.empty()) throw Error(call.places.failure);
        FormModel form;
        loadStoredYear(form, folder);
        return tool(form);
    } catch (const std::exception& error) {
        call.err << errorBoxText(error.what()) << '\n';
        return kToolFailed;
    }
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

}  // namespace

int checkReadingsCommand(const Invocation& call) {
    const std::string folder =
        call.line.argument ? withTrailingSlash(*call.line.argument) : call.places.files.path;
    return runOnStoredYear(call, folder, [&](const FormModel& form) {
        const std::vector<Anomaly> found =
            checkReadings(form, calendarYear(form, yearOf(systemToday())));
        for (const std::string& line : anomalyLines(found)) call.out << line << '\n';
        return found.empty() ? 0 : kToolFound;
    });
}

int verifyJournalCommand(const Invocation& call) {
    const std::string folder =
        call.line.argument ? withTrailingSlash(*call.line.argument) : call.places.files.path;
    const auto fingerprint = call.line.modifiers.find(kFingerprintOption);
    try {
        if (!call.places.failure.empty() && folder.empty()) throw Error(call.places.failure);
        const JournalVerdict verdict = checkJournal(
            folder, fingerprint == call.line.modifiers.end() ? "" : fingerprint->second);
        for (const std::string& line : verdict.lines) call.out << line << '\n';
        return verdict.holds ? 0 : kToolFound;
    } catch (const std::exception& error) {
        call.err << errorBoxText(error.what()) << '\n';
        return kToolFailed;
    }
}

int exportCsvCommand(const Invocation& call) {
    const std::string& folder = call.places.files.path;
    return runOnStoredYear(call, folder, [&](const FormModel& form) {
        writeAccountantCsv(form, readElectric(folder), *call.line.argument, journalWitness(folder));
        return 0;
    });
}

int allowanceCommand(const Invocation& call) {
    const std::string& folder = call.places.files.path;
    const auto costs = call.line.modifiers.find(kCostsOption);
    return runOnStoredYear(call, folder, [&](const FormModel& form) {
        const bool electric = readElectric(folder);
        const DerivedYear figures = deriveStoredYear(form);
        if (costs != call.line.modifiers.end()) {
            const CostsComparison result =
                compareCosts(form, figures, readEuros(costs->second), electric);
            for (const std::string& line : result.lines) call.out << line << '\n';
            return result.complete() ? 0 : kToolFound;
        }
        const Allowance result = mileageAllowance(form, figures, electric);
        for (const std::string& line : result.lines) call.out << line << '\n';
        return result.cents ? 0 : kToolFound;
    });
}

int chartCommand(const Invocation& call) {
    return runOnStoredYear(call, call.places.files.path, [&](const FormModel& form) {
        const YearChart data = yearChart(form, deriveStoredYear(form));
        withToolkit([&] { writeYearChartImage(data, QFile::decodeName(call.line.argument->c_str())); });
        if (data.empty()) call.out << data.emptySentence << '\n';
        return 0;
    });
}

}  // namespace vardo::app
