#include "app/tools/year_chart_view.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QFileInfo>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QImage>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QStackedBarSeries>
#include <QSvgGenerator>
#include <QValueAxis>
#include <algorithm>

#include "ledger/error.h"
#include "persist/atomic_file.h"
#include "persist/form_store.h"

namespace vardo::app {
namespace {

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QBarSet* barSet(const char* name, unsigned colour) {
    auto* set = new QBarSet(QString::fromUtf8(name));
    set->setColor(QColor::fromRgb(colour));
    set->setBorderColor(Qt::white);  // parts of a stack stay apart in grey too
    return set;
}

QLineSeries* coefficientLine(const YearChart& data) {
    auto* line = new QLineSeries;
    line->setName(QStringLiteral("Coefficient pro depuis janvier (%)"));
    QPen pen(QColor::fromRgb(kCoefficientColour));
    pen.setWidthF(2.5);
    line->setPen(pen);
    line->setPointsVisible(true);
    for (int m = 0; m < kMonths; ++m) {
        if (const auto& percent = data.months[m].cumulatedPercent)
            line->append(m, static_cast<double>(*percent));
    }
    return line;
}

// The kilometre axis reaches the highest stack, and below 0 only for a negative figure.
QValueAxis* kilometreAxis(const YearChart& data) {
    double low = 0, high = 0;
    for (const ChartMonth& month : data.months) {
        const double pro = static_cast<double>(month.professional);
        const double perso = static_cast<double>(month.personal);
        high = std::max({high, std::max(pro, 0.0) + std::max(perso, 0.0)});
        low = std::min({low, std::min(pro, 0.0) + std::min(perso, 0.0)});
    }
    auto* axis = new QValueAxis;
    axis->setTitleText(QStringLiteral("Kilomètres"));
    axis->setLabelFormat(QStringLiteral("%.0f"));
    axis->setRange(low, high > low ? high : 100);
    axis->applyNiceNumbers();
    return axis;
}

QValueAxis* percentAxis(const YearChart& data) {
    double low = 0, high = 100;
    for (const ChartMonth& month : data.months) {
        if (!month.cumulatedPercent) continue;
        low = std::min(low, static_cast<double>(*month.cumulatedPercent));
        high = std::max(high, static_cast<double>(*month.cumulatedPercent));
    }
    auto* axis = new QValueAxis;
    axis->setTitleText(QStringLiteral("Coefficient pro (%)"));
    axis->setLabelFormat(QStringLiteral("%.0f"));
    axis->setRange(low, high);
    axis->setTickCount(6);
    axis->setGridLineVisible(false);  // the kilometres' grid alone: two grids would cross
    return axis;
}

QByteArray pngBytes(const YearChart& data) {
    QImage image(kChartImageSize, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        drawYearChart(data, painter, QRectF(QPointF(0, 0), kChartImageSize));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray svgBytes(const YearChart& data) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(kChartImageSize);
    svg.setViewBox(QRect(QPoint(0, 0), kChartImageSize));
    svg.setTitle(text(data.title));
    svg.setDescription(QStringLiteral("Kilomètres professionnels et personnels de chaque mois, "
                                      "coefficient professionnel depuis janvier"));
    {
        QPainter painter(&svg);
        drawYearChart(data, painter, QRectF(QPointF(0, 0), kChartImageSize));
    }
    return bytes;
}

}  // namespace

QChart* makeYearChart(const YearChart& data) {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setLocalizeNumbers(true);
    chart->setLocale(QLocale(QLocale::French, QLocale::France));
    // The title is drawn as rich text: the vehicle's name is escaped, the sentence on a line below.
    QString title = text(data.title).toHtmlEscaped();
    if (data.empty()) title += QStringLiteral("<br>") + text(data.emptySentence).toHtmlEscaped();
    chart->setTitle(title);
    QFont titleFont = chart->titleFont();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);

    QBarSet* professional = barSet("Km professionnels", kProfessionalColour);
    QBarSet* personal = barSet("Km personnels", kPersonalColour);
    QStringList labels;
    for (const ChartMonth& month : data.months) {
        *professional << static_cast<double>(month.hasBar ? month.professional : 0);
        *personal << static_cast<double>(month.hasBar ? month.personal : 0);
        labels << text(month.label);
    }
    auto* bars = new QStackedBarSeries;
    bars->append(professional);
    bars->append(personal);
    chart->addSeries(bars);
    QLineSeries* line = coefficientLine(data);
    chart->addSeries(line);

    auto* months = new QBarCategoryAxis;
    months->append(labels);
    chart->addAxis(months, Qt::AlignBottom);
    QValueAxis* kilometres = kilometreAxis(data);
    chart->addAxis(kilometres, Qt::AlignLeft);
    QValueAxis* percent = percentAxis(data);
    chart->addAxis(percent, Qt::AlignRight);
    bars->attachAxis(months);
    bars->attachAxis(kilometres);
    line->attachAxis(months);
    line->attachAxis(percent);

    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setVisible(true);
    return chart;
}

void drawYearChart(const YearChart& data, QPainter& painter, const QRectF& target) {
    QGraphicsScene scene;
    QChart* chart = makeYearChart(data);
    scene.addItem(chart);  // the scene owns it from here
    const QRectF source(QPointF(0, 0), kChartImageSize);
    chart->setGeometry(source);
    chart->layout()->activate();
    scene.setSceneRect(source);
    scene.render(&painter, target, source, Qt::KeepAspectRatio);
}

void writeYearChartImage(const YearChart& data, const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg")) {
        throw Error("Le graphique s'enregistre en image PNG ou SVG : « " +
                    fileName.toStdString() + " »");
    }
    const QByteArray bytes = suffix == QLatin1String("png") ? pngBytes(data) : svgBytes(data);
    try {
        writeFileAtomically(fileName.toStdString(), std::string_view(bytes.constData(),
                                                                     static_cast<std::size_t>(bytes.size())));
    } catch (const std::system_error&) {
        throw Error(formatMessage(std::string(kWriteFailure), fileName.toStdString()));
    }
}

}  // namespace vardo::app
