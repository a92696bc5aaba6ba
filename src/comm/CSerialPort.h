#pragma once

#include "comm/CServiceComm.h"

#include <QSerialPort>
#include <atomic>
#include <cstdint>
#include <string>

namespace COMM {

// The transport of a serial link: 8N1 without flow control at the rate of the baud index,
// DTR and RTS raised. It lives in the communication thread. A device that disappears raises
// the lost flag, from which the communication space drops and rebuilds the connection.
class CSerialPort : public CServiceComm
{
    Q_OBJECT

public:
    // Identical errors are logged once per this interval; a read error that persists this
    // long without a successful read in between counts as a lost device.
    static constexpr int64_t ErrorRepeatMs = 1000;

    CSerialPort(const COMM_CONNT_SETTING& setting, const SSerialConntConfig& config, RAWDATA_TYPE rawDataType);
    ~CSerialPort() override;

    // Opens and configures the port. A failure after the open closes the port again, so a
    // port that is not fully set up never counts as connected.
    bool connectPort();
    // Closes the port; the communication space's reconnection opens it again.
    void disconnectedProc();

    void connectSetup() override;
    bool isConnected() override;
    SCommConntProfile getProfile() override;
    bool commTxPackageSender(STxPackage package) override;

    bool isLost() const { return m_lost; }
    // Why the last open or set-up failed, as the system said it; empty once the port opened.
    // Communication thread only; a text of its own, shared with nothing the thread frees.
    QString openError() const { return QString::fromStdString(m_openError); }
    const SSerialConntConfig& getSerialConfig() const { return m_serialConfig; }
    int getBaudRate() const;

public slots:
    void onDataReceiver();
    void onError(QSerialPort::SerialPortError code);

protected:
    QSerialPort* serialPort() const { return m_port; }

private:
    bool configurePort();
    void noteOpenError();
    // False for an error identical to the last one logged less than an interval ago.
    bool shouldLogError(QSerialPort::SerialPortError code, int64_t now);
    // True once read errors have come for an interval without a good read in between.
    bool persistingReadError(QSerialPort::SerialPortError code, int64_t now);

    QSerialPort* m_port;
    SSerialConntConfig m_serialConfig;
    std::atomic<bool> m_lost{false};
    bool m_configuring = false;
    std::string m_openError;

    QSerialPort::SerialPortError m_lastLoggedError = QSerialPort::NoError;
    int64_t m_lastLoggedAt = 0;
    bool m_readErrorRun = false;
    int64_t m_readErrorSince = 0;
};

// The log text of a serial port error code; empty for an unknown code.
const char* SerialErrorText(int code);

} // namespace COMM
