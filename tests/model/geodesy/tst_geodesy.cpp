#include "TestEnv.h"
#include "model/geodesy/AlgorithmGeodesy.h"

#include <QFile>
#include <QtTest>
#include <cmath>

using namespace Algorithm;

namespace {

double dms(double degrees, double minutes, double seconds)
{
    const double magnitude = std::fabs(degrees) + minutes / 60.0 + seconds / 3600.0;
    return degrees < 0 ? -magnitude : magnitude;
}

// The published Flinders Peak to Buninyong geodesic on WGS-84 (Vincenty's test line).
const double FlindersLat = dms(-37, 57, 3.72030);
const double FlindersLon = dms(144, 25, 29.52440);
const double BuninyongLat = dms(-37, 39, 10.15610);
const double BuninyongLon = dms(143, 55, 35.38390);
constexpr double PublishedDistanceM = 54972.271;
const double PublishedBearing = dms(306, 52, 5.37);
// Its reverse azimuth at Buninyong is 127 10 25.07: the line arrives heading the other way.
const double PublishedFinalBearing = dms(307, 10, 25.07);

constexpr double MetresPerNm = 1852.0;
constexpr double ArcSecond = 1.0 / 3600.0;

} // namespace

class TestGeodesy : public QObject
{
    Q_OBJECT

private slots:
    void publishedInverse()
    {
        const double distanceM = Cal2PointsDistVincenty(FlindersLat, FlindersLon, BuninyongLat, BuninyongLon) * MetresPerNm;
        QVERIFY2(std::fabs(distanceM - PublishedDistanceM) < 0.02, qPrintable(QString::number(distanceM, 'f', 4)));
        const double bearing = Cal2PointsBearingVincenty(FlindersLat, FlindersLon, BuninyongLat, BuninyongLon);
        QVERIFY2(std::fabs(bearing - PublishedBearing) < 0.5 * ArcSecond, qPrintable(QString::number(bearing, 'f', 6)));
        const double final = Cal2PointsFinalBearingVincenty(FlindersLat, FlindersLon, BuninyongLat, BuninyongLon);
        QVERIFY2(std::fabs(final - PublishedFinalBearing) < 0.5 * ArcSecond, qPrintable(QString::number(final, 'f', 6)));
    }

    void publishedDirect()
    {
        double lon = 0.0;
        double lat = 0.0;
        CalDestPointVincenty(&lon, &lat, FlindersLon, FlindersLat, static_cast<float>(PublishedDistanceM),
                             static_cast<float>(PublishedBearing));
        QVERIFY2(std::fabs(lat - BuninyongLat) < 1e-6, qPrintable(QString::number(lat, 'f', 9)));
        QVERIFY2(std::fabs(lon - BuninyongLon) < 1e-6, qPrintable(QString::number(lon, 'f', 9)));
    }

    void rangeAndBearing_data()
    {
        QTest::addColumn<double>("lat1");
        QTest::addColumn<double>("lon1");
        QTest::addColumn<double>("lat2");
        QTest::addColumn<double>("lon2");
        QTest::addColumn<double>("nm");
        QTest::addColumn<double>("bearing");

        // The meridian arc from 0° to 1° is 110574.389 m; a degree of the equator is a·π/180 = 111319.491 m.
        const double meridianDegreeNm = 110574.389 / MetresPerNm;
        const double equatorDegreeNm = 111319.491 / MetresPerNm;
        QTest::newRow("one degree north at the equator") << 0.0 << 0.0 << 1.0 << 0.0 << meridianDegreeNm << 0.0;
        QTest::newRow("one degree south to the equator") << 1.0 << 0.0 << 0.0 << 0.0 << meridianDegreeNm << 180.0;
        QTest::newRow("both on the equator, eastward") << 0.0 << 0.0 << 0.0 << 1.0 << equatorDegreeNm << 90.0;
        QTest::newRow("both on the equator, westward") << 0.0 << 1.0 << 0.0 << 0.0 << equatorDegreeNm << 270.0;
        QTest::newRow("both on the equator, across 180") << 0.0 << 179.5 << 0.0 << -179.5 << equatorDegreeNm << 90.0;
        QTest::newRow("identical positions") << 45.0 << 10.0 << 45.0 << 10.0 << 0.0 << 0.0;
    }
    void rangeAndBearing()
    {
        QFETCH(double, lat1);
        QFETCH(double, lon1);
        QFETCH(double, lat2);
        QFETCH(double, lon2);
        QFETCH(double, nm);
        QFETCH(double, bearing);
        const float range = Cal2PointsDistVincenty(lat1, lon1, lat2, lon2);
        QVERIFY2(std::fabs(range - nm) < 1e-4, qPrintable(QString::number(range, 'f', 6)));
        const float measured = Cal2PointsBearingVincenty(lat1, lon1, lat2, lon2);
        QVERIFY2(std::fabs(measured - bearing) < 1e-4, qPrintable(QString::number(measured, 'f', 6)));
    }

    // A nearly antipodal pair met in the field, where the iteration once gave 0; the figure is an
    // independent ellipsoidal solution's, to its three decimals.
    void nearlyAntipodalFieldPair()
    {
        const float range = Cal2PointsDistVincenty(13.9590726664, -70.0000797098, -13.9590306193, 109.9995181795);
        QVERIFY2(std::fabs(range - 10801.256) < 0.002, qPrintable(QString::number(range, 'f', 4)));
    }

    // Published solutions of the inverse problem (tests/data/geodesic-geographiclib), nearly
    // antipodal and polar pairs among them, where Vincenty's iteration does not settle: distance,
    // initial and final azimuth, each to the published precision and the step of the float the
    // result is given in.
    void publishedInverseLines_data()
    {
        QTest::addColumn<QList<double>>("points"); // lat1, lon1, lat2, lon2
        QTest::addColumn<QStringList>("azimuths"); // azi1, azi2, precision; "-" where none is published
        QTest::addColumn<double>("distanceM");
        QTest::addColumn<double>("distancePrecisionM");
        const QString path = TestEnv::refDataDir() + "/geodesic-geographiclib/inverse.txt";
        TestEnv::requireFile(path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        int rows = 0;
        while (!file.atEnd()) {
            const QString line = QString::fromLatin1(file.readLine()).trimmed();
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            const QStringList f = line.split(' ', Qt::SkipEmptyParts);
            QCOMPARE(f.size(), 10);
            QTest::newRow(qPrintable(f[0])) << QList<double>{f[1].toDouble(), f[2].toDouble(), f[3].toDouble(), f[4].toDouble()}
                                            << QStringList{f[5], f[6], f[8]} << f[7].toDouble() << f[9].toDouble();
            ++rows;
        }
        QVERIFY(rows >= 30);
    }
    void publishedInverseLines()
    {
        QFETCH(QList<double>, points);
        QFETCH(QStringList, azimuths);
        QFETCH(double, distanceM);
        QFETCH(double, distancePrecisionM);
        const double lat1 = points[0], lon1 = points[1], lat2 = points[2], lon2 = points[3];
        const float range = Cal2PointsDistVincenty(lat1, lon1, lat2, lon2);
        const double rangeStepM = (std::nextafter(range, 2.0f * range) - range) * MetresPerNm;
        QVERIFY2(std::fabs(range * MetresPerNm - distanceM) <= distancePrecisionM + rangeStepM,
                 qPrintable(QString("%1 m, not %2 m").arg(range * MetresPerNm, 0, 'f', 4).arg(distanceM, 0, 'f', 4)));
        if (azimuths[0] == "-")
            return;
        // Two float roundings: the angle in radians, then in degrees.
        const double precision = azimuths[2].toDouble() + 2.0 * (std::nextafter(360.0f, 361.0f) - 360.0f);
        const auto apart = [](double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); };
        const float initial = Cal2PointsBearingVincenty(lat1, lon1, lat2, lon2);
        QVERIFY2(apart(initial, azimuths[0].toDouble()) <= precision, qPrintable(QString::number(initial, 'f', 6)));
        const float final = Cal2PointsFinalBearingVincenty(lat1, lon1, lat2, lon2);
        QVERIFY2(apart(final, azimuths[1].toDouble()) <= precision, qPrintable(QString::number(final, 'f', 6)));
        QVERIFY(initial >= 0.0f && initial < 360.0f && final >= 0.0f && final < 360.0f);
    }

    void oneMinuteOfLatitudeIsAboutOneMile()
    {
        const float range = Cal2PointsDistVincenty(48.0, 11.0, 48.0 + 1.0 / 60.0, 11.0);
        QVERIFY2(std::fabs(range - 1.0f) < 0.002f, qPrintable(QString::number(range, 'f', 6)));
    }

    void haversineOnTheSphere()
    {
        // A quarter of the great circle of radius 6378.137 km.
        QVERIFY(std::fabs(Cal2PointsDistanceGoogle(0.0, 0.0, 90.0, 0.0) - 6378.137 * M_PI / 2.0) < 1e-3);
        QCOMPARE(Cal2PointsDistanceGoogle(10.0, 20.0, 10.0, 20.0), 0.0);
    }
};

QTEST_APPLESS_MAIN(TestGeodesy)
#include "tst_geodesy.moc"
