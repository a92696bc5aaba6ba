#include "resources/CColor.h"

#include <algorithm>

namespace {

constexpr unsigned int OpaqueAlpha = 0xFF;
constexpr int ShadeStep = 25;

unsigned int opaqueRgba(unsigned int hex)
{
    return (hex << 8) | OpaqueAlpha;
}

uint8_t cutToByte(double value)
{
    return static_cast<uint8_t>(static_cast<int>(value));
}

} // namespace

CColor::CColor(unsigned int hex)
{
    m_rgba[0] = opaqueRgba(hex);
    m_hex[0] = hex;
    m_converted[0] = convtHex2RGB(m_rgba[0]);
}

CColor& CColor::setHex(unsigned int hex, bool derive)
{
    m_rgba[0] = opaqueRgba(hex);
    m_hex[0] = hex;
    if (!derive) {
        convertShades(m_space, 1);
        return *this;
    }
    HSV_DATA shade = convtHex2HSV(m_rgba[0]);
    for (int k = 1; k < ShadeCount; ++k) {
        shade.value = shade.value > ShadeStep ? static_cast<uint8_t>(shade.value - ShadeStep) : 0;
        RGB_DATA rgb = convtHSV2RGB(shade);
        rgb.alpha = OpaqueAlpha;
        m_rgba[k] = convtRGB2Hex(rgb);
        m_hex[k] = m_rgba[k] >> 8;
    }
    m_hex[0] = hex & 0x00FFFFFF;
    convertShades(m_space, ShadeCount);
    return *this;
}

CColor& CColor::setHex(unsigned int c0, unsigned int c1, unsigned int c2, unsigned int c3, unsigned int c4)
{
    const unsigned int shades[ShadeCount] = {c0, c1, c2, c3, c4};
    for (int k = 0; k < ShadeCount; ++k) {
        m_hex[k] = shades[k];
        m_rgba[k] = opaqueRgba(shades[k]);
    }
    convertShades(m_space, ShadeCount);
    return *this;
}

void CColor::convertTo(COLOR_SPACE space, bool all)
{
    convertShades(space, all ? ShadeCount : 1);
}

void CColor::convertShades(COLOR_SPACE space, int count)
{
    for (int k = 0; k < count; ++k) {
        if (space == COLOR_SPACE_RGB)
            m_converted[k] = convtHex2RGB(m_rgba[k]);
        else if (space == COLOR_SPACE_HSV)
            m_converted[k] = convtHex2HSV(m_rgba[k]);
    }
}

// The converted forms are always computed from the RGBA words, so the colour bytes of an
// RGBA word are those of its RGB form; an HSV form keeps its colour too.
void CColor::setAlpha(unsigned char alpha)
{
    for (int k = 0; k < ShadeCount; ++k) {
        std::visit([alpha](auto& form) { form.alpha = alpha; }, m_converted[k]);
        m_rgba[k] = (m_rgba[k] & 0xFFFFFF00) | alpha;
    }
}

void CColor::setBrillMode(COLOR_BRILL_M mode)
{
    if (mode < ShadeCount)
        m_brillMode = mode;
}

QColor CColor::currentColor() const
{
    return QColor(QRgb(m_hex[m_brillMode]));
}

RGB_DATA CColor::convtHex2RGB(unsigned int rgba)
{
    return RGB_DATA{static_cast<uint8_t>(rgba >> 24), static_cast<uint8_t>(rgba >> 16),
                    static_cast<uint8_t>(rgba >> 8), static_cast<uint8_t>(rgba)};
}

unsigned int CColor::convtRGB2Hex(RGB_DATA& rgb)
{
    return static_cast<unsigned int>(rgb.red) << 24 | static_cast<unsigned int>(rgb.green) << 16
           | static_cast<unsigned int>(rgb.blue) << 8 | rgb.alpha;
}

HSV_DATA CColor::convtRGB2HSV(RGB_DATA& rgb)
{
    HSV_DATA hsv;
    hsv.alpha = rgb.alpha;
    const int red = rgb.red;
    const int green = rgb.green;
    const int blue = rgb.blue;
    const int max = std::max({red, green, blue});
    const int min = std::min({red, green, blue});
    const double delta = max - min;
    if (max == 0)
        return hsv;
    hsv.saturation = cutToByte(delta / max * 100.0);
    hsv.value = static_cast<uint8_t>(max);
    if (delta == 0)
        return hsv;
    double h;
    if (red == max)
        h = (green - blue) / delta;
    else if (green == max)
        h = (blue - red) / delta + 2.0;
    else
        h = (red - green) / delta + 4.0;
    h *= 60.0;
    if (h < 0)
        h += 360.0;
    hsv.hue = static_cast<uint16_t>(static_cast<int>(h));
    return hsv;
}

RGB_DATA CColor::convtHSV2RGB(HSV_DATA& hsv)
{
    RGB_DATA rgb;
    if (hsv.saturation == 0) {
        rgb.red = rgb.green = rgb.blue = hsv.value;
        return rgb;
    }
    const double s = hsv.saturation / 100.0;
    const double h = hsv.hue / 60.0;
    const int i = static_cast<int>(h);
    const double f = h - i;
    const double v = hsv.value;
    const double p = v * (1.0 - s);
    const double q = v * (1.0 - s * f);
    const double t = v * (1.0 - s * (1.0 - f));
    double r, g, b;
    switch (i) {
    case 0: r = v; g = t; b = p; break;
    case 1: r = q; g = v; b = p; break;
    case 2: r = p; g = v; b = t; break;
    case 3: r = p; g = q; b = v; break;
    case 4: r = t; g = p; b = v; break;
    default: r = v; g = p; b = q; break;
    }
    rgb.red = cutToByte(r);
    rgb.green = cutToByte(g);
    rgb.blue = cutToByte(b);
    return rgb;
}

HSV_DATA CColor::convtHex2HSV(unsigned int rgba)
{
    RGB_DATA rgb = convtHex2RGB(rgba);
    return convtRGB2HSV(rgb);
}
