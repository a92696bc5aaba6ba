#include "../CodecFeed.h"
#include "TestEnv.h"
#include "codec/records/CodecSnapshot.h"
#include "model/targets/CGpsInfo.h"

#include <QDateTime>
#include <QtTest>
#include <atomic>
#include <thread>

using VudaviRirev::SGpsStatus;
using VudaviRirev::Gps::CGpsInfo;

namespace {

const QByteArrayList GNSS_EPOCH = {
    "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230324,003.1,W",
    "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,",
    "$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1",
    "$GPGSV,2,1,08,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45",
    "$GPGSV,2,2,08,04,61,150,42,05,25,030,38,09,10,270,,24,55,100,44",
    "$GPRMC,123520,A,4807.038,N,01131.000,E,022.4,084.4,230324,003.1,W",
};

// Each sentence into the codec, then into the record as the handler's GPS signal does.
void feed(CGpsInfo& gps, const QByteArrayList& bodies)
{
    for (const QByteArray& body : bodies) {
        const int kind = CodecFeed::sensorSentence(body);
        QVERIFY2(kind > 0, body.constData());
        gps.fillGpsData(kind, kind != 8, false);
    }
}

// The view entry of the PRN, or -1.
int entryOf(const SGpsStatus& s, int prn)
{
    for (int j = 0; j < s.view.count; ++j) {
        if (s.view.prn[j] == prn)
            return j;
    }
    return -1;
}

int64_t utcSeconds(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC).toSecsSinceEpoch();
}

} // namespace

class TestGpsRecord : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestEnv::setTimeZone("UTC");
        CodecFeed::startCodecClock();
    }

    void cleanupTestCase() { Portal::Time::ClearFakeClock(); }

    // A receiver's usual epoch: the satellites of the GSV group, marked by the GSA with gaps,
    // are published by the next RMC with the position, motion and HDOP.
    void epochPublishesSatellitesInView()
    {
        CGpsInfo gps;
        feed(gps, GNSS_EPOCH.mid(0, 5));
        QCOMPARE(int(gps.snapshot().view.count), 0); // a GSV group alone publishes nothing
        feed(gps, GNSS_EPOCH.mid(5));

        const SGpsStatus s = gps.snapshot();
        QCOMPARE(int(s.view.count), 8);
        QCOMPARE(int(s.view.inView), 8);
        const QList<int> used = {4, 5, 9, 12, 24};
        for (int prn : {1, 2, 12, 14, 4, 5, 9, 24}) {
            const int j = entryOf(s, prn);
            QVERIFY2(j >= 0, qPrintable(QString::number(prn)));
            QCOMPARE(bool(s.view.inUse[j]), used.contains(prn));
        }
        QCOMPARE(int(s.view.snr[entryOf(s, 9)]), 0); // the empty SNR field
        QCOMPARE(int(s.view.snr[entryOf(s, 24)]), 44);
        QCOMPARE(int(s.view.elevation[entryOf(s, 4)]), 61);
        QCOMPARE(int(s.view.azimuth[entryOf(s, 2)]), 308);
        QCOMPARE(int(s.work.count), 0);
        QCOMPARE(int(s.usedCount), 0);

        QVERIFY(qAbs(s.latitude - 48.1173) < 1e-7);
        QVERIFY(qAbs(s.longitude - 11.516666667) < 1e-7);
        QVERIFY(s.positionValid);
        QCOMPARE(s.sog, 22.4f);
        QCOMPARE(s.cog, 84.4f);
        QVERIFY(s.cogSogValid);
        QCOMPARE(s.hdop, 1.3f); // the GSA's, not the GGA's 0.9
        QCOMPARE(s.fixMode, 3);
        QCOMPARE(s.geoidalSeparation, 46.9f);
        QVERIFY(s.utcTimeValid);
        QCOMPARE(s.utcFixTime, utcSeconds(2024, 3, 23, 12, 35, 20));
    }

    // Empty elevation and azimuth are no position in the sky; a satellite listed again in its
    // group keeps one entry and its SNR when the new one is not tracked.
    void gsvGroupMergesRepeatedSatellites()
    {
        CGpsInfo gps;
        feed(gps, {"$GPGSV,3,1,09,03,10,100,30,07,,,25,11,45,200,33,19,80,010,20",
                   "$GPGSV,3,2,09,03,12,101,,22,05,300,15,27,30,050,28,30,60,120,40",
                   "$GPGSV,3,3,09,31,15,240,00,32,20,250,"});
        QCOMPARE(int(gps.snapshot().view.count), 0);
        feed(gps, {"$GPVTG,084.4,T,077.8,M,022.4,N,041.5,K,A"});

        const SGpsStatus s = gps.snapshot();
        QCOMPARE(int(s.view.count), 9);
        const int repeated = entryOf(s, 3);
        QCOMPARE(int(s.view.snr[repeated]), 30);
        QCOMPARE(int(s.view.elevation[repeated]), 12);
        QCOMPARE(int(s.view.azimuth[repeated]), 101);
        const int unplaced = entryOf(s, 7);
        QCOMPARE(int(s.view.elevation[unplaced]), int(VudaviRirev::GpsNoElevation));
        QCOMPARE(int(s.view.azimuth[unplaced]), int(VudaviRirev::GpsNoAzimuth));
        QCOMPARE(int(s.view.snr[unplaced]), 25);
        QCOMPARE(int(s.view.snr[entryOf(s, 31)]), 0);
        QCOMPARE(int(s.view.snr[entryOf(s, 32)]), 0);
        for (int j = 0; j < s.view.count; ++j)
            QVERIFY(s.view.prn[j] != 0 && s.view.prn[j] != 128);
    }

    // A receiver that loses the sky says so with a GSV of no satellites (here in the longer form
    // with its signal identifier): the next epoch shows an empty sky, not the last one.
    void gsvWithoutSatellitesEmptiesTheSky_data()
    {
        QTest::addColumn<QByteArray>("emptySky");
        QTest::newRow("shorter form") << QByteArray("$GPGSV,1,1,00");
        QTest::newRow("with signal identifier") << QByteArray("$GPGSV,1,1,00,1");
    }
    void gsvWithoutSatellitesEmptiesTheSky()
    {
        QFETCH(QByteArray, emptySky);
        CGpsInfo gps;
        feed(gps, GNSS_EPOCH);
        QCOMPARE(int(gps.snapshot().view.count), 8);
        feed(gps, {emptySky, "$GPRMC,123521,V,,,,,,,230324,,"});
        const SGpsStatus s = gps.snapshot();
        QCOMPARE(int(s.view.count), 0);
        QCOMPARE(int(s.view.inView), 0);
        // An epoch with no GSV since keeps what was shown.
        feed(gps, GNSS_EPOCH);
        feed(gps, {"$GPRMC,123522,A,4807.038,N,01131.000,E,022.4,084.4,230324,003.1,W"});
        QCOMPARE(int(gps.snapshot().view.count), 8);
    }

    // Thirty used PRNs over three GSA sentences: the first 24 count.
    void usedListKeepsTheFirst24()
    {
        CGpsInfo gps;
        feed(gps, {"$GNGSA,A,3,01,02,03,04,05,06,07,08,09,10,11,12,1.0,0.8,0.6",
                   "$GNGSA,A,3,13,14,15,16,17,18,19,20,21,22,23,24,1.0,0.8,0.6",
                   "$GNGSA,A,3,25,26,27,28,29,30,,,,,,,1.0,0.8,0.6",
                   "$GPGSV,1,1,04,23,10,010,30,24,20,020,31,25,30,030,32,26,40,040,33",
                   "$GPVTG,084.4,T,077.8,M,022.4,N,041.5,K,A"});
        const SGpsStatus s = gps.snapshot();
        QCOMPARE(int(s.view.count), 4);
        QVERIFY(s.view.inUse[entryOf(s, 23)]);
        QVERIFY(s.view.inUse[entryOf(s, 24)]);
        QVERIFY(!s.view.inUse[entryOf(s, 25)]);
        QVERIFY(!s.view.inUse[entryOf(s, 26)]);
    }

    void courseAndSpeed_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<float>("sog");
        QTest::addColumn<float>("cog");
        QTest::addColumn<bool>("cogSogValid");
        QTest::addColumn<bool>("positionTaken");
        QTest::newRow("VTG alone: motion, no position or time")
            << QByteArray("$GPVTG,084.4,T,077.8,M,022.4,N,041.5,K,A") << 22.4f << 84.4f << true << false;
        QTest::newRow("RMC void: SOG without the flag")
            << QByteArray("$GPRMC,123519,V,4807.038,N,01131.000,E,022.4,084.4,230324,003.1,W") << 22.4f << 360.0f
            << false << true;
        QTest::newRow("RMC without SOG and COG")
            << QByteArray("$GPRMC,123519,A,4807.038,N,01131.000,E,,,230324,003.1,W") << 102.3f << 360.0f << false
            << true;
    }

    void courseAndSpeed()
    {
        QFETCH(QByteArray, body);
        QFETCH(float, sog);
        QFETCH(float, cog);
        QFETCH(bool, cogSogValid);
        QFETCH(bool, positionTaken);
        CGpsInfo gps;
        feed(gps, {body});
        const SGpsStatus s = gps.snapshot();
        QCOMPARE(s.sog, sog);
        QCOMPARE(s.cog, cog);
        QCOMPARE(s.cogSogValid, cogSogValid);
        QCOMPARE(s.positionSentence, positionTaken);
        QCOMPARE(s.latitude == 91.0, !positionTaken);
        if (!positionTaken) {
            QVERIFY(!s.utcTimeValid);
            QCOMPARE(s.utcFixTime, int64_t(0));
        }
    }

    // A GSA without fix type and HDOP leaves no fix and HDOP not available, not the empty markers.
    void gsaWithoutValues()
    {
        CGpsInfo gps;
        feed(gps, {"$GPGSA,A,3,04,05,,,,,,,,,,,2.5,1.3,2.1", "$GPGSA,A,,,,,,,,,,,,,,,,"});
        const SGpsStatus s = gps.snapshot();
        QCOMPARE(s.fixMode, 1);
        QCOMPARE(s.hdop, 99.9f);
        QCOMPARE(int(s.usedCount), 2);
    }

    // A jump of the GNSS time spoils that update only; the next one, a second on, is taken.
    void utcTimeJump()
    {
        CGpsInfo gps;
        feed(gps, {"$GPRMC,120000,A,4807.038,N,01131.000,E,0.0,0.0,230324,,"});
        QVERIFY(gps.snapshot().utcTimeValid);
        feed(gps, {"$GPRMC,120020,A,4807.038,N,01131.000,E,0.0,0.0,230324,,"});
        SGpsStatus s = gps.snapshot();
        QVERIFY(!s.utcTimeValid);
        QVERIFY(!s.positionValid);
        QCOMPARE(s.utcFixTime, utcSeconds(2024, 3, 23, 12, 0, 20));
        feed(gps, {"$GPRMC,120021,A,4807.038,N,01131.000,E,0.0,0.0,230324,,"});
        s = gps.snapshot();
        QVERIFY(s.utcTimeValid);
        QVERIFY(s.positionValid);
        QCOMPARE(s.utcFixTime, utcSeconds(2024, 3, 23, 12, 0, 21));
    }

    void initReturnsToNotAvailable()
    {
        CGpsInfo gps;
        feed(gps, GNSS_EPOCH);
        gps.initGpsInfo();
        const SGpsStatus s = gps.snapshot();
        QCOMPARE(s.latitude, 91.0);
        QCOMPARE(s.longitude, 181.0);
        QCOMPARE(s.cog, 360.0f);
        QCOMPARE(s.sog, 102.3f);
        QCOMPARE(s.hdop, 99.9f);
        QCOMPARE(s.fixMode, 1);
        QCOMPARE(int(s.view.count), 0);
        QVERIFY(!s.positionValid && !s.utcTimeValid && !s.positionSentence && !s.dated);
        GPS_Data slot;
        CopyGpsData(&slot);
        QVERIFY(!slot.positionValid.valid); // the codec's slots are cleared too
    }

    // The communication thread fills while the GUI takes snapshots: a snapshot is never half
    // a publication.
    void snapshotsWhileFilling()
    {
        CGpsInfo gps;
        feed(gps, GNSS_EPOCH);
        std::atomic<bool> stop{false};
        std::thread filler([&] {
            while (!stop) {
                for (int kind : {6, 1, 4, 5, 5, 6})
                    gps.fillGpsData(kind, true, false);
            }
        });
        for (int i = 0; i < 2000; ++i) {
            const SGpsStatus s = gps.snapshot();
            QVERIFY(s.view.count == 0 || s.view.count == 4 || s.view.count == 8);
            QVERIFY(s.usedCount <= VudaviRirev::GpsSatelliteRoom);
        }
        stop = true;
        filler.join();
    }
};

QTEST_GUILESS_MAIN(TestGpsRecord)
#include "tst_gpsrecord.moc"
