#include "app/bilan_page.h"

#include <QGroupBox>
#include <QPushButton>

#include "app/field_factory.h"
#include "app/label_layer.h"
#include "controls/align_edit.h"
#include "ledger/naming.h"

namespace vardo::app {

namespace {

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void buildGrid(QWidget* page, BilanPage& out) {
    auto* grid = new QGroupBox(QStringLiteral("Kilométrage mensuel : "), page);
    grid->setGeometry(8, 8, 425, 345);
    auto* labels = new LabelLayer(grid);
    static const char* const kHeadings[kGridColumns] = {"Km initial", "Km final", "Km total",
                                                        "Km pro", "Km perso"};
    static const char* const kPrefixes[kGridColumns] = {"KMIni", "KMFin", "KMTot", "KMPro",
                                                        "KMPerso"};
    for (int c = 0; c < kGridColumns; ++c)
        makeLabel(labels, QString::fromUtf8(kHeadings[c]), QRect(96 + 64 * c, 24, 57, 16),
                  Qt::AlignHCenter, kTeal);
    for (int m = 0; m < kMonths; ++m) {
        const int top = 48 + 24 * m;
        makeLabel(labels, utf8(monthInfo(m).gridLabel), QRect(4, top, 88, kFieldHeight),
                  Qt::AlignRight, kMaroon);
        for (int c = 0; c < kGridColumns; ++c)
            out.fields.push_back(
                makeField(grid, QString::fromUtf8(kPrefixes[c]) + utf8(monthInfo(m).code),
                          QRect(96 + 64 * c, top, 57, kFieldHeight)));
    }
}

struct Row {
    const char* field;
    const char* label;
    int top;
};

void buildRows(QGroupBox* box, std::initializer_list<Row> rows, BilanPage& out) {
    auto* labels = new LabelLayer(box);
    for (const Row& row : rows) {
        makeLabel(labels, QString::fromUtf8(row.label), QRect(4, row.top, 88, kFieldHeight),
                  Qt::AlignRight);
        out.fields.push_back(
            makeField(box, QString::fromUtf8(row.field), QRect(96, row.top, 65, kFieldHeight)));
    }
}

}  // namespace

BilanPage buildBilanPage(QWidget* page) {
    BilanPage out;
    buildGrid(page, out);

    auto* coefficients = new QGroupBox(QStringLiteral("Coefficients d'utilisation : "), page);
    coefficients->setGeometry(440, 224, 177, 89);
    buildRows(coefficients, {{"CoefPro", "Professionnel :", 24}, {"CoefPerso", "Personnel :", 56}},
              out);
    TAlignEdit* coefPro = out.fields[out.fields.size() - 2];
    coefPro->setFontOnNoFocus(coefPro->FontOnNoFocus(), Qt::red);

    auto* annual = new QGroupBox(QStringLiteral("Kilométrage annuel : "), page);
    annual->setGeometry(440, 8, 177, 209);
    buildRows(annual,
              {{"DebAnnee", "Km Initial :", 24},
               {"FinAnnee", "Km Final :", 56},
               {"TotAnnee", "Km Total :", 88},
               {"KmReporter", "Km à reporter :", 176},
               {"TotPro", "Km Pro :", 116},
               {"TotPerso", "Km Perso :", 144}},
              out);

    out.save = makeButton(page, QStringLiteral("btnSauver"), QStringLiteral("&Sauver"),
                          QStringLiteral("Sauver les données annuelles dans le répertoire de "
                                         "l'application."),
                          QRect(448, 320, 75, 25), true);
    out.print = makeButton(page, QStringLiteral("btnImprimer"), QStringLiteral("&Imprimer"),
                           QStringLiteral("Imprimer le kilométrage annuel."),
                           QRect(536, 320, 75, 25), true);
    return out;
}

}  // namespace vardo::app
