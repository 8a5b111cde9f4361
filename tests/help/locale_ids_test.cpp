// The locale identifiers of the debug report.
#include <gtest/gtest.h>

#include "app/help/locale_ids.h"

namespace {

TEST(LocaleIdTest, IdentifierAndItsParts) {
    struct Row {
        const char* name;
        std::uint16_t lcid;
        std::uint16_t primary;
        std::uint16_t sub;
    } rows[] = {{"fr_FR", 0x040C, 0x0C, 0x01}, {"fr_FR.UTF-8", 0x040C, 0x0C, 0x01},
                {"fr_BE", 0x080C, 0x0C, 0x02}, {"en_US", 0x0409, 0x09, 0x01},
                {"de_DE", 0x0407, 0x07, 0x01}, {"C", 0, 0, 0},
                {"xx_YY", 0, 0, 0}};
    for (const Row& row : rows) {
        const std::uint16_t lcid = vardo::windowsLocaleId(QString::fromLatin1(row.name));
        EXPECT_EQ(lcid, row.lcid) << row.name;
        EXPECT_EQ(vardo::primaryLanguageId(lcid), row.primary) << row.name;
        EXPECT_EQ(vardo::subLanguageId(lcid), row.sub) << row.name;
    }
}

}  // namespace
