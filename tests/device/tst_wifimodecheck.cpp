#include "DeviceFixture.h"

#include <QtTest>

// Whether the device is in Wi-Fi configuration mode, decided line by line from what it sends.
class TestWiFiModeCheck : public QObject
{
    Q_OBJECT

private slots:
    void init() { DeviceFixture::resetModeCheck(); }

    void modeCheck_data()
    {
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<QString>("results");

        QTest::newRow("exit, its answer, the next answer") << QByteArrayList{">AT+EXIT", "+ok", "+ok"} << "0 0 1";
        QTest::newRow("error answer after exit") << QByteArrayList{"AT+EXIT", "+err", "+err"} << "0 0 1";
        QTest::newRow("answer, then text keeps it") << QByteArrayList{"+ok=1", "Terrace Marina,00:11"} << "1 1";
        QTest::newRow("a sentence leaves") << QByteArrayList{"+ok", "$GPGGA,1", "+ok", "!AIVDM,1"} << "1 0 1 0";
        QTest::newRow("[WIFI] leaves") << QByteArrayList{"+ok", "[WIFI] ready +ok"} << "1 0";
        QTest::newRow("echo, then answer") << QByteArrayList{">AT+WLANEN", "+ok=1"} << "0 1";
        QTest::newRow("null line keeps the mode") << QByteArrayList{"+ok", QByteArray()} << "1 1";
    }

    void modeCheck()
    {
        QFETCH(QByteArrayList, lines);
        QFETCH(QString, results);
        QStringList got;
        for (const QByteArray& line : lines)
            got << QString::number(CKTRWiFiPaser::checkCfgModeEnable(line.isNull() ? nullptr : line.constData()));
        QCOMPARE(got.join(' '), results);
    }

    // Lines received in Wi-Fi configuration mode, each with whether a reply was open: only the
    // module's own leaving switches the mode off, never what a reply or an SSID holds.
    void moduleLines_data()
    {
        using DeviceFixture::closed;
        using DeviceFixture::wrongSum;
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<QString>("open");
        QTest::addColumn<QString>("results");

        const QByteArray gga = closed("$GPGGA,092750.000,5321.6802,N,00630.3372,W,1,8,1.03,61.7,M,55.2,M,,");
        QTest::newRow("SSIDs in a reply are data")
            << QByteArrayList{"+ok\r\n", "$ailors Wifi,0C:80:63:1A:2B:01,6,-48,NONE\r\n",
                              "!Guest,0C:80:63:1A:2B:02,1,-60,NONE\r\n",
                              "[WIFI] Lounge,0C:80:63:1A:2B:03,1,-70,NONE\r\n",
                              "+ok=0c:80:63:1a:2b:03,[WIFI] Lounge\r\n"}
            << "0 1 1 1 1" << "1 1 1 1 1";
        QTest::newRow("the exit line leaves, inside a reply too")
            << QByteArrayList{"+ok\r\n", ">AT+EXIT\r\n", "+ok\r\n", "+ok\r\n"} << "0 1 0 0" << "1 0 0 1";
        QTest::newRow("the exit line without its echo mark")
            << QByteArrayList{"+ok\r\n", "AT+EXIT\r\n"} << "0 0" << "1 0";
        QTest::newRow("an exit within a line is none")
            << QByteArrayList{"+ok\r\n", "AT+EXIT,0C:80:63:1A:2B:01,6,-48,NONE\r\n", ">AT+STA=AT+EXIT\r\n"}
            << "0 1 0" << "1 1 1";
        QTest::newRow("a sentence leaves once no reply is open")
            << QByteArrayList{"+ok\r\n", gga, gga} << "0 1 0" << "1 1 0";
        QTest::newRow("a sentence with a wrong checksum or none does not leave")
            << QByteArrayList{"+ok\r\n", wrongSum("$GPGGA,1"), "$ailors Wifi,0C:80:63:1A:2B:01,6,-48,NONE\r\n",
                              "!Guest\r\n"}
            << "0 0 0 0" << "1 1 1 1";
        QTest::newRow("[WIFI] leaves when it begins a line outside a reply")
            << QByteArrayList{"+ok\r\n", ">AT+APSSID=[WIFI] Lounge\r\n", "[WIFI] ready\r\n"} << "0 0 0" << "1 1 0";
    }

    void moduleLines()
    {
        QFETCH(QByteArrayList, lines);
        QFETCH(QString, open);
        QFETCH(QString, results);
        const QStringList opens = open.split(' ');
        QCOMPARE(opens.size(), lines.size());
        QStringList got;
        for (int i = 0; i < lines.size(); ++i)
            got << QString::number(CKTRWiFiPaser::checkModuleLine(lines[i].constData(), opens[i] == "1"));
        QCOMPARE(got.join(' '), results);
    }
};

QTEST_MAIN(TestWiFiModeCheck)
#include "tst_wifimodecheck.moc"
