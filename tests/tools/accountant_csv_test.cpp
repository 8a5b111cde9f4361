// The accountant's CSV read back with a CSV reader: its byte layout, a vehicle name with ";"
// and quotes, and its totals against the ledger's own balance over several months, skipped
// days and a month-end crossing.
#include <gtest/gtest.h>

#include <charconv>
#include <numeric>
#include <random>

#include "ledger/numbers.h"
#include "tests/ledger/ledger_fixture.h"
#include "tools/accountant_csv.h"

namespace vardo {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// RFC 4180 with ";" between fields and CRLF between records.
Rows readCsv(std::string_view bytes) {
    Rows rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        std::string& field = rows.back().back();
        if (quoted) {
            if (c != '"') field += c;
            else if (i + 1 < bytes.size() && bytes[i + 1] == '"') field += bytes[++i];
            else quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ';') {
            rows.back().emplace_back();
        } else if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            ++i;
            rows.emplace_back(1);
        } else {
            field += c;
        }
    }
    if (rows.back() == std::vector<std::string>(1)) rows.pop_back();
    return rows;
}

// The file's bytes, checked for their framing, read back.
Rows exportedRows(const FormModel& form) {
    const std::string bytes = accountantCsv(form, false);
    EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);
    return readCsv(std::string_view(bytes).substr(3));
}

const std::string kVehicle = "Peugeot \"308\"; break";

class AccountantCsv : public testing::LedgerTest {
protected:
    // January with a skipped day 2 and its last day handing on to February, a leap February
    // ending on the 29th, March with a skipped day 1.
    void enterYear() {
        set("aledComptabilite", "2024");
        set("aledVehicule", kVehicle);
        set("aledAnnee", "2019");
        set("aledChevaux", "5");
        set("JanvKMIn", "10000");
        ledger.leaveInitialReading(0);
        day(0, 1, "10010", "10100");
        day(0, 3, "10150", "10300");
        day(0, 31, "10320", "10400");
        day(1, 1, "10450", "10500");
        day(1, 29, "10520", "10600");
        day(2, 2, "10650", "10700");
    }

    Rows exported() { return exportedRows(form); }

    static const std::vector<std::string>* findRow(const Rows& rows, const std::string& first) {
        for (const auto& row : rows)
            if (!row.empty() && row[0] == first) return &row;
        return nullptr;
    }
};

TEST_F(AccountantCsv, HeaderBlockAndDayRows) {
    enterYear();
    const Rows rows = exported();
    ASSERT_GE(rows.size(), 6u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"Année comptable", "2024"}));
    EXPECT_EQ(rows[1], (std::vector<std::string>{"Véhicule", kVehicle}));
    EXPECT_EQ(rows[2], (std::vector<std::string>{"Année du véhicule", "2019"}));
    EXPECT_EQ(rows[3], (std::vector<std::string>{"Chevaux", "5"}));
    EXPECT_EQ(rows[5], (std::vector<std::string>{"Date", "Matin", "Soir", "Km professionnels",
                                                 "Km personnels"}));
    // Day 2 skipped: day 3's personal kilometres count from day 1's evening.
    EXPECT_EQ(rows[6], (std::vector<std::string>{"01/01/2024", "10010", "10100", "90", "10"}));
    EXPECT_EQ(rows[7], (std::vector<std::string>{"03/01/2024", "10150", "10300", "150", "50"}));
    // February's first day counts from the initial reading January handed on.
    EXPECT_EQ(*findRow(rows, "01/02/2024"),
              (std::vector<std::string>{"01/02/2024", "10450", "10500", "50", "50"}));
    EXPECT_TRUE(findRow(rows, "29/02/2024"));
    EXPECT_FALSE(findRow(rows, "02/01/2024"));
}

// What a spreadsheet's SUM over a whole column gives: every cell of that column that is a number.
std::int64_t columnSum(const Rows& rows, std::size_t column) {
    std::int64_t sum = 0;
    for (const auto& row : rows) {
        if (row.size() <= column) continue;
        const std::string& cell = row[column];
        long long value = 0;
        const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
        if (error == std::errc() && end == cell.data() + cell.size() && !cell.empty()) sum += value;
    }
    return sum;
}

bool isNumber(const std::string& cell) {
    return !cell.empty() && cell.find_first_not_of("-0123456789") == std::string::npos;
}

TEST_F(AccountantCsv, TheDayTableHoldsDaysOnly) {
    enterYear();
    const Rows rows = exported();
    std::size_t at = 6;
    for (; at < rows.size() && rows[at] != std::vector<std::string>(1); ++at) {
        ASSERT_EQ(rows[at].size(), 5u) << at;
        EXPECT_EQ(rows[at][0].size(), 10u) << rows[at][0];
        EXPECT_EQ(rows[at][0].substr(5), "/2024") << rows[at][0];
    }
    EXPECT_EQ(at, 6u + 6u) << "the six days entered, nothing between them";
    for (const auto& row : rows)
        EXPECT_NE(row[0].rfind("Total", 0), 0u) << "no month total among the days: " << row[0];
}

TEST_F(AccountantCsv, ColumnSumsGiveTheYear) {
    enterYear();
    const Rows rows = exported();
    EXPECT_EQ(std::to_string(columnSum(rows, 3)), text("TotPro"));
    EXPECT_EQ(std::to_string(columnSum(rows, 4)), text("TotPerso"));
    EXPECT_EQ(text("TotPro"), "500");
    EXPECT_EQ(text("TotPerso"), "200");
}

// A reading typed on 29 February of a common year stays in the store and counts nowhere: no
// impossible date in the file, and the columns still add up to the year.
TEST_F(AccountantCsv, NoDayTheYearDoesNotHave) {
    set("aledComptabilite", "2023");
    set("JanvKMIn", "10000");
    ledger.leaveInitialReading(0);
    day(0, 31, "10010", "10100");
    set("FevM29", "10200");
    set("FevS29", "10490");
    day(1, 28, "10150", "10250");
    const Rows rows = exported();
    EXPECT_FALSE(findRow(rows, "29/02/2023"));
    EXPECT_TRUE(findRow(rows, "28/02/2023"));
    EXPECT_EQ(text("FevS29"), "10490");
    EXPECT_EQ(std::to_string(columnSum(rows, 3)), text("TotPro"));
    EXPECT_EQ(std::to_string(columnSum(rows, 4)), text("TotPerso"));
    EXPECT_EQ(text("TotPro"), "190");
}

TEST_F(AccountantCsv, MonthTableBelowTheDays) {
    enterYear();
    const Rows rows = exported();
    const auto* heading = findRow(rows, "Mois");
    ASSERT_TRUE(heading);
    EXPECT_EQ(*heading, (std::vector<std::string>{"Mois", "Km professionnels", "Km personnels"}));
    const std::size_t first = static_cast<std::size_t>(heading - rows.data()) + 1;
    ASSERT_GE(rows.size(), first + kMonths);
    EXPECT_EQ(rows[first - 2], std::vector<std::string>(1)) << "an empty row closes the day table";
    for (int m = 0; m < kMonths; ++m) {
        const std::string code(monthInfo(m).code);
        EXPECT_EQ(rows[first + m], (std::vector<std::string>{std::string(monthInfo(m).caption),
                                                             text(code + "KMPro"),
                                                             text(code + "KMPerso")}))
            << code;
    }
    EXPECT_EQ(rows[first], (std::vector<std::string>{"Janvier", "320", "80"}));
    EXPECT_EQ(rows[first + 11], (std::vector<std::string>{"Décembre", "0", "0"}));
    EXPECT_EQ(rows[first + kMonths], std::vector<std::string>(1));
}

TEST_F(AccountantCsv, AnnualBlockAsOnTheBilanPage) {
    enterYear();
    const Rows rows = exported();
    EXPECT_EQ(findRow(rows, "Km professionnels")->at(1), text("TotPro"));
    EXPECT_EQ(findRow(rows, "Km personnels")->at(1), text("TotPerso"));
    EXPECT_EQ(findRow(rows, "Km total")->at(1), text("TotAnnee"));
    EXPECT_EQ(text("TotAnnee"), "700");
    // The status bar's percentages, with a decimal comma and two decimals.
    EXPECT_EQ(form.panel(1), "Coefficient pro : 71,43 %");
    EXPECT_EQ(findRow(rows, "Coefficient professionnel")->at(1), "71,43 %");
    EXPECT_EQ(findRow(rows, "Coefficient personnel")->at(1), "28,57 %");
    EXPECT_EQ(findRow(rows, "Indemnités kilométriques (€)")->at(1), "318,00");
}

TEST_F(AccountantCsv, LastRowIsTheJournalsFingerprintWhenTheYearKeepsOne) {
    enterYear();
    const std::string fingerprint(64, 'a');
    const struct {
        const char* name;
        std::int64_t typed;
        std::string count;
    } rows[] = {{"thousands grouped", 1284, "1 284 saisies"}, {"one", 1, "1 saisie"},
                {"none", 0, "0 saisie"}};
    for (const auto& row : rows) {
        const std::string bytes = accountantCsv(form, false,
                                                JournalWitness{fingerprint, row.typed,
                                                               "09/12/2026 18:02"});
        const Rows read = readCsv(std::string_view(bytes).substr(3));
        EXPECT_EQ(read.back(), (std::vector<std::string>{"Empreinte du journal", fingerprint,
                                                         row.count, "09/12/2026 18:02"}))
            << row.name;
    }
    EXPECT_EQ(findRow(exported(), "Empreinte du journal"), nullptr) << "no journal, no row";
}

// Random years typed day after day, with skipped days and empty months: the sums of the day
// table's columns are the ledger's year, and its numbers are all the columns hold.
TEST(AccountantCsvRandom, ColumnSumsGiveTheYear) {
    std::mt19937 random(21);
    for (int round = 0; round < 200; ++round) {
        FormModel form;
        Ledger ledger(form, Regional{','}, [] { return toDateTime(2025, 6, 1); });
        form.setText(headerField(Header::Comptabilite), "2025");
        std::int64_t odometer = 1000 + random() % 100000;
        form.setText(balanceField(kJanuary, Balance::KMIn), std::to_string(odometer));
        ledger.leaveInitialReading(kJanuary);
        for (int m = 0; m < kMonths; ++m) {
            if (random() % 4 == 0) continue;  // a month without a day
            for (int d = 1; d <= 28; ++d) {
                if (random() % 3 == 0) continue;
                const std::int64_t morning = odometer + random() % 60;
                odometer = morning + random() % 400;
                form.setText(morningField(m, d), std::to_string(morning));
                form.setText(eveningField(m, d), std::to_string(odometer));
                ledger.leaveEvening(m, d);
            }
        }
        const Rows rows = exportedRows(form);
        ASSERT_EQ(std::to_string(columnSum(rows, 3)), form.text(annualField(Annual::TotPro))) << round;
        ASSERT_EQ(std::to_string(columnSum(rows, 4)), form.text(annualField(Annual::TotPerso)))
            << round;
        for (const auto& row : rows) {
            if (row.size() != 5 || row[0] == "Date") continue;
            ASSERT_TRUE(isNumber(row[1]) && isNumber(row[2]) && isNumber(row[3]) &&
                        isNumber(row[4]))
                << row[0];
        }
    }
}

// The file counts the typed readings: figures left stale in the window or the stored file
// (a year edited outside the program, a recount that never ran) do not reach it.
TEST_F(AccountantCsv, FiguresComeFromTheReadingsNotFromTheWrittenFigures) {
    enterYear();
    const Rows counted = exported();
    for (const char* stale : {"JanvKMPro", "JanvKMPerso", "FevKMIn", "MarsKMPro", "DebAnnee",
                              "FinAnnee", "TotAnnee", "TotPro", "TotPerso", "CoefPro",
                              "CoefPerso"})
        set(stale, "7");
    // Up to the coefficients: the allowance below is worked out from TotPro by its own tool.
    const auto figures = [&](Rows rows) {
        rows.resize(static_cast<std::size_t>(findRow(rows, "Coefficient personnel") - rows.data() + 1));
        return rows;
    };
    EXPECT_EQ(figures(exported()), figures(counted));
    EXPECT_EQ(*findRow(counted, "Janvier"), (std::vector<std::string>{"Janvier", "320", "80"}));
    EXPECT_EQ(*findRow(counted, "01/02/2024"),
              (std::vector<std::string>{"01/02/2024", "10450", "10500", "50", "50"}))
        << "February counts from the reading January hands on, not from the text of FevKMIn";
    EXPECT_EQ(*findRow(counted, "Km initial"), (std::vector<std::string>{"Km initial", "10000"}));
    EXPECT_EQ(*findRow(counted, "Km total"), (std::vector<std::string>{"Km total", "700"}));
}

TEST_F(AccountantCsv, FailuresNameTheFigure) {
    enterYear();
    set("MarsM02", "10 650");
    expectError([&] { accountantCsv(form, false); },
                "'10 650' n'est pas une valeur entière correcte");
    set("aledComptabilite", "0");
    expectError([&] { accountantCsv(form, false); },
                "L'année comptable « 0 » n'est pas une année : les dates du fichier ne peuvent pas "
                "être écrites");
}

TEST_F(AccountantCsv, NoAllowanceRowsWhenItCannotBeComputed) {
    enterYear();
    set("aledChevaux", "");
    const Rows rows = exported();
    EXPECT_FALSE(findRow(rows, "Indemnités kilométriques (€)"));
    EXPECT_EQ(rows.back(), (std::vector<std::string>{"Coefficient personnel", "28,57 %"}));
}

struct TextCase {
    const char* name;
    const char* typed;
    const char* written;
};
const TextCase kTexts[] = {
    {"formula", "=1+1", "'=1+1"},
    {"plus", "+33 6 12", "'+33 6 12"},
    {"minus", "-Clio", "'-Clio"},
    {"at", "@SOMME(A1)", "'@SOMME(A1)"},
    {"tab", "\t=1+1", "'\t=1+1"},
    {"carriage_return", "\r=1+1", "'\r=1+1"},
    {"plain_name", "Clio", "Clio"},
    {"sign_inside", "Clio=1+1", "Clio=1+1"},
    {"space_first", " =1", " =1"},
    {"apostrophe_first", "'Clio", "'Clio"},
    {"digits", "2019", "2019"},
    {"empty", "", ""},
};

TEST(SpreadsheetText, FormulaStartsAreWrittenAsText) {
    for (const TextCase& c : kTexts) EXPECT_EQ(spreadsheetText(c.typed), c.written) << c.name;
}

TEST_F(AccountantCsv, HeaderTextsNeverBecomeFormulas) {
    enterYear();
    set("aledVehicule", "=1+1");
    set("aledAnnee", "+2019");
    set("aledChevaux", "@5");
    const Rows rows = exported();
    EXPECT_EQ(rows[1], (std::vector<std::string>{"Véhicule", "'=1+1"}));
    EXPECT_EQ(rows[2], (std::vector<std::string>{"Année du véhicule", "'+2019"}));
    EXPECT_EQ(rows[3], (std::vector<std::string>{"Chevaux", "'@5"}));
    for (const auto& row : rows)
        for (const std::string& cell : row)
            EXPECT_TRUE(cell.empty() || (cell[0] != '=' && cell[0] != '@' && cell[0] != '+')) << cell;
}

TEST(CsvField, QuotedOnlyWhenNeeded) {
    EXPECT_EQ(csvField("Clio"), "Clio");
    EXPECT_EQ(csvField("a;b"), "\"a;b\"");
    EXPECT_EQ(csvField("dit \"X\""), "\"dit \"\"X\"\"\"");
    EXPECT_EQ(csvField("deux\r\nlignes"), "\"deux\r\nlignes\"");
}

}  // namespace
}  // namespace vardo
