#include "resources/ResourceColor.h"

#include "support/Singleton.h"
#include "support/SysDebug.h"

namespace {

constexpr unsigned int ColorValues[ResourceColor::ColorCount] = {
    0xFF0000, 0xB22222, 0xFF0080, 0xDB7093, 0xFF8000, 0xFF7F50, 0xFFFF00, 0xFFD700, 0xFFDAB9, 0xDAA520,
    0x800080, 0xFF00FF, 0x6A5ACD, 0x483D8B, 0x0A246A, 0x008000, 0x00FF00, 0x556B2F, 0x0000FF, 0x00FFFF,
    0xB0C4DE, 0xA6CAF0, 0x1E90FF, 0x6495ED, 0x4169E1, 0x000080, 0x191970, 0xA52A2A, 0x800000, 0xFFFFFF,
    0xFFFBF0, 0x808080, 0x000000, 0x121212, 0x282828, 0x333333, 0x505050, 0x696969, 0xA9A9A9, 0xC0C0C0,
    0xECECEC,
};

} // namespace

ResourceColor::ResourceColor()
{
    for (int i = 0; i < ColorCount; ++i)
        m_colors[i].setHex(ColorValues[i], true);
}

void ResourceColor::switchColorBrill(COLOR_BRILL_M mode)
{
    for (CColor& color : m_colors)
        color.setBrillMode(mode);
}

CColor ResourceColor::entry(int index) const
{
    if (index >= 0 && index < ColorCount)
        return m_colors[index];
    Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(DBG_ERROR, "ResourceColor::entry", 0,
                                                        "Colour index %d is outside the table", index);
    return CColor(0x000000);
}
