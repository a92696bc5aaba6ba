#include "mainwindow/CAisConfigurationView.h"

#include "resources/LibraryColor.h"
#include "resources/LibraryImage.h"
#include "style/ObjPalette.h"
#include "style/QtObjPalette.h"
#include "support/Singleton.h"
#include "ui_AisConfiguration.h"
#include "widgets/ModSatelliteMap.h"

#include <initializer_list>

namespace {

using Widgets = std::initializer_list<QWidget*>;
using Labels = std::initializer_list<QLabel*>;

const LibraryImage& images()
{
    return *Pattern::Singleton<LibraryImage>::Instance();
}

// 0xRRGGBB of a colour table entry in its current mode.
unsigned int tableColor(int entry)
{
    return Pattern::Singleton<LibraryColor>::Instance()->currentColor(entry).rgb() & 0xffffffu;
}

void setGroupStyles(Widgets widgets, bool hover)
{
    for (QWidget* widget : widgets)
        ObjPalette::setGroupStyle(widget, hover);
}

void setBoldTextStyles(Widgets widgets, bool primary)
{
    for (QWidget* widget : widgets)
        ObjPalette::setBoldTextStyle(widget, primary);
}

void setCornerTitleStyles(Widgets widgets)
{
    for (QWidget* widget : widgets)
        ObjPalette::setCornerTitleColorToneStyle(widget, QString(), WG_COLOR_TONE_3);
}

void setPushButtonStyle(QWidget* button)
{
    ObjPalette::setPushBtnColorToneStyle(button, QString(), WG_COLOR_TONE_5);
    button->setCursor(Qt::PointingHandCursor);
}

void setLabelIcons(Labels labels, const std::string& path)
{
    for (QLabel* label : labels)
        QtObjPalette::setWidgetLblIcon(label, QString::fromStdString(path));
}

} // namespace

// Applied once; the order matters where two steps style the same widget.
void CAisConfigurationView::updateUiObjPalette()
{
    Ui::AisConfiguration& ui = *m_ui;

    // Frame, title bar and main menu.
    ObjPalette::setWhiteThemeWgsStyle(ui.centralWidget, m_itemDelegate);
    ObjPalette::setBorderTitleStyle(ui.btnBorderTitleLogo, ui.lblBorderTitleName);
    ObjPalette::setWinCtrlIconStyle(ui.btnWinCtrlClose, WG_COLOR_NOT_SET, ResourceImage::WG_WINCTRL_CLOSE);
    ObjPalette::setWinCtrlIconStyle(ui.btnWinCtrlMin, WG_COLOR_NOT_SET, ResourceImage::WG_WINCTRL_MINI);
    ObjPalette::setAboutIconStyle(ui.btnThemeFunAbout);
    ObjPalette::setHelpIconStyle(ui.btnThemeFunHelp);
    ObjPalette::setConntStatusLabelStyle(ui.lblConntStatus, true);
    ObjPalette::setMainWidgetWhiteStyle(ui.wgMain);
    ObjPalette::setMainMenuStyle(ui.btnMMHome, QString::fromStdString(images().getMainMenuIconPath(0)));
    for (QWidget* button : Widgets{ui.btnMMConfiguration, ui.btnMMGPSStatus, ui.btnMMDiagnostics,
                                   ui.btnMMSerialData, ui.btnMMOtherVessels, ui.btnMMWiFi})
        ObjPalette::setMainMenuStyle(button, QString());

    // Home.
    setGroupStyles({ui.wgHomeConfiguration, ui.wgHomeDiagnostics, ui.wgHomeOtherVessels, ui.wgHomeWiFi}, true);
    ObjPalette::setHomeSatelliteGroupStyle(ui.wgHomeGPSStatus);
    for (QWidget* title : Widgets{ui.btnHomeConfiguration, ui.btnHomeSatelliteStatus, ui.btnHomeDiagnostics,
                                  ui.btnHomeOtherVessels, ui.btnHomeWiFi})
        ObjPalette::setHomeTitleStyle(title);
    for (QWidget* more : Widgets{ui.lblHomeConfigurationMore, ui.lblHomeGPSStatusMore, ui.lblHomeDiagnosticsMore,
                                 ui.lblHomeOtherVesselsMore, ui.lblHomeWiFiSetMore})
        ObjPalette::setHomeMoreLabelStyle(more);
    QtObjPalette::setWidgetTransparentStyle(ui.gpvwHomeSatelliteMap, STYLE_SHEET_COVER_OBJECT);
    setBoldTextStyles({ui.lblHomeShipName, ui.lblHomeCallSign, ui.lblHomeMmsi, ui.lblHomeVesselType,
                       ui.lblHomeProductSNValue, ui.lblHomeProductFVValue, ui.lblHomeVSWRValue},
                      true);
    ObjPalette::setOtherVesselStyle(ui.tbvwHomeOtherVessels, QString(), WG_COLOR_TONE_0);
    m_homeSatelliteMap->updateUiObjPalette();
    ObjPalette::setLabelColor(ui.lblHomeWiFiWaiting, tableColor(4));

    // Configuration.
    setGroupStyles({ui.wgConfiguration}, false);
    setCornerTitleStyles({ui.wgCfgVslDetailTitle, ui.wgCfgNmeaBaudRateTitle, ui.wgCfgShipDimTitle,
                          ui.wgCfgAdvConfigTitle});
    setPushButtonStyle(ui.btnCfgAdvancedConfDisp);
    ObjPalette::setConfigVslDimStyle(ui.imgCfgVslDim);
    ObjPalette::setWidgetIconStyle(ui.btnMmsiHelp, QString::fromStdString(images().getThemeFunIconPath(0)));
    ObjPalette::setNormalTitleStyle(ui.lblCfgTransceiver);

    // GPS Status: the transparent sheet replaces the map style, which is applied all the same.
    ObjPalette::setSatelliteStatusStyle(ui.wgGPSStatus);
    ObjPalette::setSatelliteMapStyle(ui.gpvwSatelliteMap);
    setBoldTextStyles({ui.lblSatelliteFixText, ui.lblSatelliteUtcText, ui.lblSatelliteLatText,
                       ui.lblSatelliteLonText, ui.lblSatelliteCogText, ui.lblSatelliteSogText,
                       ui.lblSatelliteHdopText},
                      false);
    setLabelIcons({ui.imgSatelliteInView}, images().getSatelliteIconPath(1));
    setLabelIcons({ui.imgSatelliteInUse}, images().getSatelliteIconPath(2));
    QtObjPalette::setWidgetTransparentStyle(ui.gpvwSatelliteMap, STYLE_SHEET_COVER_OBJECT);
    m_satelliteMap->updateUiObjPalette();

    // Other Vessels.
    setGroupStyles({ui.wgOtherVessels}, false);
    ObjPalette::setOtherVesselStyle(ui.tbvwOtherVessels, QString(), WG_COLOR_TONE_0);

    // Diagnostics: grey lamps and failed checks until the device reports.
    setGroupStyles({ui.wgDiagDiagnosisCheck}, false);
    setCornerTitleStyles({ui.wgDiagSysCheckTitle, ui.wgDiagStatisticsTitle, ui.wgDiagStatusTitle,
                          ui.wgDiagInterDataTitle});
    setLabelIcons({ui.imgDiagStatusPowerOk, ui.imgDiagStatusTxTimeout, ui.imgDiagStatusError,
                   ui.imgDiagStatusSilentMode},
                  images().getLedIconPath(0, 4));
    setLabelIcons({ui.imgDiagCheckMmsi, ui.imgDiagCheckExtPwr, ui.imgDiagCheckAisAnte, ui.imgDiagCheckGpsFix,
                   ui.imgDiagCheckAisRxPos, ui.imgDiagCheckAisTxPos},
                  images().getReportStatusIconPath(1));
    setBoldTextStyles({ui.lblDiagProductSNValue, ui.lblDiagProductFVValue, ui.lblDiagVSWRValue,
                       ui.lblDiagRxChAValue, ui.lblDiagRxChBValue, ui.lblDiagTxChAValue, ui.lblDiagTxChBValue},
                      true);

    // Serial Data.
    ObjPalette::setTextEditWhiteStyle(ui.txbwSerialRx);

    // Wi-Fi.
    ObjPalette::setInfoGroupStyle(ui.wgWiFiStatus);
    setBoldTextStyles({ui.lblHomeWiFiModeValue, ui.lblHomeWiFiFirmwareVerValue}, true);
    setGroupStyles({ui.wgWiFiMode, ui.wgWifiConfiguration, ui.wgWiFiAdvConfig}, false);
    setCornerTitleStyles({ui.wgWiFiModeTitle, ui.wgWiFiCfgTitle, ui.wgWiFiAdvConfigTitle});
    setPushButtonStyle(ui.btnWiFiAdvConfigDisp);
}
