// Every list, image and field of the program's own dialogs has a name a screen reader can say,
// and the check's list reads in the user's words, not field keys.
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QGraphicsView>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QTextEdit>
#include <functional>

#include "app/about/about_window.h"
#include "app/help/help_window.h"
#include "app/tools/allowance_dialog.h"
#include "app/tools/costs_dialog.h"
#include "app/tools/journal_dialog.h"
#include "app/tools/reading_check_dialog.h"
#include "app/tools/year_chart_dialog.h"
#include "window_fixture.h"

namespace vardo::app::testing {
namespace {

// What a screen reader needs a name for: lists, tables and trees, typed fields, text areas,
// charts, and labels that show a picture instead of a text.
bool needsName(const QWidget* widget) {
    if (auto* label = qobject_cast<const QLabel*>(widget)) return !label->pixmap().isNull();
    return qobject_cast<const QAbstractItemView*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QComboBox*>(widget) || qobject_cast<const QGraphicsView*>(widget);
}

// A table's headers, a combo box's line edit and a spin box's are named by their owner.
bool namedByOwner(const QWidget* widget) {
    const QWidget* owner = widget->parentWidget();
    if (qobject_cast<const QHeaderView*>(widget)) return true;
    return qobject_cast<const QLineEdit*>(widget) &&
           (qobject_cast<const QComboBox*>(owner) || qobject_cast<const QAbstractSpinBox*>(owner));
}

struct Naming {
    int needing = 0;      // widgets that need a name
    std::string unnamed;  // "<class> <objectName>; " of each one that has none
};

Naming namesOf(QWidget* dialog) {
    Naming naming;
    for (QWidget* widget : dialog->findChildren<QWidget*>()) {
        if (!needsName(widget) || namedByOwner(widget)) continue;
        ++naming.needing;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        if (!face || face->text(QAccessible::Name).trimmed().isEmpty())
            naming.unnamed += std::string(widget->metaObject()->className()) + " " +
                              widget->objectName().toStdString() + "; ";
    }
    return naming;
}

using DialogNames = WindowTest;

TEST_F(DialogNames, EveryListImageAndFieldOfEveryDialogIsNamed) {
    open();
    typeFirstDay("10000", "10010", "10100");
    QTest::keyClick(focus(), Qt::Key_Tab);
    const FormModel& form = window->form();
    struct Row {
        const char* name;
        int needing;  // what the dialog holds that needs a name: proof that it was built
        std::function<QWidget*()> make;
    };
    const std::vector<Row> rows = {
        {"A propos", 1, [] { return new AboutWindow; }},
        {"aide", 2, [] { return new HelpWindow; }},
        {"contrôle sans anomalie", 1, [] { return new ReadingCheckDialog({}, nullptr); }},
        {"contrôle avec anomalies", 1,
         [&] {
             return new ReadingCheckDialog(
                 {Anomaly{0, 3, {morningField(0, 3)}, "le relevé est plus petit que la veille"}},
                 nullptr);
         }},
        {"indemnités (des textes et une case)", 0, [&] { return new AllowanceDialog(form, window->figures(), folder(), nullptr); }},
        {"frais", 1, [&] { return new CostsDialog(form, window->figures(), folder(), nullptr); }},
        {"journal des saisies (sa liste et son mois)", 2,
         [] {
             return new JournalDialog({JournalListRow{"02/01/2026 08:14:03", "saisie",
                                                      "2 janvier, matin", "0 → 10010", 0,
                                                      morningField(0, 2)}},
                                      {"Journal intègre : 1 saisie le 02/01/2026 08:14 ; l'année "
                                       "enregistrée est celle du journal."},
                                      true, nullptr);
         }},
        {"graphique et tableau", 2,
         [&] { return new YearChartDialog(form, window->figures(), folder(), window->printService(), nullptr); }},
    };
    for (const Row& row : rows) {
        std::unique_ptr<QWidget> dialog(row.make());
        const Naming naming = namesOf(dialog.get());
        EXPECT_EQ(naming.needing, row.needing) << row.name;
        EXPECT_EQ(naming.unnamed, "") << row.name;
    }
}

TEST_F(DialogNames, TheChecksListIsNamedAndSaysItsLinesInTheUsersWords) {
    open();
    const std::vector<Anomaly> found = {
        Anomaly{0, 3, {morningField(0, 3)}, "le relevé est plus petit que la veille"}};
    ReadingCheckDialog dialog(found, nullptr);
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("anomalies"));
    ASSERT_NE(list, nullptr);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(list);
    EXPECT_EQ(face->text(QAccessible::Name), "Anomalies des relevés");
    EXPECT_EQ(face->text(QAccessible::Description),
              "Entrée ou double-clic sur une ligne : aller au champ concerné.");
    ASSERT_EQ(list->count(), 1);
    EXPECT_FALSE(list->item(0)->text().contains(QStringLiteral("JanvM03"))) << "a field key read out";
    EXPECT_TRUE(list->item(0)->text().contains(QStringLiteral("janvier"))) << list->item(0)->text().toStdString();
}

}  // namespace
}  // namespace vardo::app::testing
