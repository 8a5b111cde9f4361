// The check of the readings: each rule on a small planted year, its exact line, calendar order.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>

#include "ledger/calendar.h"
#include "ledger/dates.h"
#include "ledger/error.h"
#include "ledger/ledger.h"
#include "ledger/year_derivation.h"
#include "tools/field_in_words.h"
#include "tools/reading_checks.h"

namespace vardo {
namespace {

struct CheckCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> fields;  // planted over a clean year
    std::vector<std::string> lines;
};
// Every row starts from January's initial reading 10000 in the accounting year 2025.
const CheckCase kCases[] = {
    {"clean_days", {{"JanvM01", "10010"}, {"JanvS01", "10100"}, {"JanvM02", "10130"}, {"JanvS02", "10200"}},
     {"Aucune anomalie."}},
    {"evening_below_morning", {{"JanvM01", "10010"}, {"JanvS01", "10005"}},
     {"1er janvier, soir : le relevé (10005) est inférieur au relevé du matin (10010)"}},
    {"odometer_back_within_month",
     {{"JanvM01", "10010"}, {"JanvS01", "10100"}, {"JanvM02", "10050"}, {"JanvS02", "10120"}},
     {"2 janvier, matin : le compteur recule : le relevé (10050) est inférieur au relevé du 1er "
      "janvier au soir (10100)"}},
    {"odometer_back_by_one_km",
     {{"JanvM01", "10010"}, {"JanvS01", "10100"}, {"JanvM02", "10099"}, {"JanvS02", "10120"}},
     {"2 janvier, matin : le compteur recule : le relevé (10099) est inférieur au relevé du 1er "
      "janvier au soir (10100)"}},
    {"odometer_back_across_month_end",
     {{"JanvM31", "10010"}, {"JanvS31", "10100"}, {"FevKMIn", "10100"}, {"FevM01", "10090"},
      {"FevS01", "10150"}},
     {"1er février, matin : le compteur recule : le relevé (10090) est inférieur au kilométrage "
      "initial du mois (10100)"}},
    {"first_morning_below_initial_reading", {{"JanvM01", "9990"}, {"JanvS01", "10010"}},
     {"1er janvier, matin : le compteur recule : le relevé (9990) est inférieur au kilométrage "
      "initial du mois (10000)"}},
    {"initial_reading_differs", {{"JanvM01", "10010"}, {"JanvS01", "10100"}, {"FevKMIn", "10200"}},
     {"février, kilométrage initial : 10200 diffère du dernier relevé du soir (10100, le 1er "
      "janvier)"}},
    {"initial_reading_after_an_empty_month",
     {{"JanvM01", "10010"}, {"JanvS01", "10100"}, {"MarsKMIn", "10500"}}, {"Aucune anomalie."}},
    {"half_entered_day",
     {{"JanvM01", "10010"}, {"JanvM02", "10100"}, {"JanvS02", "10200"}},
     {"1er janvier, soir : relevé manquant, alors que le matin est saisi et que des jours suivants "
      "sont remplis"}},
    {"half_entered_before_a_later_month",
     {{"JanvM31", "10010"}, {"FevKMIn", "10000"}, {"FevM01", "10100"}, {"FevS01", "10200"}},
     {"31 janvier, soir : relevé manquant, alors que le matin est saisi et que des jours suivants "
      "sont remplis"}},
    {"day_being_entered", {{"JanvM01", "10010"}, {"JanvS01", "10100"}, {"JanvM02", "10130"}},
     {"Aucune anomalie."}},
    {"evening_without_morning", {{"JanvS01", "10100"}},
     {"1er janvier, matin : relevé manquant, alors que le soir est saisi"}},
    {"day_of_2000_km", {{"JanvM01", "10000"}, {"JanvS01", "12000"}}, {"Aucune anomalie."}},
    {"day_of_2001_km", {{"JanvM01", "10000"}, {"JanvS01", "12001"}},
     {"1er janvier, soir : 2 001 km dans la journée, plus de 2 000 km"}},
    {"gap_of_2000_km", {{"JanvM01", "12000"}, {"JanvS01", "12010"}}, {"Aucune anomalie."}},
    {"gap_of_2001_km", {{"JanvM01", "10010"}, {"JanvS01", "10100"}, {"JanvM02", "12101"}, {"JanvS02", "12110"}},
     {"2 janvier, matin : écart de 2 001 km depuis le relevé du 1er janvier au soir (10100), plus "
      "de 2 000 km"}},
    {"reading_not_a_whole_number", {{"JanvM01", "10 010"}, {"JanvS01", "10100"}},
     {"1er janvier, matin : '10 010' n'est pas une valeur entière correcte"}},
    {"initial_reading_not_a_whole_number", {{"JanvKMIn", "1e4"}},
     {"janvier, kilométrage initial : '1e4' n'est pas une valeur entière correcte"}},
    {"february_29_of_a_common_year", {{"FevM29", "10010"}, {"FevS29", "10020"}},
     {"janvier, kilométrage initial : aucun relevé du soir n'est saisi dans l'année : le total de "
      "l'année va de ce relevé à 0 (-10 000 km)",
      "29 février, matin : l'année 2025 n'a pas de 29 février : ce relevé n'est compté nulle part"}},
    // Counted nowhere, so checked for nothing else either.
    {"february_29_of_a_common_year_going_back", {{"FevS29", "9000"}},
     {"janvier, kilométrage initial : aucun relevé du soir n'est saisi dans l'année : le total de "
      "l'année va de ce relevé à 0 (-10 000 km)",
      "29 février, soir : l'année 2025 n'a pas de 29 février : ce relevé n'est compté nulle part"}},
    {"february_29_of_a_leap_year",
     {{"aledComptabilite", "2024"}, {"FevKMIn", "10000"}, {"FevM29", "10010"}, {"FevS29", "10020"}},
     {"Aucune anomalie."}},
    // The readings the year's figures rest on.
    {"december_initial_zero",
     {{"JanvM01", "10010"}, {"JanvS01", "10100"}, {"DecM01", "10200"}, {"DecS01", "10300"}},
     {"décembre, kilométrage initial : non saisi (0) alors que des jours du mois sont remplis, si "
      "bien que tout le compteur compte en kilomètres personnels"}},
    {"january_initial_never_typed", {{"JanvKMIn", "0"}, {"JanvM01", "10010"}, {"JanvS01", "10100"}},
     {"janvier, kilométrage initial : non saisi (0) alors que des jours du mois sont remplis, si "
      "bien que tout le compteur compte en kilomètres personnels"}},
    {"february_initial_retyped_zero",
     {{"JanvM01", "10010"}, {"JanvS01", "10100"}, {"FevKMIn", "0"}, {"FevM01", "10150"},
      {"FevS01", "10200"}},
     {"février, kilométrage initial : non saisi (0) alors que des jours du mois sont remplis, si "
      "bien que tout le compteur compte en kilomètres personnels"}},
    {"chain_break_after_empty_months",
     {{"JanvM01", "10010"}, {"JanvS01", "11000"}, {"AvrilKMIn", "15000"}, {"AvrilM01", "15010"},
      {"AvrilS01", "15100"}},
     {"avril, kilométrage initial : 15000 diffère du dernier relevé du soir (11000, le 1er "
      "janvier) : 4 000 km ne sont comptés ni en professionnel ni en personnel"}},
    {"chain_going_back",
     {{"JanvM01", "10010"}, {"JanvS01", "10100"}, {"FevKMIn", "10050"}, {"FevM01", "10060"},
      {"FevS01", "10080"}},
     {"février, kilométrage initial : 10050 diffère du dernier relevé du soir (10100, le 1er "
      "janvier) : le compteur recule"}},
    {"chain_from_the_years_first_initial_reading",
     {{"FevKMIn", "10300"}, {"FevM01", "10310"}, {"FevS01", "10400"}},
     {"février, kilométrage initial : 10300 diffère du kilométrage initial de l'année (10000, "
      "janvier) : 300 km ne sont comptés ni en professionnel ni en personnel"}},
    {"chain_kept_across_empty_months",
     {{"JanvM01", "10010"}, {"JanvS01", "11000"}, {"AvrilKMIn", "11000"}, {"AvrilM01", "11010"},
      {"AvrilS01", "11100"}},
     {"Aucune anomalie."}},
    {"initial_reading_without_any_evening", {{"JanvM01", "10010"}},
     {"janvier, kilométrage initial : aucun relevé du soir n'est saisi dans l'année : le total de "
      "l'année va de ce relevé à 0 (-10 000 km)"}},
    {"calendar_order",
     {{"MarsKMIn", "10005"}, {"MarsM03", "10010"}, {"MarsS03", "10000"}, {"JanvM05", "10010"},
      {"JanvS05", "10005"}},
     {"5 janvier, soir : le relevé (10005) est inférieur au relevé du matin (10010)",
      "3 mars, soir : le relevé (10000) est inférieur au relevé du matin (10010)"}},
};

TEST(ReadingChecks, FindsExactlyThePlantedAnomalies) {
    for (const CheckCase& c : kCases) {
        FormModel form;
        form.setText(form.findField("aledComptabilite"), "2025");
        form.setText(form.findField("JanvKMIn"), "10000");
        for (const auto& [name, text] : c.fields) {
            ASSERT_GE(form.findField(name), 0) << name;
            form.setText(form.findField(name), text);
        }
        EXPECT_EQ(anomalyLines(checkReadings(form, calendarYear(form, 2026))), c.lines) << c.name;
    }
}

// The example users were given: a morning and evening typed with one digit too many or too few.
TEST(ReadingChecks, SaysItInTheUsersWords) {
    FormModel form;
    form.setText(form.findField("aledComptabilite"), "2025");
    form.setText(form.findField("JanvKMIn"), "48500");
    form.setText(form.findField("JanvM07"), "48605");
    form.setText(form.findField("JanvS07"), "4873");
    EXPECT_EQ(anomalyLines(checkReadings(form, calendarYear(form, 2026))),
              (std::vector<std::string>{"7 janvier, soir : le relevé (4873) est inférieur au "
                                        "relevé du matin (48605)"}));
}

struct WordsCase {
    const char* name;
    const char* field;
    const char* words;
};
const WordsCase kWords[] = {
    {"first_day", "JanvM01", "1er janvier, matin"},
    {"evening", "JanvS07", "7 janvier, soir"},
    {"leap_day", "FevS29", "29 février, soir"},
    {"accented_month", "AoutM15", "15 août, matin"},
    {"last_day", "DecS31", "31 décembre, soir"},
    {"initial_reading", "FevKMIn", "février, kilométrage initial"},
    {"another_field", "TotPro", "TotPro"},
};

TEST(FieldInWords, AsTheUserKnowsIt) {
    FormModel form;
    for (const WordsCase& c : kWords) EXPECT_EQ(fieldInWords(form.findField(c.field)), c.words) << c.name;
}

TEST(ReadingChecks, AProtectedFieldIsOpenedByCorriger) {
    FormModel form;
    const Anomaly anomaly{2, 5, {form.findField("MarsS05")}, "x"};
    EXPECT_EQ(protectedFieldSentence(anomaly),
              "Le champ « 5 mars, soir » est protégé : le bouton « Corriger » de la page « Mars » "
              "l'ouvre à la saisie.");
}

// Day 29 of February is decided as the ledger decides it: by the accounting year, by today's
// year while the header holds none.
struct LeapDayCase {
    const char* name;
    const char* accountingYear;
    int todayYear;
};
const LeapDayCase kLeapDays[] = {
    {"leap_accounting_year", "2024", 2026},   {"common_accounting_year", "2023", 2024},
    {"no_year_today_leap", "", 2024},          {"no_year_today_common", "", 2026},
    {"not_a_year_today_leap", "20a4", 2028},  {"zero_today_common", "0", 2025},
    {"century_common", "2100", 2024},         {"century_leap", "2000", 2025},
};

TEST(ReadingChecks, Day29DecidedAsTheLedgerDecides) {
    for (const LeapDayCase& c : kLeapDays) {
        FormModel form;
        Ledger ledger(form, Regional{','}, [&] { return toDateTime(c.todayYear, 6, 1); });
        form.setText(form.findField("aledComptabilite"), c.accountingYear);
        form.setText(form.findField("FevKMIn"), "10000");
        form.setText(form.findField("FevM29"), "10010");
        form.setText(form.findField("FevS29"), "10020");
        const std::vector<Anomaly> found = checkReadings(form, ledger.calendarYear());
        EXPECT_EQ(found.empty(), ledger.februaryHasDay29()) << c.name;
    }
}

TEST(ReadingChecksJump, TheFirstFieldIsTheOneToMend) {
    FormModel form;
    form.setText(form.findField("aledComptabilite"), "2025");
    form.setText(form.findField("AvrilKMIn"), "19990");
    form.setText(form.findField("AvrilM10"), "20000");
    form.setText(form.findField("AvrilS10"), "19000");
    const std::vector<Anomaly> found = checkReadings(form, 2025);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].month, 3);
    EXPECT_EQ(found[0].day, 10);
    EXPECT_EQ(form.name(found[0].fields.front()), "AvrilS10");
}

}  // namespace
}  // namespace vardo

namespace vardo {
namespace {

// The typed fields of a year other than "0", for a failure's message.
std::string typedFields(const FormModel& form) {
    std::string listed;
    const auto list = [&](FieldId id) {
        if (!form.isZero(id)) listed += form.name(id) + "=" + form.text(id) + " ";
    };
    for (int m = 0; m < kMonths; ++m) {
        list(balanceField(m, Balance::KMIn));
        for (int d = 1; d <= monthInfo(m).dayRows; ++d) {
            list(morningField(m, d));
            list(eveningField(m, d));
        }
    }
    return listed;
}

// A random year as a careless user might type it: months left empty or filled, initial readings
// left at "0", carried on or typed off the chain, days with a reading missing or going back, a 29
// February in a common year.
void typeRandomYear(FormModel& form, std::mt19937& random, int year) {
    const auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };
    const auto set = [&](FieldId id, std::int64_t value) { form.setText(id, std::to_string(value)); };
    form.setText(headerField(Header::Comptabilite), std::to_string(year));
    std::int64_t odometer = 10000 + random() % 1000;
    const bool initialReadingsOnly = chance(5);  // the year just begun
    for (int m = 0; m < kMonths; ++m) {
        if (chance(15)) odometer += static_cast<std::int64_t>(random() % 3000) - 500;  // a jump
        if (chance(60)) set(balanceField(m, Balance::KMIn), odometer);
        else if (chance(30)) set(balanceField(m, Balance::KMIn), odometer + random() % 400 - 200);
        if (initialReadingsOnly || chance(40)) continue;  // no day typed
        for (int n = 1 + random() % 4; n > 0; --n) {
            const int day = 1 + static_cast<int>(random() % monthInfo(m).dayRows);
            odometer += static_cast<std::int64_t>(random() % 60) - (chance(10) ? 80 : 0);
            if (!chance(10)) set(morningField(m, day), odometer);
            odometer += static_cast<std::int64_t>(random() % 200) - (chance(10) ? 250 : 0);
            if (!chance(10)) set(eveningField(m, day), odometer);
        }
    }
}

// Raised by hand to hunt further (100 000 years found one kind of case unreported, a year with
// initial readings and no evening; none since).
constexpr int kRandomYears = 4000;

// Wherever the year's total parts ways with its professional and personal kilometres, some
// reading it rests on is wrong, and the check must name one.
TEST(ReadingChecks, AYearWhoseTotalIsNotItsTwoPartsAlwaysHasAnAnomaly) {
    std::mt19937 random(20261210);
    int partedWays = 0;
    for (int trial = 0; trial < kRandomYears; ++trial) {
        FormModel form;
        const int year = 2023 + trial % 2;
        typeRandomYear(form, random, year);
        DerivedYear derived;
        try {
            derived = deriveYear(form, year, ',');
        } catch (const Error&) {
            continue;  // a figure that cannot be counted: the check names it in its own way
        }
        if (derived.totalKm == derived.professionalKm + derived.personalKm) continue;
        ++partedWays;
        // The break is between months: the anomaly names a month's initial reading.
        const std::vector<Anomaly> found = checkReadings(form, year);
        const bool named = std::any_of(found.begin(), found.end(), [](const Anomaly& anomaly) {
            for (int m = 0; m < kMonths; ++m)
                if (anomaly.fields.front() == balanceField(m, Balance::KMIn)) return true;
            return false;
        });
        EXPECT_TRUE(named)
            << "total " << derived.totalKm << " = " << derived.professionalKm << " + "
            << derived.personalKm << "? " << typedFields(form);
    }
    EXPECT_GT(partedWays, 200) << "the random years must reach the case";
}

}  // namespace
}  // namespace vardo
