#pragma once
// The texts the program prints and saves, one string per line (UTF-8, no line ends), built from
// the fields' current texts verbatim: the monthly report, and the annual balance text that the
// save commands write to a file and the annual report prints with ten labels spaced differently.
// Building them changes no field.
#include <string>
#include <string_view>
#include <vector>

#include "ledger/form_model.h"
#include "ledger/version.h"

namespace vardo {

inline constexpr std::string_view kFooterLine = kProgramCaption;

inline constexpr int kAnnualTextLines = 519;         // with the closing block (save command)
inline constexpr int kAnnualTextLinesNoClose = 512;  // without it (save-as command)

// The ten labels, each with its blanks and colon, that the saved file and the printed report
// space differently.
struct AnnualLabels {
    std::string_view monthFinal;           // "Kilométrage final    : "
    // "Kilométarge total    : ": the program's own spelling, kept as its files and reports have
    // always shown it (it is not a typo to mend).
    std::string_view monthTotal;
    std::string_view monthProfessional;    // "Kilométrage professionnel  : "
    std::string_view annualTitle;          // "BILAN KILOMETRAGE ANNUEL  : "
    std::string_view yearStart;            // "KILOMETRAGE DEBUT ANNEE   : "
    std::string_view yearEnd;              // "KILOMETRAGE FIN ANNEE     : "
    std::string_view carriedOver;          // "KILOMETRAGE A REPORTER    : "
    std::string_view yearTotal;            // "KILOMETRAGE TOTAL ANNEE   : "
    std::string_view yearPersonal;         // "KILOMETRAGE PERSONNEL     : "
    std::string_view coefficientPersonal;  // "COEFFICIENT PERSONNEL     : "
};

const AnnualLabels& savedFileLabels();
const AnnualLabels& printedReportLabels();

// The day rows are the days the calendar year has (ledger/calendar.h): February's 29th appears
// in a leap year only, so a reading typed on a day the year has not stays out of every text.

// The annual balance text: kAnnualTextLines lines with the closing block,
// kAnnualTextLinesNoClose without (one fewer each in a common year).
std::vector<std::string> annualTextLines(const FormModel& form, int calendarYear,
                                         const AnnualLabels& labels, bool withClosingBlock);

// The report of month m (0 = January): 48, 47, 46 or 45 lines, the footer line last.
std::vector<std::string> monthlyReportLines(const FormModel& form, int calendarYear, int month);

// The annual report: the lines of the saved annual text with the printed labels.
std::vector<std::string> annualReportLines(const FormModel& form, int calendarYear);

// The name the print job carries, so that each printed file or queue entry is told apart:
// "Vardo - Janvier 2026", "Vardo - Bilan annuel 2026" (the year is aledComptabilite's text,
// left out while it holds nothing or "0").
std::string monthlyJobName(const FormModel& form, int month);
std::string annualJobName(const FormModel& form);

}  // namespace vardo
