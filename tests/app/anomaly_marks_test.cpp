// The check's anomalies as the user types, in a real window: after an exit, the boxes an anomaly
// names show their text in red with the anomaly's line as tool tip; nothing is blocked, nothing
// moves, and the marks go when the readings are mended.
#include <QMenu>
#include <QPalette>

#include "app/tools/tools_menu.h"

#include "window_fixture.h"

namespace vardo::app::testing {
namespace {

class AnomalyMarksTest : public WindowTest {
protected:
    QColor textColor(const char* name) const { return edit(name)->palette().color(QPalette::Text); }

    // A wrong evening typed and left in its box; a menu command runs the box's exit, and the
    // marks follow it as after any other exit, the focus staying where it was.
    void expectMarkedAfterCommand(const std::function<void()>& command);
};

const char* const kEveningBelowMorning =
    "1er janvier, soir : le relevé (9990) est inférieur au relevé du matin (10010)";

TEST_F(AnomalyMarksTest, TheBoxesNamedTurnRedWithTheSentence) {
    open();
    const QColor normal = textColor("JanvS01");
    const QRect place = edit("JanvS01")->geometry();
    typeFirstDay("10000", "10010", "9990");
    EXPECT_FALSE(edit("JanvS01")->flagged()) << "nothing is marked before the exit";
    QTest::keyClick(focus(), Qt::Key_Tab);
    settle();

    for (const char* name : {"JanvS01", "JanvM01"}) {
        EXPECT_TRUE(edit(name)->flagged()) << name;
        EXPECT_EQ(edit(name)->toolTip(), kEveningBelowMorning) << name;
        EXPECT_EQ(textColor(name), QColor(Qt::red)) << name;
    }
    EXPECT_FALSE(edit("JanvKMIn")->flagged());
    EXPECT_EQ(edit("JanvKMIn")->toolTip(), edit("JanvKMIn")->accessibleName()) << "the name, no reason";
    EXPECT_EQ(edit("JanvS01")->geometry(), place) << "no layout change";
    EXPECT_TRUE(errors.empty()) << "no box: nothing blocks";

    // Typing goes on where Tab led.
    EXPECT_EQ(focus(), edit("JanvM02"));
    typeAndTab("10020");
    EXPECT_EQ(text("JanvM02"), "10020");
    EXPECT_TRUE(edit("JanvS01")->flagged()) << "still wrong, still marked";

    // Mended (as a correction would), the next exit takes the marks away.
    window->form().setText(window->form().findField("JanvS01"), "10015");
    typeAndTab("10200");
    settle();
    for (const char* name : {"JanvS01", "JanvM01"}) {
        EXPECT_FALSE(edit(name)->flagged()) << name;
        EXPECT_EQ(edit(name)->toolTip(), edit(name)->accessibleName()) << name << ": the name again";
        EXPECT_EQ(textColor(name), normal) << name;
    }
}

void AnomalyMarksTest::expectMarkedAfterCommand(const std::function<void()>& command) {
    open();
    typeFirstDay("10000", "10010", "9990");
    QWidget* evening = focus();
    ASSERT_EQ(evening, edit("JanvS01"));
    command();
    settle();
    for (const char* name : {"JanvS01", "JanvM01"}) {
        EXPECT_TRUE(edit(name)->flagged()) << name;
        EXPECT_EQ(edit(name)->toolTip().toStdString(), kEveningBelowMorning) << name;
    }
    EXPECT_EQ(focus(), evening);
}

TEST_F(AnomalyMarksTest, MarksFollowTheExitOfTheSaveCommand) {
    expectMarkedAfterCommand([&] { window->menuItem("Sauvegarderlanne1")->trigger(); });
    EXPECT_EQ(infos.size(), 1u) << "the save ran";
}

TEST_F(AnomalyMarksTest, MarksFollowTheExitOfACancelledSaveAs) {
    expectMarkedAfterCommand([&] { window->menuItem("Sauvegarderlebilanannuelsous1")->trigger(); });
}

TEST_F(AnomalyMarksTest, MarksFollowTheExitOfThePrintCommand) {
    expectMarkedAfterCommand([&] { window->menuItem("Imprimerlebilanannuel1")->trigger(); });
    EXPECT_EQ(printed.size(), 1u) << "the print ran up to its dialog";
}

TEST_F(AnomalyMarksTest, MarksFollowTheExitOfAToolsCommand) {
    expectMarkedAfterCommand([&] {
        auto* tools = window->findChild<ToolsMenu*>(QStringLiteral("ToolsMenu"));
        ASSERT_NE(tools, nullptr);
        tools->exportFileName = [](QWidget*, const QString&) { return QString(); };  // cancelled
        tools->menu()->findChild<QAction*>(QStringLiteral("ExportComptable"))->trigger();
    });
}

// A box named by two anomalies carries both lines.
TEST_F(AnomalyMarksTest, EveryLineOfABoxInItsToolTip) {
    open();
    FormModel& form = window->form();
    form.setText(form.findField("JanvKMIn"), "10000");
    form.setText(form.findField("JanvM01"), "10010");
    form.setText(form.findField("JanvS01"), "10100");
    form.setText(form.findField("JanvM02"), "10050");  // below the evening before...
    form.setText(form.findField("JanvS02"), "10040");  // ...and above its own evening
    edit("JanvKMIn")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focus(), Qt::Key_Tab);
    settle();
    EXPECT_EQ(edit("JanvM02")->toolTip(),
              "2 janvier, matin : le compteur recule : le relevé (10050) est inférieur au relevé "
              "du 1er janvier au soir (10100)\n"
              "2 janvier, soir : le relevé (10040) est inférieur au relevé du matin (10050)");
}

}  // namespace
}  // namespace vardo::app::testing
