// The annual balance text, line by line against a reference built here from the layout tables.
#include <gtest/gtest.h>

#include "reports/report_text.h"

namespace vardo {
namespace {

struct MonthRow {
    const char* code;
    const char* title;
    int days;
    int firstLine;
};
constexpr MonthRow kMonthsTable[] = {
    {"Janv", "JANVIER", 31, 3},   {"Fev", "FEVRIER", 29, 45},   {"Mars", "MARS", 31, 85},
    {"Avril", "AVRIL", 30, 127},  {"Mai", "MAI", 31, 168},      {"Juin", "JUIN", 30, 210},
    {"Juil", "JUILLET", 31, 251}, {"Aout", "AOUT", 31, 293},    {"Sept", "SEPTEMBRE", 30, 335},
    {"Oct", "OCTOBRE", 31, 376},  {"Nov", "NOVEMBRE", 30, 418}, {"Dec", "DECEMBRE", 31, 459},
};

std::string dd(int day) {
    return (day < 10 ? "0" : "") + std::to_string(day);
}

// Fills every field with a text naming it, so that a field read in the wrong place shows.
void fillWithNames(FormModel& form) {
    for (FieldId id = 0; id < form.fieldCount(); ++id) form.setText(id, form.name(id));
}

const std::string& t(const FormModel& form, const std::string& name) {
    return form.text(form.findField(name));
}

// The expected lines, from the layout tables, for either set of labels.
std::vector<std::string> reference(const FormModel& form, bool printed, bool closing) {
    const std::string year = t(form, "aledComptabilite");
    std::vector<std::string> lines{"KILOMETRAGE DE L'ANNEE : " + year,
                                   "Véhicule : " + t(form, "aledVehicule") +
                                       " Année : " + t(form, "aledAnnee") +
                                       " Chevaux : " + t(form, "aledChevaux")};
    for (const MonthRow& month : kMonthsTable) {
        EXPECT_EQ(lines.size() + 1, static_cast<std::size_t>(month.firstLine)) << month.code;
        const std::string m = month.code;
        lines.push_back("KILOMETRAGE DE : " + std::string(month.title) + " " + year);
        for (int day = 1; day <= month.days; ++day) {
            lines.push_back(dd(day) + " | Matin : " + t(form, m + "M" + dd(day)) +
                            " Km | Soir : " + t(form, m + "S" + dd(day)) + " Km");
        }
        lines.insert(lines.end(), {" ", " "});
        lines.push_back("Kilométrage initial  : " + t(form, m + "KMIn") + " Km");
        lines.push_back((printed ? "Kilométrage final   : " : "Kilométrage final    : ") +
                        t(form, m + "KMFin") + " Km");
        lines.push_back((printed ? "Kilométarge total   : " : "Kilométarge total    : ") +
                        t(form, m + "KMTot") + " Km");
        lines.push_back(
            (printed ? "Kilométrage professionnel : " : "Kilométrage professionnel  : ") +
            t(form, m + "KMPro") + " Km");
        lines.push_back("Kilométrage personnel      : " + t(form, m + "KMPerso") + " Km");
        lines.insert(lines.end(), {" ", " ", " "});
    }
    EXPECT_EQ(lines.size(), 500u);
    lines.push_back((printed ? "BILAN KILOMETRAGE ANNUEL : " : "BILAN KILOMETRAGE ANNUEL  : ") +
                    year);
    lines.insert(lines.end(), {" ", " "});
    lines.push_back((printed ? "KILOMETRAGE DEBUT ANNEE : " : "KILOMETRAGE DEBUT ANNEE   : ") +
                    t(form, "DebAnnee") + " Km");
    lines.push_back((printed ? "KILOMETRAGE FIN ANNEE       : " : "KILOMETRAGE FIN ANNEE     : ") +
                    t(form, "FinAnnee") + " Km");
    lines.push_back((printed ? "KILOMETRAGE A REPORTER   : " : "KILOMETRAGE A REPORTER    : ") +
                    t(form, "KmReporter") + " Km");
    lines.push_back((printed ? "KILOMETRAGE TOTAL ANNEE : " : "KILOMETRAGE TOTAL ANNEE   : ") +
                    t(form, "TotAnnee") + " Km");
    lines.push_back("KILOMETRAGE PROFESSIONNEL : " + t(form, "TotPro") + " Km");
    lines.push_back((printed ? "KILOMETRAGE PERSONNEL   : " : "KILOMETRAGE PERSONNEL     : ") +
                    t(form, "TotPerso") + " Km");
    lines.push_back(" ");
    lines.push_back("COEFFICIENT PROFESSIONNEL : " + t(form, "CoefPro"));
    lines.push_back(
        (printed ? "COEFFICIENT PERSONNEL         : " : "COEFFICIENT PERSONNEL     : ") +
        t(form, "CoefPerso"));
    if (closing) {
        lines.insert(lines.end(), {" ", " ", " ",
                                   "Vardo 1.0 - Coefficient d'utilisation professionnelle de "
                                   "véhicule",
                                   " ", " ", " "});
    }
    return lines;
}

TEST(AnnualTextLines, SavedFileMatchesTheLayoutLineByLine) {
    FormModel form;
    fillWithNames(form);
    const auto lines = annualTextLines(form, 2024, savedFileLabels(), true);
    ASSERT_EQ(lines.size(), 519u);
    EXPECT_EQ(lines, reference(form, false, true));
    EXPECT_EQ(lines[515], kFooterLine);
}

TEST(AnnualTextLines, SaveAsStopsAtTheAnnualBlock) {
    FormModel form;
    fillWithNames(form);
    const auto lines = annualTextLines(form, 2024, savedFileLabels(), false);
    ASSERT_EQ(lines.size(), 512u);
    EXPECT_EQ(lines, reference(form, false, false));
}

TEST(AnnualTextLines, AnnualReportUsesTheTenPrintedLabels) {
    FormModel form;
    fillWithNames(form);
    EXPECT_EQ(annualReportLines(form, 2024), reference(form, true, true));
}

TEST(AnnualTextLines, DesignValuesGiveZerosAndEmptyHeaderPlaces) {
    FormModel form;
    const auto lines = annualTextLines(form, 2024, savedFileLabels(), true);
    ASSERT_EQ(lines.size(), 519u);
    EXPECT_EQ(lines[0], "KILOMETRAGE DE L'ANNEE : 0");
    EXPECT_EQ(lines[1], "Véhicule :  Année :  Chevaux : ");
    EXPECT_EQ(lines[2], "KILOMETRAGE DE : JANVIER 0");
    EXPECT_EQ(lines[3], "01 | Matin : 0 Km | Soir : 0 Km");
    // Line 74: 29 February, written even in a year without it.
    EXPECT_EQ(lines[73], "29 | Matin : 0 Km | Soir : 0 Km");
    EXPECT_EQ(lines[74], " ");
    EXPECT_EQ(lines[510], "COEFFICIENT PROFESSIONNEL : 0");
}

// A 29 February typed in a common year stays in its box and out of the text.
TEST(AnnualTextLines, A29FebruaryTheYearHasNotIsLeftOut) {
    FormModel form;
    form.setText(morningField(kFebruary, 29), "5250");
    form.setText(eveningField(kFebruary, 29), "5300");
    struct Row {
        const char* name;
        int year;
        std::size_t saved, printed;
        bool day29;
    };
    for (const Row& row : {Row{"leap year", 2024, 519, 519, true},
                           Row{"common year", 2023, 518, 518, false}}) {
        const auto saved = annualTextLines(form, row.year, savedFileLabels(), true);
        EXPECT_EQ(saved.size(), row.saved) << row.name;
        EXPECT_EQ(annualReportLines(form, row.year).size(), row.printed) << row.name;
        EXPECT_EQ(saved[73] == "29 | Matin : 5250 Km | Soir : 5300 Km", row.day29) << row.name;
        EXPECT_EQ(saved[73] == " ", !row.day29) << row.name;
        const auto february = monthlyReportLines(form, row.year, kFebruary);
        EXPECT_EQ(february.size(), row.day29 ? 46u : 45u) << row.name;
        int rows29 = 0;
        for (const std::string& line : february) rows29 += line.rfind("29 |", 0) == 0;
        EXPECT_EQ(rows29, row.day29 ? 1 : 0) << row.name;
    }
    EXPECT_EQ(form.text(eveningField(kFebruary, 29)), "5300");
}

TEST(AnnualTextLines, LongVehicleNameStaysOnLineTwo) {
    FormModel form;
    const std::string vehicle(100, 'V');
    form.setText(headerField(Header::Vehicule), vehicle);
    form.setText(headerField(Header::Comptabilite), "2004");
    form.setText(morningField(0, 1), "12500");
    form.setText(eveningField(0, 1), "12580");
    const auto lines = annualTextLines(form, 2024, savedFileLabels(), true);
    ASSERT_EQ(lines.size(), 519u);
    EXPECT_EQ(lines[1], "Véhicule : " + vehicle + " Année :  Chevaux : ");
    EXPECT_EQ(lines, reference(form, false, true));
}

}  // namespace
}  // namespace vardo
