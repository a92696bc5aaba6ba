#include "style/ThemeSources.h"

#include "resources/LibraryColor.h"
#include "resources/LibraryImage.h"
#include "style/QtObjPalette.h"
#include "support/Constants.h"
#include "support/Singleton.h"

#include <QWidget>

namespace Theme {

uint32_t color(int entry)
{
    const CColor colour = Pattern::Singleton<LibraryColor>::Instance()->entry(entry);
    return colour.hex(colour.brillMode());
}

const LibraryImage& images()
{
    return *Pattern::Singleton<LibraryImage>::Instance();
}

QString path(const std::string& resourcePath)
{
    return QString::fromLatin1(resourcePath.c_str());
}

QString centredImage(const QString& path)
{
    return QtObjPalette::getWgBackgroundImageStyleStr(path, WG_ALIGNMENT_CENTER, WG_ALIGNMENT_CENTER);
}

WIDGET_FONT tahoma(int16_t size, uint32_t weight)
{
    return {size, weight, Constants::DefaultFontFamily.toStdString()};
}

WIDGET_FONT settingsFont(int scaledSize, uint32_t weight)
{
    const PALETTE_FONT& setting = QtObjPalette::font();
    return {setting.scaledSizes[scaledSize], weight, setting.family};
}

SWidgetColor textOn(uint32_t text, uint32_t background)
{
    SWidgetColor colors;
    colors.text = text;
    colors.background = background;
    return colors;
}

WIDGET_BORDER_RADIUS allCorners(int32_t radius)
{
    WIDGET_BORDER_RADIUS corners;
    corners.all = radius;
    return corners;
}

SWidgetGradientColor topToBottom(uint32_t top, uint32_t bottom)
{
    SWidgetGradientColor gradient;
    gradient.y2 = 1;
    gradient.stopCount = 2;
    gradient.stopPositions[1] = 1;
    gradient.stopColors[0] = top;
    gradient.stopColors[1] = bottom;
    return gradient;
}

QString background(uint32_t color)
{
    const SWidgetColor colors = textOn(WG_COLOR_NOT_SET, color);
    return QtObjPalette::getWgColorStyleStr(&colors, false);
}

QString frame(const WIDGET_BORDER_LINE& line, int32_t radius)
{
    const WIDGET_BORDER_RADIUS corners = allCorners(radius);
    return QtObjPalette::getWgBorderLineStyleStr(&line) + QtObjPalette::getWgBorderRadiusStyleStr(&corners);
}

QString ownBlock(const QWidget& widget, const char* state, const QString& body)
{
    return QtObjPalette::compStyleSheetBlock(widget.objectName(), nullptr, nullptr, state, false, body);
}

void setTextStyle(QWidget* widget, uint32_t text, const WIDGET_FONT* font)
{
    SWidgetColor color = textOn(text, WG_COLOR_NOT_SET);
    WIDGET_FONT copy = font ? *font : WIDGET_FONT();
    WIDGET_LABEL label{&color, font ? &copy : nullptr};
    QtObjPalette::setLabelStyle(widget, label);
}

} // namespace Theme
