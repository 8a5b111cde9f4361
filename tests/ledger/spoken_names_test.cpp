// The names a screen reader says for the fields, and their descriptions.
#include <gtest/gtest.h>

#include <set>

#include "ledger/spoken_names.h"

using namespace vardo;

TEST(SpokenNames, NameEachKindOfField) {
    struct Row {
        const char* name;
        FieldId id;
        std::optional<int> year;
        const char* spoken;
    } rows[] = {
        {"a morning, no year", morningField(kJanuary, 3), std::nullopt, "3 janvier, matin"},
        {"an evening, no year", eveningField(kJanuary, 3), std::nullopt, "3 janvier, soir"},
        {"a Saturday of 2026", morningField(kJanuary, 3), 2026, "samedi 3 janvier, matin"},
        {"the first of the month", eveningField(kMay, 1), 2026, "vendredi 1er mai, soir"},
        {"29 February of a leap year", morningField(kFebruary, 29), 2024, "jeudi 29 février, matin"},
        {"29 February of a common year has no weekday", eveningField(kFebruary, 29), 2025,
         "29 février, soir"},
        {"last day of the year", eveningField(kDecember, 31), 2026, "jeudi 31 décembre, soir"},
        {"a month's initial reading", balanceField(kJanuary, Balance::KMIn), std::nullopt,
         "Janvier, kilométrage initial"},
        {"a month's coefficient", balanceField(kJanuary, Balance::CoPro), 2026, "Janvier, coefficient pro"},
        {"August's personal km", balanceField(kAugust, Balance::KMPerso), std::nullopt,
         "Août, kilométrage perso"},
        {"a cell of the annual grid", gridField(kFebruary, GridColumn::KMPro), std::nullopt,
         "Bilan, février, kilométrage pro"},
        {"the year's total", annualField(Annual::TotAnnee), std::nullopt, "Bilan, total annuel"},
        {"the year's coefficient", annualField(Annual::CoefPro), std::nullopt, "Bilan, coefficient pro"},
        {"accounting year", headerField(Header::Comptabilite), std::nullopt, "Comptabilité"},
        {"vehicle", headerField(Header::Vehicule), std::nullopt, "Véhicule"},
        {"vehicle's year", headerField(Header::Annee), std::nullopt, "Année du véhicule"},
        {"horsepower", headerField(Header::Chevaux), 2026, "Chevaux"},
    };
    for (const Row& row : rows) EXPECT_EQ(spokenName(row.id, row.year), row.spoken) << row.name;
}

TEST(SpokenNames, AllFieldsHaveDistinctNonEmptyNames) {
    for (std::optional<int> year : {std::optional<int>{}, std::optional<int>{2024}, std::optional<int>{2025}}) {
        std::set<std::string> names;
        for (FieldId id = 0; id < kFieldCount; ++id) {
            const std::string name = spokenName(id, year);
            EXPECT_FALSE(name.empty()) << fieldName(id);
            EXPECT_NE(name, fieldName(id)) << "falls back on the stored name";
            names.insert(name);
        }
        EXPECT_EQ(names.size(), static_cast<std::size_t>(kFieldCount)) << (year ? *year : 0);
    }
}

TEST(SpokenNames, ANameOutsideTheFieldsIsRefused) {
    EXPECT_THROW(spokenName(kFieldCount), std::out_of_range);
    EXPECT_THROW(spokenName(-1), std::out_of_range);
}

TEST(SpokenNames, DescriptionSaysComputedOrLocked) {
    struct Row {
        const char* name;
        FieldId id;
        bool readOnly;
        std::string_view description;
    } rows[] = {
        {"an open morning", morningField(kMarch, 3), false, ""},
        {"a locked evening", eveningField(kMarch, 3), true, kLockedDescription},
        {"a locked initial reading", balanceField(kMarch, Balance::KMIn), true, kLockedDescription},
        {"a month's total", balanceField(kMarch, Balance::KMTot), true, kComputedDescription},
        {"a month's coefficient", balanceField(kMarch, Balance::CoPerso), true, kComputedDescription},
        {"a cell of the grid", gridField(kMarch, GridColumn::KMIni), true, kComputedDescription},
        {"the year's coefficient", annualField(Annual::CoefPro), true, kComputedDescription},
        {"an open header", headerField(Header::Vehicule), false, ""},
    };
    for (const Row& row : rows) EXPECT_EQ(spokenDescription(row.id, row.readOnly), row.description) << row.name;
}
