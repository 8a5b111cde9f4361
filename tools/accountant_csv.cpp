#include "tools/accountant_csv.h"

#include <cstdio>

#include "ledger/error.h"
#include "ledger/numbers.h"
#include "persist/atomic_file.h"
#include "persist/form_store.h"
#include "ledger/calendar.h"
#include "ledger/year_derivation.h"
#include "tools/french_format.h"

namespace vardo {
namespace {

using Row = std::vector<std::string>;

// The figures are those of the year's derivation, written with a decimal comma.
constexpr char kCsvDecimalSeparator = ',';

// A reading as typed ("012500") as a plain number.
std::string number(const std::string& reading) { return writeFigure(readFigure(reading)); }

// A coefficient as a percentage, rounded as the status bar rounds it.
std::string percentage(const std::string& coefficient) {
    return twoDecimals(roundTwoDecimals(readDecimal(coefficient, kCsvDecimalSeparator) * 100)) +
           " %";
}

std::string dateText(int month, int day, int year) {
    char text[40];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", day, month + 1, year);
    return text;
}

// The month's recorded days, as its figures count them: a day whose evening holds "0", or that
// the year does not have, is skipped, and the next morning counts its personal kilometres from
// the evening before.
void addDays(const FormModel& form, const DerivedYear& derived, int m, std::vector<Row>& rows) {
    const MonthFigures& month = derived.months[static_cast<std::size_t>(m)];
    eachCountedDay(form, m, month.initial, month.lastDay, [&](const CountedDay& day) {
        rows.push_back({dateText(m, day.day, derived.year), writeFigure(day.morning),
                        writeFigure(day.evening), writeFigure(day.professional),
                        writeFigure(day.personal)});
    });
}

// Each month's balance, in columns of its own: the day table's columns hold days only.
void addMonthTotals(const DerivedYear& derived, std::vector<Row>& rows) {
    rows.push_back({"Mois", "Km professionnels", "Km personnels"});
    for (int m = 0; m < kMonths; ++m) {
        const MonthFigures& month = derived.months[static_cast<std::size_t>(m)];
        rows.push_back({std::string(monthInfo(m).caption), month.professional, month.personal});
    }
}

}  // namespace

std::string accountantCsvName(const FormModel& form) {
    return "vardo_" + form.text(headerField(Header::Comptabilite)) + ".csv";
}

std::vector<Row> accountantCsvRows(const FormModel& form, bool electric,
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
    const DerivedYear derived = deriveYear(form, *year, kCsvDecimalSeparator);
    rows.push_back({"Date", "Matin", "Soir", "Km professionnels", "Km personnels"});
    for (int m = 0; m < kMonths; ++m) addDays(form, derived, m, rows);
    rows.push_back({});
    addMonthTotals(derived, rows);
    rows.push_back({});
    rows.push_back({"Km initial", number(derived.start)});
    rows.push_back({"Km final", number(derived.end)});
    rows.push_back({"Km total", derived.total});
    rows.push_back({"Km professionnels", derived.professional});
    rows.push_back({"Km personnels", derived.personal});
    rows.push_back({"Coefficient professionnel", percentage(derived.coefPro)});
    rows.push_back({"Coefficient personnel", percentage(derived.coefPerso)});
    const Allowance allowance = mileageAllowance(form, derived, electric);
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

std::string accountantCsv(const FormModel& form, bool electric,
                          const std::optional<JournalWitness>& journal) {
    std::string bytes = "\xEF\xBB\xBF";
    for (const Row& row : accountantCsvRows(form, electric, journal)) {
        for (std::size_t i = 0; i < row.size(); ++i) bytes += (i ? ";" : "") + csvField(row[i]);
        bytes += "\r\n";
    }
    return bytes;
}

void writeAccountantCsv(const FormModel& form, bool electric, const std::string& fileName,
                        const std::optional<JournalWitness>& journal) {
    const std::string bytes = accountantCsv(form, electric, journal);
    try {
        writeFileAtomically(fileName, bytes);
    } catch (const std::system_error&) {
        throw Error(formatMessage(std::string(kWriteFailure), fileName));
    }
}

}  // namespace vardo
