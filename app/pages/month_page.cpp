#include "app/pages/month_page.h"

#include <QGroupBox>
#include <QPushButton>
#include <utility>

#include "app/pages/field_factory.h"
#include "app/pages/label_layer.h"
#include "app/window/utf8.h"
#include "controls/align_edit.h"
#include "ledger/naming.h"

namespace vardo::app {

namespace {

constexpr int kRowPitch = 24;
constexpr int kDayWidth = 49;
constexpr int kFirstRowTop = 40;
constexpr int kColumnLeft[3] = {12, 148, 284};
constexpr int kBalanceTop = 24;
constexpr int kBalancePitch = 32;
constexpr int kBalanceLeft = 108;
constexpr int kBalanceWidth = 61;

void buildDays(QGroupBox* box, int month, MonthPage& out) {
    const int rows = monthInfo(month).dayRows;
    auto* labels = new LabelLayer(box);
    out.dayNumbers = labels;
    int morningCaption[3];
    int eveningCaption[3];
    for (int column = 0; column < 3; ++column) {
        const int left = kColumnLeft[column];
        morningCaption[column] = makeLabel(labels, QStringLiteral("Matin"),
                                           QRect(left + 24, 20, kDayWidth, 16), Qt::AlignHCenter, kTeal);
        eveningCaption[column] = makeLabel(labels, QStringLiteral("Soir"),
                                           QRect(left + 77, 20, kDayWidth, 16), Qt::AlignHCenter, kTeal);
    }
    for (int day = 1; day <= rows; ++day) {
        const int column = day <= 10 ? 0 : day <= 20 ? 1 : 2;
        const int row = day <= 20 ? (day - 1) % 10 : day - 21;
        const int left = kColumnLeft[column];
        const int top = kFirstRowTop + row * kRowPitch;
        const int number = makeLabel(labels, QString::number(day),
                                     QRect(left, top, 20, kFieldHeight), Qt::AlignRight, kMaroon);
        if (day == kFebruaryLeapDay && month == kFebruary) out.day29 = number;
        AlignedEdit* morning = makeField(box, morningField(month, day),
                                         QRect(left + 24, top, kDayWidth, kFieldHeight));
        AlignedEdit* evening = makeField(box, eveningField(month, day),
                                         QRect(left + 77, top, kDayWidth, kFieldHeight));
        // Read aloud: the day's number, then the column's heading.
        for (auto [edit, heading] : {std::pair{morning, morningCaption[column]},
                                     std::pair{evening, eveningCaption[column]}}) {
            labels->caption(number, edit);
            labels->caption(heading, edit);
            out.fields.push_back(edit);
        }
    }
}

void buildBalance(QGroupBox* box, int month, MonthPage& out) {
    auto* labels = new LabelLayer(box);
    static const char* const kLabels[kBalanceCount] = {
        "Kilométrage initial :", "Kilométrage final :", "Kilométrage total :", "Kilométrage Pro :",
        "Kilométrage Perso :",   "Coefficient Pro :",   "Coefficient Perso :"};
    for (int i = 0; i < kBalanceCount; ++i) {
        const auto which = static_cast<Balance>(i);
        const int top = kBalanceTop + i * kBalancePitch;
        const bool coefficient = which >= Balance::CoPro;
        const int caption = makeLabel(labels, QString::fromUtf8(kLabels[i]),
                                      QRect(2, top, kBalanceLeft - 6, kFieldHeight), Qt::AlignRight,
                                      coefficient ? QColor(Qt::black) : QColor());
        AlignedEdit* edit = makeField(box, balanceField(month, which),
                                     QRect(kBalanceLeft, top, kBalanceWidth, kFieldHeight));
        labels->caption(caption, edit);
        // Only the initial reading is a tab stop.
        if (which != Balance::KMIn) edit->setFocusPolicy(Qt::ClickFocus);
        const QFont font = edit->fontOnNoFocus();
        if (which == Balance::CoPro) {  // red while unfocused, black while focused
            edit->setFontOnFocus(font, Qt::black);
            edit->setFontOnNoFocus(font, Qt::red);
        } else if (which == Balance::CoPerso) {
            edit->setFontOnNoFocus(font, Qt::black);
        }
        out.fields.push_back(edit);
    }
    out.correction = makeButton(box, utf8(correctionButtonName(month)), QStringLiteral("&Corriger"),
                                QStringLiteral("Corriger ou protéger les données."),
                                QRect(8, 288, 75, 25), false);
    // Septembre's print button sits further left than the others.
    const int printLeft = month == kSeptember ? 88 : 96;
    out.print = makeButton(box, utf8(monthPrintButtonName(month)), QStringLiteral("&Imprimer"),
                           QStringLiteral("Imprimer le kilométrage mensuel."),
                           QRect(printLeft, 288, 67, 25), false);
}

}  // namespace

MonthPage buildMonthPage(QWidget* page, int month) {
    MonthPage out;
    auto* days = new QGroupBox(QStringLiteral("Kilométrage mensuel : "), page);
    days->setGeometry(8, 8, 425, 329);
    auto* balance = new QGroupBox(QStringLiteral("Bilan mensuel : "), page);
    balance->setGeometry(440, 8, 177, 329);
    // The focus order follows the order of creation: January's balance comes before its days.
    if (month == kJanuary) {
        buildBalance(balance, month, out);
        buildDays(days, month, out);
    } else {
        buildDays(days, month, out);
        buildBalance(balance, month, out);
    }
    return out;
}

}  // namespace vardo::app
