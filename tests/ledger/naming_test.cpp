#include <gtest/gtest.h>

#include <set>

#include "ledger/form_model.h"

using namespace vardo;

TEST(Naming, CreationOrderOfTheFields) {
    FormModel form;
    ASSERT_EQ(form.fieldCount(), 888);
    EXPECT_EQ(form.name(0), "JanvKMIn");
    EXPECT_EQ(form.name(6), "JanvCoPerso");
    EXPECT_EQ(form.name(7), "JanvM01");
    EXPECT_EQ(form.name(8), "JanvS01");
    EXPECT_EQ(form.name(68), "JanvS31");
    EXPECT_EQ(form.name(69), "FevKMIn");
    EXPECT_EQ(form.name(eveningField(1, 29)), "FevS29");
    EXPECT_EQ(form.name(eveningField(11, 31)), "DecS31");
    EXPECT_EQ(form.name(eveningField(11, 31) + 1), "KMIniJanv");
    EXPECT_EQ(form.name(eveningField(11, 31) + 6), "KMIniFev");
    EXPECT_EQ(form.name(gridField(11, GridColumn::KMPerso)), "KMPersoDec");
    EXPECT_EQ(form.name(gridField(11, GridColumn::KMPerso) + 1), "CoefPro");
    EXPECT_EQ(form.name(883), "TotPerso");
    EXPECT_EQ(form.name(884), "aledComptabilite");
    EXPECT_EQ(form.name(887), "aledChevaux");
    for (FieldId f = 0; f < form.fieldCount(); ++f) EXPECT_EQ(form.findField(form.name(f)), f);
    EXPECT_EQ(form.findField("JanvS32"), -1);
}

TEST(Naming, MenuItemsAndNavigation) {
    FormModel form;
    ASSERT_EQ(form.menuCount(), 27);
    EXPECT_EQ(form.menuName(0), "Fichier1");
    EXPECT_EQ(form.menuName(26), "Aproposde1");
    EXPECT_EQ(form.menuName(navigationItem(1)), "Fvrier1");
    EXPECT_EQ(form.menuName(navigationItem(11)), "Dcembre1");
    EXPECT_EQ(form.menuName(navigationItem(kBilanPage)), "BilanAnnuel1");
    for (MenuId m = 0; m < form.menuCount(); ++m)
        EXPECT_EQ(form.checked(m), m == navigationItem(0)) << form.menuName(m);
}

// Every menu item, field and button name is a distinct component of the window; a name that
// another one shadowed would store or wire the wrong thing.
TEST(Naming, EveryNameIsUniqueAndMapsBack) {
    FormModel form;
    std::set<std::string> names;
    for (FieldId f = 0; f < form.fieldCount(); ++f) names.insert(form.name(f));
    for (MenuId m = 0; m < form.menuCount(); ++m) {
        EXPECT_EQ(form.findMenuItem(form.menuName(m)), m) << form.menuName(m);
        EXPECT_EQ(kMenuTable[m].caption.empty(), kMenuTable[m].kind == MenuKind::Separator);
        names.insert(std::string{form.menuName(m)});
    }
    for (int month = 0; month < kMonths; ++month) {
        names.insert(correctionButtonName(month));
        names.insert(monthPrintButtonName(month));
    }
    names.insert(std::string{kSaveButtonName});
    names.insert(std::string{kAnnualPrintButtonName});
    EXPECT_EQ(names.size(), std::size_t{kFieldCount + kMenuCount + 2 * kMonths + 2});
    EXPECT_EQ(form.findMenuItem("Janvier"), -1);
}

TEST(Naming, HandOnTargets) {
    FormModel form;
    EXPECT_EQ(form.name(handOnTarget(0)), "FevKMIn");
    EXPECT_EQ(form.name(handOnTarget(1)), "MarsKMIn");
    EXPECT_EQ(form.name(handOnTarget(10)), "DecKMIn");
    EXPECT_EQ(form.name(handOnTarget(11)), "KMFinDec");
}

namespace {
// The letter after the caption's ampersand, lower-cased; 0 when the caption has none.
char accessKey(std::string_view caption) {
    const std::size_t at = caption.find('&');
    if (at == std::string_view::npos || at + 1 >= caption.size()) return 0;
    const char key = caption[at + 1];
    return key >= 'A' && key <= 'Z' ? static_cast<char>(key - 'A' + 'a') : key;
}
}  // namespace

// A keyboard user opens a month with its access key: within one menu no two items share one, and
// every month of "&Edition" has one; without the ampersand the caption is the page's.
TEST(Naming, AccessKeysOfAMenuDoNotClash) {
    std::set<char> keys;
    std::string menu;
    for (const MenuEntry& entry : kMenuTable) {
        if (entry.kind == MenuKind::Title) {
            keys.clear();
            menu = entry.caption;
            continue;
        }
        if (entry.kind != MenuKind::Command) continue;
        const char key = accessKey(entry.caption);
        if (key == 0) continue;
        EXPECT_TRUE(keys.insert(key).second)
            << entry.caption << " repeats the access key " << key << " of " << menu;
    }
    for (int month = 0; month < kMonths; ++month) {
        const std::string_view caption = kMenuTable[navigationItem(month)].caption;
        EXPECT_NE(accessKey(caption), 0) << caption;
        std::string plain{caption};
        plain.erase(plain.find('&'), 1);
        EXPECT_EQ(plain, monthInfo(month).caption);
    }
}
