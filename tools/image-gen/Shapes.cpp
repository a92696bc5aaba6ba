#include "Shapes.h"

#include <QPainterPath>
#include <QPolygonF>

namespace Shapes {

void useUnitBox(QPainter& painter, const QSizeF& size)
{
    painter.scale(size.width() / Unit, size.height() / Unit);
}

void turnTo(QPainter& painter, DIRECTION direction)
{
    painter.translate(Unit / 2, Unit / 2);
    painter.rotate(90.0 * direction);
    painter.translate(-Unit / 2, -Unit / 2);
}

QPen roundPen(const QColor& colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

namespace {

// The box turned with the painter about its own middle.
void turnAbout(QPainter& painter, const QRectF& box, DIRECTION direction)
{
    painter.translate(box.center());
    painter.rotate(90.0 * direction);
    painter.translate(-box.center());
}

QRectF squareAbout(const QRectF& box)
{
    const qreal side = qMin(box.width(), box.height());
    QRectF square(0, 0, side, side);
    square.moveCenter(box.center());
    return square;
}

} // namespace

void fillTriangle(QPainter& painter, const QColor& colour, const QRectF& box, DIRECTION direction)
{
    painter.save();
    const QRectF square = squareAbout(box);
    turnAbout(painter, square, direction);
    // The box's own proportions hold for the upward triangle before it is turned.
    QRectF up(0, 0, box.width(), box.height());
    if (direction == LEFT || direction == RIGHT)
        up.setSize(QSizeF(box.height(), box.width()));
    up.moveCenter(square.center());
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF({QPointF(up.center().x(), up.top()), up.bottomRight(), up.bottomLeft()}));
    painter.restore();
}

void drawChevron(QPainter& painter, const QPen& pen, const QRectF& box, DIRECTION direction)
{
    painter.save();
    turnAbout(painter, box, direction);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const qreal middle = box.center().x();
    painter.drawPolyline(QPolygonF({QPointF(box.left(), box.center().y() + box.height() / 4),
                                    QPointF(middle, box.center().y() - box.height() / 4),
                                    QPointF(box.right(), box.center().y() + box.height() / 4)}));
    painter.restore();
}

void drawCheckMark(QPainter& painter, const QPen& pen, const QRectF& box)
{
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygonF({QPointF(box.left(), box.top() + box.height() * 0.55),
                                    QPointF(box.left() + box.width() * 0.38, box.bottom()),
                                    QPointF(box.right(), box.top())}));
}

void drawCross(QPainter& painter, const QPen& pen, const QRectF& box)
{
    painter.setPen(pen);
    painter.drawLine(box.topLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomLeft());
}

void fillDisc(QPainter& painter, const QColor& colour)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(5, 5, 90, 90));
}

void drawLetter(QPainter& painter, const QPen& pen, char letter, const QRectF& box)
{
    painter.save();
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const qreal l = box.left(), r = box.right(), t = box.top(), b = box.bottom();
    const qreal w = box.width(), h = box.height();
    QPainterPath path;
    switch (letter) {
    case 'A':
        path.moveTo(l, b);
        path.lineTo(l + w / 2, t);
        path.lineTo(r, b);
        path.moveTo(l + w * 0.22, t + h * 0.62);
        path.lineTo(r - w * 0.22, t + h * 0.62);
        break;
    case 'B':
        path.moveTo(l, b);
        path.lineTo(l, t);
        path.lineTo(l + w * 0.45, t);
        path.arcTo(QRectF(l + w * 0.1, t, w * 0.7, h * 0.48), 90, -180);
        path.lineTo(l, t + h * 0.48);
        path.moveTo(l + w * 0.45, t + h * 0.48);
        path.lineTo(l + w * 0.6, t + h * 0.48);
        path.arcTo(QRectF(l + w * 0.2, t + h * 0.48, w * 0.8, h * 0.52), 90, -180);
        path.lineTo(l, b);
        break;
    case 'C':
        path.arcMoveTo(box, 45);
        path.arcTo(box, 45, 270);
        break;
    case 'D':
        path.moveTo(l, t);
        path.lineTo(l, b);
        path.lineTo(l + w * 0.4, b);
        path.arcTo(QRectF(l - w * 0.2, t, w * 1.2, h), -90, 180);
        path.closeSubpath();
        break;
    default:
        break;
    }
    painter.drawPath(path);
    painter.restore();
}

} // namespace Shapes
