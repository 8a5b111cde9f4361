// What a screen reader learns of the window's boxes: each box's name, tooltip and description
// from the table of spoken names, the weekday following the accounting year, the read-only state,
// and the painted captions in the tree, naming their boxes.
#include <QAccessible>

#include "app/pages/caption_accessible.h"
#include "app/pages/label_layer.h"
#include "controls/accessible_line_edit.h"
#include "ledger/calendar.h"
#include "ledger/spoken_names.h"
#include "window_fixture.h"

namespace vardo::app::testing {
namespace {

class SpokenFields : public WindowTest {
protected:
    void SetUp() override {
        installLineEditAccessibility();
        installCaptionAccessibility();
        WindowTest::SetUp();
    }

    QStringList captionsOf(const char* name) {
        QStringList captions;
        for (const auto& [layer, index] : LabelLayer::captionsOf(edit(name)))
            captions << layer->captionInterface(index)->text(QAccessible::Name);
        return captions;
    }
};

TEST_F(SpokenFields, EveryBoxIsNamedFromTheTableAndTheTooltipSaysTheSame) {
    open();
    for (FieldId id = 0; id < kFieldCount; ++id) {
        AlignedEdit* box = window->field(id);
        const QString expected = QString::fromStdString(spokenName(id, accountingYear(window->form())));
        ASSERT_EQ(box->accessibleName(), expected) << fieldName(id);
        ASSERT_EQ(box->toolTip(), expected) << fieldName(id);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box);
        ASSERT_EQ(face->text(QAccessible::Name), expected) << fieldName(id);
        ASSERT_EQ(face->text(QAccessible::Description),
                  QString::fromStdString(spokenDescription(id, box->isReadOnly())))
            << fieldName(id);
    }
}

TEST_F(SpokenFields, TheWeekdayFollowsTheAccountingYear) {
    open();
    window->form().setText(headerField(Header::Comptabilite), "2026");
    EXPECT_EQ(edit("JanvM03")->accessibleName(), "samedi 3 janvier, matin");
    EXPECT_EQ(edit("JanvM03")->toolTip(), "samedi 3 janvier, matin");
    window->form().setText(headerField(Header::Comptabilite), "2027");
    EXPECT_EQ(edit("JanvS03")->accessibleName(), "dimanche 3 janvier, soir");
    window->form().setText(headerField(Header::Comptabilite), "");
    EXPECT_EQ(edit("JanvS03")->accessibleName(), "3 janvier, soir");
    EXPECT_EQ(edit("JanvKMIn")->accessibleName(), "Janvier, kilométrage initial");
}

TEST_F(SpokenFields, ALockedBoxSaysItIsReadOnlyAndHowToOpenIt) {
    open();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(edit("JanvKMIn"));
    EXPECT_FALSE(face->state().readOnly);
    EXPECT_EQ(face->text(QAccessible::Description), "");
    window->form().setReadOnly(window->form().findField("JanvKMIn"), true);
    EXPECT_TRUE(face->state().readOnly);
    EXPECT_EQ(face->text(QAccessible::Description), "verrouillé : bouton Corriger");
    QAccessibleInterface* total = QAccessible::queryAccessibleInterface(edit("JanvKMTot"));
    EXPECT_EQ(total->text(QAccessible::Description), "calculé");
}

// The captions are in the tree and name their boxes; a box itself reports no label, not even its
// group box's title: Orca reads a labelled box by its label alone, "3" for the morning of 3
// January, where the box's name says "samedi 3 janvier, matin".
TEST_F(SpokenFields, ThePaintedCaptionsNameTheirBoxesWhichAreReadByTheirOwnName) {
    open();
    struct Row {
        const char* box;
        QStringList captions;
    } rows[] = {
        {"JanvM03", {"3", "Matin"}},
        {"JanvS21", {"21", "Soir"}},
        {"JanvKMIn", {"Kilométrage initial :"}},
        {"KMProFev", {"Février :", "Km pro"}},
        {"TotAnnee", {"Km Total :"}},
        {"aledComptabilite", {"Comptabilité :"}},
        {"aledChevaux", {"Chevaux :"}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(captionsOf(row.box), row.captions) << row.box;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(edit(row.box));
        EXPECT_TRUE(face->relations(QAccessible::Label).isEmpty()) << row.box;
    }
    const auto [layer, index] = LabelLayer::captionsOf(edit("JanvM03")).first();
    QAccessibleInterface* number = layer->captionInterface(index);
    EXPECT_EQ(number->role(), QAccessible::StaticText);
    ASSERT_NE(number->parent(), nullptr);
    EXPECT_GE(number->parent()->indexOfChild(number), 0);
    const auto named = number->relations(QAccessible::Labelled);
    ASSERT_EQ(named.size(), 2);
    EXPECT_EQ(named[0].first->object(), edit("JanvM03"));
    EXPECT_EQ(named[1].first->object(), edit("JanvS03"));
}

}  // namespace
}  // namespace vardo::app::testing
