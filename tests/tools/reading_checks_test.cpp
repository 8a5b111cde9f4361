// The check of the readings: each rule on a small planted year, its exact line, calendar order.
#include <gtest/gtest.h>

#include <utility>

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
     {"01/01 - JanvS01, JanvM01 : Le relevé du soir (10005) est inférieur à celui du matin (10010)."}},
    {"odometer_back_within_month",
     {{"JanvM01", "10010"}, {"JanvS01", "10100"}, {"JanvM02", "10050"}, {"JanvS02", "10120"}},
     {"02/01 - JanvM02, JanvS01 : Le relevé du matin (10050) est inférieur au relevé du soir du "
      "01/01 (10100) : le compteur recule."}},
    {"odometer_back_by_one_km",
     {{"JanvM01", "10010"}, {"JanvS01", "10100"}, {"JanvM02", "10099"}, {"JanvS02", "10120"}},
     {"02/01 - JanvM02, JanvS01 : Le relevé du matin (10099) est inférieur au relevé du soir du "
      "01/01 (10100) : le compteur recule."}},
    {"odometer_back_across_month_end",
     {{"JanvM31", "10010"}, {"JanvS31", "10100"}, {"FevKMIn", "10100"}, {"FevM01", "10090"},
      {"FevS01", "10150"}},
     {"01/02 - FevM01, JanvS31 : Le relevé du matin (10090) est inférieur au relevé du soir du "
      "31/01 (10100) : le compteur recule."}},
    {"first_morning_below_initial_reading", {{"JanvM01", "9990"}, {"JanvS01", "10010"}},
     {"01/01 - JanvM01, JanvKMIn : Le relevé du matin (9990) est inférieur au kilométrage initial "
      "du mois (10000) : le compteur recule."}},
    {"initial_reading_differs", {{"JanvM01", "10010"}, {"JanvS01", "10100"}, {"FevKMIn", "10200"}},
     {"01/02 - FevKMIn, JanvS01 : Le kilométrage initial (10200) diffère du dernier relevé du soir "
      "du mois précédent (10100, le 01/01)."}},
    {"initial_reading_after_an_empty_month",
     {{"JanvM01", "10010"}, {"JanvS01", "10100"}, {"MarsKMIn", "10500"}}, {"Aucune anomalie."}},
    {"half_entered_day",
     {{"JanvM01", "10010"}, {"JanvM02", "10100"}, {"JanvS02", "10200"}},
     {"01/01 - JanvS01, JanvM01 : Relevé du matin sans relevé du soir, alors que des jours "
      "suivants sont remplis."}},
    {"half_entered_before_a_later_month", {{"JanvM31", "10010"}, {"FevM01", "10100"}, {"FevS01", "10200"}},
     {"31/01 - JanvS31, JanvM31 : Relevé du matin sans relevé du soir, alors que des jours "
      "suivants sont remplis."}},
    {"day_being_entered", {{"JanvM01", "10010"}, {"JanvS01", "10100"}, {"JanvM02", "10130"}},
     {"Aucune anomalie."}},
    {"evening_without_morning", {{"JanvS01", "10100"}},
     {"01/01 - JanvM01, JanvS01 : Relevé du soir sans relevé du matin."}},
    {"day_of_2000_km", {{"JanvM01", "10000"}, {"JanvS01", "12000"}}, {"Aucune anomalie."}},
    {"day_of_2001_km", {{"JanvM01", "10000"}, {"JanvS01", "12001"}},
     {"01/01 - JanvS01, JanvM01 : Distance de la journée de 2 001 km, plus de 2 000 km."}},
    {"gap_of_2000_km", {{"JanvM01", "12000"}, {"JanvS01", "12010"}}, {"Aucune anomalie."}},
    {"gap_of_2001_km", {{"JanvM01", "10010"}, {"JanvS01", "10100"}, {"JanvM02", "12101"}, {"JanvS02", "12110"}},
     {"02/01 - JanvM02, JanvS01 : Écart de 2 001 km depuis le relevé du soir du 01/01 (10100), "
      "plus de 2 000 km."}},
    {"reading_not_a_whole_number", {{"JanvM01", "10 010"}, {"JanvS01", "10100"}},
     {"01/01 - JanvM01 : '10 010' n'est pas une valeur entière correcte."}},
    {"initial_reading_not_a_whole_number", {{"JanvKMIn", "1e4"}},
     {"01/01 - JanvKMIn : '1e4' n'est pas une valeur entière correcte."}},
    {"february_29_of_a_common_year", {{"FevM29", "10010"}, {"FevS29", "10020"}},
     {"29/02 - FevM29 : Relevé au 29 février, jour que l'année comptable 2025 n'a pas."}},
    {"february_29_of_a_leap_year", {{"aledComptabilite", "2024"}, {"FevM29", "10010"}, {"FevS29", "10020"}},
     {"Aucune anomalie."}},
    {"calendar_order",
     {{"MarsM03", "10010"}, {"MarsS03", "10000"}, {"JanvM05", "10010"}, {"JanvS05", "10005"}},
     {"05/01 - JanvS05, JanvM05 : Le relevé du soir (10005) est inférieur à celui du matin (10010).",
      "03/03 - MarsS03, MarsM03 : Le relevé du soir (10000) est inférieur à celui du matin (10010)."}},
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
        EXPECT_EQ(anomalyLines(form, checkReadings(form)), c.lines) << c.name;
    }
}

TEST(ReadingChecksJump, TheFirstFieldIsTheOneToMend) {
    FormModel form;
    form.setText(form.findField("aledComptabilite"), "2025");
    form.setText(form.findField("AvrilM10"), "20000");
    form.setText(form.findField("AvrilS10"), "19000");
    const std::vector<Anomaly> found = checkReadings(form);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].month, 3);
    EXPECT_EQ(found[0].day, 10);
    EXPECT_EQ(form.name(found[0].fields.front()), "AvrilS10");
}

}  // namespace
}  // namespace vardo
