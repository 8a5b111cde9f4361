#include "app/about/about_banner.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace vardo {

namespace {

// A road running to the horizon on the right, with its dashed centre line.
void drawRoad(QPainter& painter) {
    QPainterPath road;
    road.moveTo(170, kBannerHeight);
    road.lineTo(250, 30);
    road.lineTo(262, 30);
    road.lineTo(298, kBannerHeight);
    road.closeSubpath();
    painter.fillPath(road, QColor(60, 64, 72));
    painter.setPen(QPen(QColor(245, 210, 80), 2, Qt::DashLine));
    painter.drawLine(QPointF(256, 30), QPointF(238, kBannerHeight));
}

// An odometer counter: white digits in dark boxes.
void drawOdometer(QPainter& painter, const QPoint& origin) {
    const QString digits = QStringLiteral("012580");
    const int count = static_cast<int>(digits.size());
    QFont font(QStringLiteral("Liberation Mono"));
    font.setPixelSize(13);
    font.setBold(true);
    painter.setFont(font);
    for (qsizetype i = 0; i < digits.size(); ++i) {
        const QRect box(origin.x() + static_cast<int>(i) * 13, origin.y(), 12, 17);
        painter.fillRect(box, i == digits.size() - 1 ? QColor(170, 30, 30) : QColor(25, 25, 25));
        painter.setPen(Qt::white);
        painter.drawText(box, Qt::AlignCenter, digits.mid(i, 1));
    }
    QFont unit(QStringLiteral("Liberation Sans"));
    unit.setPixelSize(11);
    painter.setFont(unit);
    painter.setPen(QColor(230, 240, 240));
    painter.drawText(QPoint(origin.x() + count * 13 + 4, origin.y() + 13), QStringLiteral("km"));
}

}  // namespace

QPixmap drawAboutBanner() {
    QPixmap banner(kBannerWidth, kBannerHeight);
    QPainter painter(&banner);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, kBannerHeight);
    sky.setColorAt(0.0, QColor(0, 92, 110));
    sky.setColorAt(1.0, QColor(0, 150, 160));
    painter.fillRect(banner.rect(), sky);
    painter.fillRect(QRect(0, 58, kBannerWidth, kBannerHeight - 58), QColor(40, 110, 70));
    drawRoad(painter);

    QFont title(QStringLiteral("Liberation Serif"));
    title.setPixelSize(34);
    title.setBold(true);
    title.setItalic(true);
    painter.setFont(title);
    painter.setPen(QColor(0, 40, 50));
    painter.drawText(QPoint(18, 42), QStringLiteral("Vardo"));
    painter.setPen(Qt::white);
    painter.drawText(QPoint(16, 40), QStringLiteral("Vardo"));

    drawOdometer(painter, QPoint(18, 54));
    return banner;
}

}  // namespace vardo
