#include "ledger/dates.h"

#include <chrono>
#include <cmath>

namespace vardo {
namespace {
constexpr std::chrono::sys_days kEpoch = std::chrono::year{1899} / 12 / 30;
}

int yearOf(double dateTime) {
    const auto days = std::chrono::days{static_cast<long>(std::floor(dateTime))};
    const std::chrono::year_month_day date{kEpoch + days};
    return static_cast<int>(date.year());
}

double toDateTime(int year, int month, int day) {
    const std::chrono::sys_days date = std::chrono::year{year} / month / day;
    return static_cast<double>((date - kEpoch).count());
}

}  // namespace vardo
