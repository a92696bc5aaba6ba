#include "widgets/ObjGlowGraphEffect.h"

#include "widgets/ImageBlur.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

ObjGlowGraphEffect::ObjGlowGraphEffect(QObject* parent)
    : QGraphicsEffect(parent)
{
}

void ObjGlowGraphEffect::setRadius(int radius)
{
    m_radius = qMax(0, radius);
    updateBoundingRect();
    update();
}

void ObjGlowGraphEffect::setGlowColor(const QColor& color)
{
    m_color = color;
    update();
}

QRectF ObjGlowGraphEffect::boundingRectFor(const QRectF& rect) const
{
    return QRectF(rect.topLeft(), QSizeF(rect.width() + 2 * m_radius, rect.height() + 2 * m_radius));
}

void ObjGlowGraphEffect::sourceChanged(ChangeFlags)
{
    updateBoundingRect();
    update();
}

void ObjGlowGraphEffect::draw(QPainter* painter)
{
    if (m_radius == 0) {
        drawSource(painter);
        return;
    }
    QPoint offset;
    const QPixmap source = sourcePixmap(Qt::DeviceCoordinates, &offset, QGraphicsEffect::PadToEffectiveBoundingRect);
    if (source.isNull())
        return;

    // The source's shape in the glow colour, with room for the blur on every side.
    QImage glow(source.size() + QSize(2 * m_radius, 2 * m_radius), QImage::Format_ARGB32_Premultiplied);
    glow.fill(Qt::transparent);
    {
        QPainter shape(&glow);
        shape.drawPixmap(m_radius, m_radius, source);
        shape.setCompositionMode(QPainter::CompositionMode_SourceIn);
        shape.fillRect(glow.rect(), m_color);
    }
    ImageBlur::blur(glow, m_radius);

    // The pixmap is in device coordinates.
    const QTransform restore = painter->worldTransform();
    painter->setWorldTransform(QTransform());
    const QPoint glowCorner = offset - QPoint(m_radius, m_radius);
    painter->drawImage(glowCorner, glow);
    painter->drawImage(glowCorner, glow);
    painter->drawPixmap(offset, source);
    painter->setWorldTransform(restore);
}
