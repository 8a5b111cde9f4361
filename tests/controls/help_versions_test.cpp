// Friendly names of help control versions, and the locale identifiers of the debug report.
#include <gtest/gtest.h>

#include "controls/help_access.h"
#include "controls/locale_ids.h"

namespace {

struct FriendlyVersion {
    const char* name;
    const char* version;
    const char* expected;
};

class FriendlyHelpVersionTest : public testing::TestWithParam<FriendlyVersion> {};

TEST_P(FriendlyHelpVersionTest, TakesTheFirstRowReached) {
    EXPECT_EQ(vardo::friendlyHelpVersion(QString::fromLatin1(GetParam().version)),
              QString::fromLatin1(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Table, FriendlyHelpVersionTest,
    testing::Values(FriendlyVersion{"Exactly13", "4.74.8702.0", "1.3"},
                    FriendlyVersion{"Between12And13Is11b", "4.73.8000.0", "1.1b"},
                    FriendlyVersion{"Exactly133", "4.74.9273.0", "1.33"},
                    FriendlyVersion{"BuildAbove133", "4.74.9273.1", "> 1.33"},
                    FriendlyVersion{"NewerMinor", "4.75.0.0", "> 1.33"},
                    FriendlyVersion{"Exactly132", "4.74.8857.0", "1.32"},
                    FriendlyVersion{"Exactly131", "4.74.8793.0", "1.31"},
                    FriendlyVersion{"Exactly122", "4.73.8561.0", "1.22"},
                    FriendlyVersion{"Exactly121a", "4.73.8474.0", "1.21a"},
                    FriendlyVersion{"Exactly121", "4.73.8412.0", "1.21"},
                    FriendlyVersion{"Exactly12", "4.73.8252.0", "1.2"},
                    FriendlyVersion{"Exactly11b", "4.72.8164.0", "1.1b"},
                    FriendlyVersion{"Exactly11a", "4.72.7325.0", "1.1a"},
                    FriendlyVersion{"Exactly11", "4.72.7323.0", "1.1"},
                    FriendlyVersion{"Between10And11", "4.72.7300.5", "1.0"},
                    FriendlyVersion{"Exactly10", "4.72.7290.0", "1.0"},
                    FriendlyVersion{"JustBelow10", "4.72.7289.999", "< 1.0"},
                    FriendlyVersion{"Empty", "", "< 1.0"},
                    FriendlyVersion{"Garbage", "abc", "< 1.0"}),
    [](const testing::TestParamInfo<FriendlyVersion>& row) { return std::string(row.param.name); });

TEST(FourPartVersionTest, MissingPartsCountAsZero) {
    EXPECT_EQ(vardo::parseFourPartVersion(QStringLiteral("6.4")),
              (vardo::FourPartVersion{6, 4, 0, 0}));
    EXPECT_EQ(vardo::parseFourPartVersion(QStringLiteral("4.74.8702.0")),
              (vardo::FourPartVersion{4, 74, 8702, 0}));
}

struct LocaleId {
    const char* name;
    std::uint16_t lcid;
    std::uint16_t primary;
    std::uint16_t sub;
};

class LocaleIdTest : public testing::TestWithParam<LocaleId> {};

TEST_P(LocaleIdTest, IdentifierAndItsParts) {
    const std::uint16_t lcid = vardo::windowsLocaleId(QString::fromLatin1(GetParam().name));
    EXPECT_EQ(lcid, GetParam().lcid);
    EXPECT_EQ(vardo::primaryLanguageId(lcid), GetParam().primary);
    EXPECT_EQ(vardo::subLanguageId(lcid), GetParam().sub);
}

INSTANTIATE_TEST_SUITE_P(Table, LocaleIdTest,
                         testing::Values(LocaleId{"fr_FR", 0x040C, 0x0C, 0x01},
                                         LocaleId{"fr_FR.UTF-8", 0x040C, 0x0C, 0x01},
                                         LocaleId{"fr_BE", 0x080C, 0x0C, 0x02},
                                         LocaleId{"en_US", 0x0409, 0x09, 0x01},
                                         LocaleId{"de_DE", 0x0407, 0x07, 0x01},
                                         LocaleId{"C", 0, 0, 0}, LocaleId{"xx_YY", 0, 0, 0}),
                         [](const testing::TestParamInfo<LocaleId>& row) {
                             std::string name = row.param.name;
                             for (char& c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             }
                             return name;
                         });

}  // namespace
