#include "comm/CSerialPort.h"

#include "support/PortalTime.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <cstring>

namespace COMM {

namespace {

SysDebug* Log()
{
    return Pattern::Singleton<SysDebug>::Instance();
}

std::string PortNameText(const SSerialConntConfig& config)
{
    return std::string(config.portName, strnlen(config.portName, sizeof config.portName));
}

} // namespace

const char* SerialErrorText(int code)
{
    static const char* const texts[] = {
        "",
        "(Error)QSerialPort::DeviceNotFoundError.Device not found.",
        "(Error)QSerialPort::PermissionError.Permission error.",
        "(Error)QSerialPort::OpenError.Open error.",
        "(Error)QSerialPort::ParityError.Parity error.",
        "(Error)QSerialPort::FramingError.Framing error.",
        "(Error)QSerialPort::BreakConditionError.Break condition error.",
        "(Error)QSerialPort::WriteError.Write error.",
        "(Error)QSerialPort::ReadError.Read error.",
        "(Error)QSerialPort::ResourceError.Resource error.",
        "(Error)QSerialPort::UnsupportedOperationError.Unsupported operation error.",
        "(Error)QSerialPort::UnknownError.Unknown error.",
        "(Error)QSerialPort::TimeoutError.Time out error.",
        "(Error)QSerialPort::NotOpenError.Not open error.",
    };
    constexpr int count = int(sizeof texts / sizeof texts[0]);
    return code > 0 && code < count ? texts[code] : "";
}

CSerialPort::CSerialPort(const COMM_CONNT_SETTING& setting, const SSerialConntConfig& config,
                         RAWDATA_TYPE rawDataType)
    : CServiceComm(setting, rawDataType)
    , m_port(new QSerialPort)
    , m_serialConfig(config)
{
    m_serialConfig.portName[sizeof m_serialConfig.portName - 1] = '\0';
    setCommType(COMM_TYPE_SERIAL);
    setEnable(false);
    setContent("Serial Port " + PortNameText(m_serialConfig) + ":" + std::to_string(getBaudRate()));
}

CSerialPort::~CSerialPort()
{
    disconnect();
    m_port->disconnect();
    if (m_port->isOpen()) {
        m_port->readAll();
        m_port->close();
    }
    delete m_port;
}

int CSerialPort::getBaudRate() const
{
    return GetBaudRate(m_serialConfig.baudIndex);
}

bool CSerialPort::connectPort()
{
    m_port->setPortName(QString::fromLatin1(m_serialConfig.portName));
    if (!m_port->open(QIODevice::ReadWrite)) {
        noteOpenError();
        return false;
    }
    m_configuring = true;
    const bool configured = configurePort();
    m_configuring = false;
    if (!configured) {
        // configurePort has logged it.
        m_openError = m_port->errorString().toStdString();
        m_port->close();
        return false;
    }
    if (!m_port->isOpen()) {
        Log()->dbgPrintf(DBG_EXCEPTION, "connectPort", 0, "%s connected status is not sync.",
                         m_serialConfig.portName);
        return false;
    }
    m_readErrorRun = false;
    m_openError.clear();
    updateConnected();
    return true;
}

void CSerialPort::noteOpenError()
{
    const std::string reason = m_port->errorString().toStdString();
    // The reconnection check tries again every tick: the same reason is logged once.
    if (reason != m_openError)
        Log()->dbgPrintf(DBG_ERROR, "connectPort", 0, "Port:%s cannot be opened: %s", m_serialConfig.portName,
                         reason.c_str());
    m_openError = reason;
}

bool CSerialPort::configurePort()
{
    const bool framed = m_port->setBaudRate(getBaudRate()) && m_port->setDataBits(QSerialPort::Data8) &&
                        m_port->setParity(QSerialPort::NoParity) && m_port->setStopBits(QSerialPort::OneStop) &&
                        m_port->setFlowControl(QSerialPort::NoFlowControl);
    if (!framed) {
        Log()->dbgPrintf(DBG_ERROR, "connectPort", 0, "Port:%s Baudrate:%d set-up failed: %s",
                         m_serialConfig.portName, getBaudRate(), m_port->errorString().toUtf8().constData());
        return false;
    }
    // Pseudo-terminals and some USB adapters have no modem lines: the link works without them.
    const bool dtr = m_port->setDataTerminalReady(true);
    const bool rts = m_port->setRequestToSend(true);
    if (!dtr || !rts) {
        Log()->dbgPrintf(DBG_WARNING, "connectPort", 0, "Port:%s cannot raise %s: %s", m_serialConfig.portName,
                         !dtr && !rts ? "DTR and RTS" : (!dtr ? "DTR" : "RTS"),
                         m_port->errorString().toUtf8().constData());
        m_port->clearError();
    }
    return true;
}

void CSerialPort::disconnectedProc()
{
    updateDisconnected();
    if (m_port->isOpen())
        m_port->close();
}

void CSerialPort::connectSetup()
{
    connect(m_port, &QSerialPort::readyRead, this, &CSerialPort::onDataReceiver, Qt::UniqueConnection);
    connect(m_port, &QSerialPort::errorOccurred, this, &CSerialPort::onError, Qt::UniqueConnection);
}

bool CSerialPort::isConnected()
{
    return m_port->isOpen();
}

SCommConntProfile CSerialPort::getProfile()
{
    SCommConntProfile profile = makeProfile(COMM_TYPE_SERIAL);
    profile.serialConfig = m_serialConfig;
    return profile;
}

bool CSerialPort::commTxPackageSender(STxPackage package)
{
    if (!isConnected())
        return false;
    return m_port->write(package.data, package.len) == package.len;
}

void CSerialPort::onDataReceiver()
{
    const QByteArray bytes = m_port->readAll();
    if (!bytes.isEmpty())
        m_readErrorRun = false;
    rxPackageProc(bytes, false);
}

void CSerialPort::onError(QSerialPort::SerialPortError code)
{
    // Errors of our own set-up steps are reported by connectPort itself.
    if (code == QSerialPort::NoError || m_configuring)
        return;
    const int64_t now = static_cast<int64_t>(Portal::Time::Clock());
    const bool readErrorPersists = persistingReadError(code, now);
    if (shouldLogError(code, now)) {
        const std::string header =
            "Port:" + PortNameText(m_serialConfig) + " Baudrate:" + std::to_string(getBaudRate()) + " sender";
        Log()->dbgPrintf(DBG_INFO, "onError", 0, "%s %s", header.c_str(), SerialErrorText(code));
    }
    const bool gone = code == QSerialPort::DeviceNotFoundError || code == QSerialPort::ResourceError;
    if ((gone || readErrorPersists) && !m_lost.exchange(true)) {
        // Closing stops a flood of notifications from a dead device; it is done outside the
        // port's own notification, which may still use the port after this slot returns.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (m_port->isOpen())
                    m_port->close();
            },
            Qt::QueuedConnection);
    }
}

bool CSerialPort::shouldLogError(QSerialPort::SerialPortError code, int64_t now)
{
    if (code == m_lastLoggedError && now - m_lastLoggedAt < ErrorRepeatMs)
        return false;
    m_lastLoggedError = code;
    m_lastLoggedAt = now;
    return true;
}

bool CSerialPort::persistingReadError(QSerialPort::SerialPortError code, int64_t now)
{
    if (code != QSerialPort::ReadError)
        return false;
    if (!m_readErrorRun) {
        m_readErrorRun = true;
        m_readErrorSince = now;
        return false;
    }
    return now - m_readErrorSince >= ErrorRepeatMs;
}

} // namespace COMM
