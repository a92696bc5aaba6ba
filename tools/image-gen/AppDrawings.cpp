#include "Drawings.h"

#include "Palette.h"
#include "Shapes.h"

#include <QPainterPath>

using namespace Palette;
using namespace Shapes;

namespace Drawings {

namespace {

// A plain badge for a brand: a rounded plate and a white mark at its left end.
void badge(QPainter& painter, const QSizeF& size, const QColor& colour)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(QPointF(0, 0), size), 5, 5);
}

} // namespace

void logoMaker(QPainter& painter, const QSizeF& size, const SInk&)
{
    badge(painter, size, Navy);
    const qreal h = size.height();
    painter.setPen(roundPen(White, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygonF({QPointF(6, 5), QPointF(14, h - 5), QPointF(22, 5)}));
    QPainterPath wave;
    wave.moveTo(30, h / 2);
    for (qreal x = 30; x < size.width() - 10; x += 16) {
        wave.quadTo(x + 4, h / 2 - 5, x + 8, h / 2);
        wave.quadTo(x + 12, h / 2 + 5, x + 16, h / 2);
    }
    painter.setPen(roundPen(QColor(0x6495ED), 2.5));
    painter.drawPath(wave);
}

void logoBrand(QPainter& painter, const QSizeF& size, const SInk&)
{
    badge(painter, size, QColor(0x00707A));
    const qreal h = size.height();
    painter.setPen(Qt::NoPen);
    painter.setBrush(White);
    painter.drawPolygon(QPolygonF({QPointF(14, 4), QPointF(24, h - 4), QPointF(4, h - 4)}));
    painter.drawRoundedRect(QRectF(32, h / 2 - 2, size.width() - 42, 4), 2, 2);
}

void menuHome(QPainter& painter, const QSizeF& size, const SInk&)
{
    useUnitBox(painter, size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Navy);
    painter.drawPolygon(QPolygonF({QPointF(50, 8), QPointF(94, 48), QPointF(6, 48)}));
    painter.setBrush(Blue);
    painter.drawRect(QRectF(18, 46, 64, 46));
    painter.setBrush(White);
    painter.drawRect(QRectF(42, 62, 16, 30));
}

void menuSetting(QPainter& painter, const QSizeF& size, const SInk&)
{
    useUnitBox(painter, size);
    const QColor gear(0x696969);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gear);
    for (int tooth = 0; tooth < 8; ++tooth) {
        painter.save();
        painter.translate(50, 50);
        painter.rotate(45.0 * tooth);
        painter.drawRect(QRectF(-9, -46, 18, 20));
        painter.restore();
    }
    QPainterPath wheel;
    wheel.addEllipse(QPointF(50, 50), 32, 32);
    wheel.addEllipse(QPointF(50, 50), 13, 13);
    painter.drawPath(wheel);
}

void reportGood(QPainter& painter, const QSizeF& size, const SInk&)
{
    useUnitBox(painter, size);
    fillDisc(painter, Green);
    drawCheckMark(painter, roundPen(White, 13), QRectF(26, 30, 48, 38));
}

void reportFailed(QPainter& painter, const QSizeF& size, const SInk&)
{
    useUnitBox(painter, size);
    fillDisc(painter, Red);
    drawCross(painter, roundPen(White, 13), QRectF(32, 32, 36, 36));
}

void help(QPainter& painter, const QSizeF& size, const SInk&)
{
    useUnitBox(painter, size);
    fillDisc(painter, Blue);
    QPainterPath hook;
    hook.arcMoveTo(QRectF(32, 18, 36, 34), 160);
    hook.arcTo(QRectF(32, 18, 36, 34), 160, -230);
    hook.quadTo(50, 54, 50, 62);
    painter.setPen(roundPen(White, 11));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(hook);
    painter.drawPoint(QPointF(50, 79));
}

void about(QPainter& painter, const QSizeF& size, const SInk&)
{
    useUnitBox(painter, size);
    fillDisc(painter, Blue);
    painter.setPen(roundPen(White, 12));
    painter.drawPoint(QPointF(50, 27));
    painter.drawLine(QPointF(50, 45), QPointF(50, 76));
}

void book(QPainter& painter, const QSizeF& size, const SInk&)
{
    useUnitBox(painter, size);
    painter.setPen(QPen(Navy, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(White);
    painter.drawPolygon(QPolygonF({QPointF(50, 26), QPointF(50, 86), QPointF(8, 78), QPointF(8, 18)}));
    painter.drawPolygon(QPolygonF({QPointF(50, 26), QPointF(92, 18), QPointF(92, 78), QPointF(50, 86)}));
    painter.setPen(QPen(Blue, 4, Qt::SolidLine, Qt::RoundCap));
    for (qreal y = 38; y <= 62; y += 12) {
        painter.drawLine(QPointF(16, y - 4), QPointF(42, y));
        painter.drawLine(QPointF(58, y), QPointF(84, y - 4));
    }
}

} // namespace Drawings
