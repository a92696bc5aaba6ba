#pragma once

#include <QColor>
#include <QGraphicsEffect>

// Draws its source over a blurred copy of the source's shape in the glow colour, twice, so the
// glyphs stand in a soft halo reaching about the radius.
class ObjGlowGraphEffect : public QGraphicsEffect
{
    Q_OBJECT

public:
    explicit ObjGlowGraphEffect(QObject* parent);

    // A negative radius counts as 0: the source is drawn unchanged.
    void setRadius(int radius);
    int radius() const { return m_radius; }
    void setGlowColor(const QColor& color);
    QColor glowColor() const { return m_color; }

    // Same top-left corner, width and height each grown by twice the radius.
    QRectF boundingRectFor(const QRectF& rect) const override;

protected:
    void draw(QPainter* painter) override;
    void sourceChanged(ChangeFlags flags) override;

private:
    int m_radius = 0;
    QColor m_color = Qt::white;
};
