// The journal as the window lists it: one row per change, fields named as the user knows them.
#include "tools/journal_list.h"

#include <gtest/gtest.h>

#include "ledger/form_model.h"

namespace vardo {
namespace {

JournalEntry entry(JournalEvent event, std::vector<JournalChange> changes = {}) {
    JournalEntry made;
    made.event = event;
    made.when = "2026-03-07T19:01:42+01:00";
    made.changes = std::move(changes);
    return made;
}

TEST(JournalList, OneRowPerChangeWithTheFieldInWords) {
    JournalEntry correction = entry(JournalEvent::CorrectionOpened);
    correction.month = "Fev";
    JournalEntry loaded = entry(JournalEvent::Loaded, {{"MarsKMIn", "", "52000"},
                                                       {"aledVehicule", "Clio", ""}});
    loaded.reason = "début du journal";
    const auto rows = journalListRows({entry(JournalEvent::Opened),
                                       entry(JournalEvent::Typed, {{"MarsS07", "0", "52730"}}),
                                       correction, loaded});
    const FormModel names;
    const struct {
        const char* name;
        std::string event, field, change;
        int month;
        FieldId id;
    } expected[] = {
        {"start", "ouverture", "", "", -1, -1},
        {"typed evening", "saisie", "7 mars, soir", "0 → 52730", kMarch, names.findField("MarsS07")},
        {"correction of February", "correction", "", "février", kFebruary, -1},
        {"loaded: why", "chargement", "", "début du journal", -1, -1},
        {"loaded: initial reading", "chargement", "mars, kilométrage initial", "(vide) → 52000",
         kMarch, names.findField("MarsKMIn")},
        {"loaded: header", "chargement", "Véhicule", "Clio → (vide)", -1,
         names.findField("aledVehicule")},
    };
    ASSERT_EQ(rows.size(), std::size(expected));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].when, "07/03/2026 19:01:42") << expected[i].name;
        EXPECT_EQ(rows[i].event, expected[i].event) << expected[i].name;
        EXPECT_EQ(rows[i].field, expected[i].field) << expected[i].name;
        EXPECT_EQ(rows[i].change, expected[i].change) << expected[i].name;
        EXPECT_EQ(rows[i].month, expected[i].month) << expected[i].name;
        EXPECT_EQ(rows[i].id, expected[i].id) << expected[i].name;
    }
}

TEST(JournalList, MonthOfEveryDayAndInitialReading) {
    for (int m = 0; m < kMonths; ++m) {
        EXPECT_EQ(monthOfField(balanceField(m, Balance::KMIn)), m);
        for (int d = 1; d <= monthInfo(m).dayRows; ++d) {
            EXPECT_EQ(monthOfField(morningField(m, d)), m);
            EXPECT_EQ(monthOfField(eveningField(m, d)), m);
        }
        EXPECT_EQ(monthOfField(balanceField(m, Balance::KMFin)), -1);
    }
    EXPECT_EQ(monthOfField(headerField(Header::Vehicule)), -1);
}

}  // namespace
}  // namespace vardo
