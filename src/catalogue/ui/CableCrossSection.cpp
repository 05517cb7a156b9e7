#include "CableCrossSection.h"

#include <QPainter>
#include <QtMath>

#include <array>

QPixmap cableCrossSection(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    const QPointF centre(size / 2.0, size / 2.0);
    const qreal sheath = size / 2.0 - 1;
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.setBrush(QColor(60, 60, 60)); // outer sheath
    painter.drawEllipse(centre, sheath, sheath);
    painter.setBrush(QColor(235, 235, 225)); // filler
    painter.drawEllipse(centre, sheath * 0.82, sheath * 0.82);

    // Three insulated cores in the usual colours, each around a copper conductor.
    const std::array<QColor, 3> insulation{QColor(200, 30, 30), QColor(245, 245, 245), QColor(30, 30, 30)};
    const qreal coreRadius = sheath * 0.36;
    const qreal orbit = sheath * 0.42;
    for (int i = 0; i < 3; ++i) {
        const qreal angle = qDegreesToRadians(-90.0 + 120.0 * i);
        const QPointF core = centre + QPointF(orbit * qCos(angle), orbit * qSin(angle));
        painter.setPen(QPen(QColor(90, 90, 90), 0.8));
        painter.setBrush(insulation[std::size_t(i)]);
        painter.drawEllipse(core, coreRadius, coreRadius);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(205, 125, 50));
        painter.drawEllipse(core, coreRadius * 0.55, coreRadius * 0.55);
    }
    return pixmap;
}
