#pragma once
// Real costs against the fiscal allowance: the professional share of the year's vehicle costs
// (costs × the year's professional coefficient) beside the allowance of the scale for the
// year's professional kilometres, and which one is larger.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ledger/form_model.h"
#include "tools/mileage_scale.h"

namespace vardo {

// The costs as the user types them: "4500", "4 500,50", "4500.5", "4 500,50 €". Throws Error
// with the message below when the text is not an amount in euros of at most 999 999 999,99.
inline constexpr std::string_view kNotAnAmount =
    "« %s » n'est pas un montant en euros (par exemple 4 500,00)";
std::int64_t readEuros(std::string_view text);

// The amount as the options file keeps it and the box shows it again: "4500,50".
std::string plainEuros(std::int64_t cents);

struct CostsComparison {
    std::vector<std::string> lines;         // what the dialog and the command line show
    std::optional<std::int64_t> shareCents; // nothing when the coefficient cannot be had
    Allowance allowance;
    bool complete() const { return shareCents && allowance.cents; }
};

// costs × TotPro ÷ TotAnnee, both as derived from the readings, rounded half up to the cent
// like the allowance; nothing when the year's total is 0.
std::optional<std::int64_t> professionalShare(const DerivedYear& figures, std::int64_t costsCents);

// The comparison's lines; the last two are the sentence saying which is larger and by how
// much (or why there is nothing to compare) and the reminder that the choice is the user's.
// The figures are the year's derivation; the form gives the header (year, horsepower).
CostsComparison compareCosts(const FormModel& form, const DerivedYear& figures,
                             std::int64_t costsCents, bool electric);

}  // namespace vardo
