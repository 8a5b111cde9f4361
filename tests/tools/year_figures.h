#pragma once
// A derivation that holds only the year's figures a tool reads, for tests of the tool's own
// rules apart from the readings.
#include <cstdint>
#include <string>

#include "ledger/year_derivation.h"

namespace vardo::testing {

inline DerivedYear yearFigures(std::int64_t professional, std::int64_t total = 0) {
    DerivedYear figures;
    figures.professionalKm = professional;
    figures.professional = std::to_string(professional);
    figures.totalKm = total;
    figures.total = std::to_string(total);
    return figures;
}

}  // namespace vardo::testing
