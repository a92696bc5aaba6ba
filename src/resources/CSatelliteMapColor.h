#pragma once

#include "resources/ResourceColor.h"

// Colours of the sky view's satellite symbols and compass letters.
class CSatelliteMapColor : public ResourceColor
{
public:
    static constexpr int SymbolOutlineEntry = 29;
    static constexpr int NumberTextEntry = 32;
    static constexpr int CompassSquareEntry = 38;
    static constexpr int InViewEntry = 19;
    static constexpr int InUseEntry = 16;

    ~CSatelliteMapColor() override = default;

    void switchColorBrill(COLOR_BRILL_M mode) override;
    // Takes the five colours from the table's current shades; the sky view calls it once built.
    void updateColor();

    QColor symbolOutlineColor() const { return m_symbolOutline; }
    QColor numberTextColor() const { return m_numberText; }
    QColor compassSquareColor() const { return m_compassSquare; }
    QColor inViewColor() const { return m_inView; }
    QColor inUseColor() const { return m_inUse; }

private:
    QColor m_symbolOutline;
    QColor m_numberText;
    QColor m_compassSquare;
    QColor m_inView;
    QColor m_inUse;
};
