#include "codec/geometry/CpaGeometry.h"
#include "codec/geometry/StationGeometry.h"
#include "codec/records/ShipTable.h"

#include <QtTest>

namespace {

constexpr float ONE_NM_OF_LONGITUDE_AT_EQUATOR = 1.0f / 60.0f;

void placeStation(int entry, float longitude, float latitude)
{
    ShipData[entry].mmsi = 244000000u + uint32_t(entry);
    ShipData[entry].longitude = longitude;
    ShipData[entry].latitude = latitude;
}

} // namespace

class TestCpaGeometry : public QObject
{
    Q_OBJECT

private slots:
    // Expected values worked out by hand on the local plane (1/60 degree is close to 1 NM).
    void cpaAndTcpa_data()
    {
        QTest::addColumn<float>("ownLat");
        QTest::addColumn<float>("ownLon");
        QTest::addColumn<float>("ownSog");
        QTest::addColumn<double>("ownCog");
        QTest::addColumn<float>("lat");
        QTest::addColumn<float>("lon");
        QTest::addColumn<float>("sog");
        QTest::addColumn<double>("cog");
        QTest::addColumn<float>("cpa");
        QTest::addColumn<float>("tcpa");

        QTest::newRow("target 1 NM east closing at 1 knot, own stopped")
            << 0.0f << 0.0f << 0.0f << 0.0 << 0.0f << ONE_NM_OF_LONGITUDE_AT_EQUATOR << 1.0f << 270.0 << 0.0f << 60.0f;
        QTest::newRow("head-on, 6 NM apart, 10 knots each")
            << 0.0f << 0.0f << 10.0f << 0.0 << 0.1f << 0.0f << 10.0f << 180.0 << 0.0f << 18.0f;
        QTest::newRow("passing 1 NM abeam")
            << 0.0f << 0.0f << 10.0f << 0.0 << 0.1f << ONE_NM_OF_LONGITUDE_AT_EQUATOR << 10.0f << 180.0 << 1.0f << 18.0f;
        QTest::newRow("parallel tracks keep their distance")
            << 0.0f << 0.0f << 10.0f << 45.0 << 0.01f << 0.0f << 10.0f << 45.0 << 0.6f << 0.0f;
        QTest::newRow("moving apart: closest 6 minutes ago")
            << 0.0f << 0.0f << 5.0f << 180.0 << ONE_NM_OF_LONGITUDE_AT_EQUATOR << 0.0f << 5.0f << 0.0 << 0.0f << -6.0f;
        // 0.01 degree of longitude at the equator is 0.6 NM on the plane, across the date line too.
        QTest::newRow("target 0.6 NM east across the date line, closing at 10 knots")
            << 0.0f << 179.995f << 0.0f << 0.0 << 0.0f << -179.995f << 10.0f << 270.0 << 0.0f << 3.6f;
        QTest::newRow("target 0.6 NM west across the date line, closing at 10 knots")
            << 0.0f << -179.995f << 0.0f << 0.0 << 0.0f << 179.995f << 10.0f << 90.0 << 0.0f << 3.6f;
        QTest::newRow("at 60 N a degree of longitude is 30 NM")
            << 60.0f << 10.0f << 0.0f << 0.0 << 60.0f << 10.0f + 1.0f / 30.0f << 2.0f << 270.0 << 0.0f << 30.0f;
    }

    void cpaAndTcpa()
    {
        QFETCH(float, ownLat);
        QFETCH(float, ownLon);
        QFETCH(float, ownSog);
        QFETCH(double, ownCog);
        QFETCH(float, lat);
        QFETCH(float, lon);
        QFETCH(float, sog);
        QFETCH(double, cog);
        QFETCH(float, cpa);
        QFETCH(float, tcpa);
        float gotCpa = -1.0f;
        float gotTcpa = 0.0f;
        cpa_distance_time(SHIP_INFO_TO_CPA{ownLat, ownLon, ownSog, ownCog}, SHIP_INFO_TO_CPA{lat, lon, sog, cog}, &gotCpa,
                          &gotTcpa);
        QVERIFY2(qAbs(gotCpa - cpa) < 0.01f, qPrintable(QString::number(gotCpa)));
        QVERIFY2(qAbs(gotTcpa - tcpa) < 0.1f, qPrintable(QString::number(gotTcpa)));
    }

    void scales_data()
    {
        QTest::addColumn<float>("longitude");
        QTest::addColumn<float>("latitude");
        QTest::addColumn<float>("span");
        QTest::addColumn<float>("lonScale");
        QTest::addColumn<float>("latScale");
        QTest::newRow("equator") << 0.0f << 0.0f << 1.0f << 60.0f << 60.0f;
        QTest::newRow("60 N") << 20.0f << 60.0f << 1.0f << 30.0f << 60.0f;
        QTest::newRow("30 S") << -179.9f << -30.0f << 1.0f << 51.96f << 60.0f;
        QTest::newRow("no span") << 0.0f << 0.0f << 0.0f << 0.0f << 0.0f;
    }

    void scales()
    {
        QFETCH(float, longitude);
        QFETCH(float, latitude);
        QFETCH(float, span);
        QFETCH(float, lonScale);
        QFETCH(float, latScale);
        float lonGot = -1.0f;
        float latGot = -1.0f;
        CalLonLatScale(longitude, latitude, &lonGot, &latGot, span);
        QVERIFY2(qAbs(lonGot - lonScale) < 0.02f, qPrintable(QString::number(lonGot)));
        QVERIFY2(qAbs(latGot - latScale) < 0.02f, qPrintable(QString::number(latGot)));
    }

    void distances()
    {
        QVERIFY(qAbs(Cal2PointsDistanceGC(0, 0, 0, 1) - 111.12f) < 0.01f);
        QVERIFY(qAbs(Cal2PointsDistanceGC(0, 0, 1, 0) - 111.12f) < 0.01f);
        QCOMPARE(Cal2PointsDistanceGC(5, 5, 5, 5), 0.0f);
        QCOMPARE(Cal2PointsDistanceEllip(5, 5, 5, 5), 0.0f);
        QVERIFY(qAbs(Cal2PointsDistanceEllip(0, 0, 0, 1) - 111.09f) < 0.01f);
        // London to Paris: about 344 km.
        const float london = Cal2PointsDistanceEllip(-0.1278f, 51.5074f, 2.3522f, 48.8566f);
        QVERIFY2(qAbs(london - 344.0f) < 3.0f, qPrintable(QString::number(london)));
        QVERIFY(qAbs(Cal2PointsDistanceGC(-0.1278f, 51.5074f, 2.3522f, 48.8566f) - 344.0f) < 3.0f);
    }

    void bearings_data()
    {
        QTest::addColumn<float>("lon2");
        QTest::addColumn<float>("lat2");
        QTest::addColumn<float>("midLatitude");
        QTest::addColumn<float>("greatCircle");
        QTest::newRow("east") << 1.0f << 0.0f << 90.0f << 90.0f;
        QTest::newRow("north") << 0.0f << 1.0f << 0.0f << 0.0f;
        QTest::newRow("south") << 0.0f << -1.0f << 180.0f << 180.01f;
        QTest::newRow("west") << -1.0f << 0.0f << 270.0f << 270.0f;
        QTest::newRow("north-east") << 1.0f << 1.0f << 45.0f << 45.0f;
        QTest::newRow("south-west") << -1.0f << -1.0f << 225.0f << 225.0f;
        QTest::newRow("same point") << 0.0f << 0.0f << 0.0f << 0.0f;
    }

    void bearings()
    {
        QFETCH(float, lon2);
        QFETCH(float, lat2);
        QFETCH(float, midLatitude);
        QFETCH(float, greatCircle);
        const float mid = Cal2PointBearing(0, 0, lon2, lat2);
        const float gc = CalBearing(0, 0, lon2, lat2);
        QVERIFY2(qAbs(mid - midLatitude) < 0.02f, qPrintable(QString::number(mid)));
        QVERIFY2(qAbs(gc - greatCircle) < 0.02f, qPrintable(QString::number(gc)));
    }

    void greatCircleBearingRefusesPositionsOutOfRange()
    {
        QCOMPARE(CalBearing(0, 91, 1, 0), 0.0f);
        QCOMPARE(CalBearing(0, 0, 181, 0), 0.0f);
    }

    void stationDistanceAndBearing()
    {
        QVERIFY(ShipInitial());
        placeStation(0, 4.0f, 52.0f);
        placeStation(1, 5.0f, 52.0f); // due east on the degree grid
        placeStation(2, 4.0f, 52.0f); // on the own position
        placeStation(3, 4.0f, 53.0f); // a degree north
        // entry 4 keeps the not-available position

        CalAllStationBearing(1);
        QVERIFY(qAbs(ShipData[1].bearing - 90.0f) < 0.01f);
        CalAllStationBearing(2);
        QCOMPARE(ShipData[2].bearing, 0.0f);
        CalAllStationBearing(4);
        QCOMPARE(ShipData[4].bearing, SHIP_NO_BEARING);

        CalAllStationDistance(3, 4.0f, 52.0f);
        QVERIFY2(qAbs(ShipData[3].distance - 59.98f) < 0.01f, qPrintable(QString::number(ShipData[3].distance)));
        CalAllStationDistance(2, 4.0f, 52.0f);
        QCOMPARE(ShipData[2].distance, 0.0f);
        CalAllStationDistance(4, 4.0f, 52.0f);
        QCOMPARE(ShipData[4].distance, SHIP_NO_RANGE);
        CalAllStationDistance(3, 181.0f, 91.0f);
        QCOMPARE(ShipData[3].distance, SHIP_NO_RANGE);

        placeStation(0, 181.0f, 91.0f);
        CalAllStationBearing(1);
        QCOMPARE(ShipData[1].bearing, SHIP_NO_BEARING);
    }
};

QTEST_GUILESS_MAIN(TestCpaGeometry)
#include "tst_cpageometry.moc"
