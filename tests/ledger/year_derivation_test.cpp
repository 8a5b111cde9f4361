// The one derivation: every computed text from the typed fields alone.
#include <gtest/gtest.h>

#include "error_of.h"
#include "ledger/error.h"
#include "ledger/year_derivation.h"

namespace vardo {
namespace {

using vardo::testing::errorOf;

class Derivation : public ::testing::Test {
protected:
    void set(FieldId id, const std::string& text) { form.setText(id, text); }
    void day(int month, int d, const std::string& morning, const std::string& evening) {
        set(morningField(month, d), morning);
        set(eveningField(month, d), evening);
    }
    DerivedYear derive(int year = 2026, unsigned cleared = 0) {
        return deriveYear(form, year, ',', cleared);
    }
    FormModel form;
};

TEST_F(Derivation, TwoDaysOfJanuary) {
    set(balanceField(kJanuary, Balance::KMIn), "10000");
    day(kJanuary, 1, "10010", "10100");
    day(kJanuary, 2, "10130", "10200");
    const DerivedYear y = derive();
    const MonthFigures& january = y.months[kJanuary];
    EXPECT_EQ(january.lastDay, 2);
    EXPECT_EQ(january.final, "10200");
    EXPECT_EQ(january.total, "200");
    EXPECT_EQ(january.personal, "40");
    EXPECT_EQ(january.professional, "160");
    EXPECT_EQ(january.coPro, "0,8");
    EXPECT_EQ(january.coPerso, "0,2");
    EXPECT_EQ(y.months[kFebruary].initial, "10200") << "handed on";
    EXPECT_EQ(y.months[kFebruary].final, "0");
    EXPECT_EQ(y.start, "10000");
    EXPECT_EQ(y.end, "10200");
    EXPECT_EQ(y.carriedOver, "10200");
    EXPECT_EQ(y.total, "200");
    EXPECT_EQ(y.professional, "160");
    EXPECT_EQ(y.personal, "40");
    EXPECT_EQ(y.coefPro, "0,8");
    EXPECT_EQ(y.coefPerso, "0,2");
    EXPECT_EQ(y.professionalPanel, "Coefficient pro : 80 %");
    EXPECT_EQ(y.personalPanel, "Coefficient perso : 20 %");
    EXPECT_EQ(*y.text(gridField(kJanuary, GridColumn::KMPro)), "160");
    EXPECT_EQ(*y.text(gridField(kFebruary, GridColumn::KMIni)), "10200");
    EXPECT_EQ(*y.text(annualField(Annual::KmReporter)), "10200");
    EXPECT_EQ(y.text(morningField(kJanuary, 1)), nullptr) << "a reading is typed, not derived";
}

TEST_F(Derivation, ASkippedDayCountsItsGapAsPersonal) {
    set(balanceField(kMarch, Balance::KMIn), "20000");
    day(kMarch, 1, "20010", "20100");
    day(kMarch, 3, "20250", "20300");  // the 2nd left at "0"
    set(morningField(kMarch, 2), "20150");  // a morning without its evening counts nothing
    const MonthFigures march = derive().months[kMarch];
    EXPECT_EQ(march.personal, "160");
    EXPECT_EQ(march.professional, "140");
    EXPECT_EQ(march.total, "300");
}

TEST_F(Derivation, AMonthWithoutRecordedDaysShowsZerosAndHandsNothingOn) {
    set(balanceField(kJanuary, Balance::KMIn), "10000");
    set(balanceField(kFebruary, Balance::KMIn), "10100");
    day(kFebruary, 1, "10150", "10300");
    set(morningField(kJanuary, 1), "10010");  // a morning alone records nothing
    const DerivedYear y = derive();
    for (const std::string* text : {&y.months[kJanuary].final, &y.months[kJanuary].total,
                                    &y.months[kJanuary].professional,
                                    &y.months[kJanuary].personal, &y.months[kJanuary].coPro,
                                    &y.months[kJanuary].coPerso})
        EXPECT_EQ(*text, "0");
    EXPECT_EQ(y.months[kFebruary].initial, "10100") << "as typed";
    EXPECT_EQ(y.professional, "150");
    EXPECT_EQ(y.personal, "50");
    EXPECT_EQ(y.total, "300") << "from January's initial reading: the chain breaks";
}

TEST_F(Derivation, TheYearStartsAtTheFirstInitialReadingAndEndsAtTheLastRecordedMonth) {
    set(balanceField(kMarch, Balance::KMIn), "20000");
    day(kMarch, 1, "20010", "20100");
    set(balanceField(kJune, Balance::KMIn), "21000");  // typed, no day yet
    const DerivedYear y = derive();
    EXPECT_EQ(y.start, "20000");
    EXPECT_EQ(y.months[kApril].initial, "20100");
    EXPECT_EQ(y.end, "20100") << "June has no recorded day";
    EXPECT_EQ(y.total, "100");
    EXPECT_EQ(y.coefPro, "0,9");
}

TEST_F(Derivation, NothingTypedGivesZerosAndNoCoefficient) {
    const DerivedYear y = derive();
    EXPECT_EQ(y.start, "0");
    EXPECT_EQ(y.end, "0");
    EXPECT_EQ(y.total, "0");
    EXPECT_EQ(y.coefPro, "0");
    EXPECT_EQ(y.professionalPanel, "Coefficient pro : 0 %");
    EXPECT_EQ(y.personalPanel, "Coefficient perso : 0 %");
}

TEST_F(Derivation, February29CountsInLeapYearsOnly) {
    set(balanceField(kFebruary, Balance::KMIn), "5000");
    day(kFebruary, 28, "5100", "5200");
    day(kFebruary, 29, "5250", "5300");
    struct Row {
        const char* name;
        int year;
        const char *final, *professional, *marchInitial;
    };
    for (const Row& row : {Row{"leap", 2024, "5300", "150", "5300"},
                           Row{"common", 2025, "5200", "100", "5200"},
                           Row{"century", 1900, "5200", "100", "5200"},
                           Row{"fourth century", 2000, "5300", "150", "5300"}}) {
        const DerivedYear y = derive(row.year);
        EXPECT_EQ(y.months[kFebruary].final, row.final) << row.name;
        EXPECT_EQ(y.months[kFebruary].professional, row.professional) << row.name;
        EXPECT_EQ(y.months[kMarch].initial, row.marchInitial) << row.name;
        EXPECT_EQ(y.year, row.year);
    }
}

TEST_F(Derivation, AClearedMonthCountsAsIfItHadNoDay) {
    set(balanceField(kJanuary, Balance::KMIn), "10000");
    day(kJanuary, 1, "10010", "10100");
    day(kMarch, 1, "20010", "20100");
    set(balanceField(kMarch, Balance::KMIn), "20000");
    set(balanceField(kApril, Balance::KMIn), "20100");
    const DerivedYear y = derive(2026, 1U << kMarch);
    EXPECT_EQ(y.months[kMarch].professional, "0");
    EXPECT_EQ(y.months[kMarch].initial, "20000");
    EXPECT_EQ(y.months[kApril].initial, "20100") << "kept as it stands";
    EXPECT_EQ(y.end, "10100") << "January is the last month that counts";
    EXPECT_EQ(y.personal, "10");
}

TEST_F(Derivation, FailuresCarryTheTextOrTheOverflow) {
    struct Row {
        const char* name;
        FieldId field;
        const char* text;
        const char* message;
    };
    for (const Row& row : {
             Row{"emptied evening", eveningField(kJanuary, 2), "",
                 "'' n'est pas une valeur entière correcte"},
             Row{"letters in a morning", morningField(kJanuary, 1), "1O010",
                 "'1O010' n'est pas une valeur entière correcte"},
             Row{"emptied initial reading", balanceField(kJanuary, Balance::KMIn), "",
                 "'' n'est pas une valeur entière correcte"},
             Row{"day distance out of range", morningField(kJanuary, 1), "-2147483648",
                 "Débordement d'entier"},
         }) {
        FormModel fresh;
        fresh.setText(balanceField(kJanuary, Balance::KMIn), "10000");
        fresh.setText(morningField(kJanuary, 1), "10010");
        fresh.setText(eveningField(kJanuary, 1), "10100");
        fresh.setText(morningField(kJanuary, 2), "10130");
        fresh.setText(eveningField(kJanuary, 2), "10200");
        fresh.setText(row.field, row.text);
        EXPECT_EQ(errorOf([&] { deriveYear(fresh, 2026, ','); }), row.message) << row.name;
    }
}

TEST_F(Derivation, TextsNoFigureRestsOnAreNotRead) {
    set(balanceField(kJanuary, Balance::KMIn), "10000");
    day(kJanuary, 1, "10010", "10100");
    set(morningField(kJanuary, 5), "x");        // its evening is "0"
    set(eveningField(kFebruary, 29), "x");      // a day 2025 has not
    set(gridField(kMarch, GridColumn::KMPro), "x");  // a computed field
    set(annualField(Annual::TotPro), "x");
    const DerivedYear y = derive(2025);
    EXPECT_EQ(y.professional, "90");
    EXPECT_EQ(*y.text(gridField(kMarch, GridColumn::KMPro)), "0");
}

TEST_F(Derivation, EveryComputedFieldIsDerivedOnce) {
    std::vector<int> seen(kFieldCount, 0);
    derive().eachField([&](FieldId id, const std::string&) { ++seen[static_cast<std::size_t>(id)]; });
    int derived = 0;
    for (FieldId f = 0; f < kFieldCount; ++f) {
        const bool initial = form.name(f).ends_with("KMIn");
        EXPECT_EQ(seen[static_cast<std::size_t>(f)], designReadOnly(f) || initial ? 1 : 0)
            << form.name(f);
        derived += seen[static_cast<std::size_t>(f)];
    }
    EXPECT_EQ(derived, 140 + kMonths);
}

}  // namespace
}  // namespace vardo

namespace vardo {
namespace {

// The texts of every field a derivation gives, to compare two of them whole.
std::vector<std::string> textsOf(const DerivedYear& y) {
    std::vector<std::string> texts;
    y.eachField([&](FieldId, const std::string& text) { texts.push_back(text); });
    texts.push_back(y.professionalPanel);
    texts.push_back(y.personalPanel);
    return texts;
}

// A month whose readings did not change, under a new initial reading: brought up to date in
// place, it gives what the count from scratch gives, errors included.
TEST(DerivationInPlace, ANewInitialReadingGivesTheCountFromScratch) {
    struct Row {
        const char* name;
        const char* before;
        const char* after;
        const char* error;
    } rows[] = {
        {"a few kilometres more", "0", "-150", "(no error)"},
        {"the same figure written otherwise", "0", "000", "(no error)"},
        // Day 1's personal distance alone leaves the 32-bit range, though the month's total and
        // its last sum stay in it.
        {"a first day's sum out of range", "0", "-200000000", "Débordement d'entier"},
        {"near the edge and back", "-100000000", "0", "(no error)"},
    };
    for (const Row& row : rows) {
        FormModel form;
        const FieldId initial = balanceField(kMarch, Balance::KMIn);
        form.setText(initial, row.before);
        form.setText(morningField(kMarch, 1), "2000000000");
        form.setText(eveningField(kMarch, 1), "2000000000");
        form.setText(morningField(kMarch, 2), "10");
        form.setText(eveningField(kMarch, 2), "20");
        DerivedYear kept;
        try {
            kept = deriveYear(form, 2026, ',');
        } catch (const Error&) {
            kept = DerivedYear{};  // a first count that fails keeps nothing
        }
        form.setText(initial, row.after);
        EXPECT_EQ(errorOf([&] { deriveYear(form, 2026, ','); }), row.error) << row.name;
        if (kept.coefPro.empty()) continue;
        EXPECT_EQ(errorOf([&] { updateDerivedYear(kept, form, 2026, ',', 0, ~0U); }), row.error)
            << row.name;
        if (std::string(row.error) == "(no error)") {
            EXPECT_EQ(textsOf(kept), textsOf(deriveYear(form, 2026, ','))) << row.name;
        }
    }
}

}  // namespace
}  // namespace vardo
