// The chart's data against the year's derived figures: bars from the month balances, empty
// months without a bar, a month with personal kilometres only, the coefficient so far, and a
// year without kilometres that gives a sentence instead of a division by zero.
#include <gtest/gtest.h>

#include <random>

#include "ledger/numbers.h"
#include "tests/ledger/ledger_fixture.h"
#include "tools/french_format.h"
#include "tools/year_chart.h"

namespace vardo {
namespace {

class YearChartTest : public testing::LedgerTest {
protected:
    // January: 90 km professional, 10 personal. February: nothing. March: one day at home,
    // 150 km personal and none professional. April to December: nothing.
    void enterYear() {
        set("aledComptabilite", "2025");
        set("aledVehicule", "Clio");
        set("JanvKMIn", "10000");
        ledger.leaveInitialReading(0);
        day(0, 1, "10010", "10100");
        set("MarsKMIn", "10100");
        ledger.leaveInitialReading(2);
        day(2, 5, "10250", "10250");
    }
    std::int64_t figure(const std::string& name) { return readFigure(text(name)); }
};

TEST_F(YearChartTest, BarsAreTheMonthBalancesAndEmptyMonthsHaveNone) {
    enterYear();
    const YearChart chart = yearChart(form, ledger.derive());
    EXPECT_EQ(chart.title, "Année comptable 2025 - Clio");
    EXPECT_FALSE(chart.empty());
    EXPECT_EQ(chart.totalKilometres, 250);
    for (int m = 0; m < kMonths; ++m) {
        SCOPED_TRACE(monthInfo(m).caption);
        const std::string code(monthInfo(m).code);
        EXPECT_EQ(chart.months[m].professional, figure(code + "KMPro"));
        EXPECT_EQ(chart.months[m].personal, figure(code + "KMPerso"));
        EXPECT_EQ(chart.months[m].professional, figure("KMPro" + code)) << "as the Bilan shows";
        EXPECT_EQ(chart.months[m].personal, figure("KMPerso" + code));
        EXPECT_EQ(chart.months[m].hasBar, m == 0 || m == 2);
    }
    EXPECT_EQ(chart.months[0].professional, 90);
    EXPECT_EQ(chart.months[0].personal, 10);
    EXPECT_EQ(chart.months[2].professional, 0);  // personal kilometres only
    EXPECT_EQ(chart.months[2].personal, 150);
}

TEST_F(YearChartTest, TheLineIsTheCoefficientSinceJanuary) {
    enterYear();
    const YearChart chart = yearChart(form, ledger.derive());
    const struct {
        const char* name;
        int month;
        std::optional<long double> percent;
    } rows[] = {
        {"january_alone", 0, 90.0L},
        {"february_keeps_january", 1, 90.0L},
        {"march_adds_personal_only", 2, 36.0L},  // 90 / 250
        {"april_after_the_last_month", 3, std::nullopt},
        {"december", 11, std::nullopt},
    };
    for (const auto& row : rows) EXPECT_EQ(chart.months[row.month].cumulatedPercent, row.percent) << row.name;
    // The last point is the year's coefficient as the status bar rounds it.
    EXPECT_EQ(percentText(*chart.months[2].cumulatedPercent),
              twoDecimals(roundTwoDecimals(readDecimal(text("CoefPro"), ',') * 100)) + " %");
}

TEST_F(YearChartTest, LabelsAreTheFrenchShortNames) {
    const YearChart chart = yearChart(form, ledger.derive());
    std::vector<std::string> labels;
    for (const ChartMonth& month : chart.months) labels.push_back(month.label);
    EXPECT_EQ(labels, (std::vector<std::string>{"janv.", "févr.", "mars", "avr.", "mai", "juin",
                                                "juil.", "août", "sept.", "oct.", "nov.", "déc."}));
}

TEST_F(YearChartTest, AYearWithoutKilometresGivesASentenceAndNoPoint) {
    set("aledComptabilite", "2025");
    const YearChart chart = yearChart(form, ledger.derive());
    EXPECT_TRUE(chart.empty());
    EXPECT_EQ(chart.emptySentence,
              "Aucun kilomètre n'est relevé pour cette année : il n'y a rien à représenter.");
    EXPECT_EQ(chart.title, "Année comptable 2025");
    for (const ChartMonth& month : chart.months) {
        EXPECT_FALSE(month.hasBar);
        EXPECT_FALSE(month.cumulatedPercent);
    }
}

// A month's figures as a derivation gives them, apart from any readings.
void setMonth(DerivedYear& figures, int month, std::int32_t professional, std::int32_t personal) {
    figures.months[static_cast<std::size_t>(month)].professionalKm = professional;
    figures.months[static_cast<std::size_t>(month)].personalKm = personal;
}

TEST(YearChartText, SummariesInFrenchFormats) {
    FormModel form;
    DerivedYear figures;
    setMonth(figures, 0, 12345, 1000);
    const YearChart chart = yearChart(form, figures);
    EXPECT_EQ(monthSummary(chart, 0),
              "Janvier\nProfessionnel : 12 345 km\nPersonnel : 1 000 km\nTotal : 13 345 km\n"
              "Coefficient depuis janvier : 92,51 %");
    EXPECT_EQ(monthSummary(chart, 1), "Février\nAucun kilomètre relevé");
}

// Random balances: each bar is its month's figures, the line stays within 0-100 % for
// non-negative figures and ends on the year's professional share.
TEST(YearChartText, RandomBalancesKeepBarsAndLineTrue) {
    FormModel form;
    DerivedYear figures;
    std::mt19937 random(24);
    for (int run = 0; run < 500; ++run) {
        std::int64_t professional = 0, all = 0;
        int first = kMonths, last = -1;
        for (int m = 0; m < kMonths; ++m) {
            const bool used = random() % 3 != 0;
            const int pro = used ? static_cast<int>(random() % 3000) : 0;
            const int perso = used ? static_cast<int>(random() % 3000) : 0;
            setMonth(figures, m, pro, perso);
            professional += pro;
            all += pro + perso;
            if (pro + perso > 0) first = std::min(first, m), last = m;
        }
        const YearChart chart = yearChart(form, figures);
        ASSERT_EQ(chart.empty(), all == 0) << run;
        for (int m = 0; m < kMonths; ++m) {
            const ChartMonth& month = chart.months[m];
            EXPECT_EQ(month.hasBar, month.professional + month.personal > 0) << run;
            if (month.cumulatedPercent) {
                EXPECT_GE(*month.cumulatedPercent, 0) << run;
                EXPECT_LE(*month.cumulatedPercent, 100) << run;
            }
            EXPECT_EQ(month.cumulatedPercent.has_value(), m >= first && m <= last) << run;
        }
        if (last >= 0) {
            EXPECT_EQ(*chart.months[last].cumulatedPercent,
                      roundTwoDecimals(static_cast<long double>(professional) * 100 /
                                       static_cast<long double>(all)))
                << run;
        }
    }
}

}  // namespace
}  // namespace vardo
