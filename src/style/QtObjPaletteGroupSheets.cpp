#include "style/QtObjPalette.h"
#include "style/SheetBlocks.h"

using namespace SheetParts;

QString QtObjPalette::compSliderStyleSheet(QString objName, WIDGET_SLIDER& style, bool descendant)
{
    const char* const slider = "QSlider";
    const QString radius = getWgBorderRadiusStyleStr(style.radius);
    SheetBlocks sheet{objName, descendant, {}};
    sheet.add(slider, nullptr, nullptr, sizeOf(style.size));
    sheet.add(slider, "::groove", ":horizontal",
              sizeOf(style.grooveSize) + getWgBorderLineStyleStr(style.grooveLine) + radius
                  + getWgMarginStyleStr(style.grooveMargin));
    sheet.add(slider, "::sub-page", ":horizontal",
              sizeOf(style.pageSize) + getWgBorderLineStyleStr(style.pageLine) + radius
                  + getWgGradientStyleStr(style.subPageGradient));
    sheet.add(slider, "::add-page", ":horizontal",
              sizeOf(style.pageSize) + colors(style.addPageColor) + getWgBorderLineStyleStr(style.pageLine) + radius);
    sheet.add(slider, "::handle", ":horizontal",
              sizeOf(style.handleSize) + getWgBorderLineStyleStr(style.handleLine) + radius
                  + getWgGradientStyleStr(style.handleGradient) + getWgMarginStyleStr(style.handleMargin));
    return sheet.text;
}

// The frame shapes 4 and 5 are Qt's horizontal and vertical lines. The attribute stands where a
// sub-control would and ends with a blank.
QString QtObjPalette::compLineStyleSheet(QString objName, SWidgetColor& color, bool descendant,
                                         WG_LINE_DIRECTION_S direction)
{
    const char* shape = "";
    if (direction == WG_LINE_DIRECTION_HORIZONTAL)
        shape = "[frameShape=\"4\"] ";
    else if (direction == WG_LINE_DIRECTION_VERTICAL)
        shape = "[frameShape=\"5\"] ";
    SheetBlocks sheet{objName, descendant, {}};
    sheet.add("QFrame", shape, nullptr, colors(&color));
    return sheet.text;
}

QString QtObjPalette::compGroupBoxStyleSheet(QString objName, WIDGET_GROUP_BOX& style, bool descendant)
{
    const QString body = colors(style.color) + getWgBorderBoxStyleStr(style.border) + getWgMarginStyleStr(style.margin);
    SheetBlocks sheet{objName, descendant, {}};
    sheet.add("QGroupBox", nullptr, nullptr, body);
    sheet.add("QGroupBox", "::title", nullptr, body);
    return sheet.text;
}

// "::checked" is read by Qt as the checked state.
QString QtObjPalette::compGroupButtonStyleSheet(WIDGET_GROUP_BTN& style)
{
    return QLatin1String("QAbstractButton {") + colors(style.color) + getWgGradientStyleStr(style.gradient)
        + getWgBorderBoxStyleStr(style.border) + getWgFontStyleStr(style.font) + QLatin1String("}")
        + QLatin1String("QAbstractButton::checked {") + colors(style.checkedColor)
        + getWgBorderBoxStyleStr(style.checkedBorder) + getWgFontStyleStr(style.checkedFont)
        + getWgTextAlignStyleStr(style.textAlignment) + QLatin1String("}");
}
