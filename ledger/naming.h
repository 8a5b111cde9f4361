#pragma once
// Every name the stored year, the window and the menus are known by, declared once: the month
// table, the field suffixes, the header fields, the 27 menu items with their captions and the
// buttons. The view builds its widgets, menus and commands from here.
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

// The main window's component name, which is also the stored year's section.
inline constexpr std::string_view kMainWindowName = "frmVardo";

constexpr int kMonths = 12;
constexpr int kFieldCount = 888;
constexpr int kMenuCount = 27;

struct MonthInfo {
    std::string_view code;        // Janv, Fev, ... (every field name of the month starts so)
    std::string_view caption;     // page caption: "Janvier", "Février", ...
    std::string_view menuCaption; // the caption with an access key no other month of the menu has
    std::string_view menuItem;    // Janvier1, Fvrier1, ...
    std::string_view titleWord;   // JANVIER, FEVRIER, ... (reports and annual text)
    std::string_view gridLabel;   // "Janvier :" on the "Bilan" page
    int dayRows;                  // 31, 29, 31, 30, ...
};

inline constexpr std::array<MonthInfo, kMonths> kMonthTable{{
    {"Janv", "Janvier", "&Janvier", "Janvier1", "JANVIER", "Janvier :", 31},
    {"Fev", "Février", "&Février", "Fvrier1", "FEVRIER", "Février :", 29},
    {"Mars", "Mars", "&Mars", "Mars1", "MARS", "Mars :", 31},
    {"Avril", "Avril", "&Avril", "Avril1", "AVRIL", "Avril :", 30},
    {"Mai", "Mai", "Ma&i", "Mai1", "MAI", "Mai :", 31},
    {"Juin", "Juin", "J&uin", "Juin1", "JUIN", "Juin :", 30},
    {"Juil", "Juillet", "Jui&llet", "Juillet1", "JUILLET", "Juillet :", 31},
    {"Aout", "Août", "Aoû&t", "Aot1", "AOUT", "Août :", 31},
    {"Sept", "Septembre", "&Septembre", "Septembre1", "SEPTEMBRE", "Septembre :", 30},
    {"Oct", "Octobre", "&Octobre", "Octobre1", "OCTOBRE", "Octobre :", 31},
    {"Nov", "Novembre", "&Novembre", "Novembre1", "NOVEMBRE", "Novembre :", 30},
    {"Dec", "Décembre", "&Décembre", "Dcembre1", "DECEMBRE", "Décembre :", 31},
}};

// The months by name, in the order of the table. A month number is 0-based (0 = January)
// everywhere in the code, so the names convert to the int that functions take.
enum Month : int {
    kJanuary, kFebruary, kMarch, kApril, kMay, kJune,
    kJuly, kAugust, kSeptember, kOctober, kNovember, kDecember,
};
static_assert(kDecember + 1 == kMonths);

constexpr const MonthInfo& monthInfo(int m) { return kMonthTable.at(static_cast<std::size_t>(m)); }
constexpr int kFebruaryLeapDay = 29;  // the day only leap years have

// The pages: the twelve months, then "Bilan".
constexpr int kPages = kMonths + 1;
constexpr int kBilanPage = kMonths;
inline constexpr std::string_view kBilanCaption = "Bilan";

enum class Balance { KMIn, KMFin, KMTot, KMPro, KMPerso, CoPro, CoPerso };
constexpr int kBalanceCount = 7;
inline constexpr std::array<std::string_view, kBalanceCount> kBalanceSuffixes{
    "KMIn", "KMFin", "KMTot", "KMPro", "KMPerso", "CoPro", "CoPerso"};

enum class GridColumn { KMIni, KMFin, KMTot, KMPro, KMPerso };
constexpr int kGridColumns = 5;
inline constexpr std::array<std::string_view, kGridColumns> kGridPrefixes{
    "KMIni", "KMFin", "KMTot", "KMPro", "KMPerso"};

enum class Annual { CoefPro, CoefPerso, DebAnnee, FinAnnee, TotAnnee, KmReporter, TotPro, TotPerso };
constexpr int kAnnualCount = 8;
inline constexpr std::array<std::string_view, kAnnualCount> kAnnualNames{
    "CoefPro", "CoefPerso", "DebAnnee", "FinAnnee", "TotAnnee", "KmReporter", "TotPro", "TotPerso"};

enum class Header { Comptabilite, Vehicule, Annee, Chevaux };
constexpr int kHeaderCount = 4;
inline constexpr std::array<std::string_view, kHeaderCount> kHeaderNames{
    "aledComptabilite", "aledVehicule", "aledAnnee", "aledChevaux"};

FieldId balanceField(int m, Balance which);
FieldId morningField(int m, int day);  // day is 1-based
FieldId eveningField(int m, int day);
FieldId gridField(int m, GridColumn column);
FieldId annualField(Annual which);
FieldId headerField(Header which);
// The month page a field is on (0 = January), or -1 for the "Bilan" page's fields and the
// header's.
int monthPageOf(FieldId id);

// The field that the last evening of month m hands its reading on to: the next month's KMIn,
// or KMFinDec for December.
FieldId handOnTarget(int m);

// Names in creation order.
std::string fieldName(FieldId id);

// A number from 0 to 99 in two digits: the day in the day fields' names and the reports ("01"), the
// parts of a date and time in a file name.
std::string twoDigits(int value);

// The menu items in creation order: each menu's title, then its items and separators.
enum class Menu {
    File, NewYear, FileSeparator1, SaveAnnualText, SaveAnnualTextAs, PrintAnnual, FileSeparator2,
    Quit,
    Edit, January, February, March, April, May, June, July, August, September, October, November,
    December, EditSeparator, AnnualBalance,
    Help, HelpTopics, HelpSeparator, About,
};
constexpr MenuId menuId(Menu item) { return static_cast<MenuId>(item); }

enum class MenuKind { Title, Command, Separator };
struct MenuEntry {
    std::string_view name;     // the component's name, the key of its check mark in the stored year
    std::string_view caption;  // with its access key; empty for a separator
    MenuKind kind;
};

namespace detail {
constexpr std::array<MenuEntry, kMenuCount> buildMenuTable() {
    std::array<MenuEntry, kMenuCount> table{};
    int at = 0;
    auto add = [&](std::string_view name, std::string_view caption, MenuKind kind) {
        table[static_cast<std::size_t>(at++)] = {name, caption, kind};
    };
    add("Fichier1", "&Fichier", MenuKind::Title);
    add("Nouvelleanne1", "&Commencer nouvelle année", MenuKind::Command);
    add("N1", "", MenuKind::Separator);
    add("Sauvegarderlanne1", "&Sauvegarder le bilan annuel", MenuKind::Command);
    add("Sauvegarderlebilanannuelsous1", "Sa&uvegarder le bilan annuel sous...", MenuKind::Command);
    add("Imprimerlebilanannuel1", "&Imprimer le bilan annuel", MenuKind::Command);
    add("N2", "", MenuKind::Separator);
    add("Quitter1", "&Quitter", MenuKind::Command);
    add("Edition1", "&Edition", MenuKind::Title);
    for (const MonthInfo& month : kMonthTable) add(month.menuItem, month.menuCaption, MenuKind::Command);
    add("N4", "", MenuKind::Separator);
    add("BilanAnnuel1", "&Bilan Annuel", MenuKind::Command);
    add("Aide1", "&Aide", MenuKind::Title);
    add("Rubriquesdelaide1", "&Rubriques de l'aide", MenuKind::Command);
    add("N3", "", MenuKind::Separator);
    add("Aproposde1", "A &propos de...", MenuKind::Command);
    return table;
}
}  // namespace detail

inline constexpr std::array<MenuEntry, kMenuCount> kMenuTable = detail::buildMenuTable();
static_assert(kMenuTable[menuId(Menu::January)].name == "Janvier1");
static_assert(kMenuTable[menuId(Menu::December)].name == "Dcembre1");
static_assert(kMenuTable[menuId(Menu::AnnualBalance)].name == "BilanAnnuel1");
static_assert(kMenuTable[menuId(Menu::About)].name == "Aproposde1");

// The thirteen navigation items Janvier1..Dcembre1, BilanAnnuel1 (page k = item k).
MenuId navigationItem(int page);  // page 0..12, kBilanPage = "Bilan"

// The buttons: each month page's correction and print buttons, the "Bilan" page's two.
std::string correctionButtonName(int m);  // btnCorr<M>
std::string monthPrintButtonName(int m);  // btnImp<M>
inline constexpr std::string_view kSaveButtonName = "btnSauver";
inline constexpr std::string_view kAnnualPrintButtonName = "btnImprimer";

// The status bar panels, left to right.
enum StatusPanel { kDatePanel, kProfessionalPanel, kPersonalPanel, kSparePanel, kStatusPanels };

}  // namespace vardo
