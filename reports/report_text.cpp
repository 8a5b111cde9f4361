#include "reports/report_text.h"

#include <initializer_list>
#include <string_view>

#include "persist/annual_text.h"

namespace vardo {
namespace {

constexpr std::string_view kInitial = "Kilométrage initial  : ";
constexpr std::string_view kPersonal = "Kilométrage personnel      : ";
constexpr std::string_view kKm = " Km";
constexpr int kLeadingEmptyLines = 3;

std::string join(std::initializer_list<std::string_view> parts) {
    std::size_t size = 0;
    for (std::string_view part : parts) size += part.size();
    std::string line;
    line.reserve(size);
    for (std::string_view part : parts) line += part;
    return line;
}

std::string twoDigits(int day) {
    return {static_cast<char>('0' + day / 10), static_cast<char>('0' + day % 10)};
}

}  // namespace

std::vector<std::string> monthlyReportLines(const FormModel& form, int month) {
    const MonthInfo& info = monthInfo(month);
    const AnnualLabels& labels = printedReportLabels();
    auto header = [&](Header which) -> const std::string& { return form.text(headerField(which)); };
    auto balance = [&](Balance which) -> const std::string& {
        return form.text(balanceField(month, which));
    };

    std::vector<std::string> lines(kLeadingEmptyLines);
    lines.reserve(static_cast<std::size_t>(info.dayRows) + 17);
    lines.push_back(join({"KILOMETRAGE DE : ", info.titleWord, " ", header(Header::Comptabilite)}));
    lines.emplace_back();
    lines.push_back(join({"Véhicule : ", header(Header::Vehicule), " Année : ",
                          header(Header::Annee), " Chevaux : ", header(Header::Chevaux)}));
    lines.emplace_back();
    for (int day = 1; day <= info.dayRows; ++day) {
        lines.push_back(join({twoDigits(day), " | Matin : ", form.text(morningField(month, day)),
                              " Km | Soir : ", form.text(eveningField(month, day)), kKm}));
    }
    lines.emplace_back();
    lines.emplace_back();
    lines.push_back(join({kInitial, balance(Balance::KMIn), kKm}));
    lines.push_back(join({labels.monthFinal, balance(Balance::KMFin), kKm}));
    lines.push_back(join({labels.monthTotal, balance(Balance::KMTot), kKm}));
    lines.push_back(join({labels.monthProfessional, balance(Balance::KMPro), kKm}));
    lines.push_back(join({kPersonal, balance(Balance::KMPerso), kKm}));
    lines.emplace_back();
    lines.emplace_back();
    lines.emplace_back(kFooterLine);
    return lines;
}

std::vector<std::string> annualReportLines(const FormModel& form) {
    return annualTextLines(form, printedReportLabels(), true);
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
