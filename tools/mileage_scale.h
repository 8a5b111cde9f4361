#pragma once
// The allowance that the year's professional kilometres are worth under the French fiscal
// mileage scale for cars, by horsepower band and distance bracket.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "ledger/form_model.h"
#include "ledger/year_derivation.h"

namespace vardo {

inline constexpr int kHorsepowerBands = 5;  // 3 CV and less, 4, 5, 6, 7 CV and more
inline constexpr std::int64_t kFirstBracketEnd = 5000;
inline constexpr std::int64_t kSecondBracketEnd = 20000;

// One band's three brackets: d × rate, d × rate + fixed, d × rate. Rates in thousandths of a
// euro per kilometre, the fixed part in euros.
struct BandRates {
    int upTo5000;
    int upTo20000;
    int fixedUpTo20000;
    int above20000;
};

struct YearScale {
    int year;  // the income year whose kilometres it prices
    std::array<BandRates, kHorsepowerBands> bands;
};

// Every published scale, one per income year, oldest first.
std::span<const YearScale> fiscalScales();

// The band of a horsepower figure (1 or more): 0 for 3 CV and less ... 4 for 7 CV and more.
int horsepowerBand(int horsepower);
std::string bandCaption(int band);

// The scale of a year; the latest one for a later year or for no year at all; none for a year
// before the first scale.
const YearScale* scaleFor(std::optional<int> year);

struct Allowance {
    std::vector<std::string> lines;     // what the dialog and the command line show
    std::optional<std::int64_t> cents;  // nothing when a sentence replaced the amount
    int scaleYear = 0;                  // 0 when no scale applies
    bool electric = false;
};

// The allowance for the year's professional kilometres as derived from its readings (never
// the text written in TotPro), under the scale of the accounting year, with aledChevaux's
// band; an electric car gets 20 % more. A year after the latest scale uses that scale and says
// so; a year before the first has no amount, and a sentence says why.
Allowance mileageAllowance(const FormModel& form, const DerivedYear& figures, bool electric);

// The amount in cents (rounded half up) of d km in a band; d must not be negative.
std::int64_t allowanceCents(const YearScale& scale, int band, std::int64_t distance, bool electric);

}  // namespace vardo
