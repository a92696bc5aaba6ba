#include "Drawings.h"

#include "Palette.h"
#include "Shapes.h"

#include <QPainterPath>

using namespace Shapes;

namespace Drawings {

namespace {

const QColor HullLine(0x000080);
const QColor HullFill(0xDCE6F0);
const QColor Measure(0xD25A00);

// A measured span between two points with an arrowhead at each end.
void dimensionLine(QPainter& painter, const QPointF& from, const QPointF& to)
{
    painter.setPen(QPen(Measure, 2));
    painter.drawLine(from, to);
    const QLineF line(from, to);
    for (const QLineF& end : {line, QLineF(to, from)}) {
        QLineF back = QLineF(end.p1(), end.p2()).unitVector();
        back.setLength(9);
        QLineF side = back.normalVector();
        side.setLength(4);
        const QPointF base = back.p2();
        const QPointF offset = side.p2() - side.p1();
        painter.setPen(Qt::NoPen);
        painter.setBrush(Measure);
        painter.drawPolygon(QPolygonF({end.p1(), base + offset, base - offset}));
    }
}

void extensionLine(QPainter& painter, const QPointF& from, const QPointF& to)
{
    painter.setPen(QPen(Measure, 1, Qt::DashLine));
    painter.drawLine(from, to);
}

} // namespace

// The hull seen from above, bow up, with the antenna's distances A (bow), B (stern),
// C (port) and D (starboard).
void vesselDimension(QPainter& painter, const QSizeF&, const SInk&)
{
    QPainterPath hull;
    hull.moveTo(100, 18);
    hull.cubicTo(138, 48, 150, 90, 150, 130);
    hull.lineTo(150, 266);
    hull.quadTo(150, 280, 136, 280);
    hull.lineTo(64, 280);
    hull.quadTo(50, 280, 50, 266);
    hull.lineTo(50, 130);
    hull.cubicTo(50, 90, 62, 48, 100, 18);
    painter.setPen(QPen(HullLine, 3));
    painter.setBrush(HullFill);
    painter.drawPath(hull);

    const QPointF antenna(118, 196);
    extensionLine(painter, QPointF(100, 18), QPointF(178, 18));
    extensionLine(painter, antenna, QPointF(178, antenna.y()));
    extensionLine(painter, QPointF(150, 280), QPointF(178, 280));
    dimensionLine(painter, QPointF(170, 18), QPointF(170, antenna.y()));
    dimensionLine(painter, QPointF(170, antenna.y()), QPointF(170, 280));
    dimensionLine(painter, QPointF(50, antenna.y()), antenna);
    dimensionLine(painter, antenna, QPointF(150, antenna.y()));

    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::Red);
    painter.drawEllipse(antenna, 6, 6);

    const QPen letterPen = roundPen(HullLine, 2.5);
    drawLetter(painter, letterPen, 'A', QRectF(178, 98, 14, 18));
    drawLetter(painter, letterPen, 'B', QRectF(179, 230, 13, 18));
    drawLetter(painter, letterPen, 'C', QRectF(76, 168, 13, 18));
    drawLetter(painter, letterPen, 'D', QRectF(128, 168, 13, 18));
}

} // namespace Drawings
