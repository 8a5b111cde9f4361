#include "ledger/naming.h"

#include <stdexcept>

namespace vardo {
namespace {

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

std::string withMonthCode(std::string_view prefix, int m) {
    return std::string{prefix} + std::string{monthInfo(m).code};
}

}  // namespace

FieldId balanceField(int m, Balance which) { return kMonthStart[m] + static_cast<int>(which); }
FieldId morningField(int m, int day) { return kMonthStart[m] + kBalanceCount + 2 * (day - 1); }
FieldId eveningField(int m, int day) { return morningField(m, day) + 1; }
FieldId gridField(int m, GridColumn column) {
    return kGridStart + m * kGridColumns + static_cast<int>(column);
}
FieldId annualField(Annual which) { return kAnnualStart + static_cast<int>(which); }
FieldId headerField(Header which) { return kHeaderStart + static_cast<int>(which); }

int monthPageOf(FieldId id) {
    if (id < 0 || id >= kGridStart) return -1;
    int m = 0;
    while (id >= kMonthStart[m + 1]) ++m;
    return m;
}

FieldId handOnTarget(int m) {
    return m + 1 < kMonths ? balanceField(m + 1, Balance::KMIn)
                           : gridField(kDecember, GridColumn::KMFin);
}

std::string fieldName(FieldId id) {
    if (id < 0 || id >= kFieldCount) throw std::out_of_range("field id");
    if (id < kGridStart) {
        int m = kMonths - 1;
        while (kMonthStart[m] > id) --m;
        const int offset = id - kMonthStart[m];
        const std::string code{kMonthTable[m].code};
        if (offset < kBalanceCount) return code + std::string{kBalanceSuffixes[offset]};
        const int dayOffset = offset - kBalanceCount;
        return code + (dayOffset % 2 == 0 ? "M" : "S") + twoDigits(dayOffset / 2 + 1);
    }
    if (id < kAnnualStart) {
        const int offset = id - kGridStart;
        return withMonthCode(kGridPrefixes[offset % kGridColumns], offset / kGridColumns);
    }
    if (id < kHeaderStart) return std::string{kAnnualNames[id - kAnnualStart]};
    return std::string{kHeaderNames[id - kHeaderStart]};
}

std::string twoDigits(int value) {
    return std::string{static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

MenuId navigationItem(int page) {
    if (page < 0 || page >= kPages) throw std::out_of_range("page");
    return page < kMonths ? menuId(Menu::January) + page : menuId(Menu::AnnualBalance);
}

std::string correctionButtonName(int m) { return withMonthCode("btnCorr", m); }
std::string monthPrintButtonName(int m) { return withMonthCode("btnImp", m); }

}  // namespace vardo
