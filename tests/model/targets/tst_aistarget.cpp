#include "../CodecFeed.h"
#include "TestEnv.h"
#include "model/targets/AisEta.h"
#include "model/targets/CArpaData.h"
#include "model/targets/CTargetAisData.h"

#include <QDateTime>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>
#include <cstring>
#include <ctime>

using namespace VudaviRirev;
using Target::CopyAisFillSource;
using Target::CTargetAisData;

namespace {

const QByteArrayList EVER_DIADEM = {"!AIVDM,2,1,1,A,55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp8,0*1C",
                                    "!AIVDM,2,2,1,A,88888888880,2*25"};

// The record of another vessel as the registry fills it for a decoded VDM.
void fillOther(CTargetAisData& record)
{
    record.updateData(CopyAisFillSource(true, I62_LISTENER_VDM));
}

CTargetAisData otherFrom(const QByteArrayList& lines)
{
    CTargetAisData record;
    if (CodecFeed::fileLines(lines) == 1)
        fillOther(record);
    return record;
}

template <typename Report>
void place(Report& report, float latitude)
{
    report.latitude = latitude;
    report.longitude = 4.5f;
}

template <typename Report>
void placeMoving(Report& report, float latitude)
{
    place(report, latitude);
    report.sog = 3.5f;
    report.cog = 90.0f;
}

// A message of any type at the latitude and 4.5 E, 3.5 kn, 90 degrees where it has them.
UN_AIS_MESSAGE placedMessage(uint8_t id, uint32_t mmsi, float latitude = 52.25f)
{
    UN_AIS_MESSAGE m = CodecFeed::blankMessage(id, mmsi);
    switch (id) {
    case 1:
    case 2:
    case 3:
        placeMoving(m.msg1, latitude);
        m.msg1.heading = 88;
        break;
    case 4:
        place(m.msg4, latitude);
        break;
    case 9:
        placeMoving(m.msg9, latitude);
        break;
    case 18:
        placeMoving(m.msg18, latitude);
        break;
    case 19:
        placeMoving(m.msg19, latitude);
        break;
    case 21:
        place(m.msg21, latitude);
        break;
    default:
        break;
    }
    return m;
}

QString text(const char* value)
{
    return QString::fromLatin1(value).trimmed();
}

// The next time at or after now that the month, day, hour and minute name (UTC).
int64_t nextOccurrence(int month, int day, int hour, int minute)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QDateTime at(QDate(now.date().year(), month, day), QTime(hour, minute), Qt::UTC);
    if (at < now.addSecs(-5))
        at = at.addYears(1);
    return at.toSecsSinceEpoch();
}

AIS_TYPE kindOfType(int type)
{
    switch (type) {
    case 4:
        return AIS_TYPE_BASE_STATION;
    case 9:
        return AIS_TYPE_SAR_AIRCRAFT;
    case 18:
    case 24:
        return AIS_TYPE_CLASS_B;
    case 21:
        return AIS_TYPE_ATON;
    default:
        return AIS_TYPE_CLASS_A;
    }
}

} // namespace

class TestAisTarget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestEnv::setTimeZone("UTC");
        CodecFeed::startCodecClock();
    }

    void init()
    {
        QVERIFY(ShipInitial());
        QVERIFY(AisMessageInitial());
        QVERIFY(SensorInitial());
    }

    void cleanupTestCase() { Portal::Time::ClearFakeClock(); }

    // The published position report: identity, position and motion in their fields.
    void publishedPositionReport()
    {
        const int64_t before = std::time(nullptr);
        const CTargetAisData r = otherFrom({"!AIVDM,1,1,,B,177KQJ5000G?tO`K>RA1wUbN0TKH,0*5C"});
        QCOMPARE(r.mmsi, 477553000u);
        QCOMPARE(r.stationKind, AIS_TYPE_CLASS_A);
        QCOMPARE(int(r.lastMessageId), 1);
        QCOMPARE(int(r.navStatus), 5);
        QVERIFY(r.positionValid);
        QVERIFY(qAbs(r.position.lat - 47.582833) < 1e-5);
        QVERIFY(qAbs(r.position.lon - -122.345833) < 1e-5);
        QCOMPARE(r.sog, 0.0f);
        QCOMPARE(r.cog, 51.0f);
        QCOMPARE(r.trueHeading, 181.0f);
        QCOMPARE(r.kindData.classA.rateOfTurn, 0.0f);
        QVERIFY(r.kindDataPrepared);
        QVERIFY(r.firstReportTime >= before && r.firstReportTime <= std::time(nullptr));
        QCOMPARE(r.range, -1.0f); // measuring is the registry's
    }

    // The published voyage report after a position report of the same station: the static and
    // voyage fields arrive, the kinematics stay.
    void publishedStaticAndVoyage()
    {
        CTargetAisData r;
        QCOMPARE(CodecFeed::fileMessage(placedMessage(1, 351759000)), 1);
        fillOther(r);
        const int64_t firstReport = r.firstReportTime;
        QCOMPARE(CodecFeed::fileLines(EVER_DIADEM), 1);
        fillOther(r);

        QCOMPARE(r.mmsi, 351759000u);
        QCOMPARE(int(r.lastMessageId), 5);
        QCOMPARE(text(r.name), QString("EVER DIADEM"));
        QVERIFY(std::strlen(r.name) <= 20);
        QCOMPARE(text(r.callSign), QString("3FOF8"));
        QCOMPARE(int(r.shipType), 70);
        QCOMPARE(r.dimension.a, 225.0f);
        QCOMPARE(r.dimension.b, 70.0f);
        QCOMPARE(r.dimension.c, 1.0f);
        QCOMPARE(r.dimension.d, 31.0f);
        QCOMPARE(int(r.epfsType), 1);
        QVERIFY(!r.dte);
        const AIS_CLASS_A_DATA& a = r.kindData.classA;
        QCOMPARE(a.imo, 9134270u);
        QCOMPARE(a.draught, 12.2f);
        QCOMPARE(text(a.destination), QString("NEW YORK"));
        QCOMPARE(a.eta, nextOccurrence(5, 15, 14, 0));
        QCOMPARE(r.firstReportTime, firstReport);

        QCOMPARE(r.position.lat, double(52.25f));
        QCOMPARE(r.position.lon, 4.5);
        QCOMPARE(r.sog, 3.5f);
        QCOMPARE(r.cog, 90.0f);
        QCOMPARE(r.trueHeading, 88.0f);
    }

    // One real message per type, against an independent decoder.
    void referenceReports_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QJsonObject>("expected");
        const QString dir = TestEnv::refDataDir();
        QFile lines(dir + "/ais-libais/typeexamples.nmea");
        QFile decodes(dir + "/ais-libais/typeexamples.json");
        QVERIFY(lines.open(QIODevice::ReadOnly) && decodes.open(QIODevice::ReadOnly));
        const QList<int> types = {1, 2, 3, 4, 5, 9, 18, 21, 24};
        while (!lines.atEnd() && !decodes.atEnd()) {
            const QByteArray line = lines.readLine().trimmed();
            const QJsonObject expected = QJsonDocument::fromJson(decodes.readLine()).object();
            const int type = expected.value("type").toInt();
            // A sentence over the 82 characters of the standard is refused before the table.
            if (types.contains(type) && AisFixture::sentenceOf(line).size() <= 82)
                QTest::addRow("type %d, %d", type, expected.value("mmsi").toInt()) << line << expected;
        }
    }

    void referenceReports()
    {
        QFETCH(QByteArray, line);
        QFETCH(QJsonObject, expected);
        const CTargetAisData r = otherFrom({line});
        const int type = expected.value("type").toInt();
        const auto number = [&](const char* key) { return expected.value(key).toDouble(); };
        const auto flag = [&](const char* key) { return expected.value(key).toBool(); };
        QCOMPARE(r.mmsi, uint32_t(number("mmsi")));
        QCOMPARE(int(r.lastMessageId), type);
        QCOMPARE(r.stationKind, kindOfType(type));

        if (type <= 4 || type == 9 || type == 18 || type == 21) {
            const bool onEarth = qAbs(number("lat")) < 91 && qAbs(number("lon")) < 181;
            QCOMPARE(r.positionValid, onEarth);
            QVERIFY(qAbs(r.position.lat - (onEarth ? number("lat") : 91.0)) < 1e-5);
            QVERIFY(qAbs(r.position.lon - (onEarth ? number("lon") : 181.0)) < 1e-5);
            QCOMPARE(r.positionAccuracy, flag("accuracy"));
            QCOMPARE(r.raim, flag("raim"));
        }
        if (type <= 3 || type == 18) {
            QVERIFY(qAbs(r.sog - number("speed")) < 1e-4);
            QVERIFY(qAbs(r.cog - number("course")) < 1e-4);
            const double heading = number("heading");
            QCOMPARE(r.trueHeading, float(heading < 360 ? heading : 511)); // 360 to 510 are no heading
        }
        if (type <= 3)
            QCOMPARE(int(r.navStatus), int(number("status")));
        // The AtoN name is left out: that decoder reads two six-bit codes as other characters.
        if (type == 5 || type == 24)
            QCOMPARE(text(r.name), expected.value("shipname").toString());
        if (type == 4 || type == 5 || type == 21)
            QCOMPARE(int(r.epfsType), int(number("epfd")));
        if (type == 5 || type == 21) {
            QCOMPARE(r.dimension.a, float(number("to_bow")));
            QCOMPARE(r.dimension.b, float(number("to_stern")));
            QCOMPARE(r.dimension.c, float(number("to_port")));
            QCOMPARE(r.dimension.d, float(number("to_starboard")));
        }
        if (type == 5) {
            QCOMPARE(text(r.callSign), expected.value("callsign").toString());
            QCOMPARE(int(r.shipType), int(number("shiptype")));
            QCOMPARE(r.kindData.classA.imo, expected.value("imo").toString().toUInt());
            QCOMPARE(r.kindData.classA.draught, float(number("draught")));
            QCOMPARE(text(r.kindData.classA.destination), expected.value("destination").toString());
        }
        if (type == 9)
            QCOMPARE(r.kindData.sarAircraft.altitude, float(number("alt")));
        if (type == 18) {
            const AIS_CLASS_B_DATA& b = r.kindData.classB;
            QCOMPARE(b.unitFlag, flag("unit"));
            QCOMPARE(b.displayFlag, flag("display"));
            QCOMPARE(b.dscFlag, flag("dsc"));
            QCOMPARE(b.bandFlag, flag("band"));
            QCOMPARE(b.message22Flag, flag("msg22"));
            QCOMPARE(b.modeFlag, flag("mode"));
        }
        if (type == 21) {
            const AIS_ATON_DATA& a = r.kindData.aton;
            QCOMPARE(bool(a.offPosition), flag("off_position"));
            QCOMPARE(bool(a.virtualAton), flag("virtual_aid"));
            QCOMPARE(bool(a.assignedMode), flag("assigned"));
            QCOMPARE(int(a.atonType), int(number("aid_type")));
        }
    }

    // Which messages carry a position, and which a motion too; a VDO of a link that is not the
    // primary position source carries neither into the own record.
    void kinematicsByMessage_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("listener");
        QTest::addColumn<bool>("positioned");
        QTest::addColumn<bool>("moving");
        QTest::newRow("1 VDM") << 1 << int(I62_LISTENER_VDM) << true << true;
        QTest::newRow("3 VDM") << 3 << int(I62_LISTENER_VDM) << true << true;
        QTest::newRow("1 VDO") << 1 << int(I62_LISTENER_VDO) << true << true;
        QTest::newRow("1 VDO, not primary") << 1 << int(I62_LISTENER_VDO_NOT_PRIMARY) << false << false;
        QTest::newRow("4 base station") << 4 << int(I62_LISTENER_VDM) << true << false;
        QTest::newRow("5 voyage") << 5 << int(I62_LISTENER_VDM) << false << false;
        QTest::newRow("9 SAR aircraft") << 9 << int(I62_LISTENER_VDM) << true << true;
        QTest::newRow("18 class B") << 18 << int(I62_LISTENER_VDM) << true << true;
        QTest::newRow("19 class B extended") << 19 << int(I62_LISTENER_VDM) << true << true;
        QTest::newRow("21 AtoN") << 21 << int(I62_LISTENER_VDM) << true << false;
        QTest::newRow("24 static") << 24 << int(I62_LISTENER_VDM) << false << false;
        QTest::newRow("8 binary") << 8 << int(I62_LISTENER_VDM) << false << false;
    }

    void kinematicsByMessage()
    {
        QFETCH(int, id);
        QFETCH(int, listener);
        QFETCH(bool, positioned);
        QFETCH(bool, moving);
        const bool own = listener != I62_LISTENER_VDM;
        QVERIFY(CodecFeed::fileMessage(placedMessage(uint8_t(id), 244123000), own) >= 0);
        CTargetAisData r;
        r.updateData(CopyAisFillSource(!own, SENSOR_I62_LISTENER(listener)));
        QCOMPARE(r.mmsi, 244123000u);
        QCOMPARE(r.positionValid, positioned);
        QCOMPARE(r.position.lat, positioned ? double(52.25f) : 91.0);
        QCOMPARE(r.position.lon, positioned ? 4.5 : 181.0);
        QCOMPARE(r.sog, moving ? 3.5f : 102.3f);
        QCOMPARE(r.cog, moving ? 90.0f : 360.0f);
    }

    // A latitude of 91 makes the whole position not available, even with a good longitude.
    void latitudeOutOfRangeDropsThePosition()
    {
        CTargetAisData r;
        CodecFeed::fileMessage(placedMessage(1, 244123000));
        fillOther(r);
        QVERIFY(r.positionValid);
        CodecFeed::fileMessage(placedMessage(1, 244123000, 91.0f));
        fillOther(r);
        QVERIFY(!r.positionValid);
        QCOMPARE(r.position.lat, 91.0);
        QCOMPARE(r.position.lon, 181.0);
    }

    // Texts that fill their whole room without an end run into the next field: each copy stops
    // at its own length.
    void textsCutToTheirRoom()
    {
        CodecFeed::fileMessage(CodecFeed::blankMessage(5, 244123000));
        {
            CCodecLock lock;
            GENERIC_SHIP_DATA& e = ShipData[1];
            std::memset(e.name, 'N', sizeof e.name);
            std::memcpy(e.callSign, "CALL", 5); // a 25-character name where the copy ran on
            std::memset(e.destination, 'D', sizeof e.destination);
            std::memset(e.vendorId, 'V', sizeof e.vendorId);
        }
        CTargetAisData r;
        fillOther(r);
        QCOMPARE(QByteArray(r.name), QByteArray(20, 'N'));
        QCOMPARE(QByteArray(r.callSign), QByteArray("CALL"));
        QCOMPARE(QByteArray(r.kindData.classA.destination), QByteArray(20, 'D'));

        UN_AIS_MESSAGE aton = placedMessage(21, 992441000);
        std::memset(aton.msg21.nameExtension, 'X', sizeof aton.msg21.nameExtension);
        CodecFeed::fileMessage(aton);
        {
            CCodecLock lock;
            std::memset(ShipData[1].nameExtension, 'X', sizeof ShipData[1].nameExtension);
        }
        CTargetAisData a;
        fillOther(a);
        QCOMPARE(QByteArray(a.kindData.aton.nameExtension), QByteArray(14, 'X'));
    }

    // A station heard only in messages that tell no kind stays without kind data.
    void stationOfNoKindStaysUnprepared()
    {
        CodecFeed::fileMessage(CodecFeed::blankMessage(8, 244123000));
        CTargetAisData r;
        fillOther(r);
        QCOMPARE(r.mmsi, 244123000u);
        QCOMPARE(int(r.lastMessageId), 8);
        QCOMPARE(r.stationKind, AIS_TYPE_NONE);
        QVERIFY(!r.kindDataPrepared);
        QCOMPARE(r.firstReportTime, int64_t(0));
    }

    // The kind data is one union: a station that reports another kind must not show the old
    // kind's bytes as the new kind's fields.
    void kindChangeClearsKindData()
    {
        UN_AIS_MESSAGE partB = CodecFeed::blankMessage(24, 244123000);
        partB.msg24b.partNumber = 1;
        std::memcpy(partB.msg24b.vendorId, "VENDORX", 8);
        CodecFeed::fileMessage(partB);
        CTargetAisData r;
        fillOther(r);
        QCOMPARE(r.stationKind, AIS_TYPE_CLASS_B);
        QCOMPARE(QByteArray(r.kindData.classB.vendorId), QByteArray("VENDORX"));
        const int64_t firstReport = r.firstReportTime;

        UN_AIS_MESSAGE voyage = CodecFeed::blankMessage(5, 244123000);
        voyage.msg5.imo = 9134270;
        CodecFeed::fileMessage(voyage);
        fillOther(r);
        QCOMPARE(r.stationKind, AIS_TYPE_CLASS_A);
        QCOMPARE(r.kindData.classA.imo, 9134270u);
        QVERIFY(r.kindData.classA.rateOfTurn == 0.0f); // not the vendor ID's bytes
        QCOMPARE(r.firstReportTime, firstReport);
    }

    void sartMode_data()
    {
        QTest::addColumn<int>("navStatus");
        QTest::addColumn<uint>("mode");
        QTest::newRow("active") << 14 << 1u;
        QTest::newRow("test") << 15 << 2u;
    }

    void sartMode()
    {
        QFETCH(int, navStatus);
        QFETCH(uint, mode);
        UN_AIS_MESSAGE m = placedMessage(1, 970123456);
        m.msg1.navStatus = uint8_t(navStatus);
        CodecFeed::fileMessage(m);
        CTargetAisData r;
        fillOther(r);
        QCOMPARE(r.stationKind, AIS_TYPE_SART);
        QCOMPARE(r.kindData.sart.mode, mode);
    }

    void etaTimes_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::addColumn<QDateTime>("expected"); // invalid: not available (0)
        const QDateTime jan2(QDate(2024, 1, 2), QTime(8, 0), Qt::UTC);
        const QDateTime march(QDate(2024, 3, 1), QTime(8, 0), Qt::UTC);
        QTest::newRow("1 January on 2 January: next year")
            << jan2 << 1 << 1 << 0 << 0 << QDateTime(QDate(2025, 1, 1), QTime(0, 0), Qt::UTC);
        QTest::newRow("later this year") << march << 5 << 15 << 14 << 0
                                         << QDateTime(QDate(2024, 5, 15), QTime(14, 0), Qt::UTC);
        QTest::newRow("this very minute") << march << 3 << 1 << 8 << 0 << march;
        QTest::newRow("hour 24 is midnight") << march << 5 << 15 << 24 << 30
                                             << QDateTime(QDate(2024, 5, 15), QTime(0, 30), Qt::UTC);
        QTest::newRow("minute 60 is the full hour") << march << 5 << 15 << 14 << 60
                                                    << QDateTime(QDate(2024, 5, 15), QTime(14, 0), Qt::UTC);
        QTest::newRow("no month") << march << 0 << 15 << 14 << 0 << QDateTime();
        QTest::newRow("no day") << march << 5 << 0 << 14 << 0 << QDateTime();
        QTest::newRow("month 13") << march << 13 << 15 << 14 << 0 << QDateTime();
    }

    void etaTimes()
    {
        QFETCH(QDateTime, now);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, hour);
        QFETCH(int, minute);
        QFETCH(QDateTime, expected);
        QCOMPARE(AisEtaTime(month, day, hour, minute, now.toSecsSinceEpoch()),
                 expected.isValid() ? expected.toSecsSinceEpoch() : int64_t(0));
    }

    // The own record from the GNSS slot and the heading record, as the own listeners fill it.
    void ownVesselFromGnssAndCompass()
    {
        CTargetAisData own;
        const auto fill = [&](const QByteArray& body, SENSOR_I62_LISTENER listener) {
            QVERIFY(CodecFeed::sensorSentence(body) >= 0);
            own.updateData(CopyAisFillSource(false, listener));
        };
        fill("$GPRMC,123519,V,4807.038,N,01131.000,E,022.4,084.4,230324,003.1,W", I62_LISTENER_POSITION);
        QVERIFY(!own.positionValid); // no valid fix: nothing taken
        QCOMPARE(own.sog, 102.3f);
        fill("$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230324,003.1,W", I62_LISTENER_POSITION);
        QVERIFY(own.positionValid);
        QVERIFY(qAbs(own.position.lat - 48.1173) < 1e-7);
        QVERIFY(qAbs(own.position.lon - 11.516666667) < 1e-7);
        QCOMPARE(own.sog, 22.4f);
        QCOMPARE(own.cog, 84.4f);

        QCOMPARE(own.trueHeading, 511.0f);
        fill("$HEHDM,117.0,M", I62_LISTENER_HDM);
        QCOMPARE(own.trueHeading, 117.0f);
        fill("$HEHDT,123.4,T", I62_LISTENER_HDT);
        QCOMPARE(own.trueHeading, 123.4f);
        fill("$HEHDM,118.0,M", I62_LISTENER_HDM);
        QCOMPARE(own.trueHeading, 123.4f); // the true heading goes first
    }

    void courseDegrees_data()
    {
        QTest::addColumn<bool>("course");
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("degrees");
        QTest::newRow("COG half up") << true << 2.5f << 3;
        QTest::newRow("COG negative half up") << true << -2.5f << -2;
        QTest::newRow("COG not available") << true << 360.0f << 0;
        QTest::newRow("heading 359.6") << false << 359.6f << 360;
        QTest::newRow("heading not available") << false << 511.0f << 0;
    }

    void courseDegrees()
    {
        QFETCH(bool, course);
        QFETCH(float, value);
        QFETCH(int, degrees);
        CTargetAisData r;
        (course ? r.cog : r.trueHeading) = value;
        QCOMPARE(int(r.getCourseDeg(course)), degrees);
    }

    // The registry resets a target's AIS part; its screen points are the target's own.
    void resetKeepsScreenPoints()
    {
        CTargetAisData r;
        CodecFeed::fileLines(EVER_DIADEM);
        fillOther(r);
        r.range = 3.0f;
        r.setScreen(2, Unit::SPointC2dI{10, 20});
        r.setScreen(4, Unit::SPointC2dI{30, 40}); // no such view
        r.resetData();
        QCOMPARE(r.mmsi, CSensorTargetBase::NoMmsi);
        QCOMPARE(r.range, -1.0f);
        QCOMPARE(r.stationKind, AIS_TYPE_NONE);
        QCOMPARE(r.kindData.classA.imo, 0u);
        QCOMPARE(r.screen[2].x, 10);
        QCOMPARE(r.screen[3].x, CTargetAisData::NoScreen);
    }

    void radarAcquisition_data()
    {
        QTest::addColumn<char>("type");
        QTest::addColumn<int>("acquisition");
        QTest::newRow("automatic") << 'A' << 0;
        QTest::newRow("manual") << 'M' << 1;
        QTest::newRow("reported") << 'R' << 3;
        QTest::newRow("other") << 'Q' << -1;
    }

    void radarAcquisition()
    {
        QFETCH(char, type);
        QFETCH(int, acquisition);
        Target::CTargetArpaData radar;
        QCOMPARE(QByteArray(radar.status, 3), QByteArray("TTN"));
        radar.setAcquisitionType(type);
        QCOMPARE(radar.acquisitionType, acquisition);
    }
};

QTEST_GUILESS_MAIN(TestAisTarget)
#include "tst_aistarget.moc"
