#include "style/ObjPalette.h"

#include "style/QtObjPalette.h"
#include "style/StyleTarget.h"
#include "style/ToneTable.h"

#include <QWidget>

using ToneTable::Value;

namespace {

struct OtherVesselValues
{
    Value text, back, alternate, sectionText, sectionBack, lineWidth;
};

using OV = OtherVesselValues;
const ToneTable::Table<OtherVesselValues> OtherVesselTones{
    {Value::entry(32), Value::entry(29), Value::entry(40), Value::entry(32), Value::entry(30), Value::length(1)},
    {{{1},
      {{&OV::text, Value::entry(29)},
       {&OV::back, Value::fixed(0x404040)},
       {&OV::alternate, Value::entry(36)},
       {&OV::sectionText, Value::entry(29)},
       {&OV::sectionBack, Value::entry(32)},
       {&OV::lineWidth, Value::length(0)}}}},
};

void setTextStyle(QWidget* widget, uint32_t text, const WIDGET_FONT& font)
{
    Theme::setTextStyle(widget, text, &font);
}

} // namespace

void ObjPalette::setOtherVesselStyle(QWidget* tableView, QString objName, WG_COLOR_TONE_S tone)
{
    const OtherVesselValues v = OtherVesselTones.of(tone);
    SWidgetColor tableColor = ToneTable::textOn(v.text, v.back);
    tableColor.alternateBackground = v.alternate.color();
    WIDGET_BORDER_LINE line{v.lineWidth.pixels(), WG_BORDER_EDGE_SOLID, Theme::color(32)};
    WIDGET_BORDER_RADIUS corners = Theme::allCorners(0);
    WIDGET_BORDER border{&line, &corners};
    WIDGET_TABLE_VIEW table{&tableColor, nullptr, &border};

    WIDGET_SIZE section{0, 24};
    SWidgetColor sectionColor = ToneTable::textOn(v.sectionText, v.sectionBack);
    const LibraryImage& images = Theme::images();
    WIDGET_HEADER_VIEW header{&section, &sectionColor, Theme::path(images.getHeaderViewIconPath(0, 0)),
                              Theme::path(images.getHeaderViewIconPath(0, 1))};

    StyleTarget::install(tableView,
                         QtObjPalette::compTableViewStyleSheet(objName, table, true)
                             + QtObjPalette::compHeaderViewStyleSheet(objName, header, true),
                         "setOtherVesselStyle");
}

void ObjPalette::setSatelliteMapStyle(QWidget* widget)
{
    StyleTarget::install(widget, QStringLiteral("border: none;") + Theme::background(Theme::color(34)),
                         "setSatelliteMapStyle");
}

// The enabled flag shows only on the selected tile.
void ObjPalette::setWiFiModeWgsStyle(QWidget* tile, LibraryImage::WIFI_MODE mode, bool selected, bool enabled)
{
    if (!StyleTarget::named(tile, "setWiFiModeWgsStyle"))
        return;
    const QString image = Theme::centredImage(Theme::path(Theme::images().getWiFiModeIconPath(mode)));
    QString body;
    if (selected) {
        const WIDGET_BORDER_LINE dashed{2, WG_BORDER_EDGE_DASHED, 0x808080};
        body = Theme::frame(dashed, 5) + Theme::background(Theme::color(enabled ? 21 : 39)) + image;
    } else {
        body = QStringLiteral("border: none;") + Theme::background(Theme::color(29)) + image;
    }
    tile->setStyleSheet(Theme::ownBlock(*tile, nullptr, body));
}

void ObjPalette::setGroupStyle(QWidget* widget, bool hover)
{
    if (!StyleTarget::named(widget, "setGroupStyle"))
        return;
    const WIDGET_BORDER_LINE line{2, WG_BORDER_EDGE_SOLID, Theme::color(21)};
    QString sheet =
        Theme::ownBlock(*widget, nullptr, Theme::background(Theme::color(hover ? 40 : 30)) + Theme::frame(line, 5));
    if (hover)
        sheet += Theme::ownBlock(*widget, ":hover", Theme::background(Theme::color(30)));
    widget->setStyleSheet(sheet);
}

void ObjPalette::setInfoGroupStyle(QWidget* widget)
{
    if (!StyleTarget::named(widget, "setInfoGroupStyle"))
        return;
    const WIDGET_BORDER_LINE line{0, WG_BORDER_EDGE_SOLID, Theme::color(31)};
    const SWidgetColor text = Theme::textOn(Theme::color(32), WG_COLOR_NOT_SET);
    const WIDGET_FONT font = Theme::settingsFont(3, 4);
    widget->setStyleSheet(Theme::ownBlock(*widget, nullptr,
                                          Theme::background(Theme::color(39)) + Theme::frame(line, 10))
                          + QtObjPalette::compStyleSheetBlock(QString(), "QLabel", nullptr, nullptr, true,
                                                              QtObjPalette::getWgColorStyleStr(&text, false)
                                                                  + QtObjPalette::getWgFontStyleStr(&font)));
}

void ObjPalette::setNormalTitleStyle(QWidget* widget)
{
    setTextStyle(widget, Theme::color(32), Theme::tahoma(14, 7));
}

void ObjPalette::setBoldTextStyle(QWidget* widget, bool primary)
{
    setTextStyle(widget, Theme::color(primary ? 32 : 29), Theme::settingsFont(5, 7));
}

void ObjPalette::setCornerTitleColorToneStyle(QWidget* widget, QString objName, WG_COLOR_TONE_S tone)
{
    StyleTarget::install(widget, compCornerShapeColorToneStyle(objName, tone, false, true),
                         "setCornerTitleColorToneStyle");
}

void ObjPalette::setPushBtnColorToneStyle(QWidget* widget, QString objName, WG_COLOR_TONE_S tone)
{
    StyleTarget::install(widget, compPushButtonColorToneStyle(objName, tone, true, 5), "setPushBtnColorToneStyle");
}

void ObjPalette::setSelectorSwitchColorToneStyle(QWidget* widget, QString objName, WG_COLOR_TONE_S tone,
                                                 bool highlight)
{
    StyleTarget::install(widget, compSelectorSwitchColorToneStyle(objName, tone, highlight),
                         "setSelectorSwitchColorToneStyle");
}

void ObjPalette::setReportStatusStyle(QWidget*)
{
}

void ObjPalette::setAboutSoftwareNameLabelStyle(QWidget* widget)
{
    setTextStyle(widget, Theme::color(32), Theme::tahoma(16, 7));
}

void ObjPalette::setAboutSoftwareVersionLabelStyle(QWidget* widget)
{
    setTextStyle(widget, Theme::color(32), Theme::tahoma(12, 4));
}

void ObjPalette::setConntStatusLabelStyle(QWidget* widget, bool alert)
{
    setTextStyle(widget, Theme::color(alert ? 0 : 32), Theme::tahoma(14, 4));
}
