#pragma once

#include "resources/CColor.h"

#include <array>

// The program's fixed set of colours; a brightness mode picks the current shade of all of them.
class ResourceColor
{
public:
    static constexpr int ColorCount = 41;

    ResourceColor();
    virtual ~ResourceColor() = default;

    virtual void switchColorBrill(COLOR_BRILL_M mode);

    // A copy of entry index; an index outside the table logs and gives black.
    CColor entry(int index) const;
    QColor currentColor(int index) const { return entry(index).currentColor(); }

protected:
    std::array<CColor, ColorCount> m_colors;
};
