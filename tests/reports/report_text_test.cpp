// The texts of the monthly and annual reports: line counts, literals, verbatim field texts and
// a form left untouched.
#include "reports/report_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ledger/form_model.h"
#include "recording_surface.h"
#include "reports/text_printer.h"

namespace vardo {
namespace {

const std::string kFooter = "Vardo 1.0 - Coefficient d'utilisation professionnelle de véhicule";

void setHeader(FormModel& form, const std::string& year, const std::string& vehicle,
               const std::string& built, const std::string& horsepower) {
    form.setText(headerField(Header::Comptabilite), year);
    form.setText(headerField(Header::Vehicule), vehicle);
    form.setText(headerField(Header::Annee), built);
    form.setText(headerField(Header::Chevaux), horsepower);
}

// Every month on a form with design values, its last morning read: its length, heading, first
// and last day rows.
TEST(MonthlyReport, EachMonthsLengthHeadingLastDayAndFooter) {
    const struct {
        const char* title;
        int days;
    } months[] = {{"JANVIER", 31},   {"FEVRIER", 28}, {"MARS", 31},      {"AVRIL", 30},
                  {"MAI", 31},       {"JUIN", 30},    {"JUILLET", 31},   {"AOUT", 31},
                  {"SEPTEMBRE", 30}, {"OCTOBRE", 31}, {"NOVEMBRE", 30}, {"DECEMBRE", 31}};
    FormModel form;
    form.setText(headerField(Header::Comptabilite), "2005");  // February without a 29th
    for (int m = 0; m < kMonths; ++m) form.setText(morningField(m, months[m].days), "77");
    for (int m = 0; m < kMonths; ++m) {
        const auto lines = monthlyReportLines(form, 2005, m);
        const std::size_t count = static_cast<std::size_t>(months[m].days) + 17;
        ASSERT_EQ(lines.size(), count) << months[m].title;
        EXPECT_EQ(lines[3], "KILOMETRAGE DE : " + std::string(months[m].title) + " 2005");
        EXPECT_EQ(lines[7], "01 | Matin : 0 Km | Soir : 0 Km");
        EXPECT_EQ(lines[count - 11],
                  std::to_string(months[m].days) + " | Matin : 77 Km | Soir : 0 Km");
        EXPECT_EQ(lines.back(), kFooter);
    }
}

TEST(MonthlyReport, JanuaryExampleLineByLine) {
    FormModel form;
    setHeader(form, "2004", "Fourgon", "1999", "5");
    form.setText(morningField(0, 1), "12000");
    form.setText(eveningField(0, 1), "12045");
    form.setText(balanceField(0, Balance::KMIn), "12000");
    form.setText(balanceField(0, Balance::KMFin), "12045");
    form.setText(balanceField(0, Balance::KMTot), "45");
    form.setText(balanceField(0, Balance::KMPro), "45");
    form.setText(balanceField(0, Balance::KMPerso), "0");
    form.setText(balanceField(0, Balance::CoPro), "1");  // coefficients are not printed

    std::vector<std::string> expected{"", "",
                                      "", "KILOMETRAGE DE : JANVIER 2004",
                                      "", "Véhicule : Fourgon Année : 1999 Chevaux : 5",
                                      ""};
    expected.push_back("01 | Matin : 12000 Km | Soir : 12045 Km");
    for (int day = 2; day <= 31; ++day) {
        expected.push_back((day < 10 ? "0" : "") + std::to_string(day) +
                           " | Matin : 0 Km | Soir : 0 Km");
    }
    expected.insert(expected.end(),
                    {"", "", "Kilométrage initial  : 12000 Km", "Kilométrage final   : 12045 Km",
                     "Kilométarge total   : 45 Km", "Kilométrage professionnel : 45 Km",
                     "Kilométrage personnel      : 0 Km", "", "", kFooter});
    EXPECT_EQ(monthlyReportLines(form, 2024, 0), expected);
}

TEST(MonthlyReport, EmptyFieldsLeaveTheirPlaceEmpty) {
    FormModel form;
    setHeader(form, "", "", "", "");
    form.setText(morningField(3, 2), "");
    form.setText(eveningField(3, 2), "");
    form.setText(balanceField(3, Balance::KMTot), "");
    const auto lines = monthlyReportLines(form, 2024, 3);
    EXPECT_EQ(lines[3], "KILOMETRAGE DE : AVRIL ");
    EXPECT_EQ(lines[5], "Véhicule :  Année :  Chevaux : ");
    EXPECT_EQ(lines[8], "02 | Matin :  Km | Soir :  Km");
    EXPECT_EQ(lines[41], "Kilométarge total   :  Km");
}

TEST(MonthlyReport, HugeAndOddTextsPrintedVerbatim) {
    FormModel form;
    const std::string huge(100000, 'W');
    setHeader(form, "2004", huge, "abcd", "-0");
    form.setText(morningField(6, 14), "12 345,6e7");
    form.setText(balanceField(6, Balance::KMPerso), "99999999999999999999");
    const auto lines = monthlyReportLines(form, 2024, 6);
    ASSERT_EQ(lines.size(), 48u);
    EXPECT_EQ(lines[5], "Véhicule : " + huge + " Année : abcd Chevaux : -0");
    EXPECT_EQ(lines[20], "14 | Matin : 12 345,6e7 Km | Soir : 0 Km");
    EXPECT_EQ(lines[45 - 1], "Kilométrage personnel      : 99999999999999999999 Km");
    EXPECT_EQ(lines.back(), kFooter);
}

// Building a report reads fields and nothing else: no write, no lock, no handler.
class CountingObserver : public FormObserver {
public:
    void textChanged(FieldId, Origin) override { ++changes; }
    void readOnlyChanged(FieldId) override { ++changes; }
    int changes = 0;
};

TEST(ReportsChangeNothing, FieldsAndLocksStayAsTheyWere) {
    FormModel form;
    setHeader(form, "2004", "Fourgon", "1999", "5");
    form.setText(morningField(4, 3), "500");
    form.setReadOnly(morningField(4, 3), true);
    form.setReadOnly(balanceField(4, Balance::KMIn), true);
    std::vector<std::string> texts;
    std::vector<bool> locks;
    for (FieldId id = 0; id < form.fieldCount(); ++id) {
        texts.push_back(form.text(id));
        locks.push_back(form.readOnly(id));
    }
    CountingObserver observer;
    form.addObserver(&observer);
    const auto first = monthlyReportLines(form, 2024, 4);
    const auto year = annualReportLines(form, 2024);
    EXPECT_EQ(monthlyReportLines(form, 2024, 4), first) << "the same month twice gives the same text";
    EXPECT_EQ(annualReportLines(form, 2024), year);
    form.removeObserver(&observer);
    EXPECT_EQ(observer.changes, 0);
    for (FieldId id = 0; id < form.fieldCount(); ++id) {
        EXPECT_EQ(form.text(id), texts[id]) << form.name(id);
        EXPECT_EQ(form.readOnly(id), locks[id]) << form.name(id);
    }
}

// The page limit passed at the break after the footer, or after the last blank line: the new
// page is begun all the same and holds nothing visible.
struct TrailingPageRow {
    const char* name;
    int pageHeight;
    int pagesBegun;
    std::size_t linesOnFirstPage;
};

class AnnualReportTrailingPage : public ::testing::TestWithParam<TrailingPageRow> {};

TEST_P(AnnualReportTrailingPage, LooksEmpty) {
    const TrailingPageRow& row = GetParam();
    FormModel form;
    const auto lines = annualReportLines(form, 2024);
    testing::RecordingSurface surface(100000, row.pageHeight);
    printLines(surface, lines);
    EXPECT_EQ(surface.pages, row.pagesBegun);
    std::size_t onFirst = 0;
    for (const auto& run : surface.runs) {
        if (run.page == 0) {
            ++onFirst;
        } else {
            EXPECT_EQ(run.text, " ") << "nothing visible on the trailing page";
        }
    }
    EXPECT_EQ(onFirst, row.linesOnFirstPage);
}

// Blank lines hold one space: every line is 14 pixels, so line k's break reaches 14 k.
INSTANTIATE_TEST_SUITE_P(Limits, AnnualReportTrailingPage,
                         ::testing::Values(TrailingPageRow{"AfterTheFooter", 7240, 1, 516},
                                           TrailingPageRow{"AfterTheLastBlank", 7290, 1, 519},
                                           TrailingPageRow{"NotPassed", 7300, 0, 519}),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace vardo
