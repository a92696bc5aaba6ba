#include "device/CDeviceComm.h"

#include "comm/CCommData.h"
#include "comm/CRawDataHandle.h"
#include "comm/CSerialPort.h"
#include "comm/CServiceComm.h"
#include "device/CKTRWiFiPaser.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <exception>

using COMM::CServiceComm;
using WiFiScope::WIFI_SYS_MODE;

namespace {

SysDebug* Log()
{
    return Pattern::Singleton<SysDebug>::Instance();
}

} // namespace

CDeviceComm::CDeviceComm()
{
    try {
        m_sensorInfo = std::make_unique<VudaviRirev::Target::CSensorInfo>(&m_sensorService);
    } catch (const std::exception& e) {
        Log()->dbgPrintf(DBG_CRITICAL, "CDeviceComm", 0, "%s", e.what());
    }
    // The handler emits in the communication thread: this slot runs queued, in the GUI thread.
    connect(&m_sentenceHandle, &CAisSentenceHandle::signalWiFiCfgModeEnable, this, &CDeviceComm::onWiFiCfgModeEnable);
}

CDeviceComm::~CDeviceComm()
{
    Log()->dbgPrintf(DBG_LEAVE, "~CDeviceComm", 0, "%s", "Start");
    m_sensorInfo.reset();
    Log()->dbgPrintf(DBG_LEAVE, "~CDeviceComm", 0, "%s", "End");
}

// Adoption ---------------------------------------------------------------------------------

void CDeviceComm::setComm(COMM::CCommData* item)
{
    if (!item || item->getCommType() != COMM::COMM_TYPE_SERIAL)
        return;
    item->setReConntTimes(ReconnectLimit);
    adoptLink(item->getSerialPort());
}

void CDeviceComm::adoptLink(CServiceComm* link)
{
    std::lock_guard<std::mutex> lock(m_linkMutex);
    m_link = link;
    m_linkType = link ? link->getCommType() : COMM::COMM_TYPE_NONE;
}

void CDeviceComm::connectSetup()
{
    CServiceComm* link = getLink();
    if (!link)
        return;
    // Adopted again, the same objects must not deliver twice.
    const auto type = Qt::ConnectionType(Qt::DirectConnection | Qt::UniqueConnection);
    connect(link, &CServiceComm::signalRxSentence, this, &CDeviceComm::onRxSentence, type);
    connect(link, &CServiceComm::signalRxMessage, this, &CDeviceComm::onRxMsg, type);
    connect(&m_sentenceHandle, &CSensorSentenceHandle::signalFillGpsData, this, &CDeviceComm::onFillGpsData, type);
    connect(&m_sentenceHandle, &CSensorSentenceHandle::signalFillAisOwnData, this, &CDeviceComm::onFillAisOwnData,
            type);
    connect(&m_sentenceHandle, &CSensorSentenceHandle::signalFillAisTargetData, this,
            &CDeviceComm::onFillAisTargetData, type);
}

CServiceComm* CDeviceComm::pareComm(COMM::CCommData* item)
{
    CServiceComm* transport = item ? item->getSerialPort() : nullptr;
    std::lock_guard<std::mutex> lock(m_linkMutex);
    if (transport && transport == m_link) {
        m_link = nullptr;
        m_linkType = COMM::COMM_TYPE_NONE;
    }
    return transport;
}

void CDeviceComm::end()
{
    adoptLink(nullptr);
}

CServiceComm* CDeviceComm::getLink() const
{
    std::lock_guard<std::mutex> lock(m_linkMutex);
    return m_link;
}

COMM::COMM_TYPE CDeviceComm::getLinkType(const void* transport) const
{
    std::lock_guard<std::mutex> lock(m_linkMutex);
    return transport && transport == m_link ? m_linkType : COMM::COMM_TYPE_NONE;
}

bool CDeviceComm::appendToLink(const COMM::STxPackage& package, bool needConnected)
{
    std::lock_guard<std::mutex> lock(m_linkMutex);
    if (!m_link || (needConnected && !m_link->isConnected()))
        return false;
    m_link->appendToTxPackageQ(package, true);
    return true;
}

void CDeviceComm::resetLinkTx()
{
    std::lock_guard<std::mutex> lock(m_linkMutex);
    if (m_link)
        m_link->reset();
}

// Receiving --------------------------------------------------------------------------------

void CDeviceComm::onRxSentence(void* transport, char type)
{
    m_sentenceHandle.sentenceProc(static_cast<CServiceComm*>(transport), COMM::COMM_TYPE(type));
}

void CDeviceComm::onRxMsg(void* transport, char)
{
    auto* link = static_cast<CServiceComm*>(transport);
    if (!link || !link->getRawDataHandle() || !link->isEnable())
        return;
    COMM::CRawDataHandle* handle = link->getRawDataHandle();

    const QString text = handle->takeLogText();
    if (!text.isEmpty())
        emit signalRxLogMsg(transport, text);

    QByteArray line;
    while (handle->queueNextMessage(&line)) {
        if (checkWiFiMode(line.constData(), link))
            m_wifiConfig.cmdProc(line.constData());
        else
            Log()->dbgPrintf(DBG_INFO, "onRxMsg", 0, "checkWiFiMode Fail:%s", line.constData());
    }
}

void CDeviceComm::onFillGpsData(int, int kind, bool notZda, bool fromLogReplay)
{
    m_gpsInfo.fillGpsData(kind, notZda, fromLogReplay);
}

void CDeviceComm::onFillAisOwnData(int listener)
{
    if (m_sensorInfo)
        m_sensorInfo->fillAisOwnData(VudaviRirev::SENSOR_I62_LISTENER(listener));
}

void CDeviceComm::onFillAisTargetData(unsigned int mmsi)
{
    if (mmsi != 0 && m_sensorInfo)
        m_sensorInfo->fillAisTargetData(mmsi);
}

// Mode -------------------------------------------------------------------------------------

bool CDeviceComm::checkWiFiMode(const char* line, CServiceComm* transport)
{
    const bool on = CKTRWiFiPaser::checkModuleLine(line, m_wifiConfig.isReplyOpen());
    if (int(on) != m_wifiConfig.getSystemMode())
        Log()->dbgPrintf(DBG_INFO, "checkWiFiMode", 0, "Change WiFi Sys Mode:%d, %s", int(on), line);
    applySysMode(on, transport);
    return on;
}

void CDeviceComm::onWiFiCfgModeEnable(int mode)
{
    const bool on = mode == WiFiScope::WIFI_SYS_MODE_CONFIG;
    if (int(on) != m_wifiConfig.getSystemMode())
        Log()->dbgPrintf(DBG_INFO, "onWiFiCfgModeEnable", 0, "Change WiFi Sys Mode:%d", int(on));
    std::lock_guard<std::mutex> lock(m_linkMutex);
    applySysMode(on, m_link);
}

void CDeviceComm::switchSysMode(WIFI_SYS_MODE mode)
{
    std::lock_guard<std::mutex> lock(m_linkMutex);
    applySysMode(mode == WiFiScope::WIFI_SYS_MODE_CONFIG, m_link);
}

void CDeviceComm::applySysMode(bool on, CServiceComm* transport)
{
    // A reply cut off by the switch would take the next dialogue's lines for its data.
    if (!on && m_wifiConfig.getSystemMode() == WiFiScope::WIFI_SYS_MODE_CONFIG)
        m_wifiConfig.dropReply();
    if (transport)
        transport->setRawDataType(on ? COMM::RAWDATA_MSG_3 : COMM::RAWDATA_SENTENCE);
    m_wifiConfig.setSystemMode(on ? WiFiScope::WIFI_SYS_MODE_CONFIG : WiFiScope::WIFI_SYS_MODE_NMEA);
}

// Resets and upkeep ------------------------------------------------------------------------

void CDeviceComm::initDevConfigInfo()
{
    m_sentenceHandle.initConfigInfo();
    m_gpsInfo.initGpsInfo();
    if (m_sensorInfo)
        m_sensorInfo->reset();
}

void CDeviceComm::initDevDiagnoseInfo()
{
    m_sentenceHandle.initDiagnoseInfo();
}

void CDeviceComm::updateSensorInfoPerSec()
{
    if (!m_sensorInfo)
        return;
    m_sensorInfo->updateOwnVslData();
    m_sensorInfo->calTargetSourcePivotScreenPoint(VudaviRirev::Target::TARGET_SOURCE_AIS);
    m_sensorInfo->calTargetSourcePivotScreenPoint(VudaviRirev::Target::TARGET_SOURCE_ARPA);
    m_sensorInfo->updateAllTargetMeasureValue();
}
