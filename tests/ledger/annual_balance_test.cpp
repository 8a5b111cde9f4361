#include "ledger_fixture.h"

namespace vardo::testing {
namespace {

constexpr int kJanuary = 0;

TEST_F(LedgerTest, AThirdShowsTwoDecimalsInTheStatusBar) {
    set("DebAnnee", "0");
    set("FinAnnee", "3000");
    set("KMProJanv", "1000");
    EXPECT_EQ(text("CoefPro"), "0,333333333333333");
    EXPECT_EQ(form.panel(1), "Coefficient pro : 33,33 %");
    EXPECT_EQ(form.panel(2), "Coefficient perso : 0 %");
}

TEST_F(LedgerTest, StatusPanelsKeepTheirDesignTextsUntilACoefficientChanges) {
    EXPECT_EQ(form.panel(0), "Date :");
    EXPECT_EQ(form.panel(1), "Coefficient pro :");
    EXPECT_EQ(form.panel(2), " Coefficient perso :");
    EXPECT_EQ(form.panel(3), "");
}

TEST_F(LedgerTest, PropagationOrderPutsFinalAndPersonalBeforeTheRecomputation) {
    set("JanvKMIn", "10000");
    ledger.leaveInitialReading(kJanuary);
    day(kJanuary, 1, "10010", "10100");
    EXPECT_EQ(text("KmReporter"), "10100") << "FinAnnee was in place before KMProJanv changed";
    EXPECT_EQ(text("TotPerso"), "10") << "KMPersoJanv was in place too";
    EXPECT_EQ(text("CoefPro"), "0,9");
    EXPECT_EQ(text("CoefPerso"), "0,1");
}

TEST_F(LedgerTest, FinalBelowStartGivesNegativeFigures) {
    set("DebAnnee", "20000");
    set("FinAnnee", "10000");
    set("KMProJanv", "5000");
    EXPECT_EQ(text("TotAnnee"), "-10000");
    EXPECT_EQ(text("CoefPro"), "-0,5");
    EXPECT_EQ(form.panel(1), "Coefficient pro : -50 %");
}

TEST_F(LedgerTest, RecomputationFailures) {
    set("FinAnnee", "100");
    expectError([&] { set("DebAnnee", ""); }, "'' n'est pas une valeur entière correcte");
    EXPECT_EQ(text("TotAnnee"), "100") << "a failure on DebAnnee writes nothing";

    set("DebAnnee", "0");
    expectError([&] { set("KMPersoFev", "abc"); }, "'abc' n'est pas une valeur entière correcte");
    expectError([&] { set("KMProJanv", "60"); }, "'abc' n'est pas une valeur entière correcte");
    EXPECT_EQ(text("TotAnnee"), "100") << "a failure on a month's figure comes after these two";
    EXPECT_EQ(text("KmReporter"), "100");
    EXPECT_EQ(text("TotPro"), "0");
}

TEST_F(LedgerTest, UnreadableCoefficientFailsTheStatusBarOnly) {
    expectError([&] { set("CoefPro", "n/a"); },
                "'n/a' n'est pas une valeur en virgule flottante correcte");
    EXPECT_EQ(form.panel(1), "Coefficient pro :");
}

TEST_F(LedgerTest, WritingTheSameTextRunsNothing) {
    EXPECT_EQ(textChangesDuring([&] { set("KMProJanv", "0"); }), 0);
    EXPECT_EQ(text("TotAnnee"), "0");
}

TEST_F(LedgerTest, EveryKeystrokeOfTheInitialReadingReachesTheGrid) {
    const FieldId kmIn = id("AvrilKMIn");
    for (const char* typed : {"1", "12", "123"}) {
        form.setText(kmIn, typed, Origin::Typing);
        EXPECT_EQ(text("KMIniAvril"), typed);
    }
}

}  // namespace
}  // namespace vardo::testing
