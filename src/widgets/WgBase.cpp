#include "widgets/WgBase.h"

#include "style/QtObjPalette.h"

#include <QBitmap>
#include <QGridLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QWidget>

WgBase::WgBase(QWidget* owner, int radius, bool layout)
    : m_owner(owner)
{
    if (layout)
        m_layout = new QGridLayout(m_owner);  // installs itself as the owner's layout
    m_owner->setHidden(true);
    setBackgroundColor(Qt::gray);
    m_radius = radius;
}

void WgBase::setBackgroundColor(QColor color)
{
    m_background = color;
    QtObjPalette::setWidgetBackground(m_owner, m_background, false);
}

void WgBase::setBorderCornerRadius(int radius)
{
    m_radius = radius;
}

void WgBase::setBackgroundAlpha(float alpha)
{
    m_owner->setWindowOpacity(alpha);
}

void WgBase::setBackgroundTranslucent(bool on)
{
    m_owner->setAttribute(Qt::WA_TranslucentBackground, on);
}

QRegion WgBase::getRegion()
{
    const int w = m_owner->width();
    const int h = m_owner->height();
    QPainterPath path;
    path.addRoundedRect(QRectF(1.0, 1.0, w - 2, h - 2), m_radius, m_radius, Qt::AbsoluteSize);
    return QRegion(path.toFillPolygon().toPolygon(), Qt::OddEvenFill);
}

void WgBase::updateMask()
{
    const int w = m_owner->width();
    const int h = m_owner->height();
    QBitmap bitmap(w, h);
    bitmap.fill(Qt::color0);
    QPainter painter(&bitmap);
    painter.setClipRegion(getRegion(), Qt::ReplaceClip);
    painter.fillRect(0, 0, w, h, Qt::color1);
    painter.end();
    m_owner->setMask(bitmap);
}

void WgBase::paintBorder()
{
    updateMask();
    QPainter painter(m_owner);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QBrush(m_background, Qt::SolidPattern));
    painter.setPen(QPen(m_background, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.drawRoundedRect(QRectF(0, 0, m_owner->width(), m_owner->height()), m_radius, m_radius,
                            Qt::AbsoluteSize);
}

void WgBase::showAnimation(bool show)
{
    if (!m_fade) {
        m_fade = new QPropertyAnimation(m_owner, "windowOpacity", m_owner);
        m_fade->setDuration(500);
        m_fade->setEasingCurve(QEasingCurve::OutQuad);
    }
    m_fade->setStartValue(show ? 0 : 1);
    m_fade->setEndValue(show ? 1 : 0);
    m_fade->start(QAbstractAnimation::KeepWhenStopped);
}
