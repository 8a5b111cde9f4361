#pragma once
// The naming scheme of the year's fields and menu items, and their creation order.
//
// Creation order of the 888 fields: for each month January..December its seven balance fields
// (KMIn, KMFin, KMTot, KMPro, KMPerso, CoPro, CoPerso) then its day fields M01, S01, M02, S02...;
// then the "Bilan" grid month by month (KMIni, KMFin, KMTot, KMPro, KMPerso); then CoefPro,
// CoefPerso, DebAnnee, FinAnnee, TotAnnee, KmReporter, TotPro, TotPerso; then the four header
// fields aledComptabilite, aledVehicule, aledAnnee, aledChevaux.
#include <array>
#include <string>
#include <string_view>

namespace vardo {

using FieldId = int;
using MenuId = int;

constexpr int kMonths = 12;
constexpr int kFieldCount = 888;
constexpr int kMenuCount = 27;

struct MonthInfo {
    std::string_view code;        // Janv, Fev, ...
    std::string_view caption;     // page and menu caption: "Janvier", "Février", ...
    std::string_view menuItem;    // Janvier1, Fvrier1, ...
    std::string_view titleWord;   // JANVIER, FEVRIER, ... (reports and annual text)
    std::string_view gridLabel;   // "Janvier :" on the "Bilan" page
    int dayRows;                  // 31, 29, 31, 30, ...
};

// Month m is 0-based (0 = January) everywhere in the code.
const MonthInfo& monthInfo(int m);

enum class Balance { KMIn, KMFin, KMTot, KMPro, KMPerso, CoPro, CoPerso };
constexpr int kBalanceCount = 7;
enum class GridColumn { KMIni, KMFin, KMTot, KMPro, KMPerso };
constexpr int kGridColumns = 5;
enum class Annual { CoefPro, CoefPerso, DebAnnee, FinAnnee, TotAnnee, KmReporter, TotPro, TotPerso };
constexpr int kAnnualCount = 8;
enum class Header { Comptabilite, Vehicule, Annee, Chevaux };
constexpr int kHeaderCount = 4;

FieldId balanceField(int m, Balance which);
FieldId morningField(int m, int day);  // day is 1-based
FieldId eveningField(int m, int day);
FieldId gridField(int m, GridColumn column);
FieldId annualField(Annual which);
FieldId headerField(Header which);

// The field that the last evening of month m hands its reading on to: the next month's KMIn,
// or KMFinDec for December.
FieldId handOnTarget(int m);

// Names in creation order.
std::string fieldName(FieldId id);

// The 27 menu items in creation order (menu titles and separators included).
const std::array<std::string_view, kMenuCount>& menuItemNames();
// The thirteen navigation items Janvier1..Dcembre1, BilanAnnuel1 (page k = item k).
MenuId navigationItem(int page);  // page 0..12, 12 = "Bilan"
constexpr int kPages = 13;
constexpr int kBilanPage = 12;

}  // namespace vardo
