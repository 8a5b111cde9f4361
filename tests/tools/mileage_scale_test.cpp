// The fiscal mileage scale: every band at the edges of its brackets, the electric 20 %, the
// lines of the dialog and the sentences that replace the amount.
#include <gtest/gtest.h>

#include <tuple>

#include "tests/tools/year_figures.h"
#include "tools/mileage_scale.h"

namespace vardo {
namespace {

struct ScaleCase {
    const char* name;
    int horsepower;
    std::int64_t distance;
    bool electric;
    std::int64_t cents;
};
const ScaleCase kCases[] = {
    {"cv3_5000", 3, 5000, false, 264500},   {"cv3_5001", 3, 5001, false, 264532},
    {"cv3_20000", 3, 20000, false, 738500}, {"cv3_20001", 3, 20001, false, 740037},
    {"cv4_5000", 4, 5000, false, 303000},   {"cv4_5001", 4, 5001, false, 303034},
    {"cv4_20000", 4, 20000, false, 813000}, {"cv4_20001", 4, 20001, false, 814041},
    {"cv5_5000", 5, 5000, false, 318000},   {"cv5_5001", 5, 5001, false, 318036},
    {"cv5_20000", 5, 20000, false, 853500}, {"cv5_20001", 5, 20001, false, 854043},
    {"cv6_5000", 6, 5000, false, 332500},   {"cv6_5001", 6, 5001, false, 332737},
    {"cv6_20000", 6, 20000, false, 893700}, {"cv6_20001", 6, 20001, false, 894045},
    {"cv7_5000", 7, 5000, false, 348500},   {"cv7_5001", 7, 5001, false, 348539},
    {"cv7_20000", 7, 20000, false, 939500}, {"cv7_20001", 7, 20001, false, 940047},
    {"cv1_is_3_and_less", 1, 1000, false, 52900},
    {"cv12_is_7_and_more", 12, 1000, false, 69700},
    {"zero_km", 5, 0, false, 0},
    {"electric_first_bracket", 4, 5000, true, 363600},
    {"electric_middle_bracket", 5, 12000, true, 681480},
    {"electric_rounds_half_up", 3, 5001, true, 317438},
    {"electric_last_bracket", 7, 20001, true, 1128056},
};

TEST(ScaleBrackets, AmountInCents) {
    for (const ScaleCase& c : kCases)
        for (const YearScale& scale : fiscalScales())
            EXPECT_EQ(allowanceCents(scale, horsepowerBand(c.horsepower), c.distance, c.electric),
                      c.cents)
                << c.name << " " << scale.year;
}

using testing::yearFigures;

FormModel& header(FormModel& form, const char* year, const char* horsepower) {
    form.setText(form.findField("aledComptabilite"), year);
    form.setText(form.findField("aledChevaux"), horsepower);
    return form;
}

TEST(FiscalScales, PublishedYearsOldestFirst) {
    std::vector<int> years;
    for (const YearScale& scale : fiscalScales()) years.push_back(scale.year);
    EXPECT_EQ(years, (std::vector<int>{2022, 2023, 2024, 2025}));
    const auto yearOf = [](const YearScale* scale) { return scale ? scale->year : 0; };
    EXPECT_EQ(yearOf(scaleFor(2022)), 2022);
    EXPECT_EQ(yearOf(scaleFor(2024)), 2024);
    EXPECT_EQ(yearOf(scaleFor(2031)), 2025);
    EXPECT_EQ(yearOf(scaleFor(std::nullopt)), 2025);
    EXPECT_EQ(scaleFor(2021), nullptr);
}

// The income years 2022 to 2025 were priced by one and the same scale.
TEST(FiscalScales, IncomeYears2022To2025HaveEqualRates) {
    const YearScale& first = fiscalScales().front();
    for (const YearScale& scale : fiscalScales())
        for (int band = 0; band < kHorsepowerBands; ++band) {
            const BandRates& a = first.bands[static_cast<std::size_t>(band)];
            const BandRates& b = scale.bands[static_cast<std::size_t>(band)];
            EXPECT_EQ(std::tie(a.upTo5000, a.upTo20000, a.fixedUpTo20000, a.above20000),
                      std::tie(b.upTo5000, b.upTo20000, b.fixedUpTo20000, b.above20000))
                << scale.year << " " << bandCaption(band);
        }
}

// The accounting year at the edges of the scales: 5 CV, 12 000 km.
struct YearCase {
    const char* name;
    const char* year;
    const char* heading;
    const char* sentence;  // second line, or "" when the year has its own scale
    std::optional<std::int64_t> cents;
};
const char* const kBefore =
    "Aucun barème n'est connu pour l'année comptable %s (Vardo a ceux des années 2022 à 2025) : "
    "l'indemnité ne peut pas être calculée.";
const YearCase kYears[] = {
    {"year_1", "1", "Barème kilométrique des voitures", kBefore, std::nullopt},
    {"year_2021", "2021", "Barème kilométrique des voitures", kBefore, std::nullopt},
    {"year_2022", "2022", "Barème kilométrique 2022 des voitures", "", 567900},
    {"year_2023", "2023", "Barème kilométrique 2023 des voitures", "", 567900},
    {"year_2024", "2024", "Barème kilométrique 2024 des voitures", "", 567900},
    {"year_2025", "2025", "Barème kilométrique 2025 des voitures", "", 567900},
    {"year_2026", "2026", "Barème kilométrique 2025 des voitures",
     "Le barème de l'année comptable 2026 n'est pas encore publié : le plus récent (2025) est "
     "appliqué.",
     567900},
    {"year_9999", "9999", "Barème kilométrique 2025 des voitures",
     "Le barème de l'année comptable 9999 n'est pas encore publié : le plus récent (2025) est "
     "appliqué.",
     567900},
};

TEST(MileageAllowance, ByAccountingYear) {
    for (const YearCase& c : kYears) {
        FormModel form;
        form.setText(form.findField("aledComptabilite"), c.year);
        form.setText(form.findField("aledChevaux"), "5");
        const Allowance allowance = mileageAllowance(form, yearFigures(12000), false);
        EXPECT_EQ(allowance.cents, c.cents) << c.name;
        ASSERT_GE(allowance.lines.size(), 2u) << c.name;
        EXPECT_EQ(allowance.lines.front(), c.heading) << c.name;
        if (!c.cents) {
            std::string sentence = c.sentence;
            sentence.replace(sentence.find("%s"), 2, c.year);
            EXPECT_EQ(allowance.lines.back(), sentence) << c.name;
            EXPECT_EQ(allowance.scaleYear, 0) << c.name;
        } else if (*c.sentence) {
            EXPECT_EQ(allowance.lines[1], c.sentence) << c.name;
            EXPECT_EQ(allowance.lines.back(), "Indemnités kilométriques : 5 679,00 €") << c.name;
        } else {
            EXPECT_EQ(allowance.lines[1], "Puissance fiscale : 5 CV") << c.name;
        }
    }
}

TEST(MileageAllowance, AYearBeforeTheScalesHasNoAmountWhateverElseIsMissing) {
    FormModel form;
    const Allowance allowance = mileageAllowance(header(form, "2019", ""), yearFigures(-5), true);
    EXPECT_EQ(allowance.lines, (std::vector<std::string>{
                                   "Barème kilométrique des voitures",
                                   "Véhicule électrique : oui, +20 %",
                                   "Aucun barème n'est connu pour l'année comptable 2019 (Vardo "
                                   "a ceux des années 2022 à 2025) : l'indemnité ne peut pas être "
                                   "calculée.",
                               }));
}

TEST(MileageAllowance, LinesOfAYearWithItsOwnScale) {
    FormModel form;
    const Allowance allowance = mileageAllowance(header(form, "2025", "5"), yearFigures(12000), false);
    EXPECT_EQ(allowance.lines, (std::vector<std::string>{
                                   "Barème kilométrique 2025 des voitures",
                                   "Puissance fiscale : 5 CV",
                                   "Kilomètres professionnels : 12 000 km",
                                   "Tranche : de 5 001 à 20 000 km",
                                   "Véhicule électrique : non",
                                   "Formule : 12 000 × 0,357 + 1 395 = 5 679,00 €",
                                   "Indemnités kilométriques : 5 679,00 €",
                               }));
    EXPECT_EQ(allowance.cents, 567900);
}

TEST(MileageAllowance, ElectricCarAndAYearWithoutItsOwnScale) {
    FormModel form;
    const Allowance allowance = mileageAllowance(header(form, "2026", "7"), yearFigures(25000), true);
    EXPECT_EQ(allowance.lines, (std::vector<std::string>{
                                   "Barème kilométrique 2025 des voitures",
                                   "Le barème de l'année comptable 2026 n'est pas encore publié : "
                                   "le plus récent (2025) est appliqué.",
                                   "Puissance fiscale : 7 CV et plus",
                                   "Kilomètres professionnels : 25 000 km",
                                   "Tranche : plus de 20 000 km",
                                   "Véhicule électrique : oui, +20 %",
                                   "Formule : 25 000 × 0,470 × 1,2 = 14 100,00 €",
                                   "Indemnités kilométriques : 14 100,00 €",
                               }));
}

struct SentenceCase {
    const char* name;
    const char* horsepower;
    std::int64_t totPro;
    const char* sentence;
};
const SentenceCase kSentences[] = {
    {"empty_horsepower", "", 12000,
     "La puissance fiscale (Chevaux) n'est pas renseignée : l'indemnité ne peut pas être calculée."},
    {"zero_horsepower", "0", 12000,
     "La puissance fiscale (Chevaux) n'est pas renseignée : l'indemnité ne peut pas être calculée."},
    {"horsepower_not_a_number", "5a", 12000,
     "La puissance fiscale (Chevaux) « 5a » n'est pas un nombre de chevaux : l'indemnité ne peut "
     "pas être calculée."},
    {"kilometres_negative", "5", -300,
     "Les kilomètres professionnels de l'année (-300) sont négatifs : l'indemnité ne peut pas être "
     "calculée."},
};

TEST(AllowanceSentences, ReplaceTheAmount) {
    for (const SentenceCase& c : kSentences) {
        FormModel form;
        const Allowance allowance =
            mileageAllowance(header(form, "2024", c.horsepower), yearFigures(c.totPro), false);
        EXPECT_FALSE(allowance.cents) << c.name;
        ASSERT_FALSE(allowance.lines.empty()) << c.name;
        EXPECT_EQ(allowance.lines.back(), c.sentence) << c.name;
        for (const std::string& line : allowance.lines)
            EXPECT_EQ(line.find("€"), std::string::npos) << c.name << ": " << line;
    }
}

TEST(MileageAllowance, AccountingYearMissing) {
    FormModel form;
    const Allowance allowance = mileageAllowance(header(form, "", "4"), yearFigures(100), false);
    EXPECT_EQ(allowance.lines.at(1),
              "L'année comptable n'est pas renseignée : le barème le plus récent (2025) est appliqué.");
}

}  // namespace
}  // namespace vardo
