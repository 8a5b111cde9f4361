// After any update, every figure on screen is the one the readings on screen give: each month
// from its initial reading and its days, each initial reading from the month before, and the
// year from all twelve months.
#include "ledger_fixture.h"

namespace vardo::testing {
namespace {

class FiguresAgree : public LedgerTest {
protected:
    void startMonth(int month, const std::string& reading) {
        form.setText(balanceField(month, Balance::KMIn), reading);
        ledger.leaveInitialReading(month);
    }
    // The year's professional and personal kilometres make up its total.
    void expectYearAddsUp() {
        EXPECT_EQ(std::stoi(text("TotPro")) + std::stoi(text("TotPerso")),
                  std::stoi(text("TotAnnee")));
    }
};

// The annual balance is always current.
TEST_F(FiguresAgree, APersonalOnlyLastDayReachesTheYearAtOnce) {
    startMonth(kJanuary, "10000");
    day(kJanuary, 1, "10010", "10100");
    day(kJanuary, 2, "10150", "10150");  // personal kilometres only
    EXPECT_EQ(text("TotAnnee"), "150");
    EXPECT_EQ(text("TotPerso"), "60");
    EXPECT_EQ(text("TotPro"), "90");
    EXPECT_EQ(text("CoefPro"), "0,6");
    EXPECT_EQ(text("CoefPerso"), "0,4");
    EXPECT_EQ(form.panel(1), "Coefficient pro : 60 %");
    EXPECT_EQ(form.panel(2), "Coefficient perso : 40 %");
}

TEST_F(FiguresAgree, StoredAnnualFiguresHaveTheLastWordAtStartUp) {
    set("JanvKMPro", "90");
    set("JanvKMPerso", "10");
    set("CoefPro", "0,5");  // as an edited store holds them
    set("CoefPerso", "0,5");
    set("DebAnnee", "10000");
    set("FinAnnee", "10100");
    ledger.bringUpToDate();
    EXPECT_EQ(text("CoefPro"), "0,5");
    EXPECT_EQ(form.panel(1), "Coefficient pro : 50 %");
}

// FinAnnee is the year's last recorded reading, in calendar order.
TEST_F(FiguresAgree, CorrectingMarchAfterDecemberKeepsDecembersFinalReading) {
    startMonth(kDecember, "24000");
    day(kDecember, 1, "24100", "24200");
    startMonth(kMarch, "12000");
    day(kMarch, 1, "12000", "12100");
    EXPECT_EQ(text("FinAnnee"), "24200");
    EXPECT_EQ(text("KmReporter"), "24200");
    ledger.pressCorrection(kDecember);
    EXPECT_EQ(text("FinAnnee"), "12100") << "March is now the last month with a reading";
    ledger.pressCorrection(kMarch);
    EXPECT_EQ(text("FinAnnee"), "0");
}

// DebAnnee is the year's first initial reading.
TEST_F(FiguresAgree, ALogStartedInMarchCountsFromMarch) {
    startMonth(kMarch, "20000");
    EXPECT_EQ(text("DebAnnee"), "20000");
    day(kMarch, 1, "20010", "20100");
    EXPECT_EQ(text("TotAnnee"), "100");
    EXPECT_EQ(text("CoefPro"), "0,9");
    startMonth(kJanuary, "0");
    EXPECT_EQ(text("DebAnnee"), "20000") << "January's \"0\" is no reading";
    startMonth(kJanuary, "19000");
    EXPECT_EQ(text("DebAnnee"), "19000");
}

// Each month starts where the previous one ended.
TEST_F(FiguresAgree, AnUndrivenLastDayStillHandsTheMonthOn) {
    startMonth(kJanuary, "10000");
    day(kJanuary, 1, "10010", "10100");
    day(kJanuary, 30, "10150", "10200");  // the 31st a Sunday
    EXPECT_EQ(text("FevKMIn"), "10200");
    EXPECT_TRUE(readOnly("FevKMIn"));
    day(kFebruary, 1, "10210", "10300");
    EXPECT_EQ(text("FevKMTot"), "100");
    EXPECT_EQ(text("FevKMPerso"), "10");
    EXPECT_EQ(text("FevCoPerso"), "0,1");
    EXPECT_EQ(text("TotAnnee"), "300");
    expectYearAddsUp();
}

TEST_F(FiguresAgree, AJanuaryDayAddedAfterFebruaryRecountsFebruaryOnly) {
    startMonth(kJanuary, "10000");
    day(kJanuary, 1, "10010", "10100");
    day(kFebruary, 1, "10300", "10400");  // counts January's missing day as personal
    set("MarsKMIn", "10400");
    day(kMarch, 1, "10400", "10500");
    EXPECT_EQ(text("FevKMPerso"), "200");

    day(kJanuary, 2, "10150", "10300");
    EXPECT_EQ(text("FevKMIn"), "10300");
    EXPECT_EQ(text("FevKMTot"), "100");
    EXPECT_EQ(text("FevKMPerso"), "0");
    EXPECT_EQ(text("FevKMPro"), "100");
    EXPECT_EQ(text("FevCoPro"), "1");
    EXPECT_EQ(text("MarsKMIn"), "10400") << "February's final reading did not move";
    EXPECT_EQ(text("TotAnnee"), "500");
    EXPECT_EQ(text("TotPro"), "440");
    expectYearAddsUp();
}

TEST_F(FiguresAgree, FebruaryHandsOnFromDay28ThenDay29AndLeaving28AgainKeeps29) {
    set("aledComptabilite", "2024");
    startMonth(kFebruary, "5000");
    day(kFebruary, 28, "5100", "5200");
    EXPECT_EQ(text("MarsKMIn"), "5200");
    day(kFebruary, 29, "5250", "5300");
    EXPECT_EQ(text("MarsKMIn"), "5300");
    ledger.leaveEvening(kFebruary, 28);
    EXPECT_EQ(text("MarsKMIn"), "5300");
    EXPECT_EQ(text("FevKMFin"), "5300");
}

TEST_F(FiguresAgree, TypingTheInitialReadingOfACountedMonthRecountsIt) {
    day(kMarch, 1, "20010", "20100");  // counted from an initial reading of "0"
    EXPECT_EQ(text("MarsKMPerso"), "20010");
    startMonth(kMarch, "20000");
    EXPECT_EQ(text("MarsKMTot"), "100");
    EXPECT_EQ(text("MarsKMPerso"), "10");
    EXPECT_EQ(text("MarsCoPro"), "0,9");
    EXPECT_EQ(text("DebAnnee"), "20000");
    EXPECT_EQ(text("TotAnnee"), "100");
}

// A total of 0 is no error: there is no coefficient yet.
TEST_F(FiguresAgree, AFirstDayWithoutMovementGoesToTheEnd) {
    startMonth(kMarch, "20000");
    day(kMarch, 1, "20000", "20000");
    EXPECT_EQ(text("MarsKMTot"), "0");
    EXPECT_EQ(text("MarsCoPro"), "0");
    EXPECT_EQ(text("MarsCoPerso"), "0");
    EXPECT_EQ(text("AvrilKMIn"), "20000") << "handed on";
    EXPECT_TRUE(readOnly("MarsS01")) << "locked";
    EXPECT_EQ(text("TotAnnee"), "0");
    EXPECT_EQ(text("CoefPro"), "0");
    day(kMarch, 2, "20000", "20080");
    EXPECT_EQ(text("MarsCoPro"), "1");
    EXPECT_EQ(text("CoefPro"), "1");
}

// A failed update changes nothing.
class FailedUpdate : public FiguresAgree {
protected:
    // Every field text and status panel.
    std::vector<std::string> everyText() const {
        std::vector<std::string> texts;
        for (FieldId f = 0; f < kFieldCount; ++f) texts.push_back(form.text(f));
        for (int panel = 0; panel < kStatusPanels; ++panel) texts.push_back(form.panel(panel));
        return texts;
    }
    void SetUp() override {
        startMonth(kJanuary, "10000");
        day(kJanuary, 1, "10010", "10100");
        day(kJanuary, 2, "10130", "10200");
        day(kFebruary, 1, "10210", "10300");
    }
};

TEST_F(FailedUpdate, AnUnreadableFigureLeavesEveryTextAsItWas) {
    struct Row {
        const char *name, *field, *spoilt;
        int month, day;  // day 0: leaving the month's initial reading
        const char* message;
    };
    for (const Row& row : {
             Row{"emptied evening", "JanvS02", "", kJanuary, 2, "''"},
             Row{"emptied morning", "JanvM01", "", kJanuary, 2, "''"},
             Row{"emptied initial reading", "JanvKMIn", "", kJanuary, 0, "''"},
             Row{"next month spoilt", "FevM01", "1O210", kJanuary, 2, "'1O210'"},
         }) {
        const std::string kept = text(row.field);
        try {
            form.setText(id(row.field), row.spoilt, Origin::Typing);
        } catch (const Error&) {
            // A spoilt annual figure already fails the recomputation its typing fires.
        }
        set("JanvS02", row.field == std::string("JanvS02") ? "" : "10250");  // a new reading
        const std::vector<std::string> before = everyText();
        expectError(
            [&] {
                if (row.day == 0) ledger.leaveInitialReading(row.month);
                else ledger.leaveEvening(row.month, row.day);
            },
            std::string(row.message) + " n'est pas une valeur entière correcte");
        EXPECT_EQ(everyText(), before) << row.name;
        EXPECT_EQ(text("JanvKMTot"), "200") << row.name;
        set(row.field, kept);
        set("JanvS02", "10200");
    }
}

// February's day 29 follows the ledger's own year.
TEST_F(FiguresAgree, FebruaryRow29FollowsTheAccountingYear) {
    struct Row {
        const char* comptabilite;
        int todayYear;
        bool shown;
    };
    for (const Row& row : {Row{"2024", 2025, true}, Row{"2025", 2024, false},
                           Row{"2000", 2025, true}, Row{"1900", 2024, false},
                           Row{"0", 2024, true}, Row{"", 2025, false}, Row{"abc", 2024, true},
                           Row{"10000", 2025, false}, Row{"-4", 2024, true}}) {
        set("aledComptabilite", row.comptabilite);
        today = toDateTime(row.todayYear, 12, 9) + 0.75;
        EXPECT_EQ(ledger.showMonthPage(kFebruary).day29Visible, row.shown)
            << row.comptabilite << " today in " << row.todayYear;
        EXPECT_TRUE(ledger.showMonthPage(kJanuary).day29Visible);
    }
}

TEST_F(FiguresAgree, AHiddenDay29IsNotCountedButKept) {
    set("aledComptabilite", "2025");
    set("FevM29", "5250");  // a stray reading from an edited store
    set("FevS29", "5300");
    startMonth(kFebruary, "5000");
    day(kFebruary, 28, "5100", "5200");
    EXPECT_EQ(text("FevKMFin"), "5200");
    EXPECT_EQ(text("MarsKMIn"), "5200");
    EXPECT_EQ(text("FevKMPro"), "100");
    EXPECT_EQ(text("FevS29"), "5300");
}

}  // namespace
}  // namespace vardo::testing
