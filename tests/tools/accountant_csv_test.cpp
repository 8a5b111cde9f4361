// The accountant's CSV read back with a CSV reader: its byte layout, a vehicle name with ";"
// and quotes, and its totals against the ledger's own balance over several months, skipped
// days and a month-end crossing.
#include <gtest/gtest.h>

#include <numeric>

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

    Rows exported() {
        const std::string bytes = accountantCsv(form, mileageAllowance(form, false));
        EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
        EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);
        return readCsv(std::string_view(bytes).substr(3));
    }

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

TEST_F(AccountantCsv, TotalsEqualTheLedgersBalance) {
    enterYear();
    const Rows rows = exported();
    std::size_t at = 6;
    std::int64_t yearPro = 0, yearPerso = 0;
    for (int m = 0; m < kMonths; ++m) {
        std::int64_t pro = 0, perso = 0;
        for (; at < rows.size() && rows[at][0].rfind("Total ", 0) != 0; ++at) {
            pro += std::stoll(rows[at][3]);
            perso += std::stoll(rows[at][4]);
        }
        ASSERT_LT(at, rows.size());
        const std::string code(monthInfo(m).code);
        const std::vector<std::string>& total = rows[at++];
        EXPECT_EQ(total[0], "Total " + std::string(monthInfo(m).caption));
        EXPECT_EQ(total[3], text(code + "KMPro")) << code;
        EXPECT_EQ(total[4], text(code + "KMPerso")) << code;
        EXPECT_EQ(std::to_string(pro), total[3]) << code;
        EXPECT_EQ(std::to_string(perso), total[4]) << code;
        yearPro += pro;
        yearPerso += perso;
    }
    EXPECT_EQ(findRow(rows, "Km professionnels")->at(1), text("TotPro"));
    EXPECT_EQ(findRow(rows, "Km personnels")->at(1), text("TotPerso"));
    EXPECT_EQ(findRow(rows, "Km total")->at(1), text("TotAnnee"));
    EXPECT_EQ(std::to_string(yearPro), text("TotPro"));
    EXPECT_EQ(std::to_string(yearPerso), text("TotPerso"));
    EXPECT_EQ(text("TotAnnee"), "700");
    // The status bar's percentages, with a decimal comma and two decimals.
    EXPECT_EQ(form.panel(1), "Coefficient pro : 71,43 %");
    EXPECT_EQ(findRow(rows, "Coefficient professionnel")->at(1), "71,43 %");
    EXPECT_EQ(findRow(rows, "Coefficient personnel")->at(1), "28,57 %");
    EXPECT_EQ(findRow(rows, "Indemnités kilométriques (€)")->at(1), "318,00");
}

TEST_F(AccountantCsv, FailuresNameTheFigure) {
    enterYear();
    set("MarsM02", "10 650");
    expectError([&] { accountantCsv(form, mileageAllowance(form, false)); },
                "'10 650' n'est pas une valeur entière correcte");
    set("aledComptabilite", "0");
    expectError([&] { accountantCsv(form, mileageAllowance(form, false)); },
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

TEST(CsvField, QuotedOnlyWhenNeeded) {
    EXPECT_EQ(csvField("Clio"), "Clio");
    EXPECT_EQ(csvField("a;b"), "\"a;b\"");
    EXPECT_EQ(csvField("dit \"X\""), "\"dit \"\"X\"\"\"");
    EXPECT_EQ(csvField("deux\r\nlignes"), "\"deux\r\nlignes\"");
}

}  // namespace
}  // namespace vardo
