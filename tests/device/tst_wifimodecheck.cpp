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
};

QTEST_MAIN(TestWiFiModeCheck)
#include "tst_wifimodecheck.moc"
