#include "tools/accountant_csv.h"

#include <cstdio>

#include "ledger/error.h"
#include "ledger/numbers.h"
#include "persist/atomic_file.h"
#include "persist/form_store.h"
#include "ledger/calendar.h"
#include "tools/french_format.h"

namespace vardo {
namespace {

using Row = std::vector<std::string>;

std::string figure(const FormModel& form, FieldId id) {
    return writeFigure(readFigure(form.text(id)));
}

// A coefficient of the "Bilan" page as a percentage, rounded as the status bar rounds it. The
// text was written with the decimal separator of the settings of its day: either is accepted.
std::string percentage(const FormModel& form, Annual which) {
    const std::string& text = form.text(annualField(which));
    long double value = 0;
    try {
        value = readDecimal(text, ',');
    } catch (const Error&) {
        value = readDecimal(text, '.');
    }
    return twoDecimals(roundTwoDecimals(value * 100)) + " %";
}

std::string dateText(int month, int day, int year) {
    char text[40];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", day, month + 1, year);
    return text;
}

// The month's recorded days, counted as the ledger counts them: a day whose evening holds "0",
// or that the year does not have, is skipped, and the next morning counts its personal
// kilometres from the evening before.
void addDays(const FormModel& form, int m, int year, std::vector<Row>& rows) {
    FieldId previousEvening = balanceField(m, Balance::KMIn);
    for (int d = 1; d <= daysInMonth(m, year); ++d) {
        if (!isRecordedDay(form, m, d, year)) continue;
        const FieldId evening = eveningField(m, d);
        const std::int64_t s = readFigure(form.text(evening));
        const std::int64_t morning = readFigure(form.text(morningField(m, d)));
        const std::int64_t previous = readFigure(form.text(previousEvening));
        rows.push_back({dateText(m, d, year), writeFigure(morning), writeFigure(s),
                        writeFigure(s - morning), writeFigure(morning - previous)});
        previousEvening = evening;
    }
}

// Each month's balance, in columns of its own: the day table's columns hold days only.
void addMonthTotals(const FormModel& form, std::vector<Row>& rows) {
    rows.push_back({"Mois", "Km professionnels", "Km personnels"});
    for (int m = 0; m < kMonths; ++m) {
        rows.push_back({std::string(monthInfo(m).caption),
                        figure(form, balanceField(m, Balance::KMPro)),
                        figure(form, balanceField(m, Balance::KMPerso))});
    }
}

}  // namespace

std::string accountantCsvName(const FormModel& form) {
    return "vardo_" + form.text(headerField(Header::Comptabilite)) + ".csv";
}

std::vector<Row> accountantCsvRows(const FormModel& form, const Allowance& allowance,
                                   const std::optional<JournalWitness>& journal) {
    const std::optional<int> year = accountingYear(form);
    if (!year) {
        throw Error("L'année comptable « " + form.text(headerField(Header::Comptabilite)) +
                    " » n'est pas une année : les dates du fichier ne peuvent pas être écrites");
    }
    std::vector<Row> rows = {
        {"Année comptable", std::to_string(*year)},
        {"Véhicule", spreadsheetText(form.text(headerField(Header::Vehicule)))},
        {"Année du véhicule", spreadsheetText(form.text(headerField(Header::Annee)))},
        {"Chevaux", spreadsheetText(form.text(headerField(Header::Chevaux)))},
        {},
    };
    rows.push_back({"Date", "Matin", "Soir", "Km professionnels", "Km personnels"});
    for (int m = 0; m < kMonths; ++m) addDays(form, m, *year, rows);
    rows.push_back({});
    addMonthTotals(form, rows);
    rows.push_back({});
    rows.push_back({"Km initial", figure(form, annualField(Annual::DebAnnee))});
    rows.push_back({"Km final", figure(form, annualField(Annual::FinAnnee))});
    rows.push_back({"Km total", figure(form, annualField(Annual::TotAnnee))});
    rows.push_back({"Km professionnels", figure(form, annualField(Annual::TotPro))});
    rows.push_back({"Km personnels", figure(form, annualField(Annual::TotPerso))});
    rows.push_back({"Coefficient professionnel", percentage(form, Annual::CoefPro)});
    rows.push_back({"Coefficient personnel", percentage(form, Annual::CoefPerso)});
    if (allowance.cents) {
        rows.push_back({});
        rows.push_back({"Barème kilométrique", std::to_string(allowance.scaleYear)});
        rows.push_back({"Véhicule électrique", allowance.electric ? "oui" : "non"});
        rows.push_back({"Indemnités kilométriques (€)",
                        twoDecimals(static_cast<long double>(*allowance.cents) / 100)});
    }
    if (journal) {
        rows.push_back({});
        rows.push_back({"Empreinte du journal", journal->fingerprint, typedCount(journal->typed),
                        journal->when});
    }
    return rows;
}

std::string spreadsheetText(std::string_view text) {
    if (text.empty() || std::string_view("=+-@\t\r").find(text.front()) == std::string_view::npos)
        return std::string(text);
    return "'" + std::string(text);
}

std::string csvField(std::string_view text) {
    if (text.find_first_of(";\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string accountantCsv(const FormModel& form, const Allowance& allowance,
                          const std::optional<JournalWitness>& journal) {
    std::string bytes = "\xEF\xBB\xBF";
    for (const Row& row : accountantCsvRows(form, allowance, journal)) {
        for (std::size_t i = 0; i < row.size(); ++i) bytes += (i ? ";" : "") + csvField(row[i]);
        bytes += "\r\n";
    }
    return bytes;
}

void writeAccountantCsv(const FormModel& form, const Allowance& allowance,
                        const std::string& fileName, const std::optional<JournalWitness>& journal) {
    const std::string bytes = accountantCsv(form, allowance, journal);
    try {
        writeFileAtomically(fileName, bytes);
    } catch (const std::system_error&) {
        throw Error(formatMessage(std::string(kWriteFailure), fileName));
    }
}

}  // namespace vardo
