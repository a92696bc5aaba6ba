#include "codec/CSensorSentenceHandle.h"

#include "codec/ais/AisMessage.h"
#include "codec/geometry/CpaGeometry.h"
#include "codec/records/CodecLock.h"
#include "codec/records/SensorStores.h"
#include "codec/records/ShipTable.h"
#include "codec/sentence/I62Dispatch.h"
#include "comm/CRawDataHandle.h"
#include "comm/CServiceComm.h"
#include "support/PortalStr.h"
#include "support/PortalTime.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <QMetaMethod>
#include <cstring>
#include <ctime>
#include <string>

using VudaviRirev::SENSOR_I62_LISTENER;

namespace {

SysDebug* Log()
{
    return Pattern::Singleton<SysDebug>::Instance();
}

int64_t SecondsOf(uint64_t clockMs)
{
    return static_cast<int64_t>(clockMs / 1000);
}

bool IsPrimaryPositionSource(const COMM::CServiceComm* service)
{
    return service && service->getConntSetting().devPrimaryPos != COMM::PRIMARY_POS_NO;
}

} // namespace

CSensorSentenceHandle::CSensorSentenceHandle(QObject* parent)
    : QObject(parent)
    , m_windowStart(SecondsOf(Portal::Time::Clock()))
    , m_lastSecond(m_windowStart)
{
    qRegisterMetaType<QString>("QStringLog");
    resetI62Data();
}

CSensorSentenceHandle::~CSensorSentenceHandle()
{
    const QByteArray name = objectName().toUtf8();
    Log()->dbgPrintf(DBG_LEAVE, "~CSensorSentenceHandle", 0, "Name:%s", name.constData());
    clearQueueData();
    Log()->dbgPrintf(DBG_LEAVE, "~CSensorSentenceHandle", 0, "Name:%s End", name.constData());
}

bool CSensorSentenceHandle::sensorSentenceProc(SENSOR_SENTENCE_PACKAGE&)
{
    return false;
}

void CSensorSentenceHandle::sensorAisListener(char*, int, char) {}

void CSensorSentenceHandle::sensorLongLine(const std::string&) {}

void CSensorSentenceHandle::resetI62Data()
{
    MsgCodecInitial();
    AisMessageInitial();
    AisBinMsgCodecInitial();
    ShipInitial();
    CpaInitial();
}

// Receiving ----------------------------------------------------------------------------------

void CSensorSentenceHandle::sentenceProc(COMM::CServiceComm* service, COMM::COMM_TYPE type)
{
    if (!service || !service->isEnable())
        return;
    COMM::CRawDataHandle* handle = service->getRawDataHandle();
    emitLogText(service, handle);

    SENSOR_SENTENCE_PACKAGE package;
    package.service = service;
    package.type = type;
    while (handle->queueNextSentence(&m_line)) {
        if (!takeLine(m_line, package)) {
            sensorLongLine(m_line);
            continue;
        }
        if (sensorSentenceProc(package))
            continue;
        package.text[SENSOR_SENTENCE_ROOM - 1] = '\0'; // whatever the hook did
        if (package.text[0] != '$' && package.text[0] != '!')
            continue;
        if (completeLineEnd(package))
            i62ParserProc(package);
    }
}

void CSensorSentenceHandle::emitLogText(COMM::CServiceComm* service, COMM::CRawDataHandle* handle)
{
    // Nobody to read it: the text is not built, the queue only emptied.
    static const QMetaMethod logSignal = QMetaMethod::fromSignal(&CSensorSentenceHandle::signalRxLogMsg);
    if (!isSignalConnected(logSignal)) {
        while (handle->queueNextLogMsg(nullptr)) {
        }
        return;
    }
    const QString text = handle->takeLogText();
    if (!text.isEmpty())
        emit signalRxLogMsg(service, text);
}

bool CSensorSentenceHandle::takeLine(const std::string& line, SENSOR_SENTENCE_PACKAGE& package)
{
    if (line.size() > SENSOR_SENTENCE_MAX) {
        Log()->dbgPrintf(DBG_WARNING, "sentenceProc", 0, "line of %d characters skipped: longer than %d",
                         static_cast<int>(line.size()), static_cast<int>(SENSOR_SENTENCE_MAX));
        return false;
    }
    std::memcpy(package.text, line.c_str(), line.size() + 1);
    return true;
}

bool CSensorSentenceHandle::completeLineEnd(SENSOR_SENTENCE_PACKAGE& package)
{
    const size_t length = strnlen(package.text, sizeof package.text);
    if (COMM::CRawDataHandle::completeLineEnd(package.text, length, sizeof package.text) == 0) {
        Log()->dbgPrintf(DBG_WARNING, "sentenceProc", 0, "sentence of %d characters skipped: no room for its line end",
                         static_cast<int>(length));
        return false;
    }
    return true;
}

// Decoding -----------------------------------------------------------------------------------

void CSensorSentenceHandle::getI62DataFormatter(const char* sentence, char (&formatter)[4])
{
    I62_ADDRESS address;
    I62_ReadAddress(sentence, SENSOR_SENTENCE_ROOM, &address);
    std::memcpy(formatter, address.formatter, sizeof formatter);
}

void CSensorSentenceHandle::i62ParserProc(SENSOR_SENTENCE_PACKAGE& package)
{
    // One clock reading serves the codec clock and the handler's second.
    const uint64_t clockMs = Portal::Time::Clock();
    const int64_t now = SecondsOf(clockMs);
    const SDecoded decoded = decode(package, clockMs);
    if (decoded.result == I62_RESULT_CHECKSUM)
        appendToCheckSumErrorQ(package);
    closeCheckSumWindow(now);
    if (decoded.result != I62_RESULT_OK)
        return;
    const SENSOR_I62_LISTENER listener = obtainI62ListenerType(decoded.subtype);
    i62DecoderProc(package, decoded.group, decoded.subtype, listener, decoded.targetMmsi);
    sensorAisListener(package.text, listener, static_cast<char>(decoded.channel));
}

CSensorSentenceHandle::SDecoded CSensorSentenceHandle::decode(SENSOR_SENTENCE_PACKAGE& package, uint64_t clockMs)
{
    CCodecLock lock;
    ShipSentenceReset();
    T1msTimerEventAt(clockMs);
    const int64_t now = SecondsOf(clockMs);
    I61162_Data_Structure record{};
    SDecoded decoded{I62_RESULT_OK, I62_GROUP_OTHER, I62_SUBTYPE_OTHER, I62_ABSENT_U8, 0};
    decoded.result = Parser(package.text, sizeof package.text, &record);
    // The first sentence of a second runs the once-per-second update, when it decodes.
    if (now > m_lastSecond) {
        m_lastSecond = now;
        if (decoded.result == I62_RESULT_OK)
            UpdataShipSensorData();
    }
    if (decoded.result == I62_RESULT_OK) {
        // The formatter as the address field gave it (getI62DataFormatter reads it the same way).
        I62_GetGroupType(&decoded.group, &decoded.subtype, record.formatter);
        const SENSOR_I62_LISTENER listener = obtainI62ListenerType(decoded.subtype);
        const bool aisReport = decoded.group == I62_GROUP_AIS &&
                               (listener == VudaviRirev::I62_LISTENER_VDM || listener == VudaviRirev::I62_LISTENER_VDO);
        if (aisReport)
            decoded.channel = record.data.encap.channel;
    }
    decoded.targetMmsi = static_cast<unsigned int>(ShipData[1].mmsi);
    return decoded;
}

SENSOR_I62_LISTENER CSensorSentenceHandle::obtainI62ListenerType(int subtype)
{
    switch (subtype) {
    case 1: // GGA
    case 2: // GLL
    case 6: // RMC
        return VudaviRirev::I62_LISTENER_POSITION;
    case 3: // GBS
    case 8: // ZDA
        return VudaviRirev::I62_LISTENER_GBS_ZDA;
    case 4:
        return VudaviRirev::I62_LISTENER_GSA;
    case 5:
        return VudaviRirev::I62_LISTENER_GSV;
    case 11:
        return VudaviRirev::I62_LISTENER_HDT;
    case 14:
        return VudaviRirev::I62_LISTENER_HDM;
    case 29:
        return VudaviRirev::I62_LISTENER_VDM;
    case 30:
        return VudaviRirev::I62_LISTENER_VDO;
    default:
        return VudaviRirev::I62_LISTENER_NONE;
    }
}

void CSensorSentenceHandle::i62DecoderProc(const SENSOR_SENTENCE_PACKAGE& package, int group, int subtype,
                                           SENSOR_I62_LISTENER listener, unsigned int targetMmsi)
{
    constexpr int ZDA_SUBTYPE = 8;
    const bool primary = IsPrimaryPositionSource(package.service);
    switch (group) {
    case I62_GROUP_AIS:
        if (listener == VudaviRirev::I62_LISTENER_VDO)
            emit signalFillAisOwnData(primary ? VudaviRirev::I62_LISTENER_VDO : VudaviRirev::I62_LISTENER_VDO_NOT_PRIMARY);
        else if (listener == VudaviRirev::I62_LISTENER_VDM)
            emit signalFillAisTargetData(targetMmsi);
        break;
    case I62_GROUP_SENSOR:
        emit signalFillAisOwnData(listener);
        break;
    case I62_GROUP_GNSS:
        if (!primary)
            break;
        if (listener == VudaviRirev::I62_LISTENER_POSITION)
            emit signalFillAisOwnData(VudaviRirev::I62_LISTENER_GSA);
        emit signalFillGpsData(listener, subtype, subtype != ZDA_SUBTYPE, package.type == COMM::COMM_TYPE_LOG);
        break;
    default:
        break;
    }
}

// Checksum errors ----------------------------------------------------------------------------

void CSensorSentenceHandle::appendToCheckSumErrorQ(const SENSOR_SENTENCE_PACKAGE& package)
{
    SETENCE_CHECKSUM_ERROR_INFO entry{};
    entry.time = static_cast<int64_t>(std::time(nullptr));
    if (package.service) {
        const QByteArray name =
            QString::fromStdU32String(COMM::DevNameText(package.service->getConntSetting())).toUtf8();
        Portal::Str::SafeStrCpy(entry.deviceName, name.constData());
    }
    Portal::Str::SafeStrCpy(entry.sentence, package.text);

    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_checkSumErrorQ.size() >= CheckSumQueueLimit)
        m_checkSumErrorQ.pop_front();
    m_checkSumErrorQ.push_back(entry);
}

void CSensorSentenceHandle::closeCheckSumWindow(int64_t now)
{
    if (m_lastSecond - m_windowStart < CheckSumWindowSeconds)
        return;
    m_windowStart = now;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_checkSumErrorQ.size() >= CheckSumAlarmCount)
        m_alarm = true;
    else
        m_checkSumErrorQ.clear();
}

void CSensorSentenceHandle::clearQueueData()
{
    std::deque<SETENCE_CHECKSUM_ERROR_INFO> old;
    std::lock_guard<std::mutex> lock(m_mutex);
    old.swap(m_checkSumErrorQ);
}

void CSensorSentenceHandle::swapCheckSumErrorQ(std::deque<SETENCE_CHECKSUM_ERROR_INFO>* queue)
{
    if (!queue)
        return;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_checkSumErrorQ.swap(*queue);
}

bool CSensorSentenceHandle::isCheckSumAlarm() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_alarm;
}
