#include "mainwindow/ports/CSerialPortLister.h"
#include "mainwindow/ports/ExtraPorts.h"
#include "mainwindow/ports/PortOrder.h"
#include "mainwindow/ports/PortSelection.h"

#include "LogCapture.h"
#include "StandInPortLister.h"

#include <QDeadlineTimer>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QtTest>
#include <algorithm>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

namespace {

const QString InUse = QStringLiteral(" - IN USE");

SSerialPortEntry port(const QString& name, const QString& description = QString(), bool busy = false)
{
    const QString location = name.startsWith('/') ? name
                             : name.startsWith("COM") ? name
                                                      : QStringLiteral("/dev/") + name;
    return {name, location, description, busy};
}

QStringList texts(const SPortSelection& selection)
{
    QStringList result;
    for (const SPortRow& row : selection.rows)
        result << row.text;
    return result;
}

// A pseudo-terminal pair of our own: the test keeps the master, the lister offers the slave's path.
class Pty
{
public:
    Pty()
    {
        char name[256] = {};
        if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) == 0)
            m_path = QString::fromLocal8Bit(name);
    }
    ~Pty()
    {
        if (m_master >= 0)
            ::close(m_master);
        if (m_slave >= 0)
            ::close(m_slave);
    }
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    QString path() const { return m_path; }

    QByteArray readMaster(int minBytes)
    {
        QByteArray bytes;
        const QDeadlineTimer deadline(5000);
        while (bytes.size() < minBytes && !deadline.hasExpired()) {
            pollfd readable{m_master, POLLIN, 0};
            if (::poll(&readable, 1, 50) <= 0)
                continue;
            char chunk[64];
            const ssize_t n = ::read(m_master, chunk, sizeof chunk);
            if (n > 0)
                bytes.append(chunk, int(n));
        }
        return bytes;
    }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
};

class ScopedExtraPorts
{
public:
    explicit ScopedExtraPorts(const QByteArray& value) { qputenv(ExtraPortsVariable, value); }
    ~ScopedExtraPorts() { qunsetenv(ExtraPortsVariable); }
};

} // namespace

Q_DECLARE_METATYPE(SSerialPortEntry)

class TstPortList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        LogCapture::start();
    }

    void order_data()
    {
        QTest::addColumn<QVector<SSerialPortEntry>>("ports");
        QTest::addColumn<bool>("init");
        QTest::addColumn<QStringList>("expected");
        const QVector<SSerialPortEntry> usbLeads{port("COM2", "Communications Port"), port("COM9", "USB Serial Port")};
        QTest::newRow("start-up: USB Serial Port first") << usbLeads << true << QStringList{"COM9", "COM2"};
        QTest::newRow("refresh: by number") << usbLeads << false << QStringList{"COM2", "COM9"};
        QTest::newRow("start-up: both named descriptions lead, by number")
            << QVector<SSerialPortEntry>{port("COM1"), port("COM12", "AIS Virtual Com"), port("COM3", "USB Serial Port"),
                                         port("COM4", "usb serial port")}
            << true << QStringList{"COM3", "COM12", "COM1", "COM4"};
        const QVector<SSerialPortEntry> mixed{port("ttyUSB10"), port("COM10"), port("ttyACM0"), port("/dev/pts/3"),
                                              port("ttyUSB2"), port("COM9"), port("ttyS"), port("ttyS0")};
        QTest::newRow("COM by number, then names with their numbers")
            << mixed << false
            << QStringList{"COM9", "COM10", "/dev/pts/3", "ttyACM0", "ttyS", "ttyS0", "ttyUSB2", "ttyUSB10"};
        QVector<SSerialPortEntry> usbOnLinux = mixed;
        usbOnLinux.append(port("ttyUSB7", "USB Serial Port"));
        QTest::newRow("start-up on Linux names")
            << usbOnLinux << true
            << QStringList{"ttyUSB7", "COM9", "COM10", "/dev/pts/3", "ttyACM0", "ttyS", "ttyS0", "ttyUSB2", "ttyUSB10"};
        QTest::newRow("numbers longer than any integer")
            << QVector<SSerialPortEntry>{port("ttyUSB123456789012345678901"), port("ttyUSB98765432109876543210"),
                                         port("COM99999999999"), port("COM8")}
            << false
            << QStringList{"COM8", "COM99999999999", "ttyUSB98765432109876543210", "ttyUSB123456789012345678901"};
    }

    // Fed in reverse, through the stand-in lister, as the selector would get them.
    void order()
    {
        QFETCH(QVector<SSerialPortEntry>, ports);
        QFETCH(bool, init);
        QFETCH(QStringList, expected);
        std::reverse(ports.begin(), ports.end());
        const CStandInPortLister lister(ports);
        const SPortSelection selection = BuildPortSelection(lister.availablePorts(), init, QString(), InUse);
        QStringList listed;
        for (const SPortRow& row : selection.rows) {
            const auto entry = std::find_if(ports.cbegin(), ports.cend(), [&row](const SSerialPortEntry& p) {
                return p.systemLocation == row.systemLocation;
            });
            QVERIFY(entry != ports.cend());
            listed << entry->name;
        }
        QCOMPARE(listed, expected);
    }

    // std::sort needs it: irreflexive, asymmetric and transitive, also for equal keys.
    void orderIsStrictWeak()
    {
        const QVector<SSerialPortEntry> ports{
            port("COM3"), port("COM03"), port("COM3", "USB Serial Port"), port("ttyUSB1"), port("ttyUSB01"),
            port("ttyUSB"), port("COM"), port("COMx1"), port("/dev/pts/0"), port("ttyACM0", "AIS Virtual Com"),
            port(""), port("9")};
        for (const auto less : {comNameLessThan, comNameLessThanInit}) {
            for (const SSerialPortEntry& a : ports) {
                QVERIFY(!less(a, a));
                for (const SSerialPortEntry& b : ports) {
                    QVERIFY(!(less(a, b) && less(b, a)));
                    for (const SSerialPortEntry& c : ports) {
                        if (less(a, b) && less(b, c))
                            QVERIFY2(less(a, c), qPrintable(a.name + " " + b.name + " " + c.name));
                        // Incomparability is transitive too.
                        const bool ab = !less(a, b) && !less(b, a);
                        const bool bc = !less(b, c) && !less(c, b);
                        if (ab && bc)
                            QVERIFY(!less(a, c) && !less(c, a));
                    }
                }
            }
        }
    }

    void rowTexts()
    {
        const QVector<SSerialPortEntry> ports{port("COM3", "USB Serial Port"), port("COM4"),
                                              port("COM5", "Bluetooth Link", true), port("COM6", QString(), true)};
        const SPortSelection selection = BuildPortSelection(ports, false, QString(), InUse);
        QCOMPARE(texts(selection), (QStringList{"USB Serial Port (COM3)", "COM4", "Bluetooth Link (COM5) - IN USE",
                                                "COM6 - IN USE"}));
        QCOMPARE(selection.rows.at(2).systemLocation, QString("COM5"));
    }

    void selection_data()
    {
        QTest::addColumn<QVector<SSerialPortEntry>>("ports");
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<int>("current");
        const QVector<SSerialPortEntry> three{port("COM1"), port("COM4", "USB Serial Port"), port("ttyUSB0")};
        QTest::newRow("same ports keep the selection") << three << "USB Serial Port (COM4)" << 1;
        QVector<SSerialPortEntry> busy = three;
        busy[1].busy = true;
        QTest::newRow("selected port turned busy") << busy << "USB Serial Port (COM4)" << 0;
        QTest::newRow("selected port gone") << QVector<SSerialPortEntry>{port("COM1"), port("ttyUSB0")}
                                            << "USB Serial Port (COM4)" << 0;
        QTest::newRow("nothing selected before") << three << QString() << 0;
        QTest::newRow("no port") << QVector<SSerialPortEntry>{} << "USB Serial Port (COM4)" << -1;
    }

    void selection()
    {
        QFETCH(QVector<SSerialPortEntry>, ports);
        QFETCH(QString, remembered);
        QFETCH(int, current);
        const SPortSelection selection = BuildPortSelection(ports, false, remembered, InUse);
        QCOMPARE(selection.current, current);
        QCOMPARE(selection.rows.size(), ports.size());
    }

    void extraPorts_data()
    {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<int>("refused");
        QTest::newRow("unset") << QString() << QStringList() << 0;
        QTest::newRow("one path") << "/dev/pts/7" << QStringList{"/dev/pts/7"} << 0;
        QTest::newRow("empty parts") << "::/tmp/simA::/dev/pts/7:" << QStringList{"/tmp/simA", "/dev/pts/7"} << 0;
        QTest::newRow("listed already") << "/dev/ttyUSB0:/dev/pts/7:/dev/pts/7" << QStringList{"/dev/pts/7"} << 0;
        QTest::newRow("relative path") << "pts/7:/dev/pts/8" << QStringList{"/dev/pts/8"} << 1;
    }

    void extraPorts()
    {
        QFETCH(QString, variable);
        QFETCH(QStringList, added);
        QFETCH(int, refused);
        QVector<SSerialPortEntry> ports{port("ttyUSB0", "USB Serial Port")};
        LogCapture::take();
        AppendExtraPorts(ports, variable);
        const QStringList logged = LogCapture::take();
        QCOMPARE(ports.size(), 1 + added.size());
        for (int i = 0; i < added.size(); ++i) {
            const SSerialPortEntry& extra = ports.at(1 + i);
            QCOMPARE(extra.name, added.at(i));
            QCOMPARE(extra.systemLocation, added.at(i));
            QVERIFY(extra.description.isEmpty());
            QVERIFY(!extra.busy);
        }
        QCOMPARE(logged.size(), refused);
        if (refused)
            QVERIFY2(logged.first().contains("not a full path"), qPrintable(logged.first()));
    }

    // The system's ports come first, then the pseudo-terminal, which the serial port opens by
    // the listed name and which carries bytes to its other end.
    void systemListerOffersPseudoTerminal()
    {
        Pty pty;
        QVERIFY(!pty.path().isEmpty());
        const ScopedExtraPorts extra(("relative:" + pty.path()).toLocal8Bit());
        LogCapture::take();
        const QVector<SSerialPortEntry> ports = CSerialPortLister().availablePorts();
        QCOMPARE(LogCapture::take().size(), 1);

        const QList<QSerialPortInfo> system = QSerialPortInfo::availablePorts();
        QCOMPARE(ports.size(), system.size() + 1);
        for (int i = 0; i < system.size(); ++i)
            QCOMPARE(ports.at(i).systemLocation, system.at(i).systemLocation());
        const SSerialPortEntry& listed = ports.last();
        QCOMPARE(listed.name, pty.path());
        QCOMPARE(listed.systemLocation, pty.path());
        QVERIFY(listed.description.isEmpty());
        QVERIFY(!listed.busy);

        QSerialPort serial;
        serial.setPortName(listed.name);
        QVERIFY2(serial.open(QIODevice::ReadWrite), qPrintable(serial.errorString()));
        const QByteArray probe = "$AIAIQ,VER*1F";
        QCOMPARE(serial.write(probe), qint64(probe.size()));
        QVERIFY(serial.waitForBytesWritten(5000));
        QCOMPARE(pty.readMaster(probe.size()), probe);
    }
};

QTEST_GUILESS_MAIN(TstPortList)
#include "tst_portlist.moc"
