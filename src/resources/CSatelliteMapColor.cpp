#include "resources/CSatelliteMapColor.h"

void CSatelliteMapColor::switchColorBrill(COLOR_BRILL_M mode)
{
    ResourceColor::switchColorBrill(mode);
    updateColor();
}

void CSatelliteMapColor::updateColor()
{
    m_symbolOutline = currentColor(SymbolOutlineEntry);
    m_numberText = currentColor(NumberTextEntry);
    m_compassSquare = currentColor(CompassSquareEntry);
    m_inView = currentColor(InViewEntry);
    m_inUse = currentColor(InUseEntry);
}
