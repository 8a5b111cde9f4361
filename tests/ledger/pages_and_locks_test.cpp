#include "ledger/dates.h"
#include "ledger_fixture.h"

namespace vardo::testing {
namespace {

int checkedNavigationItems(const FormModel& form) {
    int count = 0;
    for (int page = 0; page < kPages; ++page) count += form.checked(navigationItem(page));
    return count;
}

TEST_F(LedgerTest, MonthPageFocusGoesToTheInitialReadingUntilItHoldsOne) {
    EXPECT_EQ(ledger.showMonthPage(kMarch).focus, id("MarsKMIn"));
    set("MarsKMIn", "00");  // "00" is a reading
    EXPECT_EQ(ledger.showMonthPage(kMarch).focus, id("MarsM01"));
}

TEST_F(LedgerTest, ShowingAPageLeavesExactlyItsItemChecked) {
    ledger.showMonthPage(kAugust);
    EXPECT_TRUE(form.checked(form.findMenuItem("Aot1")));
    EXPECT_EQ(checkedNavigationItems(form), 1);
    ledger.showBilanPage();
    EXPECT_TRUE(form.checked(form.findMenuItem("BilanAnnuel1")));
    EXPECT_EQ(checkedNavigationItems(form), 1);
}

TEST_F(LedgerTest, StartPageIsTheLastCheckedItem) {
    EXPECT_EQ(ledger.activePageFromChecks(), 0) << "Janvier1 is checked in the design";
    form.setChecked(form.findMenuItem("Mars1"), true);
    form.setChecked(form.findMenuItem("BilanAnnuel1"), true);
    EXPECT_EQ(ledger.activePageFromChecks(), kBilanPage);
}

TEST_F(LedgerTest, LeavingTheInitialReading) {
    set("JanvKMIn", "12000");
    ledger.leaveInitialReading(kJanuary);
    EXPECT_TRUE(readOnly("JanvKMIn"));
    EXPECT_EQ(text("DebAnnee"), "12000");

    ledger.leaveInitialReading(kMarch);
    EXPECT_FALSE(readOnly("MarsKMIn")) << "\"0\" stays editable";
}

TEST_F(LedgerTest, DesignStateAndTheStartUpUnlockPass) {
    EXPECT_TRUE(readOnly("JanvKMFin"));
    EXPECT_TRUE(readOnly("CoefPro"));
    EXPECT_FALSE(readOnly("JanvKMIn"));
    EXPECT_EQ(text("aledVehicule"), "");
    EXPECT_EQ(text("aledComptabilite"), "0");
    ledger.startupUnlockPass();
    for (FieldId f = 0; f < kFieldCount; ++f) EXPECT_FALSE(form.readOnly(f)) << form.name(f);
}

TEST_F(LedgerTest, AccountingYearDefault) {
    ledger.setAccountingYearDefault(2026);
    EXPECT_EQ(text("aledComptabilite"), "2026");
    ledger.setAccountingYearDefault(2027);
    EXPECT_EQ(text("aledComptabilite"), "2026");
    set("aledComptabilite", "");
    ledger.setAccountingYearDefault(2027);
    EXPECT_EQ(text("aledComptabilite"), "2027");
}

// The correction button.
class Correction : public LedgerTest {
protected:
    void SetUp() override {
        set("aledVehicule", "Fourgon");
        set("JanvKMIn", "10000");
        ledger.leaveInitialReading(kJanuary);
        day(kJanuary, 1, "10010", "10100");
        set("MarsKMIn", "20000");
        day(kMarch, 1, "20010", "20100");
        day(kMarch, 2, "20130", "20200");
    }
};

TEST_F(Correction, EnteringClearsTheBalanceAndOpensEveryField) {
    ledger.pressCorrection(kMarch);
    EXPECT_EQ(form.correctionCaption(kMarch), "&Protéger");
    EXPECT_EQ(form.correctionCaption(kJanuary), "&Corriger");
    for (const char* f : {"MarsKMFin", "MarsKMTot", "MarsKMPro", "MarsKMPerso", "MarsCoPro",
                          "MarsCoPerso", "KMFinMars", "KMProMars"})
        EXPECT_EQ(text(f), "0") << f;
    EXPECT_EQ(text("FinAnnee"), "10100") << "January is now the last month with a final reading";
    EXPECT_EQ(text("TotPerso"), "10") << "March's personal kilometres left the year at once";
    EXPECT_EQ(text("MarsKMIn"), "20000");
    EXPECT_EQ(text("MarsS02"), "20200");
    for (FieldId f = 0; f < kFieldCount; ++f) EXPECT_FALSE(form.readOnly(f)) << form.name(f);
}

TEST_F(Correction, LeavingLocksTheSevenBalanceFieldsOnly) {
    ledger.pressCorrection(kMarch);
    ledger.pressCorrection(kMarch);
    EXPECT_EQ(form.correctionCaption(kMarch), "&Corriger");
    for (const char* f : {"MarsKMIn", "MarsKMFin", "MarsKMTot", "MarsKMPro", "MarsKMPerso",
                          "MarsCoPro", "MarsCoPerso"})
        EXPECT_TRUE(readOnly(f)) << f;
    EXPECT_FALSE(readOnly("MarsM01"));
    EXPECT_FALSE(readOnly("JanvS01"));
}

TEST_F(Correction, OneEveningExitRecountsTheMonthWhole) {
    ledger.pressCorrection(kMarch);
    set("MarsM02", "20140");  // the corrected reading
    ledger.leaveEvening(kMarch, 2);
    EXPECT_EQ(text("MarsKMFin"), "20200");
    EXPECT_EQ(text("MarsKMTot"), "200");
    EXPECT_EQ(text("MarsKMPerso"), "50");
    EXPECT_EQ(text("MarsKMPro"), "150");
    EXPECT_EQ(text("FinAnnee"), "20200");
    EXPECT_EQ(form.correctionCaption(kMarch), "&Protéger");
    EXPECT_TRUE(readOnly("aledVehicule")) << "the lock pass runs in correction mode too";
}

// New year: every text "0", headers included, and only the 140 computed fields locked.
void expectDesignStateWithZeros(const FormModel& form) {
    int computed = 0;
    for (FieldId f = 0; f < kFieldCount; ++f) {
        EXPECT_EQ(form.text(f), "0") << form.name(f);
        EXPECT_EQ(form.readOnly(f), designReadOnly(f)) << form.name(f);
        computed += designReadOnly(f);
    }
    EXPECT_EQ(computed, 140);
}

TEST_F(Correction, NewYearEndsInTheDesignStateWithZeroHeaders) {
    ledger.resetYear();
    expectDesignStateWithZeros(form);
    EXPECT_EQ(form.panel(1), "Coefficient pro : 0 %");
    EXPECT_EQ(form.panel(2), "Coefficient perso : 0 %");
}

TEST_F(LedgerTest, NewYearFromAYearStartedInMarchStillEndsAllZero) {
    set("MarsKMIn", "20000");
    day(kMarch, 1, "20010", "20100");
    set("AvrilKMIn", "20100");
    day(3, 1, "20110", "20300");
    set("DebAnnee", "0");
    ledger.resetYear();
    expectDesignStateWithZeros(form);
}

TEST_F(LedgerTest, NewYearTwiceChangesNothingTheSecondTime) {
    set("JanvKMIn", "10000");
    ledger.leaveInitialReading(kJanuary);
    day(kJanuary, 1, "10010", "10100");
    ledger.resetYear();
    EXPECT_EQ(textChangesDuring([&] { ledger.resetYear(); }), 0);
}

}  // namespace
}  // namespace vardo::testing
