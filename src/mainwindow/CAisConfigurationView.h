#pragma once

#include "comm/CommProfile.h"
#include "device/DeviceTypes.h"
#include "mainwindow/MsgBoxKind.h"
#include "mainwindow/SMsgTextResource.h"
#include "mainwindow/wifi/WiFiFormChecks.h"
#include "model/units/SPointG2dD.h"
#include "model/units/UnitTypes.h"
#include "style/CStyledItemDelegate.h"
#include "widgets/WgComboBox.h"
#include "widgets/WgHistogram.h"

#include <QButtonGroup>
#include <QString>
#include <cstdint>
#include <string>

namespace Ui {
class AisConfiguration;
}
namespace WiFiScope {
struct SAPData;
struct SCmdProcData;
}
class CPortLister;
class CWiFiConfig;
class QLineEdit;
class CSensorConfig;
class ModSatelliteMap;
class WgSelectorSwitch;

// The main window's look, input rules, fixed lists and texts, and the widgets that stand in
// for placeholders of the form. Not a QObject; GUI thread only. It must be deleted before the
// form's widgets: the chart and the port selector are held by value but sit in the form's
// layouts.
class CAisConfigurationView
{
public:
    static constexpr int ShipTypeCount = 21;

    // The Wi-Fi state and the port lister must outlive the view.
    CAisConfigurationView(Ui::AisConfiguration* ui, CSensorConfig* config, const CWiFiConfig& wifi,
                          const CPortLister& portLister);
    ~CAisConfigurationView();
    CAisConfigurationView(const CAisConfigurationView&) = delete;
    CAisConfigurationView& operator=(const CAisConfigurationView&) = delete;

    static ModSatelliteMap* createSatelliteMap(QWidget* parent, int margin, std::string imagePath);

    // True shows the Home dashboard, false the pages and the main menu.
    void switchHomeMenuDisp(bool home);
    void updateAisAdvConfigDisp(bool show, MACHINE_TYPE type);
    void updateBorderTitleDisp();
    void updateUiObjText();

    // Lists the ports again; at start-up the two named descriptions lead.
    void refreshSerialPortDisp(bool init);
    // The device link's serial profile for the selected port.
    COMM::SCommConntProfile getConntProfile(int baudIndex) const;
    COMM::SCommConntProfile getGeneralConntProfile(COMM::SENSOR_DEVICE_T device, int baudIndex) const;

    void updateHomePageDisp();
    // Model 2 has one NMEA port pair and no status lamps or power check.
    void updateMachineDisp(MACHINE_TYPE model);
    void updateCommConntDisp();
    static void showMsgBox(QWidget* parent, MSG_BOX_S kind, const QString& title, const QString& text, int buttons,
                           int defaultButton);

    // The list position of a ship type code, -1 when it is not offered.
    [[nodiscard]] int getShipTypeIndex(int code) const;
    // The code at a list position; the first code for a position past the list.
    [[nodiscard]] int getShipTypeCode(int index) const;
    const QString& getShipTypeText(int index) const;

    ModSatelliteMap* homeSatelliteMap() const { return m_homeSatelliteMap; }
    ModSatelliteMap* satelliteMap() const { return m_satelliteMap; }
    WgHistogram& snrHistogram() { return m_snrHistogram; }
    WgComboBox& serialPortComboBox() { return m_serialPortComboBox; }
    WgSelectorSwitch* wifiEnableSwitch() const { return m_wifiEnableSwitch; }
    QButtonGroup& wifiModeButtonGroup() { return m_wifiModeButtonGroup; }
    const SMsgTextResource& msgText() const { return m_msgText; }

    // GPS status, diagnostics and other vessels pages.
    // The time field holds a shown time for 5 s by the caller's seconds, whatever the valid flag.
    void updateSatelliteStatusDisp(bool positionValid, int fixMode, bool timeValid, int64_t fixTime,
                                   Unit::SPointG2dD position, Unit::WORLD_POS_FORMAT format, float cog, float sog,
                                   float hdop, int64_t now);
    void updateDiagStatusDisp(bool systemStatus);
    // Each count pointer addresses channel A then channel B.
    void updateDiagSysCheckDisp(bool gpsFixed, const unsigned int* received, const unsigned int* transmitted);
    // Without keeping the style the table's sheet is set again; the user's sort order is kept.
    void updateOtherVslListDisp(bool keepStyle);
    void updateSerialDataDisp();
    // Configuration page: the record shown in the widgets and read back from them.
    // The position of a rate in the page's baud lists, -1 when the list does not offer it.
    [[nodiscard]] static int getBuadRateIndex(int baudRate);
    // An MMSI the device holds cannot be edited; without one the field is empty and open.
    void updateConfigurationMMSIInfo();
    void updateConfigurationInfo(MACHINE_TYPE model);
    // Writes the page over the target, which holds the shown record: a widget the user left
    // as the record showed it keeps the record's value, byte for byte; what the page does not
    // cover keeps its values too.
    void getConfigData(CSensorConfig* target, MACHINE_TYPE model) const;
    // What the device can store from the name and call sign fields.
    static constexpr int ShipNameLimit = 20;
    static constexpr int CallSignLimit = 7;
    // The name or call sign field that the user changed to a text the device cannot store;
    // null when both fit.
    [[nodiscard]] const QLineEdit* unfitTextField() const;
    // Wi-Fi page: filled from the Wi-Fi state copy the view was given, read back into settings.
    void updateWiFiDisp();
    void updateWiFiSettingDisp(bool enabled, int opMode);
    void updateWiFiAdvConfigDisp(bool show);
    [[nodiscard]] static bool isClientAPConnected(const WiFiScope::SCmdProcData& wifi);
    // The longer text once the run has timed out.
    void updateWiFiPGBWaitingMsg(int timeoutCount);
    // The panel stands in for the page's sections and holds Connect and the menu back.
    void enableWiFiWaitingDisp(bool on);
    WiFiForm::SWiFiFormInput getWiFiFormInput() const;
    void getWiFiAPData(WiFiScope::SAPData* out) const;

private:
    void initUiObjDisp();
    void initBorderDisp();
    void initHomeDisp();
    void initConfigurationDisp();
    void initGpsStatusDisp();
    void initOtherVesselsDisp();
    void initWiFiDisp();
    void buildMsgTextResource();
    void buildShipTypeResource();
    void updateConfigurationListText();
    void updateWiFiText();

    ModSatelliteMap* m_satelliteMap = nullptr;
    ModSatelliteMap* m_homeSatelliteMap = nullptr;
    WgHistogram m_snrHistogram;
    WgComboBox m_serialPortComboBox;
    WgSelectorSwitch* m_wifiEnableSwitch = nullptr;
    QButtonGroup m_wifiModeButtonGroup;
    int m_shipTypeCode[ShipTypeCount] = {};
    QString m_shipTypeText[ShipTypeCount];
    Ui::AisConfiguration* m_ui;
    CStyledItemDelegate m_itemDelegate;
    CSensorConfig* m_sensorConfig;
    // Read afresh at every drawing: the pages show nothing of a module that is gone.
    const CWiFiConfig& m_wifi;
    SMsgTextResource m_msgText;
    const CPortLister& m_portLister;

    // Look: every page's styles and images, once at construction.
    void updateUiObjPalette();
    // GPS status page: when the time field last showed a time; 0 never.
    int64_t m_lastUtcShownTime = 0;
};
