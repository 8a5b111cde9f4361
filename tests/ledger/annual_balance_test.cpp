#include "ledger_fixture.h"

namespace vardo::testing {
namespace {

TEST_F(LedgerTest, CoefficientsAndTheirPercentagesInTheStatusBar) {
    struct Row {
        const char *name, *initial, *morning, *evening, *totAnnee, *coefPro, *proPanel,
            *persoPanel;
    };
    for (const Row& row : {Row{"a third, two decimals", "10000", "12000", "13000", "3000",
                               "0,333333333333333", "Coefficient pro : 33,33 %",
                               "Coefficient perso : 66,67 %"},
                           Row{"final below start, negative", "20000", "9000", "10000", "-10000",
                               "-0,1", "Coefficient pro : -10 %",
                               "Coefficient perso : 110 %"}}) {
        set("JanvKMIn", row.initial);
        day(kJanuary, 1, row.morning, row.evening);
        EXPECT_EQ(text("TotAnnee"), row.totAnnee) << row.name;
        EXPECT_EQ(text("CoefPro"), row.coefPro) << row.name;
        EXPECT_EQ(form.panel(1), row.proPanel) << row.name;
        EXPECT_EQ(form.panel(2), row.persoPanel) << row.name;
    }
}

TEST_F(LedgerTest, StatusPanelsKeepTheirDesignTextsUntilACoefficientChanges) {
    EXPECT_EQ(form.panel(0), "Date :");
    EXPECT_EQ(form.panel(1), "Coefficient pro :");
    EXPECT_EQ(form.panel(2), " Coefficient perso :");
    EXPECT_EQ(form.panel(3), "");
}

TEST_F(LedgerTest, ARecountThatLeavesTheCoefficientsLeavesThePanels) {
    set("JanvKMIn", "23456");
    ledger.leaveInitialReading(kJanuary);
    EXPECT_EQ(text("CoefPro"), "0");
    EXPECT_EQ(form.panel(1), "Coefficient pro :") << "as after a restart with the same year";
    EXPECT_EQ(form.panel(2), " Coefficient perso :");
    day(kJanuary, 1, "23500", "23600");
    EXPECT_EQ(form.panel(1), "Coefficient pro : 69,44 %");
}

TEST_F(LedgerTest, ARestoreWritesThePanelsOnceAtItsEnd) {
    ledger.beginRestore();
    set("CoefPro", "0,8");
    set("CoefPerso", "0,2");
    EXPECT_EQ(form.panel(1), "Coefficient pro :") << "not while the year is loaded";
    ledger.endRestore();
    EXPECT_EQ(form.panel(1), "Coefficient pro : 80 %");
    EXPECT_EQ(form.panel(2), "Coefficient perso : 20 %");
    set("CoefPro", "0,5");
    EXPECT_EQ(form.panel(1), "Coefficient pro : 50 %") << "after it, each change as before";

    ledger.beginRestore();
    set("CoefPro", "n/a");
    EXPECT_NO_THROW(ledger.endRestore());
    EXPECT_EQ(form.panel(1), "Coefficient pro : 50 %") << "a coefficient that is not a number";
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
