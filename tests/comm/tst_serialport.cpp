#include "LogCapture.h"
#include "PtyPair.h"
#include "comm/CSerialPort.h"
#include "support/PortalTime.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <cstring>
#include <memory>

using namespace COMM;

namespace {

std::unique_ptr<CSerialPort> makePort(const QString& path, int baudIndex)
{
    const QByteArray name = QFile::encodeName(path);
    auto port = std::make_unique<CSerialPort>(BuildConntLink(0, U"dev", PRIMARY_POS_UNDEFINED, true),
                                              BuildSerialConfig(name.constData(), baudIndex), RAWDATA_SENTENCE);
    port->setEnable(true);
    return port;
}

QByteArrayList drainSentences(CRawDataHandle* handle)
{
    QByteArrayList lines;
    std::string line;
    while (handle->queueNextSentence(&line))
        lines << QByteArray::fromStdString(line);
    return lines;
}

// Collects log lines until one equals the given line or the time is up.
QStringList logUntil(const QString& line, int timeoutMs = 5000)
{
    QStringList lines;
    QDeadlineTimer deadline(timeoutMs);
    while (!lines.contains(line) && !deadline.hasExpired())
        lines += LogCapture::take();
    return lines;
}

QString errorLine(const QString& path, const char* text)
{
    return QStringLiteral("onError Port:%1 Baudrate:115200 sender %2").arg(path, QLatin1String(text));
}

} // namespace

class TestSerialPort : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<TestEnv::PtyPair> m_pty;

private slots:
    void initTestCase() { LogCapture::start(); }
    void init()
    {
        m_pty = std::make_unique<TestEnv::PtyPair>();
        QVERIFY(m_pty->start(m_dir.path()));
        LogCapture::take();
    }
    void cleanup()
    {
        Portal::Time::ClearFakeClock();
        m_pty.reset();
    }

    // DTR and RTS cannot be raised on a pseudo-terminal: a warning, and the link works.
    void bytesFlowBothWays()
    {
        auto port = makePort(m_pty->devicePath(), 0);
        QCOMPARE(port->getContent(), "Serial Port " + m_pty->devicePath().toStdString() + ":115200");
        QVERIFY(port->connectPort());
        QVERIFY(port->isConnected());
        const QStringList log = LogCapture::take();
        QCOMPARE(log.size(), 1);
        QVERIFY2(log.first().startsWith("connectPort [W]Port:" + m_pty->devicePath() + " cannot raise DTR"),
                 qPrintable(log.first()));

        QSignalSpy sentence(port.get(), &CServiceComm::signalRxSentence);
        QVERIFY(m_pty->write("$GPGLL,1\r\n!AIVDM,2\r\n$GPZDA,3\r\n"));
        QTRY_COMPARE(sentence.count(), 1);
        QTest::qWait(50);
        QCOMPARE(sentence.count(), 1);
        QCOMPARE(drainSentences(port->getRawDataHandle()),
                 (QByteArrayList{"$GPGLL,1\r\n", "!AIVDM,2\r\n", "$GPZDA,3\r\n"}));

        STxPackage package;
        const QByteArray query = "$AIAIQ,VER*1E\r\n";
        package.setData(query.constData(), size_t(query.size()));
        QVERIFY(port->commTxPackageSender(package));
        QCOMPARE(m_pty->read(query.size()), query);
        QVERIFY(!port->isLost());
    }

    void profileRebuildsTheTransport()
    {
        auto port = makePort(m_pty->devicePath(), 3);
        port->setDebugConfig({true, SDebugConfig::TraceSent});
        const SCommConntProfile profile = port->getProfile();
        QCOMPARE(profile.commType, COMM_TYPE_SERIAL);
        QCOMPARE(QFile::decodeName(profile.serialConfig.portName), m_pty->devicePath());
        QCOMPARE(profile.serialConfig.baudIndex, 3);
        QCOMPARE(profile.conntSetting.sensorType, 0);
        QVERIFY(profile.conntSetting.active);
        QCOMPARE(profile.debugConfig.msgOut, SDebugConfig::TraceSent);
    }

    void failedOpen_data()
    {
        QTest::addColumn<bool>("missingPort");
        QTest::addColumn<int>("baudIndex");
        QTest::addColumn<QString>("logStart");
        const QString noSuchFile = QString::fromLocal8Bit(std::strerror(ENOENT));
        QTest::newRow("no such port") << true << 0 << "connectPort [E]Port:%1 cannot be opened: " + noSuchFile;
        QTest::newRow("invalid baud index") << false << -1 << "connectPort [E]Port:%1 Baudrate:-1 set-up failed";
    }

    // A failure after the open closes the port again; nothing counts as connected, the
    // system's reason is kept, and a package queued meanwhile is reported as not sent.
    void failedOpen()
    {
        QFETCH(bool, missingPort);
        QFETCH(int, baudIndex);
        QFETCH(QString, logStart);

        const QString path = missingPort ? m_dir.filePath("missing") : m_pty->devicePath();
        auto port = makePort(path, baudIndex);
        port->timerSetup(false);
        port->setDebugConfig({true, SDebugConfig::TraceSent});
        QVERIFY(!port->connectPort());
        QVERIFY(!port->isConnected());
        QVERIFY(!port->openError().isEmpty());
        QStringList log = LogCapture::take();
        QCOMPARE(log.size(), 1);
        QVERIFY2(log.first().startsWith(logStart.arg(path)), qPrintable(log.first()));
        QVERIFY2(log.first().endsWith(port->openError()), qPrintable(log.first()));
        // The reconnection check tries every second: a missing port does not fill the log.
        QVERIFY(!port->connectPort());
        log = LogCapture::take();
        QCOMPARE(log.size(), missingPort ? 0 : 1);

        STxPackage package;
        package.setData("$A", 2);
        port->appendToTxPackageQ(package, true);
        Portal::Time::SetFakeClock(100000);
        port->onTxDataTimer();
        QCOMPARE(LogCapture::take(), QStringList{"printMsg failed to send $A"});
    }

    // A write the open port refuses (here: it was opened again for reading only) is a failed
    // send: traced as such, and no reply is awaited for it.
    void refusedWriteFailsTheSend()
    {
        class CReadOnlyPort : public CSerialPort
        {
        public:
            using CSerialPort::CSerialPort;
            bool reopenForReadingOnly()
            {
                serialPort()->close();
                return serialPort()->open(QIODevice::ReadOnly);
            }
        };
        const QByteArray name = QFile::encodeName(m_pty->devicePath());
        CReadOnlyPort port(BuildConntLink(0, U"dev", PRIMARY_POS_UNDEFINED, true),
                           BuildSerialConfig(name.constData(), 0), RAWDATA_SENTENCE);
        port.setEnable(true);
        port.timerSetup(false);
        QVERIFY(port.connectPort());
        QVERIFY(port.reopenForReadingOnly());
        QVERIFY(port.isConnected());
        port.setDebugConfig({true, SDebugConfig::TraceSent});
        LogCapture::take();

        STxPackage package;
        package.setData("$A", 2);
        package.response.timeout = 20000;
        package.response.setExpected("+ok");
        port.appendToTxPackageQ(package, true);
        Portal::Time::SetFakeClock(100000);
        port.onTxDataTimer();
        QCOMPARE(LogCapture::take().filter(QRegularExpression(QStringLiteral("^printMsg "))),
                 QStringList{"printMsg failed to send $A"});
        QCOMPARE(port.getRawDataHandle()->getResponsePass().timeout, 0);
    }

    void errors_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("lost");
        QTest::newRow("no error") << 0 << QString() << false;
        QTest::newRow("device not found") << 1 << "(Error)QSerialPort::DeviceNotFoundError.Device not found." << true;
        QTest::newRow("framing") << 5 << "(Error)QSerialPort::FramingError.Framing error." << false;
        QTest::newRow("read") << 8 << "(Error)QSerialPort::ReadError.Read error." << false;
        QTest::newRow("resource") << 9 << "(Error)QSerialPort::ResourceError.Resource error." << true;
        QTest::newRow("not open") << 13 << "(Error)QSerialPort::NotOpenError.Not open error." << false;
        QTest::newRow("unknown code") << 14 << "" << false;
    }

    // A lost device also closes the port, which stops a flood of further notifications.
    void errors()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QFETCH(bool, lost);

        auto port = makePort(m_pty->devicePath(), 0);
        QVERIFY(port->connectPort());
        LogCapture::take();
        port->onError(QSerialPort::SerialPortError(code));
        const QStringList expected =
            code == 0 ? QStringList() : QStringList{errorLine(m_pty->devicePath(), text.toUtf8().constData())};
        QCOMPARE(LogCapture::take(), expected);
        QCOMPARE(port->isLost(), lost);
        QTRY_COMPARE(port->isConnected(), !lost);
    }

    // A far end that goes away makes Qt report the same read error without end: it is logged
    // once per interval, and once it has lasted an interval the device counts as lost.
    void persistingReadErrorLosesThePort()
    {
        auto port = makePort(m_pty->devicePath(), 0);
        QVERIFY(port->connectPort());
        LogCapture::take();
        const QString readLine = errorLine(m_pty->devicePath(), "(Error)QSerialPort::ReadError.Read error.");
        Portal::Time::SetFakeClock(50000);
        m_pty->stop();
        QCOMPARE(logUntil(readLine), QStringList{readLine});
        QTest::qWait(100);
        QVERIFY(LogCapture::take().isEmpty());
        QVERIFY(!port->isLost());

        Portal::Time::SetFakeClock(50000 + CSerialPort::ErrorRepeatMs);
        QTRY_VERIFY(port->isLost());
        QTRY_VERIFY(!port->isConnected());
        QCOMPARE(LogCapture::take(), QStringList{readLine});
    }

    // Identical errors within an interval are logged once; a good read ends a run of read errors.
    void repeatedErrors()
    {
        auto port = makePort(m_pty->devicePath(), 0);
        QVERIFY(port->connectPort());
        LogCapture::take();
        const QString readLine = errorLine(m_pty->devicePath(), "(Error)QSerialPort::ReadError.Read error.");
        const QString framingLine = errorLine(m_pty->devicePath(), "(Error)QSerialPort::FramingError.Framing error.");

        Portal::Time::SetFakeClock(10000);
        for (int i = 0; i < 1000; ++i)
            port->onError(QSerialPort::ReadError);
        port->onError(QSerialPort::FramingError);
        port->onError(QSerialPort::FramingError);
        port->onError(QSerialPort::ReadError);
        QCOMPARE(LogCapture::take(), (QStringList{readLine, framingLine, readLine}));

        Portal::Time::SetFakeClock(10900);
        QSignalSpy sentence(port.get(), &CServiceComm::signalRxSentence);
        QVERIFY(m_pty->write("$GPGLL,1\r\n"));
        QTRY_COMPARE(sentence.count(), 1);
        Portal::Time::SetFakeClock(11500);
        port->onError(QSerialPort::ReadError);
        QVERIFY(!port->isLost());
        Portal::Time::SetFakeClock(12499);
        port->onError(QSerialPort::ReadError);
        QVERIFY(!port->isLost());
        Portal::Time::SetFakeClock(12500);
        port->onError(QSerialPort::ReadError);
        QVERIFY(port->isLost());
        QCOMPARE(LogCapture::take(), (QStringList{readLine, readLine}));
    }
};

QTEST_GUILESS_MAIN(TestSerialPort)
#include "tst_serialport.moc"
