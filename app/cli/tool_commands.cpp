#include "app/cli/tool_commands.h"

#include <functional>

#include "app/cli/program_places.h"
#include "ledger/calendar.h"
#include "ledger/dates.h"
#include "ledger/error.h"
#include "ledger/ledger.h"
#include "persist/files_folder.h"
#include "tools/accountant_csv.h"
#include "tools/mileage_scale.h"
#include "tools/reading_checks.h"
#include "tools/stored_year.h"
#include "tools/tool_options.h"

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

int exportCsvCommand(const Invocation& call) {
    const std::string& folder = call.places.files.path;
    return runOnStoredYear(call, folder, [&](const FormModel& form) {
        writeAccountantCsv(form, mileageAllowance(form, readElectric(folder)), *call.line.argument);
        return 0;
    });
}

int allowanceCommand(const Invocation& call) {
    const std::string& folder = call.places.files.path;
    return runOnStoredYear(call, folder, [&](const FormModel& form) {
        const Allowance result = mileageAllowance(form, readElectric(folder));
        for (const std::string& line : result.lines) call.out << line << '\n';
        return result.cents ? 0 : kToolFound;
    });
}

}  // namespace vardo::app
