#include "LogCapture.h"
#include "WiFiFixture.h"

#include <QtTest>

using namespace WiFiScope;
using namespace WiFiFixture;

namespace {

// A scan reply as the module gives it: its echo, "+ok=", one line per access point and the
// echo of the end marker.
QByteArrayList scanReply(const QByteArrayList& points)
{
    return QByteArrayList{">AT+SCAN", "+ok="} + points + QByteArrayList{">WiFiScanEnd"};
}

// Fields of the record, compared as "name=value" texts.
void compareFields(const SCmdProcData& s, const QStringList& expected)
{
    const QMap<QString, QString> actual = fields(s);
    for (const QString& pair : expected) {
        const QString name = pair.section('=', 0, 0);
        QVERIFY2(actual.contains(name), qPrintable(name));
        QCOMPARE(name + '=' + actual.value(name), pair);
    }
}

QStringList logsWith(const QString& part)
{
    return LogCapture::take().filter(part);
}

const QByteArray Ssid32 = "Harbour Master Office Pontoon 12";
const QByteArray Ssid40 = Ssid32 + " Visitor";
const QString NoneSet = flagsOf({});

} // namespace

class TestWiFiReplyParser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LogCapture::start(); }
    void init() { LogCapture::take(); }

    // Each query reply fills its own fields and flag, and nothing else.
    void queryReplies_data()
    {
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("logPart");

        const QString noAP = "|||0|0||";
        QTest::newRow("WLANEN 1") << QByteArrayList{">AT+WLANEN", "+ok=1"}
                                  << QStringList{"wlanEnabled=1", "queryReplied=" + flagsOf({2})} << QString();
        QTest::newRow("WLANEN 0, still replied")
            << QByteArrayList{">AT+WLANEN", "+ok=0"} << QStringList{"wlanEnabled=0", "queryReplied=" + flagsOf({2})}
            << QString();
        QTest::newRow("OPMODE") << QByteArrayList{">AT+OPMODE", "+ok=1"}
                                << QStringList{"opMode=1", "queryReplied=" + flagsOf({3})} << QString();
        QTest::newRow("SYSIPSET is not SYSIP, a third address is dropped")
            << QByteArrayList{">AT+SYSIPSET", "+ok=192.168.4.1,255.255.255.0,10.0.0.9"}
            << QStringList{"apSettings=|192.168.4.1|255.255.255.0|0|0||", "sysIp=", "sysIpMore=",
                           "queryReplied=" + flagsOf({0})}
            << QString();
        QTest::newRow("SYSIP: the first and the last further field")
            << QByteArrayList{">AT+SYSIP", "+ok=10.0.0.5,255.0.0.0,,10.0.0.1"}
            << QStringList{"sysIp=10.0.0.5", "sysIpMore=10.0.0.1", "apSettings=" + noAP,
                           "queryReplied=" + flagsOf({1})}
            << QString();
        QTest::newRow("a shorter SSID replaces a longer one")
            << QByteArrayList{">AT+APSSID", "+ok=Harbour Master Office", ">AT+APSSID", "+ok=Dock"}
            << QStringList{"apSettings=Dock|||0|0||", "queryReplied=" + flagsOf({5})} << QString();
        QTest::newRow("an SSID that fills its array")
            << QByteArrayList{">AT+APSSID", "+ok=" + Ssid32}
            << QStringList{"apSettings=" + Ssid32 + "|||0|0||"} << QString();
        QTest::newRow("a 40-character SSID is cut to its array")
            << QByteArrayList{">AT+APSSID", "+ok=" + Ssid40}
            << QStringList{"apSettings=" + Ssid32 + "|||0|0||", "queryReplied=" + flagsOf({5})}
            << "queryATResp [W]AT+APSSID: a value of 40 characters cut to 32";
        QTest::newRow("an SSID with percent signs")
            << QByteArrayList{">AT+APSSID", "+ok=#72904%+*K318D?"}
            << QStringList{"apSettings=#72904%+*K318D?|||0|0||"} << "cmdProc [Original WiFi Sentence]+ok=#72904%+*K318D?";
        QTest::newRow("an SSID that names a command is an SSID")
            << QByteArrayList{">AT+APSSID", "+ok=AT+SYSIP"}
            << QStringList{"apSettings=AT+SYSIP|||0|0||", "sysIp=", "queryReplied=" + flagsOf({5})} << QString();
        QTest::newRow("SECMODE") << QByteArrayList{">AT+SECMODE", "+ok=WPA2-PSK"}
                                 << QStringList{"apSettings=|||0|0|WPA2-PSK|", "queryReplied=" + flagsOf({6})}
                                 << QString();
        QTest::newRow("PSK keeps its second field")
            << QByteArrayList{">AT+PSK", "+ok=2,pw,extra"}
            << QStringList{"apSettings=|||0|0||pw", "queryReplied=" + flagsOf({7})} << QString();
        QTest::newRow("APCHAN") << QByteArrayList{">AT+APCHAN", "+ok=11"}
                                << QStringList{"apSettings=|||0|11||", "queryReplied=" + flagsOf({8})} << QString();
        QTest::newRow("DHCPDEN and DHCPCEN")
            << QByteArrayList{">AT+DHCPDEN", "+ok=1", ">AT+DHCPCEN", "+ok= -1"}
            << QStringList{"dhcp=1 -1", "queryReplied=" + flagsOf({12, 13})} << QString();
        QTest::newRow("TCPPORT") << QByteArrayList{">AT+TCPPORT", "+ok=2000"}
                                 << QStringList{"apSettings=|||2000|0||", "queryReplied=" + flagsOf({14})}
                                 << QString();
        QTest::newRow("a port beyond 32 bits leaves the field")
            << QByteArrayList{">AT+TCPPORT", "+ok=99999999999"}
            << QStringList{"apSettings=" + noAP, "queryReplied=" + NoneSet}
            << "queryATResp [W]AT+TCPPORT: the value is no 32-bit number:99999999999";
        QTest::newRow("VER") << QByteArrayList{">AT+VER", "+ok=V2.1.7"}
                             << QStringList{"version=V2.1.7", "queryReplied=" + flagsOf({17})} << QString();
    }

    void queryReplies()
    {
        QFETCH(QByteArrayList, lines);
        QFETCH(QStringList, expected);
        QFETCH(QString, logPart);
        CWiFiConfig config;
        feed(config, lines);
        compareFields(config.snapshot(), expected);
        if (!logPart.isEmpty())
            QCOMPARE(logsWith(logPart).size(), 1);
    }

    // A reply without a value is no query reply: the field keeps what it had and stays unread.
    void replyWithoutValue_data()
    {
        QTest::addColumn<QByteArray>("end");
        QTest::addColumn<int>("elseLogs");
        QTest::newRow("+ok") << QByteArray("+ok") << 0;
        QTest::newRow("+err") << QByteArray("+err") << 1;
    }

    void replyWithoutValue()
    {
        QFETCH(QByteArray, end);
        QFETCH(int, elseLogs);
        CWiFiConfig config;
        feed(config, {">AT+OPMODE", "+ok=1"});
        config.update([](SCmdProcData& s) { s.queryReplied[SATCommandSet::AT_OPMODE] = false; });
        feed(config, {">AT+OPMODE", end});
        compareFields(config.snapshot(), {"opMode=1", "queryReplied=" + NoneSet});
        QCOMPARE(logsWith("cmdProc [Else]=>AT+OPMODE\r\n" + end + "\r\n").size(), elseLogs);
    }

    // Only three settings are acknowledged; every other complete reply changes nothing.
    void acknowledgements_data()
    {
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<QString>("acked");
        QTest::addColumn<QString>("logPart");

        QTest::newRow("WAPPLY") << QByteArrayList{">AT+WAPPLY", "+ok"} << flagsOf({4}) << QString();
        QTest::newRow("SYSAPPLY") << QByteArrayList{">AT+SYSAPPLY", "+ok"} << flagsOf({15}) << QString();
        QTest::newRow("APPLY") << QByteArrayList{">AT+APPLY", "+ok", "br0: port 2(ath0) entering learning state"}
                               << flagsOf({18}) << QString();
        // The trailing "+ok" finds the parser idle: the other learning line ended the reply.
        QTest::newRow("APPLY, another learning line")
            << QByteArrayList{">AT+APPLY", "+ok", "br0: port 3(ath1) entering learning state", "+ok"} << NoneSet
            << "retrieWiFiCommand Retrieve command not exist:+ok\r\n";
        QTest::newRow("+err") << QByteArrayList{">AT+WAPPLY", "+err"} << NoneSet
                              << "cmdProc [Else]=>AT+WAPPLY\r\n+err\r\n";
        QTest::newRow("echo without >") << QByteArrayList{"AT+WAPPLY", "+ok"} << NoneSet
                                        << "cmdProc [Else]=AT+WAPPLY\r\n+ok\r\n";
        QTest::newRow("lone +ok while idle") << QByteArrayList{"+ok"} << NoneSet
                                             << "retrieWiFiCommand Retrieve command not exist:+ok\r\n";
        QTest::newRow("STA is no query, STALINK is not STA")
            << QByteArrayList{">AT+STA", "+ok=1"} << NoneSet << "queryATResp Can`t recognize command >AT+STA\r\n+ok=1\r\n";
        QTest::newRow("percent signs are logged as they are")
            << QByteArrayList{"Quay %s%n%d"} << NoneSet << "retrieWiFiCommand Retrieve command not exist:Quay %s%n%d\r\n";
        QTest::newRow("line end alone")
            << QByteArrayList{">AT+WAPPLY", "", "+ok"} << flagsOf({4})
            << "retrieWiFiCommand Sentence Retrieve State Wrong:";
    }

    void acknowledgements()
    {
        QFETCH(QByteArrayList, lines);
        QFETCH(QString, acked);
        QFETCH(QString, logPart);
        CWiFiConfig config;
        feed(config, lines);
        QMap<QString, QString> expected = fields(CWiFiConfig().snapshot());
        expected["settingAcked"] = acked;
        QCOMPARE(fields(config.snapshot()), expected);
        if (!logPart.isEmpty())
            QCOMPARE(logsWith(logPart).size(), 1);
    }

    // A link-status value marks the member with that BSSID in any letter case and moves its
    // group to the front; one not on the list marks nothing.
    void linkStatusMarksTheMember()
    {
        CWiFiConfig config;
        feed(config, scanReply({"Terrace Marina,0C:80:63:1A:2B:01,6,-48,WPA2-PSK",
                                "Berry Bay,0C:80:63:1A:2B:02,1,-70,NONE", "Berry Bay,0C:80:63:1A:2B:03,11,-50,NONE"}));
        LogCapture::take();
        feed(config, {">AT+STALINK", "+ok=0c:80:63:1a:2b:02,Berry Bay"});
        SCmdProcData s = config.snapshot();
        QCOMPARE(groups(s), (QStringList{"Berry Bay: 0C:80:63:1A:2B:03 -50 NONE, 0C:80:63:1A:2B:02 -70 NONE [linked 1]",
                                        "Terrace Marina: 0C:80:63:1A:2B:01 -48 WPA2-PSK"}));
        compareFields(s, {"linkedBssid=0C:80:63:1A:2B:02", "link=1 1", "queryReplied=" + flagsOf({9})});
        QCOMPARE(logsWith("cientAPCntStatus AP info idx = 1\nSub Idx = 1").size(), 1);

        feed(config, {">AT+STALINK", "+ok=11:22:33:44:55:66,Elsewhere"});
        s = config.snapshot();
        QCOMPARE(groups(s), (QStringList{"Berry Bay: 0C:80:63:1A:2B:03 -50 NONE, 0C:80:63:1A:2B:02 -70 NONE",
                                        "Terrace Marina: 0C:80:63:1A:2B:01 -48 WPA2-PSK"}));
        compareFields(s, {"linkedBssid=0C:80:63:1A:2B:02", "link=1 1"});
        QCOMPARE(logsWith("cientAPCntStatus AP info idx = -1\nSub Idx = -1").size(), 1);
    }

    // "Not-Associated" clears the marks and holds for the job: a later associated reply marks nothing.
    void notAssociatedHoldsForTheJob()
    {
        CWiFiConfig config;
        feed(config, scanReply({"Berry Bay,0C:80:63:1A:2B:02,1,-70,NONE"}));
        feed(config, {">AT+STALINK", "+ok=0C:80:63:1A:2B:02"});
        QCOMPARE(groups(config.snapshot()), QStringList{"Berry Bay: 0C:80:63:1A:2B:02 -70 NONE [linked 0]"});

        feed(config, {">AT+STALINK", "+ok=Not-Associated"});
        SCmdProcData s = config.snapshot();
        QCOMPARE(groups(s), QStringList{"Berry Bay: 0C:80:63:1A:2B:02 -70 NONE"});
        compareFields(s, {"link=2 0", "queryReplied=" + NoneSet});

        LogCapture::take();
        feed(config, {">AT+STALINK", "+ok=0C:80:63:1A:2B:02"});
        s = config.snapshot();
        QCOMPARE(groups(s), QStringList{"Berry Bay: 0C:80:63:1A:2B:02 -70 NONE"});
        compareFields(s, {"link=1 0", "queryReplied=" + flagsOf({9})});
        QVERIFY(logsWith("AP info idx").isEmpty());
    }

    // A scan reply past its bound keeps the access points that fit, read at its end marker and
    // marked as cut; one within the bound lists every access point. The next reply is read.
    void scanPastItsBoundListsWhatFits_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("nameLength");
        QTest::addColumn<bool>("cut");
        QTest::newRow("150 access points") << 150 << 8 << false;
        QTest::newRow("250 access points") << 250 << 8 << true;
        QTest::newRow("lines of 1000 bytes") << 30 << 1000 << true;
        QTest::newRow("names of 10 kB") << 3 << 10000 << true;
    }

    void scanPastItsBoundListsWhatFits()
    {
        QFETCH(int, count);
        QFETCH(int, nameLength);
        QFETCH(bool, cut);
        QByteArrayList points;
        QStringList sent;
        for (int i = 0; i < count; ++i) {
            const QByteArray ssid = QByteArray::number(i).rightJustified(nameLength, 'P');
            points << ssid + ",0C:80:63:1A:2B:01,6,-50,WPA2-PSK";
            sent << ssid + ": 0C:80:63:1A:2B:01 -50 WPA2-PSK";
        }
        CWiFiConfig config;
        feed(config, scanReply(points) + QByteArrayList{">AT+WLANEN", "+ok=1"});
        const SCmdProcData s = config.snapshot();
        const QStringList listed = groups(s);
        compareFields(s, {"scanDone=1", "apListCut=" + QString::number(cut), "wlanEnabled=1"});
        QVERIFY(!listed.isEmpty());
        QCOMPARE(listed, sent.mid(0, listed.size()));
        QCOMPARE(listed.size() < count, cut);
        QCOMPARE(logsWith(QString("scanResp [W]Scan reply cut at 200 lines or 16384 bytes: %1 access points listed")
                              .arg(listed.size()))
                     .size(),
                 int(cut));
    }

    // Any other reply that passes its bound is dropped; its rest belongs to no reply.
    void otherReplyPastItsBoundIsDropped()
    {
        QByteArrayList lines{">AT+VER"};
        for (int i = 0; i < 250; ++i)
            lines << "noise";
        CWiFiConfig config;
        feed(config, lines + QByteArrayList{"+ok=V2.1.7"});
        compareFields(config.snapshot(), {"version=", "queryReplied=" + NoneSet});
        QCOMPARE(logsWith("retrieWiFiCommand [W]Reply of AT+VER dropped, its end marker did not come within 200 lines "
                          "or 16384 bytes")
                     .size(),
                 1);
    }

    // An echo while a reply is collected ends that reply: each value is filed under its own command.
    void lostEndMarkerDoesNotMisfile_data()
    {
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("dropped");

        QTest::newRow("query") << QByteArrayList{">AT+WLANEN", ">AT+OPMODE", "+ok=1"}
                               << QStringList{"opMode=1", "wlanEnabled=0", "queryReplied=" + flagsOf({3})}
                               << "AT+WLANEN";
        QTest::newRow("scan") << QByteArrayList{">AT+SCAN", "+ok=", "Dock,0C:80:63:1A:2B:01,1,-40,NONE", ">AT+STALINK",
                                                "+ok=Not-Associated"}
                              << QStringList{"link=2 0", "scanDone=0", "apList="} << "AT+SCAN";
    }

    void lostEndMarkerDoesNotMisfile()
    {
        QFETCH(QByteArrayList, lines);
        QFETCH(QStringList, expected);
        QFETCH(QString, dropped);
        CWiFiConfig config;
        feed(config, lines);
        compareFields(config.snapshot(), expected);
        QCOMPARE(logsWith("retrieWiFiCommand [W]Reply of " + dropped + " dropped, its end marker did not come before:>AT+")
                     .size(),
                 1);
    }

    // The scanned access points, one group per SSID in order of first appearance, strongest first.
    void scanResults_data()
    {
        QTest::addColumn<QByteArrayList>("points");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("A, B, A") << QByteArrayList{"A,0C:80:63:1A:2B:01,6,-70,WPA2-PSK", "B,0C:80:63:1A:2B:02,1,-60,NONE",
                                                   "A,0C:80:63:1A:2B:03,11,-50,WPA2-PSK"}
                                 << QStringList{"A: 0C:80:63:1A:2B:03 -50 WPA2-PSK, 0C:80:63:1A:2B:01 -70 WPA2-PSK",
                                                "B: 0C:80:63:1A:2B:02 -60 NONE"};
        QTest::newRow("equal RSSI: the later first")
            << QByteArrayList{"A,0C:80:63:1A:2B:01,6,-60,NONE", "A,0C:80:63:1A:2B:02,6,-60,NONE"}
            << QStringList{"A: 0C:80:63:1A:2B:02 -60 NONE, 0C:80:63:1A:2B:01 -60 NONE"};
        QTest::newRow("letter case makes two groups")
            << QByteArrayList{"Dock,0C:80:63:1A:2B:01,6,-60,NONE", "DOCK,0C:80:63:1A:2B:02,6,-50,NONE"}
            << QStringList{"Dock: 0C:80:63:1A:2B:01 -60 NONE", "DOCK: 0C:80:63:1A:2B:02 -50 NONE"};
        QTest::newRow("hidden SSID") << QByteArrayList{",0C:80:63:1A:2B:03,11,-72,WPA2-PSK"}
                                     << QStringList{": 0C:80:63:1A:2B:03 -72 WPA2-PSK"};
        QTest::newRow("err in an SSID, not an error line")
            << QByteArrayList{"Terrace Marina,0C:80:63:1A:2B:01,6,-48,WPA2-PSK", "+err,0C:80:63:1A:2B:09,1,-40,NONE",
                              "Ferry Dock,0C:80:63:1A:2B:02,1,-67,NONE", "Berry Bay,0C:80:63:1A:2B:03,3,-80,WPA-PSK"}
            << QStringList{"Terrace Marina: 0C:80:63:1A:2B:01 -48 WPA2-PSK", "Ferry Dock: 0C:80:63:1A:2B:02 -67 NONE",
                           "Berry Bay: 0C:80:63:1A:2B:03 -80 WPA-PSK"};
        QTest::newRow("text after a fifth comma") << QByteArrayList{"A,0C:80:63:1A:2B:01, 6, -50,WPA2-PSK,extra,more"}
                                                  << QStringList{"A: 0C:80:63:1A:2B:01 -50 WPA2-PSK"};
        QTest::newRow("fewer than four commas")
            << QByteArrayList{"Dock,0C:80:63:1A:2B:01,6,-50", "Quay,0C:80:63:1A:2B:02,6,-60,NONE"}
            << QStringList{"Quay: 0C:80:63:1A:2B:02 -60 NONE"};
        QTest::newRow("an SSID that names a command")
            << QByteArrayList{"AT+SYSIP,0C:80:63:1A:2B:01,6,-50,NONE"} << QStringList{"AT+SYSIP: 0C:80:63:1A:2B:01 -50 NONE"};
        QTest::newRow("an SSID that reads like an echo")
            << QByteArrayList{">AT+VER=1,0C:80:63:1A:2B:01,6,-50,NONE", "Dock,0C:80:63:1A:2B:02,6,-60,NONE"}
            << QStringList{">AT+VER=1: 0C:80:63:1A:2B:01 -50 NONE", "Dock: 0C:80:63:1A:2B:02 -60 NONE"};
        QTest::newRow("an SSID that holds the end marker")
            << QByteArrayList{"Quay WiFiScanEnd,0C:80:63:1A:2B:01,6,-50,NONE", "Dock,0C:80:63:1A:2B:02,6,-60,NONE"}
            << QStringList{"Dock: 0C:80:63:1A:2B:02 -60 NONE"};
        QTest::newRow("SSIDs that begin as sentences do")
            << QByteArrayList{"$ailors Wifi,0C:80:63:1A:2B:01,6,-50,NONE", "!Guest,0C:80:63:1A:2B:02,6,-60,NONE",
                              "[WIFI] Lounge,0C:80:63:1A:2B:03,6,-70,NONE"}
            << QStringList{"$ailors Wifi: 0C:80:63:1A:2B:01 -50 NONE", "!Guest: 0C:80:63:1A:2B:02 -60 NONE",
                           "[WIFI] Lounge: 0C:80:63:1A:2B:03 -70 NONE"};
        QTest::newRow("an RSSI beyond 32 bits") << QByteArrayList{"A,0C:80:63:1A:2B:01,6,-99999999999,NONE"}
                                                << QStringList();
        QTest::newRow("no access points") << QByteArrayList() << QStringList();
    }

    void scanResults()
    {
        QFETCH(QByteArrayList, points);
        QFETCH(QStringList, expected);
        CWiFiConfig config;
        config.update([](SCmdProcData& s) { s.queryReplied[SATCommandSet::AT_SCAN] = true; });
        feed(config, scanReply(points));
        const SCmdProcData s = config.snapshot();
        QCOMPARE(groups(s), expected);
        compareFields(s, {"scanDone=1", "queryReplied=" + NoneSet, "sysIp="});
    }

    // The reply is cut at CR LF: a rest without one is no line.
    void scanLineWithoutLineEnd()
    {
        std::queue<std::string> lines;
        CKTRWiFiPaser::segmentSentence("Bay,0C:80:63:1A:2B:01,1,-40,NONE\r\nDock,0C:80:63:1A:2B:02,1,-50,NONE", lines);
        QCOMPARE(lines.size(), size_t(1));
        QCOMPARE(QByteArray::fromStdString(lines.front()), QByteArray("Bay,0C:80:63:1A:2B:01,1,-40,NONE\r\n"));
    }

    // A scan reply without "+ok=" is no scan result: the last list stays.
    void scanWithoutValueKeepsTheList()
    {
        CWiFiConfig config;
        feed(config, scanReply({"A,0C:80:63:1A:2B:01,6,-50,NONE"}));
        config.update([](SCmdProcData& s) { s.scanDone = false; });
        feed(config, {">AT+SCAN", "B,0C:80:63:1A:2B:02,6,-50,NONE", ">WiFiScanEnd"});
        const SCmdProcData s = config.snapshot();
        QCOMPARE(groups(s), QStringList{"A: 0C:80:63:1A:2B:01 -50 NONE"});
        QCOMPARE(s.scanDone, false);
    }

    // A reset in the middle of a reply forgets it: the rest of it is read as no reply.
    void resetForgetsTheReply()
    {
        CWiFiConfig config;
        feed(config, {">AT+OPMODE"});
        config.reset();
        LogCapture::take();
        feed(config, {"+ok=1"});
        QCOMPARE(config.snapshot().opMode, -1);
        QCOMPARE(logsWith("Retrieve command not exist:+ok=1").size(), 1);
    }
};

QTEST_MAIN(TestWiFiReplyParser)
#include "tst_wifireplyparser.moc"
