#include "Drawings.h"

#include "Palette.h"
#include "Shapes.h"

#include <QPainterPath>
#include <QRadialGradient>

using namespace Palette;
using namespace Shapes;

namespace Drawings {

namespace {

// A lamp lit from the upper left, with a darker rim.
void led(QPainter& painter, const QSizeF& size, const QColor& colour)
{
    useUnitBox(painter, size);
    QRadialGradient glow(QPointF(38, 36), 60, QPointF(36, 32));
    glow.setColorAt(0.0, colour.lighter(170));
    glow.setColorAt(0.45, colour);
    glow.setColorAt(1.0, colour.darker(160));
    painter.setPen(QPen(colour.darker(200), 5));
    painter.setBrush(glow);
    painter.drawEllipse(QRectF(8, 8, 84, 84));
}

// An arrow of shaft and head, pointing up before it is turned.
void arrow(QPainter& painter, const QSizeF& size, const SInk& ink, DIRECTION direction)
{
    useUnitBox(painter, size);
    turnTo(painter, direction);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink.main);
    painter.drawPolygon(QPolygonF({QPointF(50, 8), QPointF(88, 50), QPointF(63, 50), QPointF(63, 92),
                                   QPointF(37, 92), QPointF(37, 50), QPointF(12, 50)}));
}

// Four corner brackets; outward ones open the view to the full screen, inward ones close it.
void corners(QPainter& painter, const QSizeF& size, const SInk& ink, bool outward)
{
    useUnitBox(painter, size);
    painter.setPen(QPen(ink.main, 10, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    for (int corner = 0; corner < 4; ++corner) {
        painter.save();
        turnTo(painter, static_cast<DIRECTION>(corner));
        if (outward)
            painter.drawPolyline(QPolygonF({QPointF(14, 38), QPointF(14, 14), QPointF(38, 14)}));
        else
            painter.drawPolyline(QPolygonF({QPointF(14, 38), QPointF(38, 38), QPointF(38, 14)}));
        painter.restore();
    }
}

void eye(QPainter& painter, const QSizeF& size, const SInk& ink)
{
    useUnitBox(painter, size);
    QPainterPath lids;
    lids.moveTo(6, 50);
    lids.quadTo(50, 4, 94, 50);
    lids.quadTo(50, 96, 6, 50);
    painter.setPen(roundPen(ink.main, 8));
    painter.setBrush(White);
    painter.drawPath(lids);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink.main);
    painter.drawEllipse(QPointF(50, 50), 16, 16);
}

} // namespace

void ledRed(QPainter& painter, const QSizeF& size, const SInk&) { led(painter, size, QColor(0xE02020)); }
void ledGreen(QPainter& painter, const QSizeF& size, const SInk&) { led(painter, size, QColor(0x20B020)); }
void ledBlue(QPainter& painter, const QSizeF& size, const SInk&) { led(painter, size, QColor(0x1E78FF)); }
void ledOrange(QPainter& painter, const QSizeF& size, const SInk&) { led(painter, size, QColor(0xFF8000)); }
void ledGray(QPainter& painter, const QSizeF& size, const SInk&) { led(painter, size, QColor(0x9A9A9A)); }

void arrowUp(QPainter& painter, const QSizeF& size, const SInk& ink) { arrow(painter, size, ink, UP); }
void arrowDown(QPainter& painter, const QSizeF& size, const SInk& ink) { arrow(painter, size, ink, DOWN); }
void arrowLeft(QPainter& painter, const QSizeF& size, const SInk& ink) { arrow(painter, size, ink, LEFT); }
void arrowRight(QPainter& painter, const QSizeF& size, const SInk& ink) { arrow(painter, size, ink, RIGHT); }

void pencil(QPainter& painter, const QSizeF& size, const SInk& ink)
{
    useUnitBox(painter, size);
    painter.translate(50, 50);
    painter.rotate(45);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink.main);
    painter.drawRect(QRectF(-12, -40, 24, 50));                     // body
    painter.drawRect(QRectF(-12, -50, 24, 6));                      // cap
    painter.drawPolygon(QPolygonF({QPointF(-12, 14), QPointF(12, 14), QPointF(0, 44)})); // tip
}

void fullScreen(QPainter& painter, const QSizeF& size, const SInk& ink) { corners(painter, size, ink, true); }
void exitFullScreen(QPainter& painter, const QSizeF& size, const SInk& ink) { corners(painter, size, ink, false); }

void eyeOpen(QPainter& painter, const QSizeF& size, const SInk& ink) { eye(painter, size, ink); }

void eyeStruck(QPainter& painter, const QSizeF& size, const SInk& ink)
{
    eye(painter, size, ink);
    painter.setPen(QPen(White, 18, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(16, 84), QPointF(84, 16));
    painter.setPen(roundPen(ink.main, 8));
    painter.drawLine(QPointF(16, 84), QPointF(84, 16));
}

void handled(QPainter& painter, const QSizeF& size, const SInk& ink)
{
    useUnitBox(painter, size);
    fillDisc(painter, ink.main);
    drawCheckMark(painter, roundPen(White, 12), QRectF(28, 32, 44, 36));
}

void unhandled(QPainter& painter, const QSizeF& size, const SInk& ink)
{
    useUnitBox(painter, size);
    painter.setPen(QPen(ink.main, 9));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(10, 10, 80, 80));
    painter.setPen(roundPen(ink.main, 12));
    painter.drawLine(QPointF(50, 28), QPointF(50, 56));
    painter.drawPoint(QPointF(50, 72));
}

} // namespace Drawings
