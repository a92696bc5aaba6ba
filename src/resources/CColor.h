#pragma once

#include <QColor>
#include <cstdint>
#include <variant>

struct RGB_DATA
{
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t alpha = 0;
};

// The hue runs 0 to 359 degrees: it needs more than one byte.
struct HSV_DATA
{
    uint16_t hue = 0;
    uint8_t saturation = 0; // whole percent
    uint8_t value = 0;      // the largest channel, 0 to 255
    uint8_t alpha = 0;
};

enum COLOR_SPACE : uint32_t { COLOR_SPACE_RGB = 0, COLOR_SPACE_HSV = 1 };

// Index of the current shade: 0 is the colour itself, each higher mode one step darker.
enum COLOR_BRILL_M : uint32_t { COLOR_BRILL_0 = 0, COLOR_BRILL_1, COLOR_BRILL_2, COLOR_BRILL_3, COLOR_BRILL_4 };

// One colour with four darker shades, each also kept in a converted form.
class CColor
{
public:
    static constexpr int ShadeCount = 5;
    using CONVERTED = std::variant<RGB_DATA, HSV_DATA>;

    CColor() = default;
    explicit CColor(unsigned int hex);

    CColor& setHex(unsigned int hex, bool derive);
    CColor& setHex(unsigned int c0, unsigned int c1, unsigned int c2, unsigned int c3, unsigned int c4);
    void convertTo(COLOR_SPACE space, bool all);
    void setAlpha(unsigned char alpha);

    // A mode outside 0 to 4 is refused, so the current colour always names a shade.
    void setBrillMode(COLOR_BRILL_M mode);
    COLOR_BRILL_M brillMode() const { return m_brillMode; }
    QColor currentColor() const;

    // Shades outside 0 to 4 read as unset.
    COLOR_SPACE colorSpace() const { return m_space; }
    CONVERTED converted(int shade) const { return isShade(shade) ? m_converted[shade] : CONVERTED(); }
    unsigned int rgba(int shade) const { return isShade(shade) ? m_rgba[shade] : 0; }
    unsigned int hex(int shade) const { return isShade(shade) ? m_hex[shade] : 0; }

    static RGB_DATA convtHex2RGB(unsigned int rgba);
    static unsigned int convtRGB2Hex(RGB_DATA& rgb);
    static HSV_DATA convtRGB2HSV(RGB_DATA& rgb);
    static RGB_DATA convtHSV2RGB(HSV_DATA& hsv);
    static HSV_DATA convtHex2HSV(unsigned int rgba);

private:
    static bool isShade(int shade) { return shade >= 0 && shade < ShadeCount; }
    void convertShades(COLOR_SPACE space, int count);

    COLOR_SPACE m_space = COLOR_SPACE_RGB;
    CONVERTED m_converted[ShadeCount];
    unsigned int m_rgba[ShadeCount] = {};
    unsigned int m_hex[ShadeCount] = {};
    COLOR_BRILL_M m_brillMode = COLOR_BRILL_0;
};
