#pragma once

#include "resources/ResourceColor.h"

// Colours of the satellite signal chart: its axes and scale, and the values on its bars.
class CHistogramColor : public ResourceColor
{
public:
    static constexpr int AxisEntry = 30;
    static constexpr int ValueTextEntry = 34;

    ~CHistogramColor() override = default;

    void switchColorBrill(COLOR_BRILL_M mode) override;
    // Takes both colours from the table's current shades; the chart calls it once built.
    void updateColor();

    QColor axisColor() const { return m_axisColor; }
    QColor valueTextColor() const { return m_valueTextColor; }

private:
    QColor m_axisColor;
    QColor m_valueTextColor;
};
