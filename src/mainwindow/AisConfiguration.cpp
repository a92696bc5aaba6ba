#include "mainwindow/AisConfiguration.h"

#include "device/CCommSpacesManage.h"
#include "mainwindow/CAisConfigurationView.h"
#include "model/tables/CTargetExchangeSet.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"
#include "ui_AisConfiguration.h"

#include <QTranslator>
#include <exception>

namespace {

SysDebug* Log()
{
    return Pattern::Singleton<SysDebug>::Instance();
}

} // namespace

AisConfiguration::AisConfiguration(QWidget* parent)
    : QMainWindow(parent)
    , m_ui(new Ui::AisConfiguration)
{
    Log()->dbgPrintf(DBG_INFO, "AisConfiguration", 0, "Main Start");
    m_ui->setupUi(this);
    setFixedSize(1000, 720);

    try {
        m_commSpaces = new CCommSpacesManage(this);
        CDeviceComm& device = m_commSpaces->getDeviceComm();
        m_wifiData = device.getWiFiConfig().snapshot();
        m_view = new CAisConfigurationView(m_ui, &device.getSentenceHandle().getShownConfig(), &m_wifiData);
        m_otherVessels = new CTargetExchangeSet();
    } catch (const std::exception& error) {
        Log()->dbgPrintf(DBG_CRITICAL, "AisConfiguration", 0, "%s", error.what());
    }

    initUiObj();
    initForm();
    updateUiText();
    enableConfigDisp();
}

AisConfiguration::~AisConfiguration()
{
    // The view first: its chart and port selector sit in the form's layouts.
    delete m_view;
    m_view = nullptr;
    delete m_otherVessels;
    m_otherVessels = nullptr;
    delete m_translator;
    delete m_copyRightTranslator;
    delete m_ui;
}
