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

// The hull seen from above, bow to the right and port side up, with the antenna's distances
// A (bow), B (stern), C (port) and D (starboard). Drawn at the size of the label that shows it,
// which centres the image without scaling.
void vesselDimension(QPainter& painter, const QSizeF&, const SInk&)
{
    const qreal stern = 22, bow = 246, port = 28, starboard = 98, shoulder = 180;
    const qreal keel = (port + starboard) / 2;
    QPainterPath hull;
    hull.moveTo(bow, keel);
    hull.cubicTo(220, port + 8, 200, port, shoulder, port);
    hull.lineTo(stern + 12, port);
    hull.quadTo(stern, port, stern, port + 12);
    hull.lineTo(stern, starboard - 12);
    hull.quadTo(stern, starboard, stern + 12, starboard);
    hull.lineTo(shoulder, starboard);
    hull.cubicTo(200, starboard, 220, starboard - 8, bow, keel);
    painter.setPen(QPen(HullLine, 3));
    painter.setBrush(HullFill);
    painter.drawPath(hull);

    const QPointF antenna(92, 76);
    const qreal measure = 118;
    extensionLine(painter, QPointF(stern, starboard), QPointF(stern, measure + 8));
    extensionLine(painter, antenna, QPointF(antenna.x(), measure + 8));
    extensionLine(painter, QPointF(bow, keel), QPointF(bow, measure + 8));
    dimensionLine(painter, QPointF(stern, measure), QPointF(antenna.x(), measure));
    dimensionLine(painter, QPointF(antenna.x(), measure), QPointF(bow, measure));
    dimensionLine(painter, QPointF(antenna.x(), port), antenna);
    dimensionLine(painter, antenna, QPointF(antenna.x(), starboard));

    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::Red);
    painter.drawEllipse(antenna, 6, 6);

    const QPen letterPen = roundPen(HullLine, 2.5);
    drawLetter(painter, letterPen, 'B', QRectF(51, 126, 13, 18));
    drawLetter(painter, letterPen, 'A', QRectF(162, 126, 14, 18));
    drawLetter(painter, letterPen, 'C', QRectF(100, 40, 13, 18));
    drawLetter(painter, letterPen, 'D', QRectF(100, 80, 13, 16));
}

} // namespace Drawings
