// The locale identifiers of the debug report.
#include <gtest/gtest.h>

#include "controls/locale_ids.h"

namespace {

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
