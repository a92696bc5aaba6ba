#include "LogCapture.h"
#include "TestEnv.h"
#include "comm/CommIni.h"

#include <QFile>
#include <QSettings>
#include <QtTest>

using namespace COMM;

namespace {

enum Outcome { Connected, Skipped, Refused };

const QByteArray GoodSerialGroup = "[Connect2]\nCommType=1\nDevName=Second\nParm1=/dev/ttyS1\nParm2=4\n";

void writeFile(const QByteArray& text)
{
    QFile file(CommIniPath(QString()));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

QString nameOf(const COMM_CONNT_SETTING& setting)
{
    const std::u32string name = DevNameText(setting);
    return QString::fromUcs4(name.data(), int(name.size()));
}

std::u32string repeated(int count)
{
    return std::u32string(size_t(count), U'n');
}

} // namespace

class TestCommIni : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnv::ScopedWorkDir> m_dir;

private slots:
    void initTestCase() { LogCapture::start(); }
    void init()
    {
        m_dir = std::make_unique<TestEnv::ScopedWorkDir>();
        LogCapture::take();
    }
    void cleanup() { m_dir.reset(); }

    void baudRates_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("rate");
        QTest::newRow("0") << 0 << 115200;
        QTest::newRow("4") << 4 << 9600;
        QTest::newRow("7") << 7 << 1200;
        QTest::newRow("8") << 8 << -1;
        QTest::newRow("-1") << -1 << -1;
    }

    void baudRates()
    {
        QFETCH(int, index);
        QFETCH(int, rate);
        QCOMPARE(GetBaudRate(index), rate);
    }

    void rawDataType_data()
    {
        QTest::addColumn<int>("commType");
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("type");
        QTest::newRow("serial 16") << 1 << 16 << 2;
        QTest::newRow("serial 8") << 1 << 8 << 4;
        QTest::newRow("network 16") << 2 << 16 << 2;
        QTest::newRow("network 8") << 2 << 8 << 1;
        QTest::newRow("network 0") << 2 << 0 << 4;
        QTest::newRow("log 4") << 0 << 4 << 5;
        QTest::newRow("log 8") << 0 << 8 << 4;
        QTest::newRow("none 16") << -1 << 16 << 4;
    }

    void rawDataType()
    {
        QFETCH(int, commType);
        QFETCH(int, sensor);
        QFETCH(int, type);
        QCOMPARE(int(GetRawDataTypeBasisSensor(sensor, COMM_TYPE(commType), SOCKET_TCP_CLIENT)), type);
    }

    // A name too long for its field is dropped whole, never cut.
    void builderNameRoom()
    {
        QCOMPARE(DevNameText(BuildConntLink(0, repeated(31).c_str(), PRIMARY_POS_YES, true)).size(), size_t(31));
        const COMM_CONNT_SETTING tooLong = BuildConntLink(3, repeated(32).c_str(), PRIMARY_POS_YES, true);
        QVERIFY(DevNameText(tooLong).empty());
        QCOMPARE(tooLong.sensorType, 3);
        QCOMPARE(tooLong.devPrimaryPos, PRIMARY_POS_YES);
        QVERIFY(tooLong.active);
        QVERIFY(DevNameText(BuildConntLink(0, nullptr, PRIMARY_POS_NO, false)).empty());

        QCOMPARE(qstrlen(BuildSerialConfig(std::string(255, 'p').c_str(), 0).portName), 255u);
        QCOMPARE(qstrlen(BuildSerialConfig(std::string(256, 'p').c_str(), 0).portName), 0u);
        QCOMPARE(qstrlen(BuildSerialConfig(nullptr, 0).portName), 0u);
        QCOMPARE(qstrlen(BuildNetworkConfig(0, std::string(253, 'i'), 0).ip), 253u);
        QCOMPARE(qstrlen(BuildNetworkConfig(0, std::string(254, 'i'), 0).ip), 0u);
    }

    void entries_data()
    {
        QTest::addColumn<QByteArray>("group");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("name");

        const QByteArray serial = "CommType=1\nParm1=/dev/ttyUSB0\n";
        const QByteArray network = "CommType=2\nParm1=192.168.1.5\nParm3=1\n";
        QTest::newRow("serial, baud index 7") << serial + "Parm2=7\nDevName=AIS" << int(Connected) << "AIS";
        QTest::newRow("serial, baud index 8") << serial + "Parm2=8" << int(Refused) << "";
        QTest::newRow("serial, baud index -1") << serial + "Parm2=-1" << int(Refused) << "";
        QTest::newRow("role -1") << serial + "DevPrimaryPos=-1" << int(Connected) << "";
        QTest::newRow("role -2") << serial + "DevPrimaryPos=-2" << int(Refused) << "";
        QTest::newRow("role 3") << serial + "DevPrimaryPos=3" << int(Refused) << "";
        QTest::newRow("network, port 65535") << network + "Parm2=65535" << int(Connected) << "";
        QTest::newRow("network, port 65536") << network + "Parm2=65536" << int(Refused) << "";
        QTest::newRow("network, port -1") << network + "Parm2=-1" << int(Refused) << "";
        QTest::newRow("network, socket type 4") << network + "Parm3=4" << int(Refused) << "";
        QTest::newRow("no CommType") << QByteArray("Parm1=/dev/ttyUSB0") << int(Refused) << "";
        QTest::newRow("CommType 3") << QByteArray("CommType=3") << int(Refused) << "";
        QTest::newRow("log link") << QByteArray("CommType=0") << int(Connected) << "";
        QTest::newRow("sensor type 31") << serial + "SensorType=31" << int(Connected) << "";
        QTest::newRow("sensor type 32") << serial + "SensorType=32" << int(Refused) << "";
        QTest::newRow("sensor type -1") << serial + "SensorType=-1" << int(Refused) << "";
        QTest::newRow("sensor type 4") << serial + "SensorType=4" << int(Skipped) << "";
        QTest::newRow("name of 31 characters")
            << serial + "DevName=" + QByteArray(31, 'n') << int(Connected) << QString(31, 'n');
        QTest::newRow("name of 32 characters") << serial + "DevName=" + QByteArray(32, 'n') << int(Connected) << "";
    }

    // The entry under test is the first of two; the second always follows it into the list.
    void entries()
    {
        QFETCH(QByteArray, group);
        QFETCH(int, outcome);
        QFETCH(QString, name);

        writeFile("[ConnectHead]\nTotal=2\n\n[Connect1]\n" + group + "\n\n" + GoodSerialGroup);
        const std::vector<SCommConntProfile> profiles = ReadCommConnect(CommIniPath(QString()));

        QCOMPARE(int(profiles.size()), outcome == Connected ? 2 : 1);
        QCOMPARE(nameOf(profiles.back().conntSetting), QStringLiteral("Second"));
        QCOMPARE(QByteArray(profiles.back().serialConfig.portName), QByteArray("/dev/ttyS1"));
        if (outcome == Connected) {
            QCOMPARE(nameOf(profiles.front().conntSetting), name);
            QVERIFY(!profiles.front().conntSetting.splitLines);
        }
        const QStringList refused{"readCommConnect [!]Read the /Connect1/ is failed."};
        QCOMPARE(LogCapture::take(), outcome == Refused ? refused : QStringList());
    }

    void missingNetworkKeys_data()
    {
        QTest::addColumn<QByteArray>("group");
        QTest::addColumn<int>("port");
        QTest::newRow("no Parm3") << QByteArray("CommType=2\nParm2=4001") << 4001;
        QTest::newRow("no Parm2 nor Parm3") << QByteArray("CommType=2") << 0;
    }

    void missingNetworkKeys()
    {
        QFETCH(QByteArray, group);
        QFETCH(int, port);
        writeFile("[ConnectHead]\nTotal=1\n[Connect1]\n" + group + "\n");
        const std::vector<SCommConntProfile> profiles = ReadCommConnect(CommIniPath(QString()));
        QCOMPARE(int(profiles.size()), 1);
        QCOMPARE(profiles[0].networkConfig.socketType, SOCKET_TCP_SERVER);
        QCOMPARE(profiles[0].networkConfig.port, port);
        QCOMPARE(profiles[0].conntSetting.devPrimaryPos, PRIMARY_POS_UNDEFINED);
    }

    void missingFileReadsEmpty()
    {
        QVERIFY(ReadCommConnect(CommIniPath(QString())).empty());
        QVERIFY(LogCapture::take().isEmpty());
    }

    void totalFarPastTheGroupsStops()
    {
        writeFile("[ConnectHead]\nTotal=2000000000\n[Connect1]\nCommType=0\n");
        QCOMPARE(int(ReadCommConnect(CommIniPath(QString())).size()), 1);
        QCOMPARE(LogCapture::take(),
                 (QStringList{"readCommConnect [!]Read the /Connect2/ is failed.",
                              "readCommConnect [W]Total 2000000000, but the file ends with group 1."}));
    }

    void writtenEntryReadsBack_data()
    {
        QTest::addColumn<int>("commType");
        QTest::newRow("serial") << 1;
        QTest::newRow("network") << 2;
    }

    // Line splitting and the trace are not kept in the file: they read back as off.
    void writtenEntryReadsBack()
    {
        QFETCH(int, commType);
        SCommConntProfile written;
        written.conntSetting = BuildConntLink(16, U"Brücke Ω, port", PRIMARY_POS_YES, true);
        written.conntSetting.splitLines = true;
        written.commType = COMM_TYPE(commType);
        written.serialConfig = BuildSerialConfig("/dev/ttyUSB3", 5);
        written.networkConfig = BuildNetworkConfig(SOCKET_UDP_CLIENT, "10.0.0.7", 10110);
        written.debugConfig = {true, 3};

        WriteCommConnect(CommIniPath(QString()), {written});
        const std::vector<SCommConntProfile> profiles = ReadCommConnect(CommIniPath(QString()));
        QCOMPARE(int(profiles.size()), 1);
        const SCommConntProfile& read = profiles[0];
        QCOMPARE(read.conntSetting.sensorType, 16);
        QCOMPARE(nameOf(read.conntSetting), QStringLiteral("Brücke Ω, port"));
        QCOMPARE(read.conntSetting.devPrimaryPos, PRIMARY_POS_YES);
        QVERIFY(read.conntSetting.active);
        QVERIFY(!read.conntSetting.splitLines);
        QCOMPARE(read.commType, written.commType);
        if (commType == COMM_TYPE_SERIAL) {
            QCOMPARE(QByteArray(read.serialConfig.portName), QByteArray("/dev/ttyUSB3"));
            QCOMPARE(read.serialConfig.baudIndex, 5);
        } else {
            QCOMPARE(QByteArray(read.networkConfig.ip), QByteArray("10.0.0.7"));
            QCOMPARE(read.networkConfig.port, 10110);
            QCOMPARE(read.networkConfig.socketType, SOCKET_UDP_CLIENT);
        }
        QVERIFY(!read.debugConfig.isString);
        QCOMPARE(read.debugConfig.msgOut, 0);

        const QSettings file(CommIniPath(QString()), QSettings::IniFormat);
        QCOMPARE(file.value("ConnectHead/Total").toInt(), 1);
        QCOMPARE(file.value("Connect1/Parm3").toString(), commType == COMM_TYPE_SERIAL ? QString() : "3");
        QVERIFY(!file.contains("Connect1/DebugMsgOut"));
    }
};

QTEST_GUILESS_MAIN(TestCommIni)
#include "tst_commini.moc"
