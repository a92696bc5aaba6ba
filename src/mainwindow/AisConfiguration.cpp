#include "mainwindow/AisConfiguration.h"

#include "device/CCommSpacesManage.h"
#include "mainwindow/CAisConfigurationView.h"
#include "mainwindow/about/CAboutForm.h"
#include "mainwindow/ports/CSerialPortLister.h"
#include "model/tables/CTargetExchangeSet.h"
#include "support/Singleton.h"
#include "support/SysConfig.h"
#include "support/SysDebug.h"
#include "ui_AisConfiguration.h"
#include "widgets/ModSatelliteMap.h"

#include <QEvent>
#include <QSettings>
#include <QSignalMapper>
#include <QTimer>
#include <QTranslator>
#include <exception>
#include <utility>

namespace {

constexpr int RefreshIntervalMs = 1000;

SysDebug* Log()
{
    return Pattern::Singleton<SysDebug>::Instance();
}

} // namespace

AisConfiguration::AisConfiguration(QWidget* parent, std::shared_ptr<const CPortLister> portLister,
                                   const CommSpacesFactory& makeCommSpaces)
    : QMainWindow(parent)
    , m_ui(new Ui::AisConfiguration)
    , m_portLister(portLister ? std::move(portLister) : std::make_shared<CSerialPortLister>())
{
    Log()->dbgPrintf(DBG_INFO, "AisConfiguration", 0, "Main Start");
    m_ui->setupUi(this);
    setFixedSize(1000, 720);

    try {
        m_commSpaces = makeCommSpaces ? makeCommSpaces(this) : new CCommSpacesManage(this);
        CDeviceComm& device = m_commSpaces->getDeviceComm();
        m_view = new CAisConfigurationView(m_ui, &device.getSentenceHandle().getShownConfig(),
                                           device.getWiFiConfig(), *m_portLister);
        m_otherVessels = new CTargetExchangeSet();
        m_refreshTimer = new QTimer(this);
    } catch (const std::exception& error) {
        // Every later step needs these objects; the caller reports the failure.
        Log()->dbgPrintf(DBG_CRITICAL, "AisConfiguration", 0, "%s", error.what());
        delete m_otherVessels;
        delete m_view;
        delete m_ui;
        throw;
    }

    m_refreshTimer->setInterval(RefreshIntervalMs);
    connect(m_refreshTimer, &QTimer::timeout, this, &AisConfiguration::onTimerRefresh);
    m_refreshTimer->start();

    initUiObj();
    initForm();
    if (m_aboutForm)
        m_aboutForm->updateUiDisp();
    updateUiText();
    enableConfigDisp();
    initWiFiJobs();

    configureWgConnections();
    connect(m_commSpaces, SIGNAL(signalCommConntReady()), this, SLOT(onStartupReady()), Qt::QueuedConnection);
    if (!m_commSpaces->initCommSpaceTh())
        Log()->dbgPrintf(DBG_ERROR, "AisConfiguration", 0, "The communication thread did not start");
    readAllProfileIni();
    m_ui->btnHomeWiFi->setVisible(true);
    m_dragEnabled = true;
}

AisConfiguration::~AisConfiguration()
{
    Log()->dbgPrintf(DBG_LEAVE, "~AisConfiguration", 0, "Start");
    m_refreshTimer->stop();
    // The communication thread ends first: it reads the records the display objects show.
    m_commSpaces->end();
    delete m_otherVessels;
    m_otherVessels = nullptr;
    // The view before the form's widgets: its chart and port selector sit in the form's layouts.
    delete m_view;
    m_view = nullptr;
    delete m_aboutForm;
    m_aboutForm = nullptr;
    delete m_translator;
    delete m_copyRightTranslator;
    m_ui->gpvwHomeSatelliteMap->removeEventFilter(this);
    delete m_ui;
    Log()->dbgPrintf(DBG_LEAVE, "~AisConfiguration", 0, "End");
}

bool AisConfiguration::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_ui->gpvwHomeSatelliteMap)
        return QMainWindow::eventFilter(watched, event);
    // The view's own resize handling must run too: it lays out its room for the new size, which
    // otherwise keeps the size it had before.
    if (event->type() == QEvent::Resize)
        m_view->homeSatelliteMap()->fitView(*m_ui->gpvwHomeSatelliteMap);
    return false;
}

void AisConfiguration::configureWgConnections()
{
    connect(&m_view->serialPortComboBox(), &WgComboBox::signalShowPopup, this,
            &AisConfiguration::onRefreshSerialPortDisp);
    connect(m_ui->btnCommConnt, &QAbstractButton::clicked, this, &AisConfiguration::onCommConntStatusChange);
    connect(m_commSpaces, &CCommSpaces::signalCommDataSaved, this, &AisConfiguration::onConntSaved);

    // A menu button and the Home button of the same page reach the same page id.
    auto* pageMapper = new QSignalMapper(this);
    connect(pageMapper, SIGNAL(mapped(int)), this, SLOT(onMainMenuSwitch(int)));
    for (int page = 0; page < PageCount; ++page) {
        for (QAbstractButton* button : {m_mainMenuGroup->button(page), m_homeMenuGroup->button(page)}) {
            if (!button)
                continue;
            connect(button, SIGNAL(clicked()), pageMapper, SLOT(map()));
            pageMapper->setMapping(button, page);
        }
    }
    connect(m_ui->btnThemeFunAbout, &QAbstractButton::clicked, this, &AisConfiguration::onAboutClick);
    configureActionConnections();
    connect(m_ui->btnCfgProgramDev, &QAbstractButton::clicked, this, &AisConfiguration::onCfgProgramDev);
    connectWiFiActions();
}

void AisConfiguration::readAllProfileIni()
{
    const QSettings settings(Pattern::Singleton<SysConfig>::Instance()->GetProfileIniUrl(), QSettings::IniFormat);
    m_envSetup.readProfileIni(&settings);
}

void AisConfiguration::onStartupReady()
{
    // The raw serial text crosses from the communication thread under this name.
    qRegisterMetaType<QString>("QStringLog");
    CDeviceComm& device = m_commSpaces->getDeviceComm();
    connect(&device.getSentenceHandle(), &CSensorSentenceHandle::signalRxLogMsg, this,
            &AisConfiguration::onCommRxLogMsg);
    connect(&device, &CDeviceComm::signalRxLogMsg, this, &AisConfiguration::onCommRxLogMsg);
}

void AisConfiguration::onRefreshSerialPortDisp()
{
    m_view->refreshSerialPortDisp(false);
}

void AisConfiguration::onCommConntStatusChange()
{
    QAbstractButton* button = m_ui->btnCommConnt;
    Log()->dbgPrintf(DBG_CONTROL, "onCommConntStatusChange", 0, "%s", button->text().toUtf8().constData());
    m_view->updateCommConntDisp();
    // Enabled again once the communication thread has adopted or dropped the link.
    button->setEnabled(false);
    const bool connectWanted = button->isChecked();
    m_view->serialPortComboBox().setEnabled(!connectWanted);
    if (connectWanted) {
        COMM::SCommConntProfile profile = m_view->getConntProfile(m_envSetup.setting().defaultBaudRate);
        m_commSpaces->connectDeviceComm(profile);
    } else {
        m_commSpaces->disconnectDeviceComm();
    }
    enableConfigDisp();
}

void AisConfiguration::onConntSaved()
{
    Log()->dbgPrintf(DBG_INFO, "onConntSaved", 0, "Communication was connected");
    m_ui->btnCommConnt->setEnabled(true);
}

void AisConfiguration::onMainMenuSwitch(int page)
{
    updateCurPageDisp(page);
}
