#include "codec/records/CodecClock.h"
#include "support/PortalTime.h"

#include <QtTest>

class TestCodecClock : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Portal::Time::SetFakeClock(1000);
        T1msTimerEvent(); // the reference of the next call
        IoSubInitial();
    }
    void cleanupTestCase() { Portal::Time::ClearFakeClock(); }

    void passesMidnight()
    {
        Portal::Time::SetFakeClock(1000 + CODEC_MS_PER_DAY - 1);
        T1msTimerEvent();
        QCOMPARE(GetSystemTime().day, uint16_t(0));
        QCOMPARE(SysDayTime.hour, uint8_t(23));
        QCOMPARE(SysDayTime.minute, uint8_t(59));
        QCOMPARE(SysDayTime.second, uint8_t(59));

        Portal::Time::SetFakeClock(1000 + CODEC_MS_PER_DAY);
        T1msTimerEvent();
        QCOMPARE(GetSystemTime().ms, uint64_t(0));
        QCOMPARE(GetSystemTime().day, uint16_t(1));
        QCOMPARE(SysDayTime.day, uint16_t(1));
        QCOMPARE(SysDayTime.hour, uint8_t(0));
    }

    void longGapKeepsItsExcess()
    {
        Portal::Time::SetFakeClock(1000 + 2 * CODEC_MS_PER_DAY + 12 * 3600000 + 1500);
        T1msTimerEvent();
        QCOMPARE(GetSystemTime().day, uint16_t(2));
        QCOMPARE(GetSystemTime().ms, uint64_t(12 * 3600000 + 1500));
        QCOMPARE(SysDayTime.hour, uint8_t(12));
        QCOMPARE(SysDayTime.second, uint8_t(1));
    }

    void neverRunsBackwards()
    {
        Portal::Time::SetFakeClock(6000);
        T1msTimerEvent();
        const SYSTEM_TIME before = GetSystemTime();
        QCOMPARE(before.ms, uint64_t(5000));
        Portal::Time::SetFakeClock(2000); // a clock that went back is no time passing
        T1msTimerEvent();
        QCOMPARE(GetSystemTime().ms, before.ms);
        Portal::Time::SetFakeClock(2500);
        T1msTimerEvent();
        QCOMPARE(GetSystemTime().ms, before.ms + 500);
    }

    void differences()
    {
        const SYSTEM_TIME earlier{CODEC_MS_PER_DAY - 2000, 3};
        const SYSTEM_TIME later{500, 4};
        QCOMPARE(SysTimeDifference(earlier, later), 2.5f);
        QCOMPARE(SysTimeDifference(later, earlier), 0.0f);
        QCOMPARE(SysTimeDifference(later, later), 0.0f);
    }

    void longSeconds()
    {
        const UTC_TIME noon{12, 0, 0, 0};
        for (uint16_t year : {2023, 2024, 2100}) {
            const uint64_t feb28 = GetUtcLongSecond(UTC_DATE{year, 2, 28}, noon);
            const uint64_t mar1 = GetUtcLongSecond(UTC_DATE{year, 3, 1}, noon);
            QCOMPARE(mar1 - feb28, uint64_t(86400));
        }
        QCOMPARE(GetUtcLongSecond(UTC_DATE{2000, 1, 1}, UTC_TIME{0, 0, 1, 0}), uint64_t(86401));
        const uint64_t dec31 = GetUtcLongSecond(UTC_DATE{2023, 12, 31}, UTC_TIME{23, 59, 59, 0});
        QCOMPARE(GetUtcLongSecond(UTC_DATE{2024, 1, 1}, UTC_TIME{0, 0, 0, 0}) - dec31, uint64_t(1));
        // The zero date that stands before any GNSS time counts no month.
        QCOMPARE(GetUtcLongSecond(UTC_DATE{0, 0, 0}, UTC_TIME{0, 0, 0, 0}), uint64_t(0));
        QCOMPARE(GetUtcLongSecond(UTC_DATE{0, 13, 1}, noon), uint64_t(86400 + 43200));
    }

    void utcRecords()
    {
        UTC_DATE date{};
        UTC_TIME time{};
        SetUtcDate(&date, 2024, 2, 29);
        SetUtcTime(&time, 23, 59, 58, 99);
        QCOMPARE(date.year + date.month + date.day, 2024 + 2 + 29);
        QCOMPARE(time.hour + time.minute + time.second + time.hundredths, 23 + 59 + 58 + 99);
    }
};

QTEST_GUILESS_MAIN(TestCodecClock)
#include "tst_codecclock.moc"
