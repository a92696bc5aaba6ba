#include "FactorySettings.h"
#include "PtyPair.h"
#include "Sentence.h"
#include "SimProcess.h"
#include "SixBitReader.h"

#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

using namespace Sim;

namespace {

const QByteArray VersionQuery = "$AIAIQ,VER*3C\r\n";
const QByteArray SwitchOn = "$PDBG,163,1,,,,,,*14\r\n";
const QByteArray SwitchOff = "$PDBG,163,0,,,,,,*15\r\n";
const QByteArray VersionM1 = "$AIVER,1,1,AI,SIM,0000001,123456789,1,UNIT-K-42,1.00,0*43";
const QByteArray VersionM2 = "$AIVER,1,1,AI,SIM,0000002,223456789,2,Q-375,2.00,0*45";

constexpr uint32_t StaticReportType = 24;

bool isTraffic(const QByteArray& line)
{
    return line.startsWith("$GP") || line.startsWith("!AIVD");
}

// Sentences without their checksums, once checked; other lines as they are.
QByteArrayList withoutChecksums(const QByteArrayList& lines)
{
    QByteArrayList texts;
    for (const QByteArray& line : lines) {
        QByteArray text;
        texts += Sentence::check(line, &text) == Sentence::CHECK_RESULT::VALID ? text : line;
    }
    return texts;
}

// The program's end of the link, opened raw and non-blocking, as a serial port would be.
class DeviceEnd
{
public:
    DeviceEnd() = default;
    ~DeviceEnd() { close(); }
    DeviceEnd(const DeviceEnd&) = delete;
    DeviceEnd& operator=(const DeviceEnd&) = delete;

    bool open(const QString& path)
    {
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        return m_fd >= 0;
    }
    void close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }
    // Closed, and all it read forgotten.
    void reset()
    {
        close();
        m_partial.clear();
        m_lines.clear();
        m_replies.clear();
    }
    bool write(const QByteArray& bytes)
    {
        return ::write(m_fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    }

    // Waits up to the time for bytes; each read as it came. Empty at a hang-up or time-out.
    QByteArray readOnce(int timeoutMs)
    {
        pollfd wanted = {m_fd, POLLIN, 0};
        if (::poll(&wanted, 1, timeoutMs) <= 0 || !(wanted.revents & POLLIN))
            return {};
        char buffer[4096];
        const ssize_t count = ::read(m_fd, buffer, sizeof buffer);
        return count > 0 ? QByteArray(buffer, int(count)) : QByteArray();
    }

    // Every complete line so far, with its line end, traffic included.
    const QByteArrayList& lines() const { return m_lines; }

    // The next lines that are not traffic, without their line ends, once `count` of them have
    // come or the time is up.
    QByteArrayList replies(int count, int timeoutMs = 2000)
    {
        QDeadlineTimer deadline(timeoutMs);
        while (m_replies.size() < count && !deadline.hasExpired())
            take(readOnce(10));
        QByteArrayList taken = m_replies.mid(0, count);
        m_replies = m_replies.mid(taken.size());
        return taken;
    }

    // Reads for the time, keeping the lines.
    void drain(int ms)
    {
        QDeadlineTimer deadline(ms);
        while (!deadline.hasExpired())
            take(readOnce(10));
    }

    bool waitForHangUp(int timeoutMs)
    {
        QDeadlineTimer deadline(timeoutMs);
        while (!deadline.hasExpired()) {
            pollfd wanted = {m_fd, POLLIN, 0};
            if (::poll(&wanted, 1, 10) > 0) {
                if (wanted.revents & (POLLHUP | POLLERR))
                    return true;
                char buffer[4096];
                const ssize_t count = ::read(m_fd, buffer, sizeof buffer);
                if (count == 0 || (count < 0 && errno != EAGAIN))
                    return true;
            }
        }
        return false;
    }

    void take(const QByteArray& bytes)
    {
        m_partial += bytes;
        int end = 0;
        while ((end = m_partial.indexOf('\n')) >= 0) {
            const QByteArray line = m_partial.left(end + 1);
            m_partial.remove(0, end + 1);
            m_lines += line;
            const QByteArray text = line.endsWith("\r\n") ? line.chopped(2) : line;
            if (!isTraffic(text))
                m_replies += text;
        }
    }

private:
    int m_fd = -1;
    QByteArray m_partial;
    QByteArrayList m_lines;
    QByteArrayList m_replies;
};

// Sentences as the program sends them: checksum and CR LF.
QByteArray sentences(const QByteArrayList& texts)
{
    QByteArray bytes;
    for (const QByteArray& text : texts)
        bytes += Sentence::finish(text);
    return bytes;
}

} // namespace

class TestSimTransponder : public QObject
{
    Q_OBJECT

    TestEnv::SimProcess m_sim;
    DeviceEnd m_device;
    CFactorySettings m_factory;

    void startWith(const QStringList& arguments)
    {
        QVERIFY2(m_sim.start(arguments), "the simulated transponder did not start");
        QVERIFY(m_device.open(m_sim.devicePath()));
    }

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(m_factory.load(TestEnv::SimProcess::factorySettingsPath(), &error), qPrintable(error));
    }
    void cleanup()
    {
        m_device.reset();
        QVERIFY2(m_sim.stop(), "the simulated transponder did not end cleanly");
    }

    // Each query is answered within 2 s with exactly these bytes; a wrong checksum is not
    // answered, and what the knobs and the Wi-Fi switch change.
    void answersExactly_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QByteArrayList>("replies");
        const QStringList m0 = {"--model", "0"};
        const QStringList m1 = {"--model", "1"};
        const QStringList m2 = {"--model", "2"};
        const QByteArray status = "$PQLX,R,CFG,8117,1234,1000,4*3B";

        QTest::newRow("m1 version") << m1 << VersionQuery << QByteArrayList{VersionM1};
        QTest::newRow("m2 version") << m2 << VersionQuery << QByteArrayList{VersionM2};
        QTest::newRow("unknown model's version")
            << m0 << VersionQuery << QByteArrayList{"$AIVER,1,1,AI,SIM,0000000,323456789,0,SIM-X9,0.90,0*19"};
        QTest::newRow("m1 status") << m1 << QByteArray("$PQLX,Q,CFG,8117,,,*09\r\n") << QByteArrayList{status};
        QTest::newRow("m2 status") << m2 << QByteArray("$PQLX,Q,CFG,8117,,,*09\r\n") << QByteArrayList{status};
        QTest::newRow("m1 ALR") << m1 << QByteArray("$PQLX,Q,CFG,108,,,*3F\r\n")
                                << QByteArrayList{"$PQLX,R,CFG,108,6,0,*3A"};
        QTest::newRow("m1 Wi-Fi module") << m1 << QByteArray("$PQLX,Q,CFG,600,,,*30\r\n")
                                         << QByteArrayList{"$PQLX,R,CFG,600,11,0,*03"};
        QTest::newRow("m2 Wi-Fi module") << m2 << QByteArray("$PQLX,Q,CFG,600,,,*30\r\n")
                                         << QByteArrayList{"$PQLX,R,CFG,600,11,1,*02"};
        QTest::newRow("m1 ports") << m1 << QByteArray("$PQLX,Q,CFG,183,,,*3C\r\n")
                                  << QByteArrayList{"$PQLX,R,CFG,183,10,5,*0B", "$PQLX,R,CFG,183,11,2,*0D",
                                                    "$PQLX,R,CFG,183,20,6,*0B", "$PQLX,R,CFG,183,21,5,*09"};
        QTest::newRow("m2 ports") << m2 << QByteArray("$PQLX,Q,CFG,183,,,*3C\r\n")
                                  << QByteArrayList{"$PQLX,R,CFG,183,1,2,*3C", "$PQLX,R,CFG,183,2,6,*3B",
                                                    "$PQLX,R,CFG,183,2000,3,*0E"};
        QTest::newRow("m2 properties") << m2 << QByteArray("!AIAIQ,EPV*3E\r\n")
                                       << QByteArrayList{"$AIEPV,R,AI,123456789,109,75*36",
                                                         "$AIEPV,R,AI,123456789,110,76*3D"};
        QTest::newRow("m2 ALR") << m2 << QByteArray("$PQLX,Q,CFG,31,,,*04\r\n")
                                << QByteArrayList{"$PQLX,R,CFG,31,7,0,*00"};
        QTest::newRow("LF only") << m2 << QByteArray("$AIAIQ,VER*3C\n") << QByteArrayList{VersionM2};
        QTest::newRow("wrong checksum not answered")
            << m2 << QByteArray("$AIAIQ,VER*3D\r\n" + VersionQuery) << QByteArrayList{VersionM2, {}};
        QTest::newRow("bad-checksums knob")
            << QStringList{"--bad-checksums"} << VersionQuery
            << QByteArrayList{"$AIVER,1,1,AI,SIM,0000002,223456789,2,Q-375,2.00,0*1F"};
        QTest::newRow("cut-version knob") << QStringList{"--cut-version"} << VersionQuery
                                          << QByteArrayList{"$AIVER,1*54"};
        QTest::newRow("m1 ignores the switch") << m1 << QByteArray(SwitchOn + VersionQuery)
                                               << QByteArrayList{VersionM1, {}};
        QTest::newRow("ignore-switch knob") << QStringList{"--ignore-switch"} << QByteArray(SwitchOn + VersionQuery)
                                            << QByteArrayList{VersionM2, {}};
        QTest::newRow("ignore-settings knob")
            << QStringList{"--ignore-settings"} << QByteArray("$PQLX,C,CFG,31,7,1,*10\r\n$PQLX,Q,CFG,31,,,*04\r\n")
            << QByteArrayList{"$PQLX,R,CFG,31,7,0,*00", {}};
        QTest::newRow("pass-through passes queries on")
            << QStringList{"--passthrough"} << VersionQuery << QByteArrayList{">$AIAIQ,VER*3C", "+err"};
        QTest::newRow("leaving pass-through") << QStringList{"--passthrough"} << QByteArray(SwitchOff + VersionQuery)
                                              << QByteArrayList{">AT+EXIT", "+ok", VersionM2};
    }
    void answersExactly()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, sent);
        QFETCH(QByteArrayList, replies);
        startWith(arguments << "--rate-factor" << "20");
        QVERIFY(m_device.write(sent));
        // An empty last entry: nothing more may come.
        const bool nothingMore = replies.last().isEmpty();
        if (nothingMore)
            replies.removeLast();
        QCOMPARE(m_device.replies(replies.size()), replies);
        if (nothingMore)
            QCOMPARE(m_device.replies(1, 300), QByteArrayList());
    }

    // The system data: the model's factory values, one key a line in the device's order, and no
    // line that could be taken for a sentence or for the Wi-Fi module.
    void systemDataFollowsTheFactory_data()
    {
        QTest::addColumn<int>("model");
        QTest::newRow("m1") << 1;
        QTest::newRow("m2") << 2;
    }
    void systemDataFollowsTheFactory()
    {
        QFETCH(int, model);
        startWith({"--model", QString::number(model), "--rate-factor", "20"});
        QVERIFY(m_device.write("$PTST,,,,,16*28\r\n"));
        const QByteArray section = ModelSection(model);
        const auto factory = [&](const char* key) { return m_factory.value(section, key); };
        const QByteArrayList expected = {
            "MMSI:(" + factory("mmsi") + ')',
            "Ship Name:(" + factory("name") + ')',
            "Call Sign:(" + factory("callsign") + ')',
            "Ship Cargo Type:(" + factory("shiptype") + ") A:(" + factory("a") + ") B:(" + factory("b") + ") C:("
                + factory("c") + ") D:(" + factory("d") + ')',
            "S/N:(" + factory("serial") + ')',
            "Firmware:" + factory("firmware"),
            "Set DSC Monitor:(" + factory("dsc") + ')',
            "[FwVersion]=" + factory("fwversion"),
            model == 2 ? "[WiFiModule]=2" : "[WiFiModule]=0",
            "[GPS_OnOff]=" + factory("gps"),
            "[MultipleBaudRate]=" + factory("multiplebaudrate"),
            "[GPS_RI]=" + factory("gpsrate"),
            "[GPS_NAV5_dynModel]=" + factory("dynmodel"),
            "[SYSTEM DATA END]",
        };
        const QByteArrayList dump = m_device.replies(expected.size());
        QCOMPARE(dump, expected);
        QVERIFY(dump[1].indexOf("Name:(") >= 4);
        QVERIFY(dump[6].indexOf("DSC Monitor:(") >= 4);
        for (const QByteArray& line : dump) {
            QVERIFY2(!line.startsWith('$') && !line.startsWith('!'), line.constData());
            for (const char* part : {"+ok", "+err", "[WIFI]", "AT+EXIT"})
                QVERIFY2(!line.contains(part), line.constData());
        }
    }

    // The replies to the program's probe and query set, in its factory state, are those of the
    // data file that the program's tests read as the device's: line by line, each closed with
    // CR LF (a line closed otherwise keeps its line end and differs).
    void repliesMatchTheirDataFile_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QByteArrayList>("queries");
        const QByteArrayList first = {"$AIAIQ,VER", "$PQLX,Q,CFG,8117,,,"};
        QTest::newRow("m1") << 1 << first + QByteArrayList{"$PQLX,Q,CFG,108,,,", "$PQLX,Q,CFG,183,,,", "$PTST,,,,,16"};
        QTest::newRow("m2") << 2
                            << first + QByteArrayList{"$PQLX,Q,CFG,600,,,", "$PQLX,Q,CFG,183,,,", "!AIAIQ,EPV",
                                                      "$PQLX,Q,CFG,31,,,", "$PTST,,,,,16"};
    }
    void repliesMatchTheirDataFile()
    {
        QFETCH(int, model);
        QFETCH(QByteArrayList, queries);
        QFile file(TestEnv::SimProcess::repliesPath(model));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QByteArrayList recorded = file.readAll().split('\n');
        QCOMPARE(recorded.takeLast(), QByteArray());
        startWith({"--model", QString::number(model), "--rate-factor", "20"});
        QVERIFY(m_device.write(sentences(queries)));
        QCOMPARE(m_device.replies(recorded.size()), recorded);
        QCOMPARE(m_device.replies(1, 300), QByteArrayList());
    }

    // A "Program Device" series is applied and shows in the replies that follow: escaped texts
    // unescaped, the MMSI only while the device has none, the settings pairs and items of the
    // model; what the model does not have is ignored.
    void programDeviceShowsInLaterReplies_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArrayList>("series");
        QTest::addColumn<QByteArrayList>("queries");
        QTest::addColumn<QByteArrayList>("replies");
        const QByteArrayList dumpQuery = {"$PTST,,,,,16"};
        QTest::newRow("m1") << QStringList{"--model", "1"}
                            << QByteArrayList{"$ECSSD,AB^2C12,SEA^2CWOLF ^21^5E,1,2,3,4,,", "$ECVSD,70,,,,,,,,",
                                              "$PDBG,101,0,50,1,51,0,703,5,", "$PQLX,C,CFG,108,6,1,",
                                              "$PDBG,42,6,40,2,39,5,38,2,", "$PQLX,C,DBG,40,5,41,6,,,,,"}
                            << QByteArrayList{"$PQLX,Q,CFG,108,,,", "$PQLX,Q,CFG,183,,,", "$PTST,,,,,16"}
                            << QByteArrayList{"$PQLX,R,CFG,108,6,1,",
                                              "$PQLX,R,CFG,183,10,6,",
                                              "$PQLX,R,CFG,183,11,2,",
                                              "$PQLX,R,CFG,183,20,5,",
                                              "$PQLX,R,CFG,183,21,2,",
                                              "MMSI:(123456789)",
                                              "Ship Name:(SEA,WOLF !^)",
                                              "Call Sign:(AB,12)",
                                              "Ship Cargo Type:(70) A:(1) B:(2) C:(3) D:(4)",
                                              "S/N:(123456789)",
                                              "Firmware:1.00",
                                              "Set DSC Monitor:(0)",
                                              "[FwVersion]=UNIT-K-42 1.00.0",
                                              "[WiFiModule]=0",
                                              "[GPS_OnOff]=0",
                                              "[MultipleBaudRate]=0",
                                              "[GPS_RI]=0",
                                              "[GPS_NAV5_dynModel]=5",
                                              "[SYSTEM DATA END]"};
        QTest::newRow("m2") << QStringList{"--model", "2"}
                            << QByteArrayList{"$ECSSD,,NEW NAME,5,6,7,8,,", "$PQLX,C,MID,244123456",
                                              "$ECVSD,37,,,,,,,,", "$PDBG,101,1,50,0,51,3,703,4,",
                                              "$PQLX,C,CFG,31,7,1,", "$PQLX,C,DBG,40,5,41,6,,,,,",
                                              "$PQLX,C,CFG,183,2000,200,", "$AIEPV,C,AI,123456789,109,0",
                                              "$AIEPV,C,AI,123456789,110,0", "$PDBG,42,6,40,2,39,5,38,2,"}
                            << QByteArrayList{"$PQLX,Q,CFG,31,,,", "$PQLX,Q,CFG,183,,,", "!AIAIQ,EPV", "$PTST,,,,,16"}
                            << QByteArrayList{"$PQLX,R,CFG,31,7,1,",
                                              "$PQLX,R,CFG,183,1,5,",
                                              "$PQLX,R,CFG,183,2,6,",
                                              "$PQLX,R,CFG,183,2000,200,",
                                              "$AIEPV,R,AI,123456789,109,0",
                                              "$AIEPV,R,AI,123456789,110,0",
                                              "MMSI:(123456789)",
                                              "Ship Name:(NEW NAME)",
                                              "Call Sign:(SIMQ375)",
                                              "Ship Cargo Type:(37) A:(5) B:(6) C:(7) D:(8)",
                                              "S/N:(223456789)",
                                              "Firmware:2.00",
                                              "Set DSC Monitor:(1)",
                                              "[FwVersion]=Q-375 2.00.1",
                                              "[WiFiModule]=2",
                                              "[GPS_OnOff]=1",
                                              "[MultipleBaudRate]=1",
                                              "[GPS_RI]=3",
                                              "[GPS_NAV5_dynModel]=4",
                                              "[SYSTEM DATA END]"};
        QTest::newRow("first MID only, while there is no MMSI")
            << QStringList{"--mmsi", "0"}
            << QByteArrayList{"$PQLX,C,MID,244123456", "$PQLX,C,MID,211000000", "$PQLX,C,MID,0"}
            << QByteArrayList{"!AIAIQ,EPV"}
            << QByteArrayList{"$AIEPV,R,AI,244123456,109,75", "$AIEPV,R,AI,244123456,110,76"};
        QTest::newRow("texts cut to the device's length")
            << QStringList{} << QByteArrayList{"$ECSSD,CALLSIGN9,A NAME OF TWENTY-FOUR C,,,,,,"} << dumpQuery
            << QByteArrayList{"MMSI:(123456789)", "Ship Name:(A NAME OF TWENTY-FOU)", "Call Sign:(CALLSIG)"};
    }
    void programDeviceShowsInLaterReplies()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArrayList, series);
        QFETCH(QByteArrayList, queries);
        QFETCH(QByteArrayList, replies);
        startWith(arguments << "--rate-factor" << "20");
        QVERIFY(m_device.write(sentences(series + queries)));
        QCOMPARE(withoutChecksums(m_device.replies(replies.size())), replies);
    }

    // The system data reports a knob's raw values, control bytes and all.
    void dumpValueKnob()
    {
        startWith({"--dump-value", "MMSI=23510487X", "--dump-value", "Ship Name=SEA^1B[2JWOLF", "--dump-value",
                   "GPS_RI=" + QString(300, '7')});
        QVERIFY(m_device.write(sentences({"$PTST,,,,,16"})));
        const QByteArrayList dump = m_device.replies(14);
        QCOMPARE(dump.size(), 14);
        QCOMPARE(dump[0], QByteArray("MMSI:(23510487X)"));
        QCOMPARE(dump[1], QByteArray("Ship Name:(SEA\x1b[2JWOLF)"));
        QCOMPARE(dump[2], QByteArray("Call Sign:(SIMQ375)"));
        QCOMPARE(dump[11], "[GPS_RI]=" + QByteArray(300, '7'));
        QCOMPARE(dump[13], QByteArray("[SYSTEM DATA END]"));
    }

    // Scans find the access points of the file; the module's lines are plain text, however
    // they begin and however long they are.
    void accessPointsKnob()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath("access-points.txt"));
        const QByteArray longName(5000, 'L');
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("$ailors Wifi,0C:80:63:1A:2B:12,1,-60,NONE,\r\n" + longName
                   + ",0C:80:63:1A:2B:13,6,-70,WPA2-PSK,pw\n");
        file.close();
        startWith({"--model", "2", "--rate-factor", "20", "--access-points", file.fileName()});
        QVERIFY(m_device.write(SwitchOn));
        QCOMPARE(m_device.replies(1), QByteArrayList{"+ok"});
        QVERIFY(m_device.write("AT+SCAN\n"));
        QCOMPARE(m_device.replies(4), (QByteArrayList{">AT+SCAN", "+ok=", "$ailors Wifi,0C:80:63:1A:2B:12,1,-60,NONE",
                                                      longName + ",0C:80:63:1A:2B:13,6,-70,WPA2-PSK"}));
    }

    // The Wi-Fi module of m2 in pass-through: the switch, queries, setters, a scan, joins that
    // fail and succeed, the leave SSID, factory settings, and back to NMEA.
    void wifiDialogue()
    {
        startWith({"--model", "2", "--rate-factor", "20"});
        const struct
        {
            QByteArray sent;
            QByteArrayList replies;
        } steps[] = {
            {SwitchOn, {"+ok"}},
            {"AT+WLANEN\n", {">AT+WLANEN", "+ok=1"}},
            {"AT+PSK\n", {">AT+PSK", "+ok=2,sim-ap-2024"}},
            {"AT+APSSID=Deck Hand\n", {">AT+APSSID=Deck Hand", "+ok"}},
            {"AT+APSSID\n", {">AT+APSSID", "+ok=Deck Hand"}},
            {"AT+VER=9.9\n", {">AT+VER=9.9", "+err"}},
            {"AT+NONSENSE\n", {">AT+NONSENSE", "+err"}},
            {"AT+STALINK\n", {">AT+STALINK", "+ok=Not-Associated"}},
            {"AT+SCAN\n",
             {">AT+SCAN", "+ok=", "Terrace Marina,0C:80:63:1A:2B:01,6,-48,WPA2-PSK", "Harbour Cafe,0C:80:63:1A:2B:02,1,-67,NONE",
              ",0C:80:63:1A:2B:03,11,-72,WPA2-PSK", "Terrace Marina,0C:80:63:1A:2B:04,11,-61,WPA2-PSK",
              "Quay 4 Office,0C:80:63:1A:2B:05,3,-80,WPA-PSK"}},
            {"WiFiScanEnd\n", {">WiFiScanEnd"}},
            {"AT+STA=Terrace Marina\nAT+SECMODE=WPA2-PSK\nAT+PSK=2,wrong\nAT+WAPPLY\nAT+STALINK\n",
             {">AT+STA=Terrace Marina", "+ok", ">AT+SECMODE=WPA2-PSK", "+ok", ">AT+PSK=2,wrong", "+ok", ">AT+WAPPLY",
              "+ok", ">AT+STALINK", "+ok=Not-Associated"}},
            {"AT+STA=Terrace Marina\nAT+SECMODE=WPA2-PSK\nAT+PSK=2,marina-guest\nAT+WAPPLY\nAT+STALINK\n",
             {">AT+STA=Terrace Marina", "+ok", ">AT+SECMODE=WPA2-PSK", "+ok", ">AT+PSK=2,marina-guest", "+ok",
              ">AT+WAPPLY", "+ok", ">AT+STALINK", "+ok=0c:80:63:1a:2b:01,Terrace Marina"}},
            // The join's security and password are not the access point's own.
            {"AT+SECMODE\nAT+PSK\n", {">AT+SECMODE", "+ok=WPA2-PSK", ">AT+PSK", "+ok=2,sim-ap-2024"}},
            {"AT+STA=#72904%+*K318D?\nAT+SECMODE=NONE\nAT+WAPPLY\nAT+STALINK\n",
             {">AT+STA=#72904%+*K318D?", "+ok", ">AT+SECMODE=NONE", "+ok", ">AT+WAPPLY", "+ok", ">AT+STALINK",
              "+ok=Not-Associated"}},
            {"AT+STA=Harbour Cafe\nAT+SECMODE=NONE\nAT+WAPPLY\nAT+STALINK\n",
             {">AT+STA=Harbour Cafe", "+ok", ">AT+SECMODE=NONE", "+ok", ">AT+WAPPLY", "+ok", ">AT+STALINK",
              "+ok=0c:80:63:1a:2b:02,Harbour Cafe"}},
            {"AT+FACTDEF\nAT+APPLY\n",
             {">AT+FACTDEF", "+ok", ">AT+APPLY", "+ok", "br0: port 2(ath0) entering learning state"}},
            {"AT+APSSID\nAT+STALINK\n", {">AT+APSSID", "+ok=AIS-SIM-0002", ">AT+STALINK", "+ok=Not-Associated"}},
            {"$PDBG,163,0,,,,,,*15\n", {">AT+EXIT", "+ok"}},
            {VersionQuery, {VersionM2}},
        };
        for (const auto& step : steps) {
            QVERIFY(m_device.write(step.sent));
            QCOMPARE(m_device.replies(step.replies.size()), step.replies);
            if (step.sent == SwitchOn) {
                // No traffic in pass-through.
                const int before = m_device.lines().size();
                m_device.drain(300);
                QCOMPARE(m_device.lines().size(), before);
            }
        }
        m_device.drain(300);
        QVERIFY(isTraffic(m_device.lines().last()));
        // The log shows each line as it came and went, line ends included.
        QVERIFY(m_sim.waitForLog("in", "AT+WLANEN\\n"));
        QVERIFY(m_sim.waitForLog("out", "+ok=1\\r\\n"));
    }

    // Cut at random bytes, between CR and LF too, the lines still arrive whole and intact.
    void splitKnobKeepsLinesWhole()
    {
        startWith({"--split", "--seed", "7", "--rate-factor", "5"});
        QVERIFY(m_device.write(VersionQuery));
        int midLine = 0;
        int betweenCrAndLf = 0;
        QDeadlineTimer deadline(10000);
        while (m_device.lines().size() < 60 && !deadline.hasExpired()) {
            const QByteArray piece = m_device.readOnce(50);
            if (piece.isEmpty())
                continue;
            midLine += piece.endsWith('\n') ? 0 : 1;
            betweenCrAndLf += piece.endsWith('\r') ? 1 : 0;
            m_device.take(piece);
        }
        QVERIFY(midLine > 0);
        QVERIFY(betweenCrAndLf > 0);
        for (const QByteArray& line : m_device.lines()) {
            QByteArray text;
            QVERIFY2(line.endsWith("\r\n") && line.count('\n') == 1, line.constData());
            QVERIFY2(Sentence::check(line.chopped(2), &text) == Sentence::CHECK_RESULT::VALID, line.constData());
        }
        QCOMPARE(m_device.replies(1), QByteArrayList{VersionM2});
    }

    void unplugHangsTheLinkUp()
    {
        startWith({});
        m_sim.command("unplug");
        QVERIFY(m_device.waitForHangUp(5000));
        QVERIFY(m_sim.waitForLog("note", "unplugged"));
    }

    // The program may close the port and open it again: the device is still there.
    void survivesAReconnect()
    {
        startWith({});
        m_device.close();
        QVERIFY(m_device.open(m_sim.devicePath()));
        QVERIFY(m_device.write(VersionQuery));
        QCOMPARE(m_device.replies(1), QByteArrayList{VersionM2});
    }

    void talksOnAGivenPort()
    {
        QTemporaryDir dir;
        TestEnv::PtyPair pty;
        if (!pty.start(dir.path()))
            QSKIP("socat is not there");
        QVERIFY(m_sim.start({"--port", pty.devicePath(), "--model", "1"}));
        QCOMPARE(m_sim.devicePath(), pty.devicePath());
        QVERIFY(pty.write(VersionQuery));
        DeviceEnd reader;
        QDeadlineTimer deadline(5000);
        while (!reader.lines().contains(VersionM1 + "\r\n")) {
            QVERIFY(!deadline.hasExpired());
            reader.take(pty.read(1, 50));
        }
    }

    // A model the program does not know, then "model 2" on stdin: the next probe finds m2.
    void modelChangesOnStdin()
    {
        startWith({"--model", "0"});
        QVERIFY(m_device.write(VersionQuery));
        QVERIFY(m_device.replies(1).value(0).contains(",SIM-X9,"));
        m_sim.command("model 2");
        QVERIFY(m_sim.waitForLog("note", "now model 2"));
        QVERIFY(m_device.write(VersionQuery));
        QCOMPARE(m_device.replies(1), QByteArrayList{VersionM2});
    }

    // A switch turned on and off on stdin; an unknown command is only noted.
    void knobsOnStdin()
    {
        startWith({"--rate-factor", "20"});
        m_sim.command("bad-checksums on");
        m_sim.command("bad-checksums sideways");
        QVERIFY(m_sim.waitForLog("note", "unknown command: bad-checksums sideways"));
        QVERIFY(m_device.write(VersionQuery));
        QCOMPARE(m_device.replies(1), QByteArrayList{"$AIVER,1,1,AI,SIM,0000002,223456789,2,Q-375,2.00,0*1F"});
        m_sim.command("bad-checksums off");
        QVERIFY(m_sim.waitForLog("note", "command: bad-checksums off"));
        QVERIFY(m_device.write(VersionQuery));
        QCOMPARE(m_device.replies(1), QByteArrayList{VersionM2});
    }

    void silenceSendsNothing()
    {
        startWith({"--silence", "--rate-factor", "20"});
        QVERIFY(m_device.write(VersionQuery));
        QVERIFY(m_sim.waitForLog("note", "silent, not sent: $AIVER"));
        m_device.drain(300);
        QCOMPARE(m_device.lines(), QByteArrayList());
    }

    // Each simulated second: GGA, RMC, GSA and three GSV, the own vessel's position report on A
    // and B in turn (every 30th second followed by its static report), and the three targets,
    // all moving; each line CR LF, at most 199 characters.
    void trafficEachSecond()
    {
        startWith({"--rate-factor", "20"});
        QDeadlineTimer deadline(10000);
        QVector<QByteArrayList> groups;
        while (groups.size() < 5 && !deadline.hasExpired()) {
            m_device.drain(50);
            groups.clear();
            for (const QByteArray& line : m_device.lines()) {
                if (line.startsWith("$GPGGA"))
                    groups.append(QByteArrayList());
                if (!groups.isEmpty())
                    groups.last() += line.chopped(2);
            }
        }
        groups.removeLast();
        QVERIFY(groups.size() >= 4);

        const uint32_t ownMmsi = m_factory.value(ModelSection(2), "mmsi").toUInt();
        QSet<uint32_t> targetMmsis;
        for (const QByteArray& target : m_factory.values("traffic", "target"))
            targetMmsis.insert(target.split(',').first().toUInt());
        QByteArrayList previousPosition;
        char previousChannel = 0;
        for (const QByteArrayList& group : groups) {
            QByteArrayList kinds;
            QSet<uint32_t> seen;
            for (const QByteArray& line : group) {
                QByteArray text;
                QVERIFY2(line.size() + 2 <= Sentence::MaxLineLength, line.constData());
                QCOMPARE(Sentence::check(line, &text), Sentence::CHECK_RESULT::VALID);
                const QByteArrayList fields = text.split(',');
                kinds += fields[0];
                if (fields[0] == "!AIVDO" || fields[0] == "!AIVDM") {
                    const SixBitReader bits(fields[5]);
                    const uint32_t type = bits.unsignedField(0, 6);
                    if (type == StaticReportType) {
                        QCOMPARE(fields[0], QByteArray("!AIVDO"));
                        QCOMPARE(fields[4].at(0), previousChannel);
                        kinds.last() = "static";
                        continue;
                    }
                    QCOMPARE(type, fields[0] == "!AIVDO" ? 18u : 1u);
                    seen.insert(bits.unsignedField(8, 30));
                }
                if (fields[0] == "!AIVDO") {
                    QVERIFY(fields[4] == "A" || fields[4] == "B");
                    QVERIFY(fields[4].at(0) != previousChannel);
                    previousChannel = fields[4].at(0);
                }
            }
            const QByteArrayList statics = kinds.contains("static") ? QByteArrayList{"static", "static"} : QByteArrayList();
            QCOMPARE(kinds, QByteArrayList({"$GPGGA", "$GPRMC", "$GPGSA", "$GPGSV", "$GPGSV", "$GPGSV", "!AIVDO"})
                                + statics + QByteArrayList({"!AIVDM", "!AIVDM", "!AIVDM"}));
            QCOMPARE(seen, targetMmsis + QSet<uint32_t>{ownMmsi});
            const QByteArrayList position = group.first().split(',').mid(2, 4);
            QVERIFY(position != previousPosition);
            previousPosition = position;
        }

        m_sim.command("count");
        const QByteArrayList counts = m_sim.stdoutLine().split(' ');
        QCOMPARE(counts.size(), 4);
        QCOMPARE(counts[0], QByteArray("sent"));
        QVERIFY(counts[1].toInt() >= m_device.lines().size());
        QCOMPARE(counts[3], QByteArray("0"));
    }

    // The own vessel's static report, message 24 part A (name) then part B (type, call sign,
    // dimensions) of the programmed vessel, right after its position report, every 30 seconds.
    void ownStaticReportEvery30Seconds()
    {
        startWith({"--rate-factor", "200"});
        QDeadlineTimer deadline(10000);
        QList<int> reportSeconds; // the second, counted in GGA sentences, of each part A
        QList<SixBitReader> parts;
        while (reportSeconds.size() < 2 && !deadline.hasExpired()) {
            m_device.drain(50);
            reportSeconds.clear();
            parts.clear();
            int second = -1;
            QByteArray previous;
            for (const QByteArray& line : m_device.lines()) {
                QByteArray text;
                if (Sentence::check(line.chopped(2), &text) != Sentence::CHECK_RESULT::VALID)
                    continue;
                second += text.startsWith("$GPGGA");
                const QByteArrayList fields = text.split(',');
                if (fields[0] != "!AIVDO" || SixBitReader(fields[5]).unsignedField(0, 6) != StaticReportType) {
                    previous = text;
                    continue;
                }
                const SixBitReader bits(fields[5]);
                const uint32_t part = bits.unsignedField(38, 2);
                QCOMPARE(SixBitReader(previous.split(',').value(5)).unsignedField(0, 6), part == 0 ? 18u : 24u);
                if (part == 0)
                    reportSeconds += second;
                parts += bits;
                previous = text;
            }
        }
        QVERIFY(reportSeconds.size() >= 2);
        QCOMPARE(reportSeconds[1] - reportSeconds[0], 30);

        const QByteArray section = ModelSection(2);
        const auto factory = [&](const char* key) { return m_factory.value(section, key); };
        const auto text = [](const SixBitReader& bits, int start, int characters) {
            QByteArray read;
            for (int i = 0; i < characters; ++i) {
                const uint32_t c = bits.unsignedField(start + 6 * i, 6);
                read += char(c < 32 ? c + 64 : c);
            }
            while (read.endsWith('@') || read.endsWith(' '))
                read.chop(1);
            return read;
        };
        const SixBitReader& a = parts[0];
        const SixBitReader& b = parts[1];
        QCOMPARE(a.unsignedField(8, 30), factory("mmsi").toUInt());
        QCOMPARE(a.unsignedField(38, 2), 0u);
        QCOMPARE(text(a, 40, 20), factory("name"));
        QCOMPARE(b.unsignedField(8, 30), factory("mmsi").toUInt());
        QCOMPARE(b.unsignedField(38, 2), 1u);
        QCOMPARE(b.unsignedField(40, 8), factory("shiptype").toUInt());
        QCOMPARE(text(b, 90, 7), factory("callsign"));
        QCOMPARE(QList<uint32_t>({b.unsignedField(132, 9), b.unsignedField(141, 9), b.unsignedField(150, 6),
                                  b.unsignedField(156, 6)}),
                 QList<uint32_t>({factory("a").toUInt(), factory("b").toUInt(), factory("c").toUInt(),
                                  factory("d").toUInt()}));
    }
};

QTEST_GUILESS_MAIN(TestSimTransponder)
#include "tst_simtransponder.moc"
