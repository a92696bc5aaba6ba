#include "model/geodesy/AlgorithmGeodesy.h"
#include "model/targets/CTargetMetaData.h"

#include <QtTest>
#include <ctime>
#include <type_traits>

using namespace VudaviRirev;
using namespace VudaviRirev::Target;

static_assert(!std::is_copy_constructible_v<CTargetMetaData> && !std::is_copy_assignable_v<CTargetMetaData>,
              "a target owns its records");

namespace {

constexpr double LAT = 45.0;
constexpr double LON = 10.0;

// What a VDM of a moving Class A station leaves in ship-table entry 1.
SAisFillSource classAReport(uint32_t mmsi, float latitude, float longitude)
{
    SAisFillSource source;
    source.listener = I62_LISTENER_VDM;
    source.ship.stationKind = AIS_TYPE_CLASS_A;
    source.ship.mmsi = mmsi;
    source.ship.lastMessageId = 1;
    source.ship.latitude = latitude;
    source.ship.longitude = longitude;
    source.ship.sog = 10.0f;
    source.ship.cog = 90.0f;
    source.ship.heading = 88;
    return source;
}

} // namespace

class TestTargetMeta : public QObject
{
    Q_OBJECT

private slots:
    void withoutRecordNothingIsKnown()
    {
        CTargetMetaData target;
        QCOMPARE(target.getTargetPos().lat, 91.0);
        QCOMPARE(target.getTargetPos().lon, 181.0);
        QCOMPARE(target.getTargetOffsetCourseDeg(), 0);
        QVERIFY(!target.modelRecord());
        CTargetMetaData copy;
        QVERIFY(!copy.assignData(&target));
        QVERIFY(!copy.assignData(nullptr));
        QCOMPARE(copy.targetModel(), SENSOR_TARGET_NONE);
    }

    void modelDecidesRecordAndColour()
    {
        CTargetMetaData other;
        const int64_t before = std::time(nullptr);
        other.assignTargetModel(SENSOR_TARGET_AIS, true, classAReport(211000002, 45.5f, 10.5f));
        QCOMPARE(other.color(), CTargetMetaData::AisColor);
        QVERIFY(other.getUpdateTime() >= before && other.getUpdateTime() <= std::time(nullptr));
        QCOMPARE(other.aisData()->mmsi, 211000002u);
        QCOMPARE(other.getTargetPos().lat, 45.5);
        QCOMPARE(other.getTargetOffsetCourseDeg(), 88);

        CTargetMetaData own;
        own.assignTargetModel(SENSOR_TARGET_AIS, false, SAisFillSource{});
        QCOMPARE(own.color(), 0u);
        QVERIFY(own.aisData());

        CTargetMetaData radar;
        radar.assignTargetModel(SENSOR_TARGET_ARPA, true, classAReport(211000003, 1.0f, 1.0f));
        QCOMPARE(radar.color(), CTargetMetaData::ArpaColor);
        QVERIFY(!radar.aisData());
        QVERIFY(radar.modelRecord());
        radar.updateAisData(classAReport(211000003, 1.0f, 1.0f));
        QCOMPARE(radar.getTargetPos().lat, 91.0);
        QCOMPARE(radar.getUpdateTime(), int64_t(0));
    }

    void courseOffset_data()
    {
        QTest::addColumn<float>("heading");
        QTest::addColumn<int>("degrees");
        QTest::newRow("not available") << 511.0f << 0;
        QTest::newRow("rounds up to 360") << 359.6f << 360;
        QTest::newRow("half rounds up") << 2.5f << 3;
    }
    void courseOffset()
    {
        QFETCH(float, heading);
        QFETCH(int, degrees);
        CTargetMetaData target;
        target.assignTargetModel(SENSOR_TARGET_AIS, true, SAisFillSource{});
        target.aisData()->trueHeading = heading;
        QCOMPARE(target.getTargetOffsetCourseDeg(), degrees);
    }

    // A copy must own records of its own.
    void assignDataCopiesDeep()
    {
        CTargetMetaData target;
        target.assignTargetModel(SENSOR_TARGET_AIS, true, classAReport(211000002, 45.5f, 10.5f));
        target.setScreen(2, {10, 20});
        CTargetMetaData copy;
        QVERIFY(copy.assignData(&target));
        QCOMPARE(copy.targetModel(), SENSOR_TARGET_AIS);
        QCOMPARE(copy.color(), CTargetMetaData::AisColor);
        QCOMPARE(copy.screen(2).y, 20);
        QCOMPARE(copy.getUpdateTime(), target.getUpdateTime());
        QVERIFY(copy.aisData() != target.aisData());
        QCOMPARE(copy.aisData()->mmsi, 211000002u);
        target.aisData()->mmsi = 1;
        QCOMPARE(copy.aisData()->mmsi, 211000002u);
    }

    void cancelOutlineTakesTheScreenPoints()
    {
        CTargetNavi navi;
        navi.setScreen(1, {10, 20});
        navi.setScreen(7, {1, 1}); // no such view
        QVERIFY(!navi.checkScreenPivotValid(1));
        navi.cancelOutline({LAT, LON});
        QCOMPARE(navi.positionPivot().lat, LAT);
        QVERIFY(navi.checkScreenPivotValid(1));
        QCOMPARE(navi.screenPivot(1).x, 10);
        QVERIFY(!navi.checkScreenPivotValid(0));
        QVERIFY(!navi.checkScreenPivotValid(4));
        QVERIFY(!navi.checkScreenPivotValid(-1));
    }

    // The pivot is the centre of the hull, measured independently on the ellipsoid.
    void pivotAtTheHullCentre_data()
    {
        QTest::addColumn<QVector<float>>("dimension"); // A, B, C, D
        QTest::addColumn<int>("course");
        QTest::addColumn<double>("metres");
        QTest::addColumn<double>("bearing");
        QTest::newRow("no hull") << QVector<float>{0, 0, 0, 0} << 45 << 0.0 << 0.0;
        QTest::newRow("reference at the centre") << QVector<float>{50, 50, 15, 15} << 45 << 0.0 << 0.0;
        QTest::newRow("reference at the stern, heading north") << QVector<float>{100, 0, 0, 0} << 0 << 50.0 << 0.0;
        QTest::newRow("reference at the stern, heading east") << QVector<float>{100, 0, 0, 0} << 90 << 50.0 << 90.0;
        QTest::newRow("reference at the bow, heading east") << QVector<float>{0, 100, 0, 0} << 90 << 50.0 << 270.0;
        QTest::newRow("reference on the port side, heading north") << QVector<float>{0, 0, 0, 20} << 0 << 10.0 << 90.0;
    }
    void pivotAtTheHullCentre()
    {
        QFETCH(QVector<float>, dimension);
        QFETCH(int, course);
        QFETCH(double, metres);
        QFETCH(double, bearing);
        CTargetNavi navi;
        navi.updatePivotPos({dimension[0], dimension[1], dimension[2], dimension[3]}, course, {LAT, LON});
        const Unit::SPointG2dD pivot = navi.positionPivot();
        const double distance = Algorithm::Cal2PointsDistVincenty(LAT, LON, pivot.lat, pivot.lon) * 1852.0;
        QVERIFY2(qAbs(distance - metres) < 0.5, qPrintable(QString::number(distance)));
        if (metres > 0.0) {
            const double heading = Algorithm::Cal2PointsBearingVincenty(LAT, LON, pivot.lat, pivot.lon);
            QVERIFY2(qAbs(heading - bearing) < 0.5, qPrintable(QString::number(heading)));
        }
    }

    void pivotOfNoPositionStaysNotAvailable()
    {
        CTargetNavi navi;
        navi.updatePivotPos({100, 0, 0, 0}, 0, Unit::SPointG2dD{});
        QCOMPARE(navi.positionPivot().lat, 91.0);
        QCOMPARE(navi.positionPivot().lon, 181.0);
    }
};

QTEST_MAIN(TestTargetMeta)
#include "tst_targetmeta.moc"
