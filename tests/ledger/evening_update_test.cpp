#include "ledger_fixture.h"

namespace vardo::testing {
namespace {

struct Balance6 {
    const char *fin, *tot, *perso, *pro, *coPro, *coPerso;
};

class WorkedExample : public LedgerTest, public ::testing::WithParamInterface<char> {
protected:
    WorkedExample() : LedgerTest(GetParam()) {}
    void expectJanuary(const Balance6& b) {
        const std::string sep(1, GetParam());
        auto localized = [&](std::string s) {
            if (auto p = s.find(','); p != std::string::npos) s.replace(p, 1, sep);
            return s;
        };
        EXPECT_EQ(text("JanvKMFin"), b.fin);
        EXPECT_EQ(text("JanvKMTot"), b.tot);
        EXPECT_EQ(text("JanvKMPerso"), b.perso);
        EXPECT_EQ(text("JanvKMPro"), b.pro);
        EXPECT_EQ(text("JanvCoPro"), localized(b.coPro));
        EXPECT_EQ(text("JanvCoPerso"), localized(b.coPerso));
    }
};

TEST_P(WorkedExample, TwoDaysOfJanuary) {
    set("JanvKMIn", "10000");
    day(kJanuary, 1, "10010", "10100");
    expectJanuary({"10100", "100", "10", "90", "0,9", "0,1"});
    for (const char* locked : {"JanvKMIn", "JanvM01", "JanvS01", "JanvKMFin", "JanvKMTot",
                               "JanvKMPerso", "JanvKMPro", "JanvCoPro", "JanvCoPerso"})
        EXPECT_TRUE(readOnly(locked)) << locked;
    EXPECT_FALSE(readOnly("JanvM02"));
    EXPECT_FALSE(readOnly("JanvS02"));

    day(kJanuary, 2, "10130", "10200");
    expectJanuary({"10200", "200", "40", "160", "0,8", "0,2"});
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, WorkedExample, ::testing::Values(',', '.'));

class StrayExits : public LedgerTest {
protected:
    void SetUp() override {
        set("JanvKMIn", "10000");
        day(kJanuary, 1, "10010", "10100");
        day(kJanuary, 2, "10130", "10200");
    }
    void expectUnchanged() {
        EXPECT_EQ(text("JanvKMFin"), "10200");
        EXPECT_EQ(text("JanvKMTot"), "200");
        EXPECT_EQ(text("JanvKMPerso"), "40");
        EXPECT_EQ(text("JanvKMPro"), "160");
        EXPECT_EQ(text("JanvCoPro"), "0,8");
    }
};

// Leaving the same evening again, an earlier day or an empty day's "0" counts nothing twice.
TEST_F(StrayExits, ChangeNothing) {
    for (const int dayNumber : {2, 2, 1, 3, 31}) {
        ledger.leaveEvening(kJanuary, dayNumber);
        expectUnchanged();
    }
    EXPECT_EQ(text("FevKMIn"), "10200") << "the month's final reading, not the empty day's 0";
}

TEST_F(StrayExits, SkippedDayCountsTheGapAsPersonal) {
    day(kJanuary, 4, "10250", "10300");  // day 3 left at "0"
    EXPECT_EQ(text("JanvKMFin"), "10300");
    EXPECT_EQ(text("JanvKMTot"), "300");
    EXPECT_EQ(text("JanvKMPerso"), "90");  // 40 + (10250 - 10200)
    EXPECT_EQ(text("JanvKMPro"), "210");   // 160 + 50
}

TEST_F(LedgerTest, AMonthWithoutAnyEveningWritesNothing) {
    set("MarsKMIn", "20000");
    ledger.leaveEvening(kMarch, 1);
    EXPECT_EQ(text("MarsKMFin"), "0");
    EXPECT_FALSE(readOnly("MarsKMIn")) << "no lock pass either";
}

TEST_F(LedgerTest, MorningAloneChangesNoBalance) {
    set("JanvKMIn", "10000");
    set("JanvM01", "10010");
    EXPECT_EQ(text("JanvKMFin"), "0");
    EXPECT_EQ(text("JanvKMPerso"), "0");
}

// Hand-on of the last evening of a month.
TEST_F(LedgerTest, JanuaryThirtyFirstHandsOnToFebruaryAndLocksIt) {
    set("JanvKMIn", "11000");
    day(kJanuary, 31, "11500", "12000");
    EXPECT_EQ(text("FevKMIn"), "12000");
    EXPECT_EQ(text("KMIniFev"), "12000");
    EXPECT_TRUE(readOnly("FevKMIn"));
}

TEST_F(LedgerTest, DecemberThirtyFirstHandsOnToTheYearsFinalReading) {
    set("DecKMIn", "24000");
    day(kDecember, 31, "24500", "25000");
    EXPECT_EQ(text("DecKMFin"), "25000");
    EXPECT_EQ(text("KMFinDec"), "25000");
    EXPECT_EQ(text("FinAnnee"), "25000");
}

// Failure paths: the exact message, and not one text changed.
TEST_F(LedgerTest, OverflowStopsTheUpdateBeforeAnyWrite) {
    set("JanvKMIn", "-2147483648");
    expectError([&] { day(kJanuary, 1, "0", "2147483647"); }, "Débordement d'entier");
    EXPECT_EQ(text("JanvKMFin"), "0");
    EXPECT_EQ(text("JanvKMTot"), "0");
}

TEST_F(LedgerTest, OverflowInTheRunningSums) {
    // Each day's personal distance is in range, their sum is not.
    set("JanvM01", "-2000000000");
    set("JanvS01", "1");
    set("JanvM02", "-2000000000");
    set("JanvS02", "2");
    expectError([&] { ledger.leaveEvening(kJanuary, 2); }, "Débordement d'entier");
}

// The lock pass covers the whole window.
TEST_F(LedgerTest, LockPassLocksEveryFigureAndTheHeaderButNotZeros) {
    set("aledComptabilite", "0");
    set("JanvKMIn", "10000");
    day(kJanuary, 1, "10010", "10100");
    EXPECT_TRUE(readOnly("aledVehicule")) << "an empty text is not \"0\"";
    EXPECT_TRUE(readOnly("aledAnnee"));
    EXPECT_FALSE(readOnly("aledComptabilite"));
    EXPECT_FALSE(readOnly("JanvM02"));
    EXPECT_TRUE(readOnly("KMFinJanv"));
}

}  // namespace
}  // namespace vardo::testing
