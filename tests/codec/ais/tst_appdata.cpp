#include "../AisFixture.h"
#include "TestEnv.h"
#include "codec/ais/AppData.h"
#include "codec/records/CodecLock.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>
#include <cmath>

namespace {

constexpr uint32_t MSG8_HEADER_BITS = 40; // the application data starts with the DAC behind it

// Application data written field by field from the IMO SN.1/Circ.289 layouts, most significant
// bit first; a negative value in two's complement of its width.
struct LayoutBits
{
    uint8_t bytes[APP_DATA_BITS_ROOM] = {};
    uint32_t count = 0;

    LayoutBits& put(uint32_t width, int64_t value)
    {
        for (uint32_t k = 0; k < width; ++k, ++count) {
            if ((uint64_t(value) >> (width - 1 - k)) & 1u)
                bytes[count / 8] |= uint8_t(0x80u >> (count % 8));
        }
        return *this;
    }
};

struct Pair
{
    int angle; // half degrees
    int distance;
};

// Area notice (DAC 1, FI 22) up to its sub-area: linkage identifier 10, notice description 7,
// month 4, day 5, hour 5, minute 6, duration 18 bits.
LayoutBits notice(int linkId, int description)
{
    LayoutBits bits;
    bits.put(10, 1).put(6, 22).put(10, linkId).put(7, description);
    bits.put(4, 6).put(5, 15).put(5, 12).put(6, 30).put(18, 90);
    return bits;
}

// Circle or point: shape 0, scale factor 2, longitude 25 and latitude 24 bits in 1/1000 minute,
// precision 3, radius 12, spare 18.
LayoutBits circle(int linkId, int description, double longitude, double latitude, int radius)
{
    LayoutBits bits = notice(linkId, description);
    bits.put(3, FI22_CIRCLE).put(2, 0);
    bits.put(25, std::llround(longitude * 60000)).put(24, std::llround(latitude * 60000));
    bits.put(3, 4).put(12, radius).put(18, 0);
    return bits;
}

// Polyline or polygon: shape 3, scale factor 2, four points of angle 10 and distance 10 bits,
// spare 2.
LayoutBits points(int linkId, int description, int shape, int scale, std::initializer_list<Pair> pairs)
{
    LayoutBits bits = notice(linkId, description);
    bits.put(3, shape).put(2, scale);
    for (const Pair& pair : pairs)
        bits.put(10, pair.angle).put(10, pair.distance);
    for (size_t i = pairs.size(); i < 4; ++i)
        bits.put(20, 0);
    bits.put(2, 0);
    return bits;
}

int unpack(const LayoutBits& bits)
{
    CCodecLock lock;
    return BinaryAppData_Unpack_FI22(bits.bytes, bits.count);
}

const Pair STEP = {2, 10}; // 1 degree, 10 units

QByteArray bytesOf(const void* data, size_t size)
{
    return QByteArray(static_cast<const char*>(data), int(size));
}

} // namespace

class TestAppData : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(AppDataInitial()); }

    // The area notice of the reference traffic, against its independent decode.
    void referenceAreaNotice()
    {
        const QString dir = TestEnv::refDataDir();
        QFile decodes(dir + "/ais-libais/typeexamples.json");
        QFile lines(dir + "/ais-libais/typeexamples.nmea");
        QVERIFY(decodes.open(QIODevice::ReadOnly) && lines.open(QIODevice::ReadOnly));
        QJsonObject expected;
        QByteArray line;
        while (!decodes.atEnd()) {
            const QJsonObject decode = QJsonDocument::fromJson(decodes.readLine()).object();
            line = lines.readLine().trimmed();
            if (decode.value("fid").toInt() == 22) {
                expected = decode;
                break;
            }
        }
        QVERIFY2(!expected.isEmpty(), "no area notice in the reference traffic");

        AIS_raw_message raw;
        int fillBits = 0;
        const QByteArray payload = AisFixture::payloadOf({line}, &fillBits);
        QVERIFY(AisFixture::rawOf(payload, fillBits, &raw));
        const uint8_t* data = raw.bits + MSG8_HEADER_BITS / 8;
        const uint32_t bitCount = raw.bitCount - MSG8_HEADER_BITS;
        const FI22_LINKED_NOTICE before = RecordLinkId;
        QCOMPARE(unpack(LayoutBits{}), 1); // no bits
        {
            CCodecLock lock;
            QCOMPARE(BinaryAppData_Unpack_FI22(data, bitCount), 0);
        }

        const APPLICATION_DATA_FI22_AREA0& area = RxAppDataFI22_Area0;
        const QJsonObject sub = expected.value("sub_areas").toArray().at(0).toObject();
        QCOMPARE(int(GetFI22_Area()), sub.value("sub_area_type").toInt());
        QCOMPARE(int(area.header.dac), expected.value("dac").toInt());
        QCOMPARE(int(area.header.fi), 22);
        QCOMPARE(int(area.header.linkId), expected.value("link_id").toInt());
        QCOMPARE(int(area.header.notice), expected.value("notice_type").toInt());
        // Not compared: the decode's "duration_minutes" (2) is what the minute field holds here,
        // while the duration bits read 20; every field after them agrees.
        QCOMPARE(int(area.precision), sub.value("precision").toInt());
        QCOMPARE(int(area.radius * std::pow(10, area.scale)), sub.value("radius").toInt());
        QVERIFY(qAbs(area.longitude - sub.value("x").toDouble()) < 1e-5);
        QVERIFY(qAbs(area.latitude - sub.value("y").toDouble()) < 1e-5);
        // A circle with a radius is no point: it starts no chain.
        QCOMPARE(bytesOf(&RecordLinkId, sizeof RecordLinkId), bytesOf(&before, sizeof before));
    }

    void routeInformation()
    {
        // Route information (DAC 1, FI 27): linkage identifier 10, sender 3, route type 5, month 4,
        // day 5, hour 5, minute 6, duration 18, waypoint count 5, then per waypoint longitude 28
        // and latitude 27 bits in 1/10000 minute.
        const double waypoints[3][2] = {{10.5, 54.25}, {-70.25, -33.5}, {179.5, -89.75}};
        LayoutBits bits;
        bits.put(10, 1).put(6, 27).put(10, 1000).put(3, 2).put(5, 5);
        bits.put(4, 6).put(5, 15).put(5, 12).put(6, 30).put(18, 1440).put(5, 3);
        for (const auto& waypoint : waypoints)
            bits.put(28, std::llround(waypoint[0] * 600000)).put(27, std::llround(waypoint[1] * 600000));

        CCodecLock lock;
        QCOMPARE(BinaryAppData_Unpack_FI27(nullptr, 100), 1);
        QCOMPARE(BinaryAppData_Unpack_FI27(bits.bytes, bits.count), 0);
        const APPLICATION_DATA_FI27& route = RxAppDataFI27;
        QCOMPARE(int(route.dac), 1);
        QCOMPARE(int(route.fi), 27);
        QCOMPARE(int(route.linkId), 1000); // ten bits, kept whole
        QCOMPARE(int(route.sender), 2);
        QCOMPARE(int(route.routeType), 5);
        QCOMPARE(int(route.month), 6);
        QCOMPARE(int(route.minute), 30);
        QCOMPARE(route.duration, 1440u);
        QCOMPARE(int(route.waypointCount), 3);
        QCOMPARE(route.waypoints.count, 3u);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(qAbs(route.waypoints.points[i][0] - waypoints[i][0]) < 1e-5);
            QVERIFY(qAbs(route.waypoints.points[i][1] - waypoints[i][1]) < 1e-5);
        }

        // Packed again, the record gives the same bits.
        BinaryAppData = BINARY_APP_DATD{};
        BinaryAppData.data.fi27 = route;
        BinaryAppData.appId = 27;
        QVERIFY(AppDataPack());
        QCOMPARE(BinaryAppData.bitCount, bits.count);
        QCOMPARE(bytesOf(BinaryAppData.bits, sizeof BinaryAppData.bits), bytesOf(bits.bytes, sizeof bits.bytes));
    }

    void areaRecordsPackAsTheyUnpack_data()
    {
        QTest::addColumn<QByteArray>("bits");
        QTest::addColumn<uint>("bitCount");
        QTest::addColumn<int>("shape");
        const LayoutBits point = circle(1000, 127, -151.2125, -33.85, 0);
        const LayoutBits line = points(1000, 127, FI22_POLYLINE, 3, {{719, 1023}, {1, 1}, {360, 512}, {0, 7}});
        QTest::newRow("point") << bytesOf(point.bytes, (point.count + 7) / 8) << point.count << int(FI22_CIRCLE);
        QTest::newRow("polyline") << bytesOf(line.bytes, (line.count + 7) / 8) << line.count << int(FI22_POLYLINE);
    }
    void areaRecordsPackAsTheyUnpack()
    {
        QFETCH(QByteArray, bits);
        QFETCH(uint, bitCount);
        QFETCH(int, shape);
        CCodecLock lock;
        QCOMPARE(BinaryAppData_Unpack_FI22(reinterpret_cast<const uint8_t*>(bits.constData()), bitCount), 0);
        BinaryAppData = BINARY_APP_DATD{};
        BinaryAppData.appId = 22;
        BinaryAppData.areaShape = uint8_t(shape);
        if (shape == FI22_CIRCLE)
            BinaryAppData.data.area0 = RxAppDataFI22_Area0;
        else
            BinaryAppData.data.area = RxAppDataFI22_Area3;
        QVERIFY(AppDataPack());
        // The polyline's list ends with its points: the two spare bits are not packed.
        QCOMPARE(BinaryAppData.bitCount, shape == FI22_CIRCLE ? 158u : 156u);
        QCOMPARE(bytesOf(BinaryAppData.bits, size_t(bits.size())), bits);
    }

    void tableSelection_data()
    {
        QTest::addColumn<int>("appId");
        QTest::addColumn<int>("shape");
        QTest::addColumn<QByteArray>("list");
        QTest::newRow("FI 27") << 27 << 0 << QByteArray("FI27");
        QTest::newRow("FI 22 circle") << 22 << 0 << QByteArray("area0");
        QTest::newRow("FI 22 polyline") << 22 << 3 << QByteArray("area3");
        QTest::newRow("FI 22 polygon") << 22 << 4 << QByteArray("area4");
        QTest::newRow("FI 22 rectangle") << 22 << 1 << QByteArray();
        QTest::newRow("FI 22 sector") << 22 << 2 << QByteArray();
        QTest::newRow("FI 22 text") << 22 << 5 << QByteArray();
        QTest::newRow("no table") << 8 << 0 << QByteArray();
        QTest::newRow("identifier 0") << 0 << 0 << QByteArray();
        QTest::newRow("identifier 28") << 28 << 0 << QByteArray();
    }
    void tableSelection()
    {
        QFETCH(int, appId);
        QFETCH(int, shape);
        QFETCH(QByteArray, list);
        const QHash<QByteArray, const AIS_MESSAGE_FORMAT*> lists = {
            {"FI27", &FmtFI27}, {"area0", &FmtFI22Area0}, {"area3", &FmtFI22Area3}, {"area4", &FmtFI22Area4}};
        BINARY_APP_DATD data{};
        data.appId = uint8_t(appId);
        data.areaShape = uint8_t(shape);
        const AIS_MESSAGE_FORMAT* found = nullptr;
        QCOMPARE(AppData_GetFormat_ByData(&data, &found), list.isEmpty() ? 1 : 0);
        QCOMPARE(found, lists.value(list));
        QCOMPARE(AppData_GetFormat_ByData(&data, nullptr), 1);

        CCodecLock lock;
        BinaryAppData = data;
        QCOMPARE(AppDataPack(), !list.isEmpty());
    }

    // Great-circle steps of 1852 m: a minute of latitude anywhere, a minute of longitude on the
    // equator, two minutes of longitude at 60 degrees.
    void greatCircleSteps_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<int>("angle");
        QTest::addColumn<double>("expectedLatitude");
        QTest::addColumn<double>("expectedLongitude");
        const double minute = 1.0 / 60;
        QTest::newRow("north from the equator") << 0.0 << 0.0 << 0 << minute << 0.0;
        QTest::newRow("east on the equator") << 0.0 << 0.0 << 90 << 0.0 << minute;
        QTest::newRow("west on the equator") << 0.0 << 10.0 << 270 << 0.0 << 10.0 - minute;
        QTest::newRow("south") << 10.0 << 20.0 << 180 << 10.0 - minute << 20.0;
        QTest::newRow("east at 60 north") << 60.0 << -5.0 << 90 << 60.0 << -5.0 + 2 * minute;
    }
    void greatCircleSteps()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(int, angle);
        RecordLinkId.origin[0] = float(longitude);
        RecordLinkId.origin[1] = float(latitude);
        RecordLinkId.pairs[0][0] = uint32_t(angle);
        RecordLinkId.pairs[0][1] = 1852;
        RecordLinkId.pairs[1][0] = uint32_t(angle);
        RecordLinkId.pairs[1][1] = 1852;
        RecordLinkId.pairCount = 2;
        CalAngDist2LatLon();

        QCOMPARE(RecordLinkId.positionCount, 3u);
        QFETCH(double, expectedLatitude);
        QFETCH(double, expectedLongitude);
        QVERIFY2(qAbs(RecordLinkId.positions[0][1] - expectedLatitude) < 1e-5,
                 QByteArray::number(RecordLinkId.positions[0][1], 'f', 8).constData());
        QVERIFY2(qAbs(RecordLinkId.positions[0][0] - expectedLongitude) < 1e-5,
                 QByteArray::number(RecordLinkId.positions[0][0], 'f', 8).constData());
        // The second step starts where the first ended.
        QVERIFY(qAbs(RecordLinkId.positions[1][1] - (2 * expectedLatitude - latitude)) < 2e-5);
        QVERIFY(qAbs(RecordLinkId.positions[1][0] - (2 * expectedLongitude - longitude)) < 1e-4);
    }

    // A point starts a notice; sub-areas of that notice add their points up to the first zero
    // pair, in half degrees and scaled distances.
    void subAreasChainFromThePoint()
    {
        QCOMPARE(unpack(circle(5, 3, 0.0, 0.0, 0)), 0);
        QCOMPARE(RecordLinkId.linkId[0], 5u);
        QCOMPARE(RecordLinkId.linkId[1], 3u);
        QCOMPARE(RecordLinkId.positionCount, 1u);
        QCOMPARE(RecordLinkId.hasOrigin, 1u);

        // 1852 m north as 1852 units at scale 0 does not fit ten bits: 185 tens and 2 units.
        QCOMPARE(unpack(points(5, 3, FI22_POLYLINE, 1, {{1, 185}, {0, 0}, {180, 100}})), 0);
        QCOMPARE(unpack(points(5, 3, FI22_POLYLINE, 0, {{0, 2}})), 0);
        QCOMPARE(RecordLinkId.pairCount, 2u);
        QCOMPARE(RecordLinkId.pairs[0][0], 0u); // half a degree, cut to whole degrees
        QCOMPARE(RecordLinkId.pairs[0][1], 1850u);
        QCOMPARE(RecordLinkId.pairs[1][1], 2u);
        QCOMPARE(RecordLinkId.positionCount, 3u);
        QCOMPARE(RecordLinkId.linkedShape, 3u);
        QVERIFY(qAbs(RecordLinkId.positions[1][1] - 1.0 / 60) < 1e-5);
        QVERIFY(qAbs(RecordLinkId.positions[1][0]) < 1e-6);
    }

    // Only sub-areas of the notice, and of the shape it chains, are taken.
    void otherSubAreasAreIgnored()
    {
        QCOMPARE(unpack(circle(5, 3, 0.0, 0.0, 0)), 0);
        QCOMPARE(unpack(points(6, 3, FI22_POLYGON, 0, {STEP})), 0); // another notice
        QCOMPARE(unpack(points(5, 2, FI22_POLYGON, 0, {STEP})), 0); // another description
        QCOMPARE(RecordLinkId.linkedShape, 0u);
        QCOMPARE(unpack(points(5, 3, FI22_POLYLINE, 0, {STEP})), 0);
        QCOMPARE(unpack(points(5, 3, FI22_POLYGON, 0, {STEP, STEP})), 0);
        QCOMPARE(RecordLinkId.pairCount, 1u);
        QCOMPARE(RecordLinkId.linkedShape, 3u);
        QCOMPARE(int(GetFI22_Area()), int(FI22_POLYGON));

        // A new point starts over, with no shape chained yet.
        QCOMPARE(unpack(circle(7, 3, 1.0, 1.0, 0)), 0);
        QCOMPARE(RecordLinkId.pairCount, 0u);
        QCOMPARE(RecordLinkId.linkedShape, 0u);
        QCOMPARE(unpack(points(7, 3, FI22_POLYGON, 0, {STEP})), 0);
        QCOMPARE(RecordLinkId.pairCount, 1u);
    }

    void shapesWithoutTableAreIgnored_data()
    {
        QTest::addColumn<int>("shape");
        QTest::newRow("rectangle") << int(FI22_RECTANGLE);
        QTest::newRow("sector") << int(FI22_SECTOR);
        QTest::newRow("text") << 5;
    }
    void shapesWithoutTableAreIgnored()
    {
        QFETCH(int, shape);
        QCOMPARE(unpack(circle(5, 3, 0.0, 0.0, 0)), 0);
        const FI22_LINKED_NOTICE before = RecordLinkId;
        QCOMPARE(unpack(points(5, 3, shape, 0, {STEP, STEP})), 0);
        QCOMPARE(int(GetFI22_Area()), shape);
        QCOMPARE(bytesOf(&RecordLinkId, sizeof RecordLinkId), bytesOf(&before, sizeof before));
    }

    // Five sub-areas of four points each would give 21 positions: the notice stops at 18, with
    // everything behind the point arrays intact, and takes nothing more.
    void noticeHoldsAtMostEighteenPositions()
    {
        QCOMPARE(unpack(circle(5, 3, 10.0, 50.0, 0)), 0);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(unpack(points(5, 3, FI22_POLYLINE, 2, {STEP, STEP, STEP, STEP})), 0);
        QCOMPARE(RecordLinkId.pairCount, FI22_POSITIONS_MAX);
        QCOMPARE(RecordLinkId.positionCount, FI22_POSITIONS_MAX + 1);
        QCOMPARE(RecordLinkId.hasPairs, 1u);
        QCOMPARE(RecordLinkId.hasOrigin, 1u);
        QCOMPARE(RecordLinkId.linkedShape, 3u);
        QCOMPARE(RecordLinkId.pairs[FI22_POSITIONS_MAX][0], 0u);
        QVERIFY(RecordLinkId.positions[FI22_POSITIONS_MAX - 1][1] > 50.0f);
    }

    void shapeThreeRecordHoldsAtMostTenPositions()
    {
        QCOMPARE(unpack(circle(5, 3, 10.0, 50.0, 0)), 0);
        QCOMPARE(unpack(points(6, 3, FI22_POLYLINE, 2, {STEP, STEP, STEP, STEP})), 0); // kept, not chained
        RxAppDataFI22_Area3.header.linkId = 5;
        CCodecLock lock;
        for (int i = 0; i < 3; ++i)
            RecordFor_FI22_Area3();
        QCOMPARE(RecordLinkId.pairCount, 9u);
        QCOMPARE(RecordLinkId.positionCount, 10u);
    }
};

QTEST_GUILESS_MAIN(TestAppData)
#include "tst_appdata.moc"
