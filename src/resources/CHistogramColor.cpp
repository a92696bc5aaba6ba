#include "resources/CHistogramColor.h"

void CHistogramColor::switchColorBrill(COLOR_BRILL_M mode)
{
    ResourceColor::switchColorBrill(mode);
    updateColor();
}

void CHistogramColor::updateColor()
{
    m_axisColor = currentColor(AxisEntry);
    m_valueTextColor = currentColor(ValueTextEntry);
}
