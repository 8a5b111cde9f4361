#include <gtest/gtest.h>

#include "error_of.h"
#include "ledger/numbers.h"

using namespace vardo;
using vardo::testing::errorOf;

namespace {

struct FigureCase {
    const char* row;
    const char* text;
    std::int32_t value;
};

TEST(ReadFigure, AcceptsLeadingSpacesSignAndDigits) {
    const FigureCase cases[] = {
        {"plain", "12500", 12500},         {"leading spaces", "  42", 42},
        {"plus sign", "+7", 7},            {"minus sign", "-15", -15},
        {"double zero", "00", 0},          {"largest", "2147483647", 2147483647},
        {"smallest", "-2147483648", INT32_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(readFigure(c.text), c.value) << c.row;
}

TEST(ReadFigure, RejectsAnythingElseWithTheFieldText) {
    const char* bad[] = {"", " ", "-", "12a", "1 ", "1,5", "0x10", "2147483648", "-2147483649",
                         "99999999999999999999"};
    for (const char* text : bad)
        EXPECT_EQ(errorOf([&] { readFigure(text); }),
                  std::string("'") + text + "' n'est pas une valeur entière correcte")
            << text;
}

TEST(WriteFigure, PlainDecimalAndOverflow) {
    EXPECT_EQ(writeFigure(-15), "-15");
    EXPECT_EQ(writeFigure(0), "0");
    EXPECT_EQ(errorOf([] { writeFigure(std::int64_t{INT32_MAX} + 1); }), "Débordement d'entier");
    EXPECT_EQ(errorOf([] { writeFigure(std::int64_t{INT32_MIN} - 1); }), "Débordement d'entier");
}

struct QuotientCase {
    const char* row;
    std::int32_t numerator, denominator;
    const char* comma;
    const char* point;
};

TEST(WriteQuotient, GeneralFormatWithTheRegionalSeparator) {
    const QuotientCase cases[] = {
        {"whole", 15000, 15000, "1", "1"},
        {"zero", 0, 5, "0", "0"},
        {"half", 1, 2, "0,5", "0.5"},
        {"third", 1000, 3000, "0,333333333333333", "0.333333333333333"},
        {"two thirds", 2, 3, "0,666666666666667", "0.666666666666667"},
        {"0,6", 9000, 15000, "0,6", "0.6"},
        {"negative", -1, 4, "-0,25", "-0.25"},
        {"smallest fixed", 1, 100000, "0,00001", "0.00001"},
        {"below fixed", 3, 2000000, "1,5E-6", "1.5E-6"},
        {"large", 2147483647, 1, "2147483647", "2147483647"},
        {"exact half at the 16th digit", 1000000001, 1024, "976562,500976563", "976562.500976563"},
        {"carry into a new digit", 999999999, 1000000000, "0,999999999", "0.999999999"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(writeQuotient(c.numerator, c.denominator, ','), c.comma) << c.row;
        EXPECT_EQ(writeQuotient(c.numerator, c.denominator, '.'), c.point) << c.row;
    }
}

TEST(WriteQuotient, ZeroDivisorFailsWithTheTwoTexts) {
    EXPECT_EQ(errorOf([] { writeQuotient(5, 0, ','); }), "Division par zéro en virgule flottante");
    EXPECT_EQ(errorOf([] { writeQuotient(0, 0, ','); }), "Opération en virgule flottante incorrecte");
}

TEST(ReadDecimal, LocaleSeparatorAndFailures) {
    EXPECT_DOUBLE_EQ(static_cast<double>(readDecimal("0,6", ',')), 0.6);
    EXPECT_DOUBLE_EQ(static_cast<double>(readDecimal("0.6", '.')), 0.6);
    EXPECT_DOUBLE_EQ(static_cast<double>(readDecimal("-1,5E-6", ',')), -1.5e-6);
    EXPECT_DOUBLE_EQ(static_cast<double>(readDecimal(" 1 ", ',')), 1.0);
    for (const char* bad : {"", "0.6", "abc", "1,2,3", "E5", "1E"})
        EXPECT_EQ(errorOf([&] { readDecimal(bad, ','); }),
                  std::string("'") + bad + "' n'est pas une valeur en virgule flottante correcte")
            << bad;
}

TEST(RoundTwoDecimals, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(formatGeneral(roundTwoDecimals(0.125L), ','), "0,12");
    EXPECT_EQ(formatGeneral(roundTwoDecimals(0.375L), ','), "0,38");
    EXPECT_EQ(formatGeneral(roundTwoDecimals(33.3333333333333L), ','), "33,33");
    EXPECT_EQ(formatGeneral(roundTwoDecimals(60.0000000000001L), ','), "60");
}

// The percentages of the status bar: two decimals at most, an exact half to the even neighbour.
TEST(WriteHundredths, RoundsToTwoDecimalsAndDropsTrailingZeros) {
    struct Row {
        const char* name;
        long double value;
        char separator;
        const char* text;
    };
    for (const Row& row : {
             Row{"whole", 60.0L, ',', "60"},
             Row{"zero", 0.0L, ',', "0"},
             Row{"one decimal", 0.5L, ',', "0,5"},
             Row{"two decimals", 33.25L, ',', "33,25"},
             Row{"cut after two decimals", 33.3333333333333L, ',', "33,33"},
             Row{"rounded up past two decimals", 66.6666666666667L, ',', "66,67"},
             Row{"half down to even", 0.125L, ',', "0,12"},
             Row{"half up to even", 0.375L, ',', "0,38"},
             Row{"half to even whole", 2.005L - 0.000000000000000001L, ',', "2"},
             Row{"tenth's trailing zero dropped", 12.10L, ',', "12,1"},
             Row{"negative", -50.0L, ',', "-50"},
             Row{"negative half to even", -0.125L, ',', "-0,12"},
             Row{"negative thousands", -25726.1234L, ',', "-25726,12"},
             Row{"tiny negative is zero", -0.001L, ',', "0"},
             Row{"point separator", 57619.0L / 100, '.', "576.19"},
             Row{"huge falls back to the general format", 1e20L, ',', "1E20"},
         })
        EXPECT_EQ(writeHundredths(row.value, row.separator), row.text) << row.name;
}

TEST(ErrorBox, FullStopAppendedWhenLastCharacterSortsAfterIt) {
    EXPECT_EQ(errorBoxText("Disque plein"), "Disque plein.");
    EXPECT_EQ(errorBoxText("'' n'est pas une valeur entière correcte"),
              "'' n'est pas une valeur entière correcte.");
    EXPECT_EQ(errorBoxText("Fini."), "Fini.");
    EXPECT_EQ(errorBoxText("Quoi !"), "Quoi !");
    EXPECT_EQ(errorBoxText("Erreur E/S 5"), "Erreur E/S 5.");
}

}  // namespace
