#include "ledger/naming.h"

#include <stdexcept>

namespace vardo {
namespace {

constexpr std::array<MonthInfo, kMonths> kMonthTable{{
    {"Janv", "Janvier", "Janvier1", "JANVIER", "Janvier :", 31},
    {"Fev", "Février", "Fvrier1", "FEVRIER", "Février :", 29},
    {"Mars", "Mars", "Mars1", "MARS", "Mars :", 31},
    {"Avril", "Avril", "Avril1", "AVRIL", "Avril :", 30},
    {"Mai", "Mai", "Mai1", "MAI", "Mai :", 31},
    {"Juin", "Juin", "Juin1", "JUIN", "Juin :", 30},
    {"Juil", "Juillet", "Juillet1", "JUILLET", "Juillet :", 31},
    {"Aout", "Août", "Aot1", "AOUT", "Août :", 31},
    {"Sept", "Septembre", "Septembre1", "SEPTEMBRE", "Septembre :", 30},
    {"Oct", "Octobre", "Octobre1", "OCTOBRE", "Octobre :", 31},
    {"Nov", "Novembre", "Novembre1", "NOVEMBRE", "Novembre :", 30},
    {"Dec", "Décembre", "Dcembre1", "DECEMBRE", "Décembre :", 31},
}};

constexpr std::array<std::string_view, kBalanceCount> kBalanceNames{
    "KMIn", "KMFin", "KMTot", "KMPro", "KMPerso", "CoPro", "CoPerso"};
constexpr std::array<std::string_view, kGridColumns> kGridNames{"KMIni", "KMFin", "KMTot", "KMPro",
                                                                "KMPerso"};
constexpr std::array<std::string_view, kAnnualCount> kAnnualNames{
    "CoefPro", "CoefPerso", "DebAnnee", "FinAnnee", "TotAnnee", "KmReporter", "TotPro", "TotPerso"};
constexpr std::array<std::string_view, kHeaderCount> kHeaderNames{
    "aledComptabilite", "aledVehicule", "aledAnnee", "aledChevaux"};

constexpr std::array<std::string_view, kMenuCount> kMenuNames{
    "Fichier1",  "Nouvelleanne1", "N1",         "Sauvegarderlanne1", "Sauvegarderlebilanannuelsous1",
    "Imprimerlebilanannuel1",     "N2",         "Quitter1",          "Edition1",
    "Janvier1",  "Fvrier1",       "Mars1",      "Avril1",            "Mai1",
    "Juin1",     "Juillet1",      "Aot1",       "Septembre1",        "Octobre1",
    "Novembre1", "Dcembre1",      "N4",         "BilanAnnuel1",      "Aide1",
    "Rubriquesdelaide1",          "N3",         "Aproposde1"};

constexpr int kFirstNavigationItem = 9;  // Janvier1
constexpr int kBilanMenuItem = 22;       // BilanAnnuel1

// First field of each month page, and of the "Bilan" page.
constexpr std::array<int, kMonths + 1> monthStarts() {
    std::array<int, kMonths + 1> starts{};
    int at = 0;
    for (int m = 0; m < kMonths; ++m) {
        starts[m] = at;
        at += kBalanceCount + 2 * kMonthTable[m].dayRows;
    }
    starts[kMonths] = at;
    return starts;
}
constexpr auto kMonthStart = monthStarts();
constexpr int kGridStart = kMonthStart[kMonths];
constexpr int kAnnualStart = kGridStart + kMonths * kGridColumns;
constexpr int kHeaderStart = kAnnualStart + kAnnualCount;
static_assert(kHeaderStart + kHeaderCount == kFieldCount);

std::string twoDigits(int n) {
    return std::string{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

}  // namespace

const MonthInfo& monthInfo(int m) { return kMonthTable.at(m); }

FieldId balanceField(int m, Balance which) { return kMonthStart[m] + static_cast<int>(which); }
FieldId morningField(int m, int day) { return kMonthStart[m] + kBalanceCount + 2 * (day - 1); }
FieldId eveningField(int m, int day) { return morningField(m, day) + 1; }
FieldId gridField(int m, GridColumn column) {
    return kGridStart + m * kGridColumns + static_cast<int>(column);
}
FieldId annualField(Annual which) { return kAnnualStart + static_cast<int>(which); }
FieldId headerField(Header which) { return kHeaderStart + static_cast<int>(which); }

FieldId handOnTarget(int m) {
    return m + 1 < kMonths ? balanceField(m + 1, Balance::KMIn)
                           : gridField(kMonths - 1, GridColumn::KMFin);
}

std::string fieldName(FieldId id) {
    if (id < 0 || id >= kFieldCount) throw std::out_of_range("field id");
    if (id < kGridStart) {
        int m = kMonths - 1;
        while (kMonthStart[m] > id) --m;
        const int offset = id - kMonthStart[m];
        const std::string code{kMonthTable[m].code};
        if (offset < kBalanceCount) return code + std::string{kBalanceNames[offset]};
        const int dayOffset = offset - kBalanceCount;
        return code + (dayOffset % 2 == 0 ? "M" : "S") + twoDigits(dayOffset / 2 + 1);
    }
    if (id < kAnnualStart) {
        const int offset = id - kGridStart;
        return std::string{kGridNames[offset % kGridColumns]} +
               std::string{kMonthTable[offset / kGridColumns].code};
    }
    if (id < kHeaderStart) return std::string{kAnnualNames[id - kAnnualStart]};
    return std::string{kHeaderNames[id - kHeaderStart]};
}

const std::array<std::string_view, kMenuCount>& menuItemNames() { return kMenuNames; }

MenuId navigationItem(int page) {
    if (page < 0 || page >= kPages) throw std::out_of_range("page");
    return page < kMonths ? kFirstNavigationItem + page : kBilanMenuItem;
}

}  // namespace vardo
