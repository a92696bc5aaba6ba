#include "Drawings.h"

#include "Palette.h"
#include "Shapes.h"

#include <QPainterPath>

using namespace Palette;
using namespace Shapes;

namespace Drawings {

namespace {

const QColor SuitBlue(0x4169E1);

void plate(QPainter& painter, const QColor& colour)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(0, 0, Unit, Unit), 18, 18);
}

void closeGlyph(QPainter& painter, const QColor& colour)
{
    drawCross(painter, roundPen(colour, 10), QRectF(28, 28, 44, 44));
}

void miniGlyph(QPainter& painter, const QColor& colour)
{
    painter.setPen(roundPen(colour, 10));
    painter.drawLine(QPointF(28, 66), QPointF(72, 66));
}

void box(QPainter& painter, const QColor& border, const QColor& fill, qreal penWidth)
{
    painter.setPen(QPen(border, penWidth));
    painter.setBrush(fill);
    const qreal inset = 6 + penWidth / 2;
    painter.drawRoundedRect(QRectF(inset, inset, Unit - 2 * inset, Unit - 2 * inset), 14, 14);
}

} // namespace

void winClose(QPainter& painter, const QSizeF& size, const SInk& ink)
{
    useUnitBox(painter, size);
    closeGlyph(painter, ink.main);
}

void winCloseHover(QPainter& painter, const QSizeF& size, const SInk& ink)
{
    useUnitBox(painter, size);
    plate(painter, ink.alert);
    closeGlyph(painter, White);
}

void winMini(QPainter& painter, const QSizeF& size, const SInk& ink)
{
    useUnitBox(painter, size);
    miniGlyph(painter, ink.main);
}

void winMiniHover(QPainter& painter, const QSizeF& size, const SInk& ink)
{
    useUnitBox(painter, size);
    plate(painter, ink.surface);
    miniGlyph(painter, White);
}

void comboDownArrow(QPainter& painter, const QSizeF& size, const SInk& ink)
{
    useUnitBox(painter, size);
    fillTriangle(painter, ink.main, QRectF(18, 30, 64, 40), DOWN);
}

void editDownArrow(QPainter& painter, const QSizeF& size, const SInk& ink)
{
    useUnitBox(painter, size);
    drawChevron(painter, roundPen(ink.main, 14), QRectF(20, 20, 60, 60), DOWN);
}

void spinAdd(QPainter& painter, const QSizeF& size, const SInk& ink)
{
    useUnitBox(painter, size);
    painter.setPen(QPen(ink.main, 16, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(12, 50), QPointF(88, 50));
    painter.drawLine(QPointF(50, 12), QPointF(50, 88));
}

void spinSub(QPainter& painter, const QSizeF& size, const SInk& ink)
{
    useUnitBox(painter, size);
    painter.setPen(QPen(ink.main, 16, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(12, 50), QPointF(88, 50));
}

void sortUp(QPainter& painter, const QSizeF& size, const SInk& ink)
{
    useUnitBox(painter, size);
    fillTriangle(painter, ink.main, QRectF(25, 32, 50, 36), UP);
}

void sortDown(QPainter& painter, const QSizeF& size, const SInk& ink)
{
    useUnitBox(painter, size);
    fillTriangle(painter, ink.main, QRectF(25, 32, 50, 36), DOWN);
}

void checkBoxChecked(QPainter& painter, const QSizeF& size, const SInk& ink)
{
    useUnitBox(painter, size);
    box(painter, ink.main, ink.main, 8);
    drawCheckMark(painter, roundPen(White, 12), QRectF(26, 30, 48, 38));
}

void checkBoxUnchecked(QPainter& painter, const QSizeF& size, const SInk& ink)
{
    useUnitBox(painter, size);
    box(painter, ink.main, White, 8);
}

void suitBack(QPainter& painter, const QSizeF& size, const SInk&)
{
    useUnitBox(painter, size);
    painter.setPen(QPen(SuitBlue, 7));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(8, 8, 84, 84));
    drawChevron(painter, roundPen(SuitBlue, 10), QRectF(30, 25, 40, 50), LEFT);
}

void suitChecked(QPainter& painter, const QSizeF& size, const SInk&)
{
    useUnitBox(painter, size);
    box(painter, SuitBlue, SuitBlue, 6);
    drawCheckMark(painter, roundPen(White, 10), QRectF(26, 30, 48, 38));
}

void suitUnchecked(QPainter& painter, const QSizeF& size, const SInk&)
{
    useUnitBox(painter, size);
    box(painter, SuitBlue, White, 6);
}

void suitDropBox(QPainter& painter, const QSizeF& size, const SInk&)
{
    useUnitBox(painter, size);
    painter.setPen(QPen(SuitBlue, 6));
    painter.setBrush(White);
    painter.drawRoundedRect(QRectF(6, 26, 88, 48), 8, 8);
    painter.drawLine(QPointF(64, 26), QPointF(64, 74));
    fillTriangle(painter, SuitBlue, QRectF(70, 42, 18, 14), DOWN);
}

void suitSwitch(QPainter& painter, const QSizeF& size, const SInk&)
{
    useUnitBox(painter, size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(SuitBlue);
    painter.drawRoundedRect(QRectF(4, 28, 92, 44), 22, 22);
    painter.setBrush(White);
    painter.drawEllipse(QRectF(56, 32, 36, 36));
}

void suitTitle(QPainter& painter, const QSizeF& size, const SInk&)
{
    useUnitBox(painter, size);
    painter.setPen(QPen(SuitBlue, 6));
    painter.setBrush(White);
    painter.drawRect(QRectF(10, 14, 80, 72));
    painter.setPen(Qt::NoPen);
    painter.setBrush(SuitBlue);
    painter.drawRect(QRectF(10, 14, 80, 20));
}

} // namespace Drawings
