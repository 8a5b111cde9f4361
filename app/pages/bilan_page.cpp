#include "app/pages/bilan_page.h"

#include <QGroupBox>
#include <QPushButton>

#include "app/pages/field_factory.h"
#include "app/pages/label_layer.h"
#include "app/window/utf8.h"
#include "controls/align_edit.h"
#include "ledger/naming.h"

namespace vardo::app {

namespace {

void buildGrid(QWidget* page, BilanPage& out) {
    auto* grid = new QGroupBox(QStringLiteral("Kilométrage mensuel : "), page);
    grid->setGeometry(8, 8, 425, 345);
    auto* labels = new LabelLayer(grid);
    static const char* const kHeadings[kGridColumns] = {"Km initial", "Km final", "Km total",
                                                        "Km pro", "Km perso"};
    int heading[kGridColumns];
    for (int c = 0; c < kGridColumns; ++c)
        heading[c] = makeLabel(labels, QString::fromUtf8(kHeadings[c]), QRect(96 + 64 * c, 24, 57, 16),
                               Qt::AlignHCenter, kTeal);
    for (int m = 0; m < kMonths; ++m) {
        const int top = 48 + 24 * m;
        const int monthCaption = makeLabel(labels, utf8(monthInfo(m).gridLabel),
                                           QRect(4, top, 88, kFieldHeight), Qt::AlignRight, kMaroon);
        for (int c = 0; c < kGridColumns; ++c) {
            AlignedEdit* edit = makeField(grid, gridField(m, GridColumn(c)),
                                          QRect(96 + 64 * c, top, 57, kFieldHeight));
            labels->caption(monthCaption, edit);
            labels->caption(heading[c], edit);
            out.fields.push_back(edit);
        }
    }
}

struct Row {
    Annual field;
    const char* label;
    int top;
};

void buildRows(QGroupBox* box, std::initializer_list<Row> rows, BilanPage& out) {
    auto* labels = new LabelLayer(box);
    for (const Row& row : rows) {
        const int caption = makeLabel(labels, QString::fromUtf8(row.label),
                                      QRect(4, row.top, 88, kFieldHeight), Qt::AlignRight);
        AlignedEdit* edit = makeField(box, annualField(row.field), QRect(96, row.top, 65, kFieldHeight));
        labels->caption(caption, edit);
        out.fields.push_back(edit);
    }
}

}  // namespace

BilanPage buildBilanPage(QWidget* page) {
    BilanPage out;
    buildGrid(page, out);

    auto* coefficients = new QGroupBox(QStringLiteral("Coefficients d'utilisation : "), page);
    coefficients->setGeometry(440, 224, 177, 89);
    buildRows(coefficients, {{Annual::CoefPro, "Professionnel :", 24}, {Annual::CoefPerso, "Personnel :", 56}},
              out);
    AlignedEdit* coefPro = out.fields[out.fields.size() - 2];
    coefPro->setFontOnNoFocus(coefPro->fontOnNoFocus(), Qt::red);

    auto* annual = new QGroupBox(QStringLiteral("Kilométrage annuel : "), page);
    annual->setGeometry(440, 8, 177, 209);
    buildRows(annual,
              {{Annual::DebAnnee, "Km Initial :", 24},
               {Annual::FinAnnee, "Km Final :", 56},
               {Annual::TotAnnee, "Km Total :", 88},
               {Annual::KmReporter, "Km à reporter :", 176},
               {Annual::TotPro, "Km Pro :", 116},
               {Annual::TotPerso, "Km Perso :", 144}},
              out);

    out.save = makeButton(page, utf8(kSaveButtonName), QStringLiteral("&Sauver"),
                          QStringLiteral("Sauver les données annuelles dans le répertoire de "
                                         "l'application."),
                          QRect(448, 320, 75, 25), true);
    out.print = makeButton(page, utf8(kAnnualPrintButtonName), QStringLiteral("&Imprimer"),
                           QStringLiteral("Imprimer le kilométrage annuel."),
                           QRect(536, 320, 75, 25), true);
    return out;
}

}  // namespace vardo::app
