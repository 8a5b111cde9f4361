#include "tools/costs_comparison.h"

#include "ledger/error.h"
#include "ledger/numbers.h"
#include "tools/french_format.h"

namespace vardo {
namespace {

constexpr std::int64_t kMaximumEuros = 999'999'999;
constexpr const char* kReminder =
    "Le choix entre frais réels et barème, et ses conditions, restent à vérifier par vous "
    "auprès de l'administration fiscale ou de votre comptable.";

__extension__ using Wide = __int128;  // GCC's, for a product beyond 64 bits

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Blanks that a French amount may hold: spaces, no-break and narrow no-break spaces.
std::string withoutBlanks(std::string_view text) {
    std::string kept;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ') continue;
        if (text.substr(i, 2) == "\xC2\xA0") { ++i; continue; }
        if (text.substr(i, 3) == "\xE2\x80\xAF") { i += 2; continue; }
        kept += text[i];
    }
    return kept;
}

std::string percentOf(std::int64_t professional, std::int64_t total) {
    const long double percent = static_cast<long double>(professional) * 100 /
                                static_cast<long double>(total);
    return twoDecimals(roundTwoDecimals(percent)) + " %";
}

std::string verdict(std::int64_t share, std::int64_t allowance) {
    if (share == allowance)
        return "La part professionnelle des frais réels et le barème sont égaux (" +
               euros(share) + ").";
    if (share > allowance)
        return "Les frais réels (part professionnelle) dépassent le barème de " +
               euros(share - allowance) + ".";
    return "Le barème dépasse les frais réels (part professionnelle) de " +
           euros(allowance - share) + ".";
}

}  // namespace

std::int64_t readEuros(std::string_view text) {
    std::string plain = withoutBlanks(text);
    if (plain.size() >= 3 && plain.compare(plain.size() - 3, 3, "€") == 0)
        plain.resize(plain.size() - 3);
    const auto fail = [&] { throw Error(formatMessage(std::string(kNotAnAmount), std::string(text))); };
    const std::size_t separator = plain.find_first_of(",.");
    const std::string whole = plain.substr(0, separator);
    const std::string decimals = separator == std::string::npos ? "" : plain.substr(separator + 1);
    const bool wellFormed = !whole.empty() && whole.size() <= 9 && decimals.size() <= 2 &&
                            (separator == std::string::npos || !decimals.empty());
    if (!wellFormed) fail();
    for (char c : whole + decimals)
        if (!isDigit(c)) fail();
    std::int64_t cents = std::stoll(whole) * 100;
    if (!decimals.empty()) cents += std::stoll(decimals) * (decimals.size() == 1 ? 10 : 1);
    if (cents > kMaximumEuros * 100 + 99) fail();
    return cents;
}

std::string plainEuros(std::int64_t cents) {
    const std::string text = euros(cents);  // "4 500,50 €"
    return withoutBlanks(text.substr(0, text.size() - std::string_view(" €").size()));
}

std::optional<std::int64_t> professionalShare(const DerivedYear& figures, std::int64_t costsCents) {
    const std::int64_t professional = figures.professionalKm;
    const std::int64_t total = figures.totalKm;
    if (total == 0) return std::nullopt;
    // Exact in integers: costs below 10^12 cents times a figure below 2^31 fit in 128 bits.
    const Wide product = static_cast<Wide>(costsCents) * professional;
    const Wide doubled = product * 2 / total;  // twice the quotient, truncated
    const Wide rounded = doubled >= 0 ? (doubled + 1) / 2 : -((-doubled + 1) / 2);
    return static_cast<std::int64_t>(rounded);
}

CostsComparison compareCosts(const FormModel& form, const DerivedYear& figures,
                             std::int64_t costsCents, bool electric) {
    CostsComparison result;
    result.allowance = mileageAllowance(form, figures, electric);
    result.shareCents = professionalShare(figures, costsCents);
    auto& lines = result.lines;
    lines.push_back("Frais réels de l'année : " + euros(costsCents));
    if (result.shareCents) {
        lines.push_back("Coefficient professionnel : " +
                        percentOf(figures.professionalKm, figures.totalKm));
        lines.push_back("Part professionnelle des frais : " + euros(*result.shareCents));
    }
    const Allowance& allowance = result.allowance;
    if (allowance.cents) {
        lines.push_back("Barème kilométrique " + std::to_string(allowance.scaleYear) + " : " +
                        euros(*allowance.cents) + (allowance.electric ? " (véhicule électrique)" : ""));
    }
    if (!result.shareCents) {
        lines.push_back("Le kilométrage total de l'année est nul : la part professionnelle des "
                        "frais ne peut pas être calculée.");
    } else if (!allowance.cents) {
        lines.push_back(allowance.lines.back());
    } else {
        lines.push_back(verdict(*result.shareCents, *allowance.cents));
    }
    lines.push_back(kReminder);
    return result;
}

}  // namespace vardo
