#include "ledger_fixture.h"

namespace vardo::testing {
namespace {

TEST_F(LedgerTest, CoefficientsAndTheirPercentagesInTheStatusBar) {
    struct Row {
        const char *name, *debAnnee, *finAnnee, *kmPro, *totAnnee, *coefPro, *panel;
    };
    for (const Row& row : {Row{"a third, two decimals", "0", "3000", "1000", "3000",
                               "0,333333333333333", "Coefficient pro : 33,33 %"},
                           Row{"final below start, negative", "20000", "10000", "5000", "-10000",
                               "-0,5", "Coefficient pro : -50 %"}}) {
        set("DebAnnee", row.debAnnee);
        set("FinAnnee", row.finAnnee);
        set("KMProJanv", row.kmPro);
        EXPECT_EQ(text("TotAnnee"), row.totAnnee) << row.name;
        EXPECT_EQ(text("CoefPro"), row.coefPro) << row.name;
        EXPECT_EQ(form.panel(1), row.panel) << row.name;
        EXPECT_EQ(form.panel(2), "Coefficient perso : 0 %") << row.name;
    }
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
