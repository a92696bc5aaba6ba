#include "Drawings.h"

#include "Palette.h"
#include "Shapes.h"

#include <QPainterPath>

using namespace Palette;
using namespace Shapes;

namespace Drawings {

namespace {

const QColor Unlit(0xC8C8C8);

// Five bars rising left to right; the first lit ones tell the strength.
void signalBars(QPainter& painter, const QSizeF& size, int lit)
{
    useUnitBox(painter, size);
    painter.setPen(Qt::NoPen);
    for (int bar = 0; bar < 5; ++bar) {
        const qreal height = 18 + bar * 17;
        painter.setBrush(bar < lit ? Green : Unlit);
        painter.drawRect(QRectF(8 + bar * 18, 90 - height, 12, height));
    }
}

// One chain link: a rounded ring lying along the rising diagonal.
void chainLink(QPainter& painter, const QColor& colour, const QPointF& centre, qreal length)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(-45);
    painter.setPen(QPen(colour, 9));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(-length / 2, -15, length, 30), 15, 15);
    painter.restore();
}

// Waves spreading upward from a point, as radio signs.
void waves(QPainter& painter, const QColor& colour, const QPointF& origin, int count, qreal spacing, qreal width)
{
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (int wave = 1; wave <= count; ++wave) {
        const qreal radius = wave * spacing;
        painter.drawArc(QRectF(origin.x() - radius, origin.y() - radius, 2 * radius, 2 * radius), 45 * 16, 90 * 16);
    }
}

} // namespace

void signalBars1(QPainter& painter, const QSizeF& size, const SInk&) { signalBars(painter, size, 1); }
void signalBars2(QPainter& painter, const QSizeF& size, const SInk&) { signalBars(painter, size, 2); }
void signalBars3(QPainter& painter, const QSizeF& size, const SInk&) { signalBars(painter, size, 3); }
void signalBars4(QPainter& painter, const QSizeF& size, const SInk&) { signalBars(painter, size, 4); }
void signalBars5(QPainter& painter, const QSizeF& size, const SInk&) { signalBars(painter, size, 5); }

void padlock(QPainter& painter, const QSizeF& size, const SInk&)
{
    useUnitBox(painter, size);
    painter.setPen(QPen(DarkGray, 10));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(28, 10, 44, 50), 0, 180 * 16);
    painter.drawLine(QPointF(28, 35), QPointF(28, 46));
    painter.drawLine(QPointF(72, 35), QPointF(72, 46));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xDAA520));
    painter.drawRoundedRect(QRectF(16, 44, 68, 48), 8, 8);
    painter.setBrush(DarkGray);
    painter.drawEllipse(QPointF(50, 62), 7, 7);
    painter.drawRect(QRectF(47, 64, 6, 16));
}

void linkConnected(QPainter& painter, const QSizeF& size, const SInk&)
{
    useUnitBox(painter, size);
    chainLink(painter, Green, QPointF(37, 63), 54);
    chainLink(painter, Green, QPointF(63, 37), 54);
}

// A plug, prongs up, on its cord.
void linkConnect(QPainter& painter, const QSizeF& size, const SInk&)
{
    useUnitBox(painter, size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Blue);
    painter.drawRect(QRectF(34, 8, 9, 24));
    painter.drawRect(QRectF(57, 8, 9, 24));
    painter.drawRoundedRect(QRectF(22, 30, 56, 34), 8, 8);
    painter.drawPolygon(QPolygonF({QPointF(34, 62), QPointF(66, 62), QPointF(56, 76), QPointF(44, 76)}));
    painter.setPen(QPen(Blue, 9, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(50, 74), QPointF(50, 96));
}

// A chain link broken in two, with the sparks of the break.
void linkDisconnect(QPainter& painter, const QSizeF& size, const SInk&)
{
    useUnitBox(painter, size);
    chainLink(painter, Red, QPointF(26, 74), 44);
    chainLink(painter, Red, QPointF(74, 26), 44);
    painter.setPen(roundPen(Red, 7));
    painter.drawLine(QPointF(44, 44), QPointF(34, 34));
    painter.drawLine(QPointF(56, 56), QPointF(66, 66));
    painter.drawLine(QPointF(50, 40), QPointF(50, 26));
    painter.drawLine(QPointF(50, 60), QPointF(50, 74));
}

void nothing(QPainter&, const QSizeF&, const SInk&) {}

void accessPointMode(QPainter& painter, const QSizeF& size, const SInk&)
{
    useUnitBox(painter, size);
    painter.setPen(roundPen(DarkGray, 6));
    painter.drawLine(QPointF(50, 68), QPointF(50, 44));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Navy);
    painter.drawRoundedRect(QRectF(14, 66, 72, 22), 6, 6);
    painter.setBrush(QColor(0x00FF00));
    for (int lamp = 0; lamp < 3; ++lamp)
        painter.drawEllipse(QPointF(28 + lamp * 12, 77), 3.5, 3.5);
    waves(painter, Blue, QPointF(50, 44), 3, 12, 6);
}

void clientMode(QPainter& painter, const QSizeF& size, const SInk&)
{
    useUnitBox(painter, size);
    painter.setPen(QPen(Navy, 5));
    painter.setBrush(White);
    painter.drawRoundedRect(QRectF(20, 44, 60, 36), 3, 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Navy);
    painter.drawPolygon(QPolygonF({QPointF(12, 84), QPointF(88, 84), QPointF(94, 92), QPointF(6, 92)}));
    waves(painter, Blue, QPointF(50, 40), 2, 13, 6);
    painter.setBrush(Blue);
    painter.drawEllipse(QPointF(50, 40), 4, 4);
}

} // namespace Drawings
