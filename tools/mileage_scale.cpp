#include "tools/mileage_scale.h"

#include "ledger/error.h"
#include "ledger/numbers.h"
#include "ledger/calendar.h"
#include "tools/french_format.h"

namespace vardo {
namespace {

// The car scale of the income years 2022 to 2025, published from 2023 to 2026 unchanged.
constexpr std::array<BandRates, kHorsepowerBands> kCarScale2022 = {{
    {529, 316, 1065, 370},  // 3 CV et moins
    {606, 340, 1330, 407},  // 4 CV
    {636, 357, 1395, 427},  // 5 CV
    {665, 374, 1457, 447},  // 6 CV
    {697, 394, 1515, 470},  // 7 CV et plus
}};

// By income year. A new year's scale is one more line here.
constexpr YearScale kScales[] = {
    {2022, kCarScale2022},
    {2023, kCarScale2022},
    {2024, kCarScale2022},
    {2025, kCarScale2022},
};

constexpr const char* kCannotCompute = " : l'indemnité ne peut pas être calculée.";

std::string rateText(int thousandths) {
    char text[16];
    std::snprintf(text, sizeof text, "%d,%03d", thousandths / 1000, thousandths % 1000);
    return text;
}

int bracketOf(std::int64_t distance) {
    return distance <= kFirstBracketEnd ? 0 : distance <= kSecondBracketEnd ? 1 : 2;
}

std::string bracketCaption(int bracket) {
    static const char* const captions[] = {"jusqu'à 5 000 km", "de 5 001 à 20 000 km",
                                           "plus de 20 000 km"};
    return captions[bracket];
}

// "12 000 × 0,357 + 1 395", in brackets and "× 1,2" for an electric car.
std::string formula(const BandRates& rates, std::int64_t distance, bool electric) {
    const int bracket = bracketOf(distance);
    const int rate = bracket == 0 ? rates.upTo5000 : bracket == 1 ? rates.upTo20000 : rates.above20000;
    std::string text = groupedInteger(distance) + " × " + rateText(rate);
    if (bracket == 1) text += " + " + groupedInteger(rates.fixedUpTo20000);
    if (electric) text = (bracket == 1 ? "(" + text + ")" : text) + " × 1,2";
    return text;
}

// The horsepower band of aledChevaux, or the sentence that says why there is none.
std::optional<int> bandOf(const FormModel& form, std::string& sentence) {
    const std::string& text = form.text(headerField(Header::Chevaux));
    if (text.empty() || text == "0") {
        sentence = "La puissance fiscale (Chevaux) n'est pas renseignée";
        return std::nullopt;
    }
    try {
        const std::int32_t horsepower = readFigure(text);
        if (horsepower >= 1) return horsepowerBand(horsepower);
    } catch (const Error&) {
    }
    sentence = "La puissance fiscale (Chevaux) « " + text + " » n'est pas un nombre de chevaux";
    return std::nullopt;
}

// The professional kilometres of the year, or the sentence that says why they cannot be used.
std::optional<std::int64_t> distanceOf(const DerivedYear& figures, std::string& sentence) {
    if (figures.professionalKm >= 0) return figures.professionalKm;
    sentence = "Les kilomètres professionnels de l'année (" + figures.professional +
               ") sont négatifs";
    return std::nullopt;
}

// The heading, and the sentence saying which scale applies when it is not the year's own.
// Returns why there is no amount when no scale applies, or nothing.
std::string describeScale(std::optional<int> year, const YearScale* scale,
                          std::vector<std::string>& lines) {
    const std::string latest = std::to_string(fiscalScales().back().year);
    if (!scale) {
        lines.push_back("Barème kilométrique des voitures");
        return "Aucun barème n'est connu pour l'année comptable " + std::to_string(*year) +
               " (Vardo a ceux des années " + std::to_string(fiscalScales().front().year) +
               " à " + latest + ")";
    }
    lines.push_back("Barème kilométrique " + std::to_string(scale->year) + " des voitures");
    if (!year) {
        lines.push_back("L'année comptable n'est pas renseignée : le barème le plus récent (" +
                        latest + ") est appliqué.");
    } else if (*year != scale->year) {
        lines.push_back("Le barème de l'année comptable " + std::to_string(*year) +
                        " n'est pas encore publié : le plus récent (" + latest +
                        ") est appliqué.");
    }
    return {};
}

}  // namespace

std::span<const YearScale> fiscalScales() {
    return kScales;
}

int horsepowerBand(int horsepower) {
    return horsepower <= 3 ? 0 : horsepower >= 7 ? 4 : horsepower - 3;
}

std::string bandCaption(int band) {
    if (band == 0) return "3 CV et moins";
    if (band == 4) return "7 CV et plus";
    return std::to_string(band + 3) + " CV";
}

const YearScale* scaleFor(std::optional<int> year) {
    if (year && *year < fiscalScales().front().year) return nullptr;
    for (const YearScale& scale : fiscalScales())
        if (year && scale.year == *year) return &scale;
    return &fiscalScales().back();
}

std::int64_t allowanceCents(const YearScale& scale, int band, std::int64_t distance,
                            bool electric) {
    const BandRates& rates = scale.bands[static_cast<std::size_t>(band)];
    const int bracket = bracketOf(distance);
    std::int64_t thousandths = 0;
    if (bracket == 0) thousandths = distance * rates.upTo5000;
    if (bracket == 1) thousandths = distance * rates.upTo20000 + rates.fixedUpTo20000 * 1000LL;
    if (bracket == 2) thousandths = distance * rates.above20000;
    // In ten-thousandths of a euro, so that the 20 % of an electric car stays exact.
    const std::int64_t tenThousandths = thousandths * (electric ? 12 : 10);
    return (tenThousandths + 50) / 100;
}

Allowance mileageAllowance(const FormModel& form, const DerivedYear& figures, bool electric) {
    Allowance result;
    const std::optional<int> year = accountingYear(form);
    const YearScale* scale = scaleFor(year);
    result.scaleYear = scale ? scale->year : 0;
    result.electric = electric;
    auto& lines = result.lines;
    std::string sentence = describeScale(year, scale, lines);
    std::string bandSentence;
    const std::optional<int> band = bandOf(form, bandSentence);
    if (sentence.empty()) sentence = bandSentence;
    if (band) lines.push_back("Puissance fiscale : " + bandCaption(*band));
    std::string distanceSentence;
    const std::optional<std::int64_t> distance = distanceOf(figures, distanceSentence);
    if (sentence.empty()) sentence = distanceSentence;
    if (distance) {
        lines.push_back("Kilomètres professionnels : " + groupedInteger(*distance) + " km");
        lines.push_back("Tranche : " + bracketCaption(bracketOf(*distance)));
    }
    lines.push_back(std::string("Véhicule électrique : ") + (electric ? "oui, +20 %" : "non"));
    if (!scale || !band || !distance) {
        lines.push_back(sentence + kCannotCompute);
        return result;
    }
    const BandRates& rates = scale->bands[static_cast<std::size_t>(*band)];
    result.cents = allowanceCents(*scale, *band, *distance, electric);
    lines.push_back("Formule : " + formula(rates, *distance, electric) + " = " +
                    euros(*result.cents));
    lines.push_back("Indemnités kilométriques : " + euros(*result.cents));
    return result;
}

}  // namespace vardo
