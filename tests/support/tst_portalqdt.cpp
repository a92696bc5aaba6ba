#include "TestEnv.h"
#include "support/PortalQDt.h"

#include <QtTest>

using namespace Portal::QDt;

class TestPortalQDt : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestEnv::setTimeZone("UTC0"); }

    void pattern_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("dateFmt");
        QTest::addColumn<int>("timeFmt");
        QTest::addColumn<char>("sep");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("US short, full") << "M/d/yy" << 0 << 0 << '\0' << "M/d/yy hh:mm:ss";
        QTest::newRow("US without year") << "M/d/yy" << 1 << -1 << '\0' << "M/d";
        QTest::newRow("year first without year") << "yyyy/MM/dd" << 1 << -1 << '\0' << "MM/dd";
        QTest::newRow("separator then no year") << "M/d/yy" << 1 << -1 << '-' << "M-d";
        QTest::newRow("dotted without year") << "dd.MM.yyyy" << 1 << 1 << '\0' << "dd.MM hh:mm";
        QTest::newRow("no year in pattern") << "dd/MM" << 1 << -1 << '\0' << "dd/MM";
        QTest::newRow("time only") << "M/d/yy" << -1 << 0 << '\0' << "hh:mm:ss";
        QTest::newRow("nothing") << "M/d/yy" << -1 << -1 << '\0' << "";
        QTest::newRow("date only") << "M/d/yy" << 0 << -1 << '\0' << "M/d/yy";
        QTest::newRow("other date format acts as short") << "M/d/yy" << 7 << 1 << '\0' << "M/d/yy hh:mm";
        QTest::newRow("other time format prints none") << "M/d/yy" << 0 << 5 << '\0' << "M/d/yy ";
    }
    void pattern()
    {
        QFETCH(QString, locale);
        QFETCH(int, dateFmt);
        QFETCH(int, timeFmt);
        QFETCH(char, sep);
        QFETCH(QString, pattern);
        QCOMPARE(ComposeDateTimePattern(locale, DATE_FORMAT(dateFmt), TIME_FORMAT(timeFmt), sep), pattern);
    }

    void formatsWithSystemLocale()
    {
        QCOMPARE(QLocale::system().dateFormat(QLocale::ShortFormat), QStringLiteral("M/d/yy"));
        QCOMPARE(ConvtFmtDateTimeToStr(0, TIME_ZONE_UTC, DATE_FORMAT_SHORT, TIME_FORMAT_HMS, 0),
                 QStringLiteral("1/1/70 00:00:00"));
        QCOMPARE(ConvtFmtDateTimeToStr(1700000000, TIME_ZONE_UTC, DATE_FORMAT_SHORT_NO_YEAR, TIME_FORMAT_HM, '-'),
                 QStringLiteral("11-14 22:13"));
        QCOMPARE(ConvtFmtDateTimeToStr(0, TIME_ZONE_UTC, DATE_FORMAT_NONE, TIME_FORMAT_NONE, 0), QString());
    }

    void streamToDateTime_data()
    {
        QTest::addColumn<int>("zone");
        QTest::addColumn<QString>("text");
        QTest::newRow("UTC") << 14 << "2023-11-14 22:13:20";
        QTest::newRow("+5:30") << 22 << "2023-11-15 03:43:20";
        QTest::newRow("+5:45") << 23 << "2023-11-15 03:58:20";
        QTest::newRow("-4:30") << 8 << "2023-11-14 17:43:20";
        QTest::newRow("outside the table") << 34 << "2023-11-14 22:13:20";
    }
    void streamToDateTime()
    {
        QFETCH(int, zone);
        const QDateTime dt = TimeStreamToQDataTime(1700000000, TIME_ZONE(zone));
        QFETCH(QString, text);
        QCOMPARE(dt.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")), text);
        QCOMPARE(dt.toSecsSinceEpoch(), 1700000000LL);
        if (zone != 34)
            QCOMPARE(QDataTimeToTimeStream(dt, TIME_ZONE(zone)), 1700000000LL);
    }

    void localZoneFollowsTz()
    {
        TestEnv::setTimeZone("IST-5:30");
        const QDateTime dt = TimeStreamToQDataTime(1700000000, TIME_ZONE_LOCAL);
        QCOMPARE(dt.toString(QStringLiteral("hh:mm:ss")), QStringLiteral("03:43:20"));
        QCOMPARE(ConvtFmtDateTimeToStr(1700000000, SysTimeZoneType(), DATE_FORMAT_NONE, TIME_FORMAT_HMS, 0),
                 QStringLiteral("03:43:20"));
    }

    void mapZoneType_data()
    {
        QTest::addColumn<float>("hours");
        QTest::addColumn<int>("zone");
        QTest::newRow("+5:30") << 5.5f << 22;
        QTest::newRow("+5:45") << 5.75f << 23;
        QTest::newRow("-4:30") << -4.5f << 8;
        QTest::newRow("-3:30") << -3.5f << 10;
        QTest::newRow("UTC") << 0.0f << 14;
        QTest::newRow("-12") << -12.0f << 0;
        QTest::newRow("+13") << 13.0f << 33;
        QTest::newRow("+8:45 not in table") << 8.75f << 14;
        QTest::newRow("+14 not in table") << 14.0f << 14;
    }
    void mapZoneType()
    {
        QFETCH(float, hours);
        QFETCH(int, zone);
        QCOMPARE(int(MapTimeZoneType(hours)), zone);
        if (zone != 14 || hours == 0.0f)
            QCOMPARE(MapTimeZoneOffset(TIME_ZONE(zone)), hours);
    }

    void systemZone_data()
    {
        QTest::addColumn<QByteArray>("tz");
        QTest::addColumn<float>("offset");
        QTest::addColumn<int>("zone");
        QTest::newRow("UTC") << QByteArray("UTC0") << 0.0f << 14;
        QTest::newRow("+5:30") << QByteArray("IST-5:30") << 5.5f << 22;
        QTest::newRow("+5:45") << QByteArray("NPT-5:45") << 5.75f << 23;
        QTest::newRow("+8:45") << QByteArray("ACWST-8:45") << 8.75f << 14;
        QTest::newRow("-3:30") << QByteArray("NST3:30") << -3.5f << 10;
        QTest::newRow("+13") << QByteArray("TOT-13") << 13.0f << 33;
    }
    void systemZone()
    {
        QFETCH(QByteArray, tz);
        TestEnv::setTimeZone(tz);
        QFETCH(float, offset);
        QCOMPARE(SysTimeZoneOffset(), offset);
        QFETCH(int, zone);
        QCOMPARE(int(SysTimeZoneType()), zone);
    }

    void offsetOutsideTableIsZero()
    {
        QCOMPARE(MapTimeZoneOffset(TIME_ZONE(34)), 0.0f);
        QCOMPARE(MapTimeZoneOffset(TIME_ZONE_LOCAL), 0.0f);
    }
};

int main(int argc, char* argv[])
{
    // Date texts follow the system locale, which Qt reads once: fix it before first use.
    qputenv("LC_ALL", "en_US.UTF-8");
    TestPortalQDt test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_portalqdt.moc"
