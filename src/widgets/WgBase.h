#pragma once

#include <QColor>
#include <QRegion>

class QGridLayout;
class QPropertyAnimation;
class QWidget;

// Decorates a frameless widget (its owner): background colour, optional grid layout, rounded
// outline with a matching window mask, opacity and a fade. The owner starts hidden and gray.
class WgBase
{
public:
    WgBase(QWidget* owner, int radius, bool layout);
    WgBase(const WgBase&) = delete;
    WgBase& operator=(const WgBase&) = delete;

    void setBackgroundColor(QColor color);
    // Takes effect at the next paint.
    void setBorderCornerRadius(int radius);
    void setBackgroundAlpha(float alpha);
    void setBackgroundTranslucent(bool on);

    // Re-masks to the rounded region and fills it with the background colour.
    void paintBorder();
    void updateMask();
    // The rounded rectangle one pixel inside the owner's edges.
    QRegion getRegion();
    // Fades the window in or out over 500 ms; it neither shows nor hides it.
    void showAnimation(bool show);

protected:
    QWidget* m_owner;
    QGridLayout* m_layout = nullptr;
    QColor m_background;
    int m_radius = 0;
    QPropertyAnimation* m_fade = nullptr;
};
