#pragma once

#include "resources/CHistogramColor.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <QVector>
#include <QWidget>

class QPainter;
class QPaintDevice;

// One bar of the chart: the satellite number under it, the signal-to-noise ratio as its height.
struct SHistogramItem
{
    QString label;
    double value = 0;
    QColor color;
    QRect barRect;  // laid out at every paint
};

// The satellite signal chart: one bar per item, value texts on bars of 10 and more, axes, the
// satellite numbers and a scale of five ticks. It paints on any device at that device's size.
// The caller fills the items and repaints once: nothing here repaints by itself.
class WgHistogram : public QWidget
{
    Q_OBJECT

public:
    static constexpr unsigned int DefaultMaxValue = 50;

    explicit WgHistogram(QWidget* parent);

    void clear();
    // Inserted at index when that is below the count, otherwise appended.
    void addItem(QString label, double value, QColor color, int index);
    // With a maximum of 0 no bars and no value texts are drawn.
    void setMaxValue(unsigned int value);
    void switchColorBrill(COLOR_BRILL_M mode);

    void paint(QPaintDevice* device);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawPillars(QPaintDevice* device, QPainter& painter);
    void drawText(QPaintDevice* device, QPainter& painter);
    void drawAxis(QPaintDevice* device, QPainter& painter);
    void drawXScale(QPaintDevice* device, QPainter& painter);
    void drawYScale(QPaintDevice* device, QPainter& painter);

    double m_maxValue = DefaultMaxValue;
    QVector<SHistogramItem> m_items;
    CHistogramColor m_colors;
};
