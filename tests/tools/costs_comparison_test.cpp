// Real costs against the allowance: the amounts typed, the professional share rounded to the
// cent as the allowance is, the comparison at the scale's bracket edges, and the sentences
// that replace it when a figure is missing.
#include <gtest/gtest.h>

#include "tests/ledger/error_of.h"
#include "tests/tools/year_figures.h"
#include "tools/costs_comparison.h"

namespace vardo {
namespace {

using testing::errorOf;

TEST(ReadEuros, AmountsAsTheUserTypesThem) {
    const struct {
        const char* name;
        const char* text;
        std::int64_t cents;
    } rows[] = {
        {"whole_euros", "4500", 450000},
        {"grouped_with_comma", "4 500,50", 450050},
        {"point_and_one_decimal", "4500.5", 450050},
        {"no_break_space_and_euro_sign", "4\u00a0500,05\u00a0€", 450005},
        {"narrow_no_break_space", "12\u202f345", 1234500},
        {"zero", "0", 0},
        {"largest", "999 999 999,99", 99999999999},
    };
    for (const auto& row : rows) EXPECT_EQ(readEuros(row.text), row.cents) << row.name;
}

TEST(ReadEuros, WhatIsNotAnAmountGivesTheMessage) {
    for (const char* text : {"", "abc", "-5", "4,505", "1,", ",5", "1000000000", "4 500,5 0 x",
                             "1.000,00", "€"}) {
        EXPECT_EQ(errorOf([&] { readEuros(text); }),
                  "« " + std::string(text) + " » n'est pas un montant en euros (par exemple 4 500,00)")
            << text;
    }
}

TEST(ReadEuros, PlainEurosReadsBackToTheSameCents) {
    for (std::int64_t cents : {0LL, 5LL, 450050LL, 123456789LL, 99999999999LL})
        EXPECT_EQ(readEuros(plainEuros(cents)), cents) << cents;
    EXPECT_EQ(plainEuros(450050), "4500,50");
}

using testing::yearFigures;

// A 2025 year with its horsepower; the kilometres are the derivation's (yearFigures).
FormModel& header(FormModel& form, const char* horsepower) {
    form.setText(form.findField("aledComptabilite"), "2025");
    form.setText(form.findField("aledChevaux"), horsepower);
    return form;
}

// The allowances are those of the scale's own table test (5 CV).
TEST(CompareCosts, AtTheBracketEdges) {
    const struct {
        const char* name;
        std::int64_t totPro;
        std::int64_t totAnnee;
        std::int64_t costs;
        bool electric;
        std::int64_t share, allowance;
        const char* verdict;
    } rows[] = {
        {"first_bracket_end", 5000, 10000, 600000, false, 300000, 318000,
         "Le barème dépasse les frais réels (part professionnelle) de 180,00 €."},
        {"second_bracket_start", 5001, 10002, 700000, false, 350000, 318036,
         "Les frais réels (part professionnelle) dépassent le barème de 319,64 €."},
        {"second_bracket_end_equal", 20000, 40000, 1707000, false, 853500, 853500,
         "La part professionnelle des frais réels et le barème sont égaux (8 535,00 €)."},
        {"third_bracket_start_electric", 20001, 30000, 1500000, true, 1000050, 1024851,
         "Le barème dépasse les frais réels (part professionnelle) de 248,01 €."},
        {"half_a_cent_rounds_up", 1, 2, 1, false, 1, 64,
         "Le barème dépasse les frais réels (part professionnelle) de 0,63 €."},
        {"a_third_of_a_cent_rounds_down", 1, 3, 1, false, 0, 64,
         "Le barème dépasse les frais réels (part professionnelle) de 0,64 €."},
        {"largest_costs_full_share", 2000000000, 2000000000, 99999999999, false,
         99999999999, 0, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        FormModel form;
        const CostsComparison result = compareCosts(
            header(form, "5"), yearFigures(row.totPro, row.totAnnee), row.costs, row.electric);
        EXPECT_EQ(result.shareCents, row.share);
        if (!row.verdict) continue;
        EXPECT_EQ(result.allowance.cents, row.allowance);
        ASSERT_GE(result.lines.size(), 2u);
        EXPECT_EQ(result.lines[result.lines.size() - 2], row.verdict);
        EXPECT_TRUE(result.complete());
    }
}

const std::string kReminder =
    "Le choix entre frais réels et barème, et ses conditions, restent à vérifier par vous "
    "auprès de l'administration fiscale ou de votre comptable.";

TEST(CompareCosts, AllTheLines) {
    FormModel form;
    EXPECT_EQ(compareCosts(header(form, "5"), yearFigures(9000, 15000), 450000, false).lines,
              (std::vector<std::string>{
                  "Frais réels de l'année : 4 500,00 €",
                  "Coefficient professionnel : 60,00 %",
                  "Part professionnelle des frais : 2 700,00 €",
                  "Barème kilométrique 2025 : 4 608,00 €",
                  "Le barème dépasse les frais réels (part professionnelle) de 1 908,00 €.",
                  kReminder,
              }));
}

TEST(CompareCosts, AYearWithoutKilometresHasNoShare) {
    FormModel form;
    const CostsComparison result =
        compareCosts(header(form, "5"), yearFigures(0, 0), 450000, false);
    EXPECT_FALSE(result.shareCents);
    EXPECT_FALSE(result.complete());
    EXPECT_EQ(result.lines, (std::vector<std::string>{
                                "Frais réels de l'année : 4 500,00 €",
                                "Barème kilométrique 2025 : 0,00 €",
                                "Le kilométrage total de l'année est nul : la part "
                                "professionnelle des frais ne peut pas être calculée.",
                                kReminder,
                            }));
}

TEST(CompareCosts, WithoutHorsepowerTheAllowancesSentenceStands) {
    FormModel form;
    const CostsComparison result =
        compareCosts(header(form, "0"), yearFigures(9000, 15000), 450000, false);
    EXPECT_FALSE(result.complete());
    EXPECT_EQ(result.lines[result.lines.size() - 2],
              "La puissance fiscale (Chevaux) n'est pas renseignée : l'indemnité ne peut pas être "
              "calculée.");
}

}  // namespace
}  // namespace vardo
