// The ledger recounts the whole year at every trigger and writes only what differs.
#include "ledger_fixture.h"

namespace vardo::testing {
namespace {

class Recount : public LedgerTest {
protected:
    void startMonth(int month, const std::string& reading) {
        form.setText(balanceField(month, Balance::KMIn), reading);
        ledger.leaveInitialReading(month);
    }
};

TEST_F(Recount, AClearedMonthShowsZerosAndLeavesTheYear) {
    startMonth(kJanuary, "10000");
    day(kJanuary, 1, "10010", "10100");
    set("FevKMIn", "10100");
    day(kFebruary, 1, "10150", "10300");
    ASSERT_EQ(text("TotPro"), "240");

    day(kJanuary, 1, "0", "0");  // the only day typed back to nothing
    for (const char* zero : {"JanvKMFin", "JanvKMTot", "JanvKMPro", "JanvKMPerso", "JanvCoPro",
                             "JanvCoPerso", "KMProJanv", "KMFinJanv"})
        EXPECT_EQ(text(zero), "0") << zero;
    EXPECT_EQ(text("TotPro"), "150");
    EXPECT_EQ(text("TotPerso"), "50");
    EXPECT_EQ(text("FevKMIn"), "10100") << "January hands nothing on";
    EXPECT_EQ(text("FinAnnee"), "10300");
}

TEST_F(Recount, LeavingTheYearBoxRecountsFebruary) {
    set("aledComptabilite", "2024");
    startMonth(kFebruary, "5000");
    day(kFebruary, 28, "5100", "5200");
    day(kFebruary, 29, "5250", "5300");
    ASSERT_EQ(text("TotPro"), "150");

    set("aledComptabilite", "2025");
    ledger.leaveField(id("aledComptabilite"));
    EXPECT_EQ(text("FevKMFin"), "5200");
    EXPECT_EQ(text("MarsKMIn"), "5200");
    EXPECT_EQ(text("TotPro"), "100");
    EXPECT_EQ(text("CoefPro"), "0,5");
    EXPECT_EQ(text("FevS29"), "5300") << "kept in its box";
}

TEST_F(Recount, TodaysYearDecidesWhileTheHeaderHoldsNoYear) {
    set("aledComptabilite", "0");
    today = toDateTime(2025, 3, 1);
    startMonth(kFebruary, "5000");
    day(kFebruary, 28, "5100", "5200");
    day(kFebruary, 29, "5250", "5300");
    EXPECT_EQ(text("FevKMFin"), "5200");
    today = toDateTime(2028, 3, 1);
    ledger.leaveEvening(kFebruary, 29);
    EXPECT_EQ(text("FevKMFin"), "5300");
}

TEST_F(Recount, EveryExitOfABoxThatCountsRecounts) {
    struct Row {
        const char* name;
        const char* left;
        bool recounts;
    };
    for (const Row& row : {Row{"evening", "MaiS07", true}, Row{"initial reading", "AoutKMIn", true},
                           Row{"year", "aledComptabilite", true}, Row{"morning", "MaiM07", false},
                           Row{"vehicle", "aledVehicule", false}}) {
        set("JanvKMIn", "10000");
        set("JanvM01", "10010");
        set("JanvS01", "10100");  // typed, not yet counted
        ledger.leaveField(id(row.left));
        EXPECT_EQ(text("JanvKMPro"), row.recounts ? "90" : "0") << row.name;
        set("JanvS01", "0");
        ledger.leaveField(id("JanvS01"));
    }
}

TEST_F(Recount, ARecountWritesOnlyWhatDiffers) {
    startMonth(kJanuary, "10000");
    day(kJanuary, 1, "10010", "10100");
    EXPECT_EQ(textChangesDuring([&] { ledger.leaveEvening(kJanuary, 1); }), 0);
    EXPECT_EQ(textChangesDuring([&] { ledger.recount(); }), 0);
    // A second day changes the month, its grid row and the year, nothing else.
    const int changes = textChangesDuring([&] { day(kJanuary, 2, "10130", "10200"); });
    // The two readings; six balance fields and four of the grid row; FevKMIn and its grid
    // copy; every annual figure but DebAnnee.
    EXPECT_EQ(changes, 2 + 6 + 4 + 2 + 7);
}

TEST_F(Recount, StoredFiguresKeepTheLastWordUntilTheFirstTrigger) {
    set("JanvKMIn", "10000");
    set("JanvM01", "10010");
    set("JanvS01", "10100");
    set("TotPro", "777");  // as an edited store holds it
    ledger.bringUpToDate();
    EXPECT_EQ(text("TotPro"), "777");
    ledger.leaveField(id("aledVehicule"));
    ledger.bringUpToDate();
    EXPECT_EQ(text("TotPro"), "777") << "leaving a box that counts nothing is no change";
    ledger.pressCorrection(kMay);
    ledger.pressCorrection(kMay);
    ledger.bringUpToDate();
    EXPECT_EQ(text("TotPro"), "90");
}

// The correction button.
TEST_F(Recount, ACorrectionShowsZerosUntilTheNextExit) {
    startMonth(kMarch, "20000");
    day(kMarch, 1, "20010", "20100");
    ledger.pressCorrection(kMarch);
    EXPECT_EQ(text("MarsKMPro"), "0");
    EXPECT_EQ(text("TotPro"), "0");
    EXPECT_EQ(text("AvrilKMIn"), "20100") << "kept";
    ledger.leaveEvening(kMarch, 5);
    EXPECT_EQ(text("MarsKMPro"), "90");
    EXPECT_EQ(text("TotPro"), "90");
}

TEST_F(Recount, EndingACorrectionRecounts) {
    startMonth(kMarch, "20000");
    day(kMarch, 1, "20010", "20100");
    ledger.pressCorrection(kMarch);
    ledger.pressCorrection(kMarch);
    EXPECT_EQ(text("MarsKMPro"), "90");
    EXPECT_TRUE(readOnly("MarsKMPro"));
}

TEST_F(Recount, ACorrectionOpensTheBoxesEvenWhenAFigureCannotBeRead) {
    startMonth(kJanuary, "10000");
    day(kJanuary, 1, "10010", "10100");
    set("MarsKMIn", "20000");
    day(kMarch, 1, "20010", "20100");
    set("JanvM01", "1OO10");  // as an edited store holds it
    expectError([&] { ledger.pressCorrection(kMarch); },
                "'1OO10' n'est pas une valeur entière correcte");
    EXPECT_EQ(form.correctionCaption(kMarch), "&Protéger");
    EXPECT_FALSE(readOnly("JanvM01")) << "the box to mend is open";
    EXPECT_EQ(text("MarsKMPro"), "0");
    EXPECT_EQ(text("KMProMars"), "0");
    EXPECT_EQ(text("JanvKMPro"), "90") << "the rest stays as it was";
}

TEST_F(Recount, TheLockPassLeavesAMonthUnderCorrectionOpen) {
    startMonth(kJanuary, "10000");
    day(kJanuary, 1, "10010", "10100");
    set("MarsKMIn", "20000");
    day(kMarch, 1, "20010", "20100");
    ledger.pressCorrection(kMarch);
    day(kMarch, 1, "20020", "20100");
    for (const char* open : {"MarsKMIn", "MarsM01", "MarsS01", "MarsKMPro"})
        EXPECT_FALSE(readOnly(open)) << open;
    for (const char* locked : {"JanvM01", "JanvKMIn", "KMProMars", "AvrilKMIn"})
        EXPECT_TRUE(readOnly(locked)) << locked;
    ledger.pressCorrection(kMarch);
    ledger.leaveEvening(kMarch, 1);
    EXPECT_TRUE(readOnly("MarsM01")) << "protected again";
}

TEST_F(Recount, AFailedRecountChangesNothingAndSaysWhy) {
    startMonth(kJanuary, "10000");
    day(kJanuary, 1, "10010", "10100");
    set("DecM03", "12O00");
    set("DecS03", "12100");
    const int changes = textChangesDuring([&] {
        expectError([&] { ledger.leaveEvening(kDecember, 3); },
                    "'12O00' n'est pas une valeur entière correcte");
    });
    EXPECT_EQ(changes, 0);
}

}  // namespace
}  // namespace vardo::testing
