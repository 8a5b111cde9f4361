#include "reports/report_text.h"

#include <initializer_list>

#include "ledger/calendar.h"

namespace vardo {
namespace {

constexpr std::string_view kKm = " Km";
constexpr std::string_view kBlankLine = " ";  // the annual text's empty lines hold one blank
constexpr int kReportLeadingEmptyLines = 3;
constexpr int kClosingBlanks = 3;  // before and after the annual text's footer

constexpr AnnualLabels kSavedFile{
    "Kilométrage final    : ",      "Kilométarge total    : ",      "Kilométrage professionnel  : ",
    "BILAN KILOMETRAGE ANNUEL  : ", "KILOMETRAGE DEBUT ANNEE   : ", "KILOMETRAGE FIN ANNEE     : ",
    "KILOMETRAGE A REPORTER    : ", "KILOMETRAGE TOTAL ANNEE   : ", "KILOMETRAGE PERSONNEL     : ",
    "COEFFICIENT PERSONNEL     : "};

constexpr AnnualLabels kPrintedReport{
    "Kilométrage final   : ",       "Kilométarge total   : ",
    "Kilométrage professionnel : ", "BILAN KILOMETRAGE ANNUEL : ",
    "KILOMETRAGE DEBUT ANNEE : ",   "KILOMETRAGE FIN ANNEE       : ",
    "KILOMETRAGE A REPORTER   : ",  "KILOMETRAGE TOTAL ANNEE : ",
    "KILOMETRAGE PERSONNEL   : ",   "COEFFICIENT PERSONNEL         : "};

std::string join(std::initializer_list<std::string_view> parts) {
    std::size_t size = 0;
    for (std::string_view part : parts) size += part.size();
    std::string line;
    line.reserve(size);
    for (std::string_view part : parts) line += part;
    return line;
}

const std::string& headerText(const FormModel& form, Header which) {
    return form.text(headerField(which));
}

std::string monthTitleLine(const FormModel& form, int month) {
    return join({"KILOMETRAGE DE : ", monthInfo(month).titleWord, " ",
                 headerText(form, Header::Comptabilite)});
}

std::string vehicleLine(const FormModel& form) {
    return join({"Véhicule : ", headerText(form, Header::Vehicule), " Année : ",
                 headerText(form, Header::Annee), " Chevaux : ", headerText(form, Header::Chevaux)});
}

void appendDayLines(std::vector<std::string>& lines, const FormModel& form, int year, int month) {
    for (int day = 1; day <= daysInMonth(month, year); ++day) {
        lines.push_back(join({twoDigits(day), " | Matin : ", form.text(morningField(month, day)),
                              " Km | Soir : ", form.text(eveningField(month, day)), kKm}));
    }
}

void appendMonthBalance(std::vector<std::string>& lines, const FormModel& form, int month,
                        const AnnualLabels& labels) {
    auto balance = [&](std::string_view label, Balance which) {
        lines.push_back(join({label, form.text(balanceField(month, which)), kKm}));
    };
    balance("Kilométrage initial  : ", Balance::KMIn);
    balance(labels.monthFinal, Balance::KMFin);
    balance(labels.monthTotal, Balance::KMTot);
    balance(labels.monthProfessional, Balance::KMPro);
    balance("Kilométrage personnel      : ", Balance::KMPerso);
}

void appendBlanks(std::vector<std::string>& lines, int count) {
    lines.insert(lines.end(), static_cast<std::size_t>(count), std::string{kBlankLine});
}

void appendAnnualBlock(std::vector<std::string>& lines, const FormModel& form,
                       const AnnualLabels& labels) {
    auto annual = [&](Annual which) -> const std::string& { return form.text(annualField(which)); };
    lines.push_back(join({labels.annualTitle, headerText(form, Header::Comptabilite)}));
    appendBlanks(lines, 2);
    lines.push_back(join({labels.yearStart, annual(Annual::DebAnnee), kKm}));
    lines.push_back(join({labels.yearEnd, annual(Annual::FinAnnee), kKm}));
    lines.push_back(join({labels.carriedOver, annual(Annual::KmReporter), kKm}));
    lines.push_back(join({labels.yearTotal, annual(Annual::TotAnnee), kKm}));
    lines.push_back(join({"KILOMETRAGE PROFESSIONNEL : ", annual(Annual::TotPro), kKm}));
    lines.push_back(join({labels.yearPersonal, annual(Annual::TotPerso), kKm}));
    appendBlanks(lines, 1);
    lines.push_back(join({"COEFFICIENT PROFESSIONNEL : ", annual(Annual::CoefPro)}));
    lines.push_back(join({labels.coefficientPersonal, annual(Annual::CoefPerso)}));
}

}  // namespace

const AnnualLabels& savedFileLabels() {
    return kSavedFile;
}
const AnnualLabels& printedReportLabels() {
    return kPrintedReport;
}

std::vector<std::string> annualTextLines(const FormModel& form, int calendarYear,
                                         const AnnualLabels& labels, bool withClosingBlock) {
    std::vector<std::string> lines;
    lines.reserve(kAnnualTextLines);
    lines.push_back(join({"KILOMETRAGE DE L'ANNEE : ", headerText(form, Header::Comptabilite)}));
    lines.push_back(vehicleLine(form));
    for (int m = 0; m < kMonths; ++m) {
        lines.push_back(monthTitleLine(form, m));
        appendDayLines(lines, form, calendarYear, m);
        appendBlanks(lines, 2);
        appendMonthBalance(lines, form, m, labels);
        appendBlanks(lines, 3);
    }
    appendAnnualBlock(lines, form, labels);
    if (withClosingBlock) {
        appendBlanks(lines, kClosingBlanks);
        lines.emplace_back(kFooterLine);
        appendBlanks(lines, kClosingBlanks);
    }
    return lines;
}

std::vector<std::string> monthlyReportLines(const FormModel& form, int calendarYear, int month) {
    std::vector<std::string> lines(kReportLeadingEmptyLines);
    lines.reserve(static_cast<std::size_t>(monthInfo(month).dayRows) + 17);
    lines.push_back(monthTitleLine(form, month));
    lines.emplace_back();
    lines.push_back(vehicleLine(form));
    lines.emplace_back();
    appendDayLines(lines, form, calendarYear, month);
    lines.insert(lines.end(), 2, std::string{});
    appendMonthBalance(lines, form, month, printedReportLabels());
    lines.insert(lines.end(), 2, std::string{});
    lines.emplace_back(kFooterLine);
    return lines;
}

std::vector<std::string> annualReportLines(const FormModel& form, int calendarYear) {
    return annualTextLines(form, calendarYear, printedReportLabels(), true);
}

namespace {
std::string jobName(const FormModel& form, std::string_view title) {
    std::string name = "Vardo - ";
    name.append(title);
    const std::string& year = form.text(headerField(Header::Comptabilite));
    if (!year.empty() && year != "0") name.append(" ").append(year);
    return name;
}
}  // namespace

std::string monthlyJobName(const FormModel& form, int month) {
    return jobName(form, monthInfo(month).caption);
}

std::string annualJobName(const FormModel& form) { return jobName(form, "Bilan annuel"); }

}  // namespace vardo
