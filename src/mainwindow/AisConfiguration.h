#pragma once

#include "device/CWiFiAPExchangeSet.h"
#include "device/WiFiTypes.h"

#include <QMainWindow>

namespace Ui {
class AisConfiguration;
}
class CAisConfigurationView;
class CCommSpacesManage;
class CTargetExchangeSet;
class QButtonGroup;
class QTableView;
class QTranslator;

// The program's one window: the form, its view, the communication space and the page set-up.
class AisConfiguration : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int PageCount = 7;

    explicit AisConfiguration(QWidget* parent = nullptr);
    ~AisConfiguration() override;

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

private:
    void initUiObj();
    void initForm();
    void updateUiText();

    Ui::AisConfiguration* m_ui;
    CAisConfigurationView* m_view = nullptr;
    QTranslator* m_translator = nullptr;
    QTranslator* m_copyRightTranslator = nullptr;
    CCommSpacesManage* m_commSpaces = nullptr;
    CTargetExchangeSet* m_otherVessels = nullptr;
    QButtonGroup* m_mainMenuGroup = nullptr;
    QButtonGroup* m_homeMenuGroup = nullptr;
    // The Wi-Fi state as the view last read it.
    WiFiScope::SCmdProcData m_wifiData;
    CWiFiAPExchangeSet m_apExchangeSet;
};
