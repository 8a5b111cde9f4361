// The tools count from the readings: figures left stale in the window or in a stored file (a
// year edited outside the program, a recount that never ran) change none of their outputs —
// the allowance, the costs comparison, the chart, and the allowance line of the CSV.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/ledger/ledger_fixture.h"
#include "tools/accountant_csv.h"
#include "tools/costs_comparison.h"
#include "tools/mileage_scale.h"
#include "tools/stored_year.h"
#include "tools/year_chart.h"

namespace vardo {
namespace {

// Everything a tool shows, as one list of lines.
std::vector<std::string> toolOutputs(const FormModel& form) {
    const DerivedYear figures = deriveStoredYear(form);
    std::vector<std::string> shown = mileageAllowance(form, figures, true).lines;
    for (const std::string& line : compareCosts(form, figures, 450000, false).lines)
        shown.push_back(line);
    const YearChart chart = yearChart(form, figures);
    for (int m = 0; m < kMonths; ++m) shown.push_back(monthSummary(chart, m));
    shown.push_back(accountantCsv(form, true));
    return shown;
}

class WrittenFigures : public testing::LedgerTest {
protected:
    // 2025, 5 CV: January 90 km professional and 10 personal, March 150 and 50.
    void enterYear() {
        set("aledComptabilite", "2025");
        set("aledChevaux", "5");
        set("JanvKMIn", "10000");
        ledger.leaveInitialReading(kJanuary);
        day(kJanuary, 1, "10010", "10100");
        day(kMarch, 4, "10150", "10300");
    }

    // The year as a stored file holds it, with text written over every computed field as a
    // stale store or a missed recount leaves it; not over the months' initial readings, which
    // the user may have typed.
    const FormModel& storedWith(const std::string& stale) {
        for (FieldId id = 0; id < kFieldCount; ++id) stored.setText(id, form.text(id));
        ledger.derive().eachField([&](FieldId id, const std::string&) {
            if (!isInitialReading(id)) stored.setText(id, stale);
        });
        return stored;
    }
    FormModel stored;
    static bool isInitialReading(FieldId id) {
        for (int m = 0; m < kMonths; ++m)
            if (id == balanceField(m, Balance::KMIn)) return true;
        return false;
    }
};

TEST_F(WrittenFigures, StaleFiguresChangeNoToolsOutput) {
    enterYear();
    const std::vector<std::string> counted = toolOutputs(form);
    ASSERT_NE(std::find(counted.begin(), counted.end(), "Kilomètres professionnels : 240 km"),
              counted.end());
    for (const char* stale : {"7", "0", "-300", "99999999", "12a"}) {
        SCOPED_TRACE(stale);
        EXPECT_EQ(toolOutputs(storedWith(stale)), counted);
    }
}

TEST_F(WrittenFigures, TheAllowanceCountsAReadingThatNoFigureIncludesYet) {
    enterYear();
    // An evening typed and never left: the written TotPro still says 240.
    form.setText(morningField(kMarch, 5), "10300");
    form.setText(eveningField(kMarch, 5), "10400");
    ASSERT_EQ(text("TotPro"), "240");
    const Allowance allowance = mileageAllowance(form, deriveStoredYear(form), false);
    EXPECT_EQ(allowance.lines.at(2), "Kilomètres professionnels : 340 km");
    EXPECT_EQ(allowance.cents, 21624);  // 340 × 0,636 (5 CV)
}

TEST_F(WrittenFigures, AReadingThatIsNotAFigureNamesItself) {
    enterYear();
    set("MarsS04", "10 300");
    expectError([&] { deriveStoredYear(form); }, "'10 300' n'est pas une valeur entière correcte");
}

}  // namespace
}  // namespace vardo
