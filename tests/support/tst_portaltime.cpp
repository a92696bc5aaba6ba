#include "TestEnv.h"
#include "support/PortalTime.h"

#include <QtTest>
#include <thread>

using namespace Portal::Time;

class TestPortalTime : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestEnv::setTimeZone("UTC"); }

    void clockStartsBelowOneSecondAndCounts()
    {
        const uint64_t first = Clock();
        QVERIFY(first < 1000);
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
        const uint64_t later = Clock();
        QVERIFY(later - first >= 250);
        QVERIFY(later - first < 2000);
    }

    void fakeClockOverridesAndRestores()
    {
        SetFakeClock(123456);
        QCOMPARE(Clock(), uint64_t(123456));
        ClearFakeClock();
        QVERIFY(Clock() < 123456);
    }

    void zoneShifts_data()
    {
        QTest::addColumn<long>("time");
        QTest::addColumn<float>("hours");
        QTest::addColumn<long>("added");
        QTest::addColumn<long>("subtracted");
        QTest::newRow("one hour") << 1000L << 1.0f << 4600L << 0L;
        QTest::newRow("half hour west") << 10000L << -3.5f << -2600L << 22600L;
        QTest::newRow("45 minutes") << 100000L << 5.75f << 120700L << 79300L;
    }
    void zoneShifts()
    {
        QFETCH(long, time);
        QFETCH(float, hours);
        QFETCH(long, added);
        QCOMPARE(GetAddTimeZoneTime(time, hours), added);
        QFETCH(long, subtracted);
        QCOMPARE(GetSubTimeZoneTime(time, hours), subtracted);
    }

    void dayTimeText_data()
    {
        QTest::addColumn<long>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("a day and a bit") << 90061L << "1d 01:01:01";
        QTest::newRow("under an hour") << 3599L << "0d 00:59:59";
        QTest::newRow("zero") << 0L << "0d 00:00:00";
        QTest::newRow("exactly a day") << 86400L << "1d 00:00:00";
    }
    void dayTimeText()
    {
        QFETCH(long, seconds);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(Time2DayTimeString(seconds)), text);
    }

    void timeText_data()
    {
        QTest::addColumn<long>("time");
        QTest::addColumn<int>("format");
        QTest::addColumn<float>("hours");
        QTest::addColumn<QString>("text");
        QTest::newRow("hms") << 45296L << 0 << 0.0f << "12:34:56";
        QTest::newRow("hm") << 45296L << 1 << 0.0f << "1234";
        QTest::newRow("zone") << 45296L << 0 << 5.5f << "18:04:56";
        QTest::newRow("bad format") << 45296L << 2 << 0.0f << "Format Error";
    }
    void timeText()
    {
        QFETCH(long, time);
        QFETCH(int, format);
        QFETCH(float, hours);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(Time2String(time, format, hours)), text);
        QCOMPARE(QString::fromStdString(CalendarTime2String(time, format, hours)), text);
    }

    void dateTimeStream_data()
    {
        QTest::addColumn<long>("time");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("text");
        QTest::newRow("epoch date") << 0L << 0 << "19700101";
        QTest::newRow("epoch compact") << 0L << 1 << "19700101000000";
        QTest::newRow("epoch full") << 0L << 2 << "1970/01/01 00:00:00";
        QTest::newRow("unknown format") << 0L << 3 << "";
        QTest::newRow("later") << 1700000000L << 2 << "2023/11/14 22:13:20";
    }
    void dateTimeStream()
    {
        QFETCH(long, time);
        QFETCH(int, format);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(GetCurDateTimeStream(time, format)), text);
    }

    void currentYear()
    {
        long t = 1700000000L;
        QCOMPARE(GetCurYear(t), short(2023));
        t = 0;
        QCOMPARE(GetCurYear(t), short(1970));
    }

    void calendarToTimeUsesLocalTime()
    {
        TestEnv::setTimeZone("UTC");
        QCOMPARE(ConvterYMDHMS2TimeT(2023, 11, 14, 22, 13, 20, 0.0f), 1700000000L);
        QCOMPARE(ConvterYMDHMS2TimeT(2023, 11, 14, 22, 13, 20, 1.0f), 1700003600L);

        TestEnv::setTimeZone("Asia/Kolkata");
        QCOMPARE(ConvterYMDHMS2TimeT(2023, 11, 15, 3, 43, 20, 0.0f), 1700000000L);
        TestEnv::setTimeZone("UTC");
    }

    void calendarWithoutDateUsesToday()
    {
        const long t = ConvterYMDHMS2TimeT(0, 0, 0, 7, 8, 9, 0.0f);
        const QDateTime dt = QDateTime::fromSecsSinceEpoch(t, Qt::UTC);
        QCOMPARE(dt.date(), QDateTime::currentDateTimeUtc().date());
        QCOMPARE(dt.time(), QTime(7, 8, 9));
    }
};

QTEST_APPLESS_MAIN(TestPortalTime)
#include "tst_portaltime.moc"
