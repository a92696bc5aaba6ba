#pragma once

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QRectF>

// Shared strokes of the drawings. Most drawings work in a box of 100 x 100 units.
namespace Shapes {

enum DIRECTION { UP, RIGHT, DOWN, LEFT };

constexpr qreal Unit = 100.0;

// Scales the painter so that the image spans 100 x 100 units.
void useUnitBox(QPainter& painter, const QSizeF& size);
// Turns the painter about the middle of the unit box, so that "up" points the given way.
void turnTo(QPainter& painter, DIRECTION direction);

QPen roundPen(const QColor& colour, qreal width);

void fillTriangle(QPainter& painter, const QColor& colour, const QRectF& box, DIRECTION direction);
void drawChevron(QPainter& painter, const QPen& pen, const QRectF& box, DIRECTION direction);
void drawCheckMark(QPainter& painter, const QPen& pen, const QRectF& box);
void drawCross(QPainter& painter, const QPen& pen, const QRectF& box);
// A filled circle just inside the unit box.
void fillDisc(QPainter& painter, const QColor& colour);
// A capital A, B, C or D of straight strokes and arcs, filling the box.
void drawLetter(QPainter& painter, const QPen& pen, char letter, const QRectF& box);

} // namespace Shapes
