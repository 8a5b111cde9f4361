#pragma once
// The chart of the year drawn by Qt Charts from its data (tools/year_chart.h): a stacked bar per
// month, professional under personal kilometres, and the coefficient since January as a line on
// a second axis in percent. The same chart fills the dialog, the saved images and the printed page.
#include <QSize>
#include <QString>

#include "tools/year_chart.h"

class QChart;
class QPainter;
class QRectF;

namespace vardo::app {

// Colours that stay apart for colour-blind readers and in grey print (dark blue, light orange,
// a black line).
inline constexpr unsigned kProfessionalColour = 0x0072B2;
inline constexpr unsigned kPersonalColour = 0xE69F00;
inline constexpr unsigned kCoefficientColour = 0x000000;

// A new chart, owned by the caller. A year without kilometres gives the axes without bars and
// the sentence under the title.
QChart* makeYearChart(const YearChart& data);

// The chart alone drawn into a rectangle of a painter (printer, image or SVG).
void drawYearChart(const YearChart& data, QPainter& painter, const QRectF& target);

// The size of the saved images.
inline constexpr QSize kChartImageSize{1200, 700};

// Writes the chart as a PNG or an SVG image, by the name's extension. Throws vardo::Error:
// "Le graphique s'enregistre en image PNG ou SVG : « %s »" for another extension,
// "Impossible d'écrire dans %s" when the file cannot be written.
void writeYearChartImage(const YearChart& data, const QString& fileName);

}  // namespace vardo::app
