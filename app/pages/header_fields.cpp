#include "app/pages/header_fields.h"

#include <QGroupBox>

#include "app/pages/field_factory.h"
#include "app/pages/label_layer.h"
#include "controls/align_edit.h"
#include "ledger/naming.h"

namespace vardo::app {

std::vector<HeaderField> buildHeaderFields(QWidget* client) {
    std::vector<HeaderField> out;
    auto* year = new QGroupBox(client);
    year->setGeometry(8, 8, 137, 49);
    auto* yearLabels = new LabelLayer(year);
    const int yearCaption =
        makeLabel(yearLabels, QStringLiteral("Comptabilité :"), QRect(16, 20, 70, 13));
    out.push_back(
        {makeField(year, headerField(Header::Comptabilite), QRect(88, 16, 33, 21)), 4, true});
    yearLabels->caption(yearCaption, out.back().edit);

    auto* vehicle = new QGroupBox(client);
    vehicle->setGeometry(152, 8, 489, 49);
    auto* labels = new LabelLayer(vehicle);
    int caption = makeLabel(labels, QStringLiteral("Véhicule :"), QRect(16, 20, 54, 13));
    out.push_back(
        {makeField(vehicle, headerField(Header::Vehicule), QRect(72, 16, 209, 21), false), 0,
         false});
    labels->caption(caption, out.back().edit);
    caption = makeLabel(labels, QStringLiteral("Année :"), QRect(296, 20, 46, 13));
    out.push_back(
        {makeField(vehicle, headerField(Header::Annee), QRect(344, 16, 33, 21), false), 4, true});
    labels->caption(caption, out.back().edit);
    caption = makeLabel(labels, QStringLiteral("Chevaux :"), QRect(392, 20, 54, 13));
    out.push_back({makeField(vehicle, headerField(Header::Chevaux), QRect(448, 16, 25, 21), false),
                   3, true});
    labels->caption(caption, out.back().edit);
    return out;
}

}  // namespace vardo::app
