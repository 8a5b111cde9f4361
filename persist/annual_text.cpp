#include "persist/annual_text.h"

#include <cerrno>

#include "ledger/error.h"
#include "persist/atomic_file.h"
#include "persist/cp1252.h"
#include "persist/system_reason.h"

namespace vardo {
namespace {

constexpr std::string_view kBlankLine = " ";
constexpr int kClosingBlanksBefore = 3;
constexpr int kClosingBlanksAfter = 3;

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

std::string twoDigits(int n) {
    return std::string{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

std::string join(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (auto part : parts) out += part;
    return out;
}

void appendMonthBlock(std::vector<std::string>& lines, const FormModel& form, int m,
                      const AnnualLabels& labels) {
    const MonthInfo& month = monthInfo(m);
    const std::string& year = form.text(headerField(Header::Comptabilite));
    lines.push_back(join({"KILOMETRAGE DE : ", month.titleWord, " ", year}));
    for (int day = 1; day <= month.dayRows; ++day) {
        lines.push_back(join({twoDigits(day), " | Matin : ", form.text(morningField(m, day)),
                              " Km | Soir : ", form.text(eveningField(m, day)), " Km"}));
    }
    lines.emplace_back(kBlankLine);
    lines.emplace_back(kBlankLine);
    auto balance = [&](std::string_view label, Balance which) {
        lines.push_back(join({label, form.text(balanceField(m, which)), " Km"}));
    };
    balance("Kilométrage initial  : ", Balance::KMIn);
    balance(labels.monthFinal, Balance::KMFin);
    balance(labels.monthTotal, Balance::KMTot);
    balance(labels.monthProfessional, Balance::KMPro);
    balance("Kilométrage personnel      : ", Balance::KMPerso);
    for (int i = 0; i < 3; ++i) lines.emplace_back(kBlankLine);
}

void appendAnnualBlock(std::vector<std::string>& lines, const FormModel& form,
                       const AnnualLabels& labels) {
    auto annual = [&](Annual which) -> const std::string& { return form.text(annualField(which)); };
    lines.push_back(join({labels.annualTitle, form.text(headerField(Header::Comptabilite))}));
    lines.emplace_back(kBlankLine);
    lines.emplace_back(kBlankLine);
    lines.push_back(join({labels.yearStart, annual(Annual::DebAnnee), " Km"}));
    lines.push_back(join({labels.yearEnd, annual(Annual::FinAnnee), " Km"}));
    lines.push_back(join({labels.carriedOver, annual(Annual::KmReporter), " Km"}));
    lines.push_back(join({labels.yearTotal, annual(Annual::TotAnnee), " Km"}));
    lines.push_back(join({"KILOMETRAGE PROFESSIONNEL : ", annual(Annual::TotPro), " Km"}));
    lines.push_back(join({labels.yearPersonal, annual(Annual::TotPerso), " Km"}));
    lines.emplace_back(kBlankLine);
    lines.push_back(join({"COEFFICIENT PROFESSIONNEL : ", annual(Annual::CoefPro)}));
    lines.push_back(join({labels.coefficientPersonal, annual(Annual::CoefPerso)}));
}

// The save command's messages, from the system's error number.
std::string saveFailureText(int error) {
    switch (error) {
        case ENOENT:
            return "Fichier introuvable";
        case ENOTDIR:
        case ENAMETOOLONG:
            return "Nom de fichier incorrect";
        case EMFILE:
        case ENFILE:
            return "Trop de fichiers ouverts";
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:  // a folder in the file's place refuses the file
            return "Accès au fichier refusé";
        case ENOSPC:
        case EDQUOT:
            return "Disque plein";
        default:
            return "Erreur E/S " + std::to_string(error);
    }
}

}  // namespace

const AnnualLabels& savedFileLabels() {
    return kSavedFile;
}
const AnnualLabels& printedReportLabels() {
    return kPrintedReport;
}

std::vector<std::string> annualTextLines(const FormModel& form, const AnnualLabels& labels,
                                         bool withClosingBlock) {
    std::vector<std::string> lines;
    lines.reserve(kAnnualTextLines);
    auto header = [&](Header which) -> const std::string& { return form.text(headerField(which)); };
    lines.push_back(join({"KILOMETRAGE DE L'ANNEE : ", header(Header::Comptabilite)}));
    lines.push_back(join({"Véhicule : ", header(Header::Vehicule), " Année : ",
                          header(Header::Annee), " Chevaux : ", header(Header::Chevaux)}));
    for (int m = 0; m < kMonths; ++m) appendMonthBlock(lines, form, m, labels);
    appendAnnualBlock(lines, form, labels);
    if (withClosingBlock) {
        for (int i = 0; i < kClosingBlanksBefore; ++i) lines.emplace_back(kBlankLine);
        lines.emplace_back(kFooterLine);
        for (int i = 0; i < kClosingBlanksAfter; ++i) lines.emplace_back(kBlankLine);
    }
    return lines;
}

std::string annualTextFileName(const std::string& programPath, const std::string& comptabilite) {
    const auto slash = programPath.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const auto dot = programPath.rfind('.');
    const std::size_t stem =
        (dot == std::string::npos || dot < nameStart) ? programPath.size() : dot;
    return programPath.substr(0, stem) + "_" + comptabilite + ".txt";
}

std::string linesToFileBytes(const std::vector<std::string>& lines) {
    std::string text;
    std::size_t size = 0;
    for (const auto& line : lines) size += line.size() + 2;
    text.reserve(size);
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return utf8ToCp1252(text);
}

void writeAnnualTextSave(const std::vector<std::string>& lines, const std::string& fileName) {
    try {
        writeFileAtomically(fileName, linesToFileBytes(lines));
    } catch (const FileWriteError& failure) {
        throw Error(saveFailureText(failure.error()));
    }
}

void writeAnnualTextSaveAs(const std::vector<std::string>& lines, const std::string& fileName) {
    try {
        writeFileAtomically(fileName, linesToFileBytes(lines));
    } catch (const FileWriteError& failure) {
        if (failure.stage() == WriteStage::Write || failure.stage() == WriteStage::Flush) {
            throw Error("Erreur d'écriture dans le flux");
        }
        throw Error("Impossible de créer le fichier \"" + fileName + "\". " +
                    systemReason(failure.error()));
    }
}

std::string saveConfirmationText(const std::string& fileName) {
    return "Sauvegarde réalisée dans le répertoire de l'application :\n\r" + fileName + " !";
}

}  // namespace vardo
