// Regional settings and language: the decimal separator and the short date of the locale, and
// Qt's own French translations.
#include "app/window/regional.h"

#include <QCoreApplication>

#include "app/cli/application.h"
#include "window_fixture.h"

namespace vardo::app::testing {
namespace {

TEST(RegionalSettings, SeparatorAndShortDate) {
    struct Row {
        const char* name;
        QLocale locale;
        char separator;
        const char* date;
    } rows[] = {{"France", QLocale(QLocale::French, QLocale::France), ',', "07/03/2026"},
                {"Switzerland", QLocale(QLocale::French, QLocale::Switzerland), ',', "07.03.26"},
                {"United States", QLocale(QLocale::English, QLocale::UnitedStates), '.', "3/7/26"}};
    for (const Row& row : rows) {
        EXPECT_EQ(regionalSettings(row.locale).decimalSeparator, row.separator) << row.name;
        EXPECT_EQ(shortDate(row.locale, QDate(2026, 3, 7)), QString::fromUtf8(row.date)) << row.name;
    }
}

TEST(Language, QtSpeaksFrench) {
    ASSERT_TRUE(loadFrenchTranslations());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annuler");
}

TEST(Language, WindowFontIsTheSansSerifStandIn) {
    const QFont font = windowFont();
    EXPECT_EQ(font.family(), "Liberation Sans");
    EXPECT_EQ(font.pointSize(), 8);
}

}  // namespace
}  // namespace vardo::app::testing
