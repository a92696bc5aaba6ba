#pragma once

#include "device/CWiFiAPExchangeSet.h"
#include "device/WiFiTypes.h"
#include "mainwindow/environment/CEnvironmentSetup.h"

#include <QMainWindow>
#include <functional>
#include <memory>

namespace Ui {
class AisConfiguration;
}
class CAisConfigurationView;
class CCommSpacesManage;
class CPortLister;
class CTargetExchangeSet;
class QButtonGroup;
class QTableView;
class QTimer;
class QTranslator;

// The program's one window: the form, its view, the communication space and the page set-up.
class AisConfiguration : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int PageCount = 7;

    // Makes the communication facade with the window as its Qt parent.
    using CommSpacesFactory = std::function<CCommSpacesManage*(QObject* parent)>;

    // Without a lister the system's ports are listed, without a factory the real facade is
    // made. Throws what the facade, view or model threw, after logging it: a window without
    // them cannot run.
    explicit AisConfiguration(QWidget* parent = nullptr, std::shared_ptr<const CPortLister> portLister = nullptr,
                              const CommSpacesFactory& makeCommSpaces = nullptr);
    ~AisConfiguration() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

    // English is the one language: every type loads it. True when both translations loaded.
    bool switchLanguageType(int type);
    // Holds the pages back while the device is not ready or its Wi-Fi module not yet read.
    void enableConfigDisp();
    void updateCurPageDisp(int page);

    static void setOtherVesselsColumnWidth(QTableView* table);
    static void setWiFiCfgClientColumnWidth(QTableView* table);

    Ui::AisConfiguration* form() const { return m_ui; }
    CAisConfigurationView* view() const { return m_view; }
    CCommSpacesManage* commSpaces() const { return m_commSpaces; }
    QButtonGroup* mainMenuGroup() const { return m_mainMenuGroup; }
    QButtonGroup* homeMenuGroup() const { return m_homeMenuGroup; }
    const CEnvironmentSetup& environmentSetup() const { return m_envSetup; }

public slots:
    void onStartupReady();
    void onRefreshSerialPortDisp();
    void onCommConntStatusChange();
    void onConntSaved();
    void onMainMenuSwitch(int page);

private:
    void configureWgConnections();
    void readAllProfileIni();
    void initUiObj();
    void initForm();
    void updateUiText();

    Ui::AisConfiguration* m_ui;
    CAisConfigurationView* m_view = nullptr;
    QTranslator* m_translator = nullptr;
    QTranslator* m_copyRightTranslator = nullptr;
    CEnvironmentSetup m_envSetup;
    CCommSpacesManage* m_commSpaces = nullptr;
    CTargetExchangeSet* m_otherVessels = nullptr;
    std::shared_ptr<const CPortLister> m_portLister;
    QButtonGroup* m_mainMenuGroup = nullptr;
    QButtonGroup* m_homeMenuGroup = nullptr;
    QTimer* m_refreshTimer = nullptr;
    // The Wi-Fi state as the view last read it.
    WiFiScope::SCmdProcData m_wifiData;
    CWiFiAPExchangeSet m_apExchangeSet;
};
