#include "Drawings.h"

#include "Shapes.h"

#include <QRadialGradient>

using namespace Shapes;

namespace Drawings {

// The sky view draws its rings, cross and letters over this disc of night sky.
void skyMap(QPainter& painter, const QSizeF& size, const SInk&)
{
    useUnitBox(painter, size);
    QRadialGradient sky(QPointF(50, 50), 49);
    sky.setColorAt(0.0, QColor(0x23507E));
    sky.setColorAt(1.0, QColor(0x0B1C33));
    painter.setPen(QPen(QColor(0x6495ED), 0.8));
    painter.setBrush(sky);
    painter.drawEllipse(QRectF(1, 1, 98, 98));
}

void satelliteInView(QPainter& painter, const QSizeF& size, const SInk&)
{
    useUnitBox(painter, size);
    painter.setPen(QPen(QColor(0x00FFFF), 16));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(12, 12, 76, 76));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x00FFFF));
    painter.drawEllipse(QRectF(38, 38, 24, 24));
}

void satelliteInUse(QPainter& painter, const QSizeF& size, const SInk&)
{
    useUnitBox(painter, size);
    painter.setPen(QPen(QColor(0xFFFFFF), 8));
    painter.setBrush(QColor(0x00C000));
    painter.drawEllipse(QRectF(6, 6, 88, 88));
}

} // namespace Drawings
