// What a screen reader learns of the window's boxes: each box's name, tooltip and description
// from the table of spoken names, the weekday following the accounting year, the read-only state,
// and the painted captions reported as the box's labels.
#include <QAccessible>

#include "app/pages/caption_accessible.h"
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
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(edit(name));
        for (const auto& [caption, relation] : face->relations(QAccessible::Label))
            captions << caption->text(QAccessible::Name);
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

TEST_F(SpokenFields, ThePaintedCaptionsLabelTheirBoxes) {
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
    for (const Row& row : rows) EXPECT_EQ(captionsOf(row.box), row.captions) << row.box;
    // The caption is in the tree too, and knows the boxes it names.
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(edit("JanvM03"));
    QAccessibleInterface* number = face->relations(QAccessible::Label).first().first;
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
