#include "style/ObjPalette.h"

#include "style/QtObjPalette.h"
#include "style/SheetBlocks.h"
#include "style/StyleTarget.h"
#include "style/ThemeSources.h"

#include <QWidget>
#include <initializer_list>
#include <utility>

using SheetParts::literalBlock;

namespace {

void setBoldTahomaLabel(QWidget* widget, int entry)
{
    const WIDGET_FONT font = Theme::tahoma(14, 7);
    Theme::setTextStyle(widget, Theme::color(entry), &font);
}

// The theme image at P, on a tool button with square corners that moves down while pressed.
void setFunctionIconStyle(QWidget* widget, const std::string& path, const char* operation)
{
    WIDGET_BORDER_RADIUS square;
    square.topLeft = 0;
    square.topRight = 0;
    square.bottomRight = 0;
    square.bottomLeft = 0;
    WIDGET_PADDING pressed;
    pressed.top = 1;
    const QString image = Theme::centredImage(Theme::path(path));
    StyleTarget::install(widget,
                         literalBlock("QToolButton {", QtObjPalette::getWgBorderRadiusStyleStr(&square) + image)
                             + literalBlock("QToolButton::hover {", image)
                             + literalBlock("QToolButton:pressed {", QtObjPalette::getWgPaddingStyleStr(&pressed)),
                         operation);
}

// A top-to-bottom gradient through the stops given, in their order.
SWidgetGradientColor verticalStops(std::initializer_list<std::pair<float, uint32_t>> stops)
{
    SWidgetGradientColor gradient;
    gradient.y2 = 1;
    for (const auto& [position, color] : stops) {
        if (gradient.stopCount == SWidgetGradientColor::MaxStops)
            break;
        gradient.stopPositions[gradient.stopCount] = position;
        gradient.stopColors[gradient.stopCount] = color;
        ++gradient.stopCount;
    }
    return gradient;
}

// A panel on entry 34 in a 2 px frame of entry 21 with round corners, selected by its name.
QString darkPanelBlock(const QWidget& panel)
{
    const WIDGET_BORDER_LINE line{2, WG_BORDER_EDGE_SOLID, Theme::color(21)};
    return Theme::ownBlock(panel, nullptr, Theme::background(Theme::color(34)) + Theme::frame(line, 5));
}

} // namespace

void ObjPalette::setLabelColor(QWidget* widget, unsigned int color)
{
    Theme::setTextStyle(widget, color, nullptr);
}

void ObjPalette::setBorderTitleStyle(QWidget* logo, QWidget* title)
{
    if (logo)
        logo->setStyleSheet(QStringLiteral("border: none;"));
    setBoldTahomaLabel(title, 34);
}

void ObjPalette::setWinCtrlIconStyle(QWidget* widget, unsigned int background, ResourceImage::WG_WINCTRL_S control)
{
    const LibraryImage& images = Theme::images();
    const SWidgetColor color = Theme::textOn(WG_COLOR_NOT_SET, background);
    const QString colors = QtObjPalette::getWgColorStyleStr(&color, false);
    const QString normal = Theme::path(images.getWinCtrlIconPath(0, control, 0));
    const QString hover = Theme::path(images.getWinCtrlIconPath(0, control, ResourceImage::StateHover));
    StyleTarget::install(widget,
                         literalBlock("QWidget {",
                                      colors + Theme::centredImage(normal) + QLatin1String("border: none;"))
                             + literalBlock("QWidget:hover {", colors + Theme::centredImage(hover)),
                         "setWinCtrlIconStyle");
}

void ObjPalette::setAboutIconStyle(QWidget* widget)
{
    setFunctionIconStyle(widget, Theme::images().getThemeFunIconPath(1), "setAboutIconStyle");
}

void ObjPalette::setHelpIconStyle(QWidget* widget)
{
    setFunctionIconStyle(widget, Theme::images().getThemeFunIconPath(2), "setHelpIconStyle");
}

void ObjPalette::setWidgetIconStyle(QWidget* widget, QString imagePath)
{
    StyleTarget::install(widget,
                         literalBlock("QWidget {", Theme::centredImage(imagePath) + QLatin1String("border: none;")),
                         "setWidgetIconStyle");
}

void ObjPalette::setMainMenuStyle(QWidget* widget, QString imagePath)
{
    StyleTarget::install(widget, compMenuStyle(QString(), imagePath), "setMainMenuStyle");
}

// The gradient's stops run 0.5, 1.0, 0.5: the button's look is made with them as they are.
QString ObjPalette::compMenuStyle(QString objName, QString imagePath)
{
    const SWidgetColor text = Theme::textOn(Theme::color(38), WG_COLOR_NOT_SET);
    const SWidgetGradientColor gradient =
        verticalStops({{0.5f, Theme::color(36)}, {1.0f, Theme::color(32)}, {0.5f, Theme::color(36)}});
    const WIDGET_FONT font = Theme::tahoma(15, 9);
    const WIDGET_BORDER_LINE line{1, WG_BORDER_EDGE_SOLID, Theme::color(29)};
    const WIDGET_BORDER_SIDES sides{1, 5, 1, WG_LENGTH_NOT_SET, WG_BORDER_EDGE_SOLID, Theme::color(31)};
    const SWidgetColor checked = Theme::textOn(Theme::color(13), Theme::color(29));
    WIDGET_BORDER_SIDES checkedSides;
    checkedSides.top = 5;
    checkedSides.style = WG_BORDER_EDGE_SOLID;
    checkedSides.color = Theme::color(13);

    const auto menuBlock = [&objName](const char* subControl, const QString& body) {
        return QtObjPalette::compStyleSheetBlock(objName, "QToolButton", subControl, nullptr, true, body);
    };
    QString sheet = menuBlock(nullptr, QtObjPalette::getWgColorStyleStr(&text, false)
                                           + QtObjPalette::getWgGradientStyleStr(&gradient)
                                           + QtObjPalette::getWgFontStyleStr(&font)
                                           + QtObjPalette::getWgBorderLineStyleStr(&line)
                                           + QtObjPalette::getWgBorderSidesStyleStr(&sides))
        + menuBlock("::checked", QtObjPalette::getWgColorStyleStr(&checked, false)
                                     + QtObjPalette::getWgBorderSidesStyleStr(&checkedSides));
    if (!imagePath.isEmpty())
        sheet += menuBlock(nullptr, Theme::centredImage(imagePath));
    return sheet;
}

void ObjPalette::setHomeTitleStyle(QWidget* widget)
{
    const SWidgetColor text = Theme::textOn(Theme::color(29), WG_COLOR_NOT_SET);
    const SWidgetGradientColor gradient =
        verticalStops({{0.0f, Theme::color(37)}, {0.5f, Theme::color(32)}, {1.0f, Theme::color(37)}});
    const WIDGET_BORDER_LINE line{1, WG_BORDER_EDGE_SOLID, Theme::color(39)};
    WIDGET_BORDER_RADIUS corners;
    corners.topLeft = 0;
    corners.topRight = 0;
    corners.bottomRight = 20;
    corners.bottomLeft = 0;
    WIDGET_BORDER_SIDES noRight;
    noRight.right = 0;
    const WIDGET_FONT font = Theme::tahoma(16, 7);
    const WIDGET_BORDER_LINE noOutline{0, WG_BORDER_EDGE_NONE, WG_COLOR_NOT_SET};
    const SWidgetColor checked = Theme::textOn(Theme::color(32), Theme::color(30));
    const WIDGET_BORDER_LINE checkedLine{0, WG_BORDER_EDGE_SOLID, Theme::color(39)};

    const QString normal = QtObjPalette::getWgColorStyleStr(&text, false)
        + QtObjPalette::getWgGradientStyleStr(&gradient) + QtObjPalette::getWgBorderLineStyleStr(&line)
        + QtObjPalette::getWgBorderRadiusStyleStr(&corners) + QtObjPalette::getWgBorderSidesStyleStr(&noRight)
        + QtObjPalette::getWgFontStyleStr(&font) + QtObjPalette::getWgOutlineStyleStr(&noOutline);
    const QString whenChecked =
        QtObjPalette::getWgColorStyleStr(&checked, false) + QtObjPalette::getWgBorderLineStyleStr(&checkedLine);
    StyleTarget::install(widget,
                         literalBlock("QPushButton {", normal) + literalBlock("QPushButton::checked {", whenChecked),
                         "setHomeTitleStyle");
}

void ObjPalette::setHomeMoreLabelStyle(QWidget* widget)
{
    setBoldTahomaLabel(widget, 22);
}

void ObjPalette::setHomeSatelliteGroupStyle(QWidget* widget)
{
    if (!StyleTarget::named(widget, "setHomeSatelliteGroupStyle"))
        return;
    widget->setStyleSheet(darkPanelBlock(*widget)
                          + Theme::ownBlock(*widget, ":hover", Theme::background(Theme::color(36))));
}

void ObjPalette::setConfigVslDimStyle(QWidget* widget)
{
    StyleTarget::install(widget, Theme::centredImage(Theme::path(Theme::images().getVesselDimensionIconPath())),
                         "setConfigVslDimStyle");
}

void ObjPalette::setAdvencedCfgMoreLabelStyle(QWidget* widget)
{
    setBoldTahomaLabel(widget, 19);
}

void ObjPalette::setSatelliteStatusStyle(QWidget* widget)
{
    if (!StyleTarget::named(widget, "setSatelliteStatusStyle"))
        return;
    const SWidgetColor text = Theme::textOn(Theme::color(29), WG_COLOR_NOT_SET);
    const WIDGET_FONT font = Theme::settingsFont(4, 4);
    widget->setStyleSheet(darkPanelBlock(*widget)
                          + QtObjPalette::compStyleSheetBlock(QString(), "QLabel", nullptr, nullptr, true,
                                                              QtObjPalette::getWgColorStyleStr(&text, false)
                                                                  + QtObjPalette::getWgFontStyleStr(&font)));
}
