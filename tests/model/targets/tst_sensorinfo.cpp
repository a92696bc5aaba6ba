#include "../SensorRoad.h"
#include "LogCapture.h"

#include "model/geodesy/AlgorithmGeodesy.h"

#include <QtTest>
#include <cmath>
#include <type_traits>

using namespace SensorRoad;
using VudaviRirev::CSensorTargetBase;
using VudaviRirev::Target::CSensorInfo;
using VudaviRirev::Target::CTargetAisData;
using VudaviRirev::Target::CTargetSetting;

static_assert(!std::is_copy_constructible_v<CSensorInfo> && !std::is_copy_assignable_v<CSensorInfo>,
              "the registry owns its targets");

namespace {

constexpr uint32_t OWN = 211000001;
constexpr uint32_t OTHER = 211000002;
constexpr double LAT = 45.0;
constexpr double LON = 10.0;
constexpr double ONE_MINUTE = 1.0 / 60.0;

const QByteArray HDT = "$HEHDT,123.4,T";
// A published RMC: 48 deg 07.038' N, 11 deg 31.000' E.
const QByteArray RMC = "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W";

// The own vessel still, a minute of latitude south of where the target is.
QByteArray ownStill()
{
    return positionReport(OWN, LAT, LON, 0.0f, 0.0f, true);
}

bool measured(const CSensorTargetBase& record)
{
    return record.range >= 0.0f && record.bearing < 360.0f;
}

// An RMC of the own GNSS, which gives speed and course finer than the AIS reports' tenths.
QByteArray rmc(double latitude, double longitude, double sog, double cog)
{
    const auto angle = [](double degrees, int width) {
        const double magnitude = std::fabs(degrees);
        const double whole = std::floor(magnitude);
        return QString("%1%2").arg(int(whole), width, 10, QChar('0')).arg((magnitude - whole) * 60.0, 7, 'f', 4, QChar('0'));
    };
    return SentenceFixture::closed(QString("$GPRMC,123519,A,%1,%2,%3,%4,%5,%6,230394,,")
                                       .arg(angle(latitude, 2), latitude < 0 ? "S" : "N", angle(longitude, 3),
                                            longitude < 0 ? "W" : "E")
                                       .arg(sog, 0, 'f', 2)
                                       .arg(cog, 0, 'f', 2)
                                       .toLatin1());
}

} // namespace

class TestSensorInfo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LogCapture::start(); }

    void approachingTargetIsMeasured()
    {
        Road road;
        road.receive(ownStill());
        road.receive(positionReport(OTHER, LAT + ONE_MINUTE, LON, 10.0f, 180.0f));
        road.tick();

        const CTargetAisData target = road.target(OTHER);
        // A minute of latitude at 45 N is 1852.2 m.
        QVERIFY2(qAbs(target.range - 1.0f) < 0.005f, qPrintable(QString::number(target.range)));
        QCOMPARE(target.bearing, 0.0f);
        QCOMPARE(target.displayBearing, 0.0f);
        QVERIFY2(target.cpa >= 0.0f && target.cpa < 0.01f, qPrintable(QString::number(target.cpa)));
        QVERIFY2(qAbs(target.tcpa - 6.0f) < 0.1f, qPrintable(QString::number(target.tcpa))); // minutes
    }

    void notAvailableValuesAreNotMeasured_data()
    {
        QTest::addColumn<QByteArray>("own");
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<bool>("rangeKnown");
        QTest::addColumn<bool>("cpaKnown");
        const QByteArray moving = positionReport(OTHER, LAT + ONE_MINUTE, LON, 10.0f, 180.0f);
        QTest::newRow("no own vessel") << QByteArray() << moving << false << false;
        QTest::newRow("own vessel without position")
            << positionReport(OWN, NoLatitude, NoLongitude, 0.0f, 0.0f, true) << moving << false << false;
        QTest::newRow("target without position")
            << ownStill() << positionReport(OTHER, NoLatitude, NoLongitude, 10.0f, 180.0f) << false << false;
        QTest::newRow("target without speed")
            << ownStill() << positionReport(OTHER, LAT + ONE_MINUTE, LON, NoSog, 180.0f) << true << false;
        QTest::newRow("target without course")
            << ownStill() << positionReport(OTHER, LAT + ONE_MINUTE, LON, 10.0f, NoCog) << true << false;
        QTest::newRow("own vessel without course")
            << positionReport(OWN, LAT, LON, 0.0f, NoCog, true) << moving << true << false;
    }
    void notAvailableValuesAreNotMeasured()
    {
        QFETCH(QByteArray, own);
        QFETCH(QByteArray, target);
        QFETCH(bool, rangeKnown);
        QFETCH(bool, cpaKnown);
        Road road;
        if (!own.isEmpty())
            road.receive(own);
        road.receive(target);
        road.tick();

        const CTargetAisData record = road.target(OTHER);
        QCOMPARE(record.mmsi, OTHER);
        QCOMPARE(measured(record), rangeKnown);
        if (!rangeKnown) {
            QCOMPARE(record.range, -1.0f);
            QCOMPARE(record.bearing, 361.0f);
            QCOMPARE(record.displayBearing, 361.0f);
        }
        QCOMPARE(record.cpa >= 0.0f, cpaKnown);
        if (!cpaKnown) {
            QCOMPARE(record.cpa, -1.0f);
            QCOMPARE(record.tcpa, 0.0f);
        }
    }

    // Single precision rounds a bearing a hair west of north up to 360.
    // CPA and TCPA against the geodesic between the two, from an independent solution of it
    // (GeographicLib's GeodSolve, for the positions as single-precision floats carry them):
    // distance and the line's azimuth where it reaches the target. A target that lies still has
    // its range as CPA; one steered back along the line comes within the distance its course,
    // sent in tenths of a degree, misses the line by: s |sin d|, after s cos d / speed.
    void cpaAlongTheGeodesic_data()
    {
        QTest::addColumn<double>("ownLat");
        QTest::addColumn<double>("ownLon");
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("lon");
        QTest::addColumn<double>("distance");     // NM
        QTest::addColumn<double>("finalAzimuth"); // degrees
        QTest::addColumn<float>("sog");

        QTest::newRow("still, 45 N") << 45.0 << 10.0 << 45.2 << 10.2 << 14.706645334 << 35.378469730 << 0.0f;
        QTest::newRow("still, 75 N east") << 75.0 << 20.0 << 75.0 << 21.3 << 20.287167146 << 90.627853224 << 0.0f;
        QTest::newRow("still, 80 N") << 80.0 << -30.0 << 80.2 << -29.0 << 15.902265007 << 41.183220309 << 0.0f;
        QTest::newRow("still, across the date line")
            << 60.0 << 179.9 << 60.1 << -179.8 << 10.846439625 << 56.445012290 << 0.0f;
        QTest::newRow("closing, 75 N east") << 75.0 << 20.0 << 75.0 << 21.3 << 20.287167146 << 90.627853224 << 12.0f;
        QTest::newRow("closing, 80 N") << 80.0 << -30.0 << 80.2 << -29.0 << 15.902265007 << 41.183220309 << 12.0f;
        QTest::newRow("closing across the date line, 60 N")
            << 60.0 << 179.9 << 60.1 << -179.8 << 10.846439625 << 56.445012290 << 12.0f;
        QTest::newRow("closing across the date line, 10 S")
            << -10.0 << 179.95 << -9.9 << -179.9 << 10.703194268 << 56.069697388 << 20.0f;
    }
    void cpaAlongTheGeodesic()
    {
        QFETCH(double, ownLat);
        QFETCH(double, ownLon);
        QFETCH(double, lat);
        QFETCH(double, lon);
        QFETCH(double, distance);
        QFETCH(double, finalAzimuth);
        QFETCH(float, sog);
        const double back = std::fmod(finalAzimuth + 180.0, 360.0);
        const double course = sog > 0.0f ? std::round(back * 10.0) / 10.0 : 0.0;
        Road road;
        road.receive(positionReport(OWN, ownLat, ownLon, 0.0f, 0.0f, true));
        road.receive(positionReport(OTHER, lat, lon, sog, float(course)));
        road.tick();

        const CTargetAisData target = road.target(OTHER);
        QVERIFY2(qAbs(target.range - distance) < 5e-4, qPrintable(QString::number(target.range, 'f', 6)));
        const double miss = (course - back) * M_PI / 180.0;
        const double cpa = sog > 0.0f ? distance * std::fabs(std::sin(miss)) : distance;
        const double tcpa = sog > 0.0f ? distance * std::cos(miss) / sog * 60.0 : 0.0;
        QVERIFY2(qAbs(target.cpa - cpa) < 1e-3, qPrintable(QString("%1, not %2").arg(target.cpa, 0, 'f', 6).arg(cpa)));
        QVERIFY2(qAbs(target.tcpa - tcpa) < 0.01, qPrintable(QString("%1, not %2").arg(target.tcpa, 0, 'f', 4).arg(tcpa)));
    }

    // Both ships moving. Two that report the same speed and course, or a difference below the
    // reports' tenths of a knot and of a degree, keep their distance: TCPA 0 and the range as
    // CPA, however the meridians converge between them. Relative motion keeps its exact answer:
    // overtaking by one tenth of a knot and head-on along a meridian, head-on along the equator
    // across the date line, and a crossing of the equator and a meridian where both arrive
    // together (the equator's degree a·π/180 = 111319.491 m, the meridian's 110574.389 m near
    // the equator); CPA 0 and TCPA the distance over the speed at which it closes (at right
    // angles, √2 times the speed).
    void cpaOfTwoMovingShips_data()
    {
        QTest::addColumn<QByteArray>("own");
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<double>("cpa");         // NM; -1: the range
        QTest::addColumn<double>("closingSpeed"); // knots; 0: TCPA 0

        const double sameMotion = -1.0;
        const auto rows = [&](const char* name, double lat, double lon, double targetLat, double targetLon, float sog,
                              float cog) {
            QTest::newRow(name) << positionReport(OWN, lat, lon, sog, cog, true)
                                << positionReport(OTHER, targetLat, targetLon, sog, cog) << sameMotion << 0.0;
        };
        // 1.16 NM east at 50 N; 2.96 NM north-east at 10 N.
        rows("same motion, 50 N, 12 kn north", 50.0, -1.0, 50.0, -1.0 + 1.16 / (60.0 * std::cos(50.0 * M_PI / 180.0)),
             12.0f, 0.0f);
        rows("same motion, 10 N, 8 kn north-east", 10.0, 0.0, 10.0 + 2.96 * M_SQRT1_2 / 60.0,
             2.96 * M_SQRT1_2 / (60.0 * std::cos(10.0 * M_PI / 180.0)), 8.0f, 45.0f);
        rows("same motion, equator, 5 kn east", 0.0, 30.0, ONE_MINUTE, 30.0, 5.0f, 90.0f);
        rows("same motion, 75 N, 20 kn west", 75.0, 20.0, 75.03, 20.1, 20.0f, 270.0f);
        rows("same motion, 85 N, 10 kn north", 85.0, 40.0, 85.0, 40.4, 10.0f, 0.0f);
        rows("same motion, 60 S across the date line, 15 kn south-east", -60.0, 179.98, -60.02, -179.97, 15.0f, 135.0f);
        rows("same motion, 40 N, course 359.9", 40.0, -70.0, 40.02, -69.97, 14.0f, 359.9f);
        QTest::newRow("motion below the reports' tenths, 50 N")
            << rmc(50.0, -1.0, 12.04, 45.04) << positionReport(OTHER, 50.0, -0.97, 12.0f, 45.0f) << sameMotion << 0.0;
        QTest::newRow("course below the reports' tenths across north")
            << rmc(60.0, 5.0, 10.0, 359.96) << positionReport(OTHER, 60.0, 5.05, 10.0f, 0.0f) << sameMotion << 0.0;

        QTest::newRow("overtaking by one tenth of a knot along a meridian")
            << positionReport(OWN, 50.0, 10.0, 12.1f, 0.0f, true) << positionReport(OTHER, 50.0 + ONE_MINUTE, 10.0, 12.0f, 0.0f)
            << 0.0 << 0.1;
        QTest::newRow("head-on along a meridian, 50 N")
            << positionReport(OWN, 50.0, 10.0, 12.0f, 0.0f, true) << positionReport(OTHER, 50.08, 10.0, 8.0f, 180.0f)
            << 0.0 << 20.0;
        QTest::newRow("head-on along the equator across the date line")
            << positionReport(OWN, 0.0, 179.95, 10.0f, 90.0f, true) << positionReport(OTHER, 0.0, -179.97, 10.0f, 270.0f)
            << 0.0 << 20.0;
        const double crossingLon = 0.05;
        const double crossingLat = -crossingLon * 111319.491 / 110574.389;
        QTest::newRow("crossing the equator, both arrive together")
            << positionReport(OWN, 0.0, 0.0, 10.0f, 90.0f, true)
            << positionReport(OTHER, crossingLat, crossingLon, 10.0f, 0.0f) << 0.0 << 10.0 * M_SQRT2;
    }
    void cpaOfTwoMovingShips()
    {
        QFETCH(QByteArray, own);
        QFETCH(QByteArray, target);
        QFETCH(double, cpa);
        QFETCH(double, closingSpeed);
        Road road;
        road.receive(own);
        road.receive(target);
        road.tick();
        const CTargetAisData record = road.target(OTHER);
        QVERIFY(measured(record));
        if (cpa < 0.0) {
            QCOMPARE(record.cpa, record.range);
            QCOMPARE(record.tcpa, 0.0f);
            return;
        }
        QVERIFY2(qAbs(record.cpa - cpa) < 1e-3, qPrintable(QString::number(record.cpa, 'f', 6)));
        const double tcpa = record.range / closingSpeed * 60.0;
        QVERIFY2(qAbs(record.tcpa - tcpa) < 0.01, qPrintable(QString("%1, not %2").arg(record.tcpa, 0, 'f', 4).arg(tcpa)));
    }

    // Aircraft fly faster than any ship: their speed is in whole knots with 1023 as "not
    // available", and a real speed above 102.2 knots gets its CPA.
    void aircraftSpeedIsInWholeKnots_data()
    {
        QTest::addColumn<float>("sog");
        QTest::addColumn<bool>("withCpa");
        QTest::newRow("150 knots") << 150.0f << true;
        QTest::newRow("1022 knots") << 1022.0f << true;
        QTest::newRow("not available") << 1023.0f << false;
    }
    void aircraftSpeedIsInWholeKnots()
    {
        QFETCH(float, sog);
        QFETCH(bool, withCpa);
        Road road;
        road.receive(ownStill());
        road.receive(aircraftReport(OTHER, LAT + 0.1, LON, sog, 180.0f));
        road.tick();
        const CTargetAisData target = road.target(OTHER);
        QCOMPARE(target.stationKind, VudaviRirev::AIS_TYPE_SAR_AIRCRAFT);
        QCOMPARE(target.sog, sog);
        QVERIFY(measured(target));
        if (!withCpa) {
            QCOMPARE(target.cpa, -1.0f);
            return;
        }
        QVERIFY2(target.cpa >= 0.0f && target.cpa < 0.01f, qPrintable(QString::number(target.cpa)));
        const float minutes = target.range / sog * 60.0f;
        QVERIFY2(qAbs(target.tcpa - minutes) < 0.01f, qPrintable(QString::number(target.tcpa)));
    }

    void bearingJustWestOfNorthIsZero()
    {
        VudaviRirev::CSensorService service;
        const Unit::SPointG2dD from{LAT, LON};
        const Unit::SPointG2dD to{LAT + ONE_MINUTE, LON - 1e-9};
        QCOMPARE(Algorithm::Cal2PointsBearingVincenty(from.lat, from.lon, to.lat, to.lon), 360.0f);
        Unit::SVectorValueD value;
        service.calMeasureValue(&value, nullptr, &from, &to);
        QCOMPARE(value.bearing, 0.0);
        QCOMPARE(value.bearing2, 0.0);
    }

    void targetInsertedBetweenPassesWaitsForItsPivot()
    {
        Road road;
        road.receive(ownStill());
        road.receive(positionReport(OTHER, LAT + ONE_MINUTE, LON, 10.0f, 180.0f));
        road.registry.updateOwnVslData();
        road.registry.calTargetSourcePivotScreenPoint(VudaviRirev::Target::TARGET_SOURCE_AIS);
        const uint32_t late = OTHER + 1;
        road.receive(positionReport(late, LAT - ONE_MINUTE, LON, 10.0f, 0.0f));
        road.registry.updateAllTargetMeasureValue();
        QVERIFY(measured(road.target(OTHER)));
        QCOMPARE(road.target(late).range, -1.0f);
        QCOMPARE(road.target(late).bearing, 361.0f);

        road.tick();
        QVERIFY(qAbs(road.target(late).bearing - 180.0f) < 0.01f);
    }

    void ownPivotWithoutOwnVesselIsSkipped()
    {
        Road road;
        road.receive(positionReport(OTHER, LAT, LON, 10.0f, 180.0f));
        road.registry.calTargetSourcePivotScreenPoint(VudaviRirev::Target::TARGET_SOURCE_OWN
                                                      | VudaviRirev::Target::TARGET_SOURCE_AIS);
        const auto targets = road.registry.copyTargets();
        QCOMPARE(targets.at(OTHER)->positionPivot().lat, double(float(LAT)));
        CTargetAisData own;
        QVERIFY(!road.registry.copyOwnVessel(&own));
    }

    void sameMmsiGivesOneTarget()
    {
        Road road;
        road.receive(positionReport(OTHER, LAT, LON, 10.0f, 180.0f));
        road.receive(positionReport(OTHER, LAT + ONE_MINUTE, LON, 10.0f, 180.0f));
        QCOMPARE(road.registry.targetCount(), size_t(1));
        QCOMPARE(road.target(OTHER).position.lat, double(float(LAT + ONE_MINUTE)));
    }

    // The ship table holds 501 stations; the registry keeps every one it was told of (heard within
    // the ageing time, below its cap).
    void everyMmsiIsKeptUntilReset()
    {
        Road road;
        road.receive(ownStill());
        for (uint32_t i = 0; i < 600; ++i)
            road.receive(positionReport(OTHER + i, LAT + i * 1e-4, LON, 5.0f, 90.0f));
        road.tick();
        const auto targets = road.registry.copyTargets();
        QCOMPARE(targets.size(), size_t(600));
        QCOMPARE(targets.begin()->first, OTHER);
        QCOMPARE(targets.rbegin()->first, OTHER + 599);
        QCOMPARE(targets.rbegin()->second->aisData()->mmsi, OTHER + 599);
        QVERIFY(measured(*targets.rbegin()->second->aisData()));

        road.receive(SentenceFixture::closed(HDT));
        road.registry.reset();
        QCOMPARE(road.registry.targetCount(), size_t(0));
        QCOMPARE(road.registry.presenceMask(), 0u);
        CTargetAisData own;
        QVERIFY(road.registry.copyOwnVessel(&own));
        QCOMPARE(own.position.lat, LAT);
        QCOMPARE(own.position.lon, LON);
        QVERIFY(own.positionValid);
        QCOMPARE(own.mmsi, CSensorTargetBase::NoMmsi);
        QCOMPARE(own.trueHeading, CTargetAisData::NoHeading);
        QCOMPARE(road.registry.copyOwnNavi().position.lat, 91.0);
    }

    // A vessel not heard for the ageing time, the target setting's delete time-out, is forgotten
    // at the next refresh, or at the next fill when no refresh runs.
    void vesselsNotHeardAreForgotten()
    {
        constexpr uint64_t start = 1000000;
        const uint64_t ageing = uint64_t(CTargetSetting().timeOut().deleteSeconds) * 1000;
        QCOMPARE(ageing, uint64_t(600000));
        Portal::Time::SetFakeClock(start);
        Road road;
        road.receive(ownStill());
        road.receive(positionReport(OTHER, LAT, LON, 5.0f, 90.0f));
        Portal::Time::SetFakeClock(start + 300000);
        road.receive(positionReport(OTHER + 1, LAT, LON, 5.0f, 90.0f));
        Portal::Time::SetFakeClock(start + ageing - 1);
        road.tick();
        QCOMPARE(road.registry.targetCount(), size_t(2));

        LogCapture::take();
        Portal::Time::SetFakeClock(start + ageing);
        road.tick();
        QCOMPARE(road.registry.copyTargets().begin()->first, OTHER + 1);
        QCOMPARE(road.registry.targetCount(), size_t(1));
        QCOMPARE(LogCapture::take().filter("1 vessel(s) not heard for 600 s forgotten").size(), 1);

        Portal::Time::SetFakeClock(start + 300000 + ageing);
        road.receive(positionReport(OTHER + 2, LAT, LON, 5.0f, 90.0f));
        QCOMPARE(road.registry.copyTargets().begin()->first, OTHER + 2);
        QCOMPARE(road.registry.targetCount(), size_t(1));
        Portal::Time::ClearFakeClock();
    }

    // However many vessels are heard at once, the registry keeps its cap: the vessel heard longest
    // ago makes room, with a log line.
    void registryKeepsAtMostItsCap()
    {
        constexpr uint64_t start = 5000000;
        const uint32_t cap = uint32_t(CSensorInfo::TargetCap);
        Road road;
        for (uint32_t i = 0; i < cap; ++i) {
            Portal::Time::SetFakeClock(start + i);
            road.receive(positionReport(OTHER + i, LAT, LON, 5.0f, 90.0f));
        }
        Portal::Time::SetFakeClock(start + cap);
        road.receive(positionReport(OTHER, LAT, LON, 5.0f, 90.0f)); // heard again: the newest now
        LogCapture::take();
        road.receive(positionReport(OTHER + cap, LAT, LON, 5.0f, 90.0f));
        const auto targets = road.registry.copyTargets();
        QCOMPARE(targets.size(), size_t(cap));
        QVERIFY(targets.count(OTHER) == 1 && targets.count(OTHER + cap) == 1);
        QCOMPARE(targets.count(OTHER + 1), size_t(0));
        const QString line = QString("%1 vessels kept already: MMSI %2").arg(cap).arg(OTHER + 1);
        QCOMPARE(LogCapture::take().filter(line).size(), 1);
        Portal::Time::ClearFakeClock();
    }

    void hdtAloneSetsOnlyTheHeading()
    {
        Road road;
        road.receive(SentenceFixture::closed(HDT));
        CTargetAisData own;
        QVERIFY(road.registry.copyOwnVessel(&own));
        QCOMPARE(own.trueHeading, 123.4f);
        QCOMPARE(own.position.lat, 91.0);
        QCOMPARE(own.position.lon, 181.0);
        QCOMPARE(own.sog, CSensorTargetBase::NoSog);
        QCOMPARE(own.cog, CSensorTargetBase::NoCog);
        QCOMPARE(own.mmsi, CSensorTargetBase::NoMmsi);
        QCOMPARE(road.registry.presenceMask(), uint32_t(VudaviRirev::Target::SENSOR_SOURCE_HEADING));
    }

    void presenceFollowsOwnData_data()
    {
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<uint32_t>("mask");
        QTest::newRow("heading") << QByteArrayList{SentenceFixture::closed(HDT)} << 0x10u;
        QTest::newRow("GNSS") << QByteArrayList{SentenceFixture::closed(RMC)} << 0x1u;
        QTest::newRow("own AIS") << QByteArrayList{ownStill()} << 0x100u;
        QTest::newRow("all three") << QByteArrayList{SentenceFixture::closed(HDT), SentenceFixture::closed(RMC),
                                                     ownStill()}
                                   << 0x111u;
        QTest::newRow("other vessel only") << QByteArrayList{positionReport(OTHER, LAT, LON, 1.0f, 1.0f)} << 0x0u;
    }
    void presenceFollowsOwnData()
    {
        QFETCH(QByteArrayList, lines);
        QFETCH(uint32_t, mask);
        Road road;
        for (const QByteArray& line : lines)
            road.receive(line);
        QCOMPARE(road.registry.presenceMask(), mask);
    }

    void gnssGivesTheOwnPosition()
    {
        Road road;
        road.receive(SentenceFixture::closed(RMC));
        road.registry.updateOwnVslData();
        const CTargetAisData own = road.registry.copyOwnNavi();
        QVERIFY(qAbs(own.position.lat - 48.1173) < 1e-6);
        QVERIFY(qAbs(own.position.lon - 11.516667) < 1e-6);
        QVERIFY(qAbs(own.sog - 22.4f) < 1e-4f);
        QVERIFY(qAbs(own.cog - 84.4f) < 1e-4f);
    }

    // Real traffic: a part A names the vessel, then a message 24 with part number 3, which is
    // not defined, comes from the same MMSI; its bits must not land in the name.
    void undefinedPartOfMessage24KeepsTheName()
    {
        Road road;
        LogCapture::take();
        road.receive("!AIVDM,1,1,,A,H3KLehQ=DtddT00000000000000,2*5D\r\n");
        QCOMPARE(QByteArray(road.target(230108610).name), QByteArray("SUOKKI"));
        road.receive("!AIVDM,1,1,,A,H3KLehdt00000000?6ekkjm000000,0*2C\r\n");
        QCOMPARE(QByteArray(road.target(230108610).name), QByteArray("SUOKKI"));
        QCOMPARE(LogCapture::take().filter("MMSI 230108610 with part number 3 refused").size(), 1);
    }

    // A fill copies ship-table entry 1 after the handler signalled; it must hold that station.
    void fillOfAnotherStationIsRefused()
    {
        Road road;
        road.receive(positionReport(OTHER, LAT, LON, 10.0f, 180.0f));
        road.registry.fillAisTargetData(OTHER + 1);
        road.registry.fillAisTargetData(0);
        QCOMPARE(road.registry.targetCount(), size_t(1));
        QCOMPARE(road.registry.copyTargets().begin()->first, OTHER);
    }
};

QTEST_MAIN(TestSensorInfo)
#include "tst_sensorinfo.moc"
