#include "../AisFixture.h"
#include "TestEnv.h"
#include "codec/ais/AisOwnMessage.h"
#include "codec/geometry/StationGeometry.h"
#include "codec/records/AisRxBuffers.h"
#include "codec/records/ShipTable.h"
#include "support/PortalTime.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>
#include <cstring>

using namespace AisFixture;

namespace {

const QByteArrayList EVER_DIADEM = {"!AIVDM,2,1,1,A,55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp8,0*1C",
                                    "!AIVDM,2,2,1,A,88888888880,2*25"};

UN_AIS_MESSAGE decoded(const QByteArrayList& lines)
{
    UN_AIS_MESSAGE m;
    if (decodeThroughStore(lines, &m) != AIS_UNPACK_DONE)
        std::memset(&m, 0, sizeof m);
    return m;
}

const UN_AIS_MESSAGE& everDiadem()
{
    static const UN_AIS_MESSAGE m = decoded(EVER_DIADEM);
    return m;
}

UN_AIS_MESSAGE message(uint8_t id, uint32_t mmsi)
{
    UN_AIS_MESSAGE m;
    std::memset(&m, 0, sizeof m);
    m.header.messageId = id;
    m.header.mmsi = mmsi;
    return m;
}

UN_AIS_MESSAGE positionReport(uint32_t mmsi, uint8_t navStatus)
{
    UN_AIS_MESSAGE m = message(1, mmsi);
    m.msg1.navStatus = navStatus;
    m.msg1.longitude = 4.5f;
    m.msg1.latitude = 52.25f;
    m.msg1.sog = 3.5f;
    m.msg1.cog = 90.0f;
    m.msg1.heading = 88;
    return m;
}

int storeOther(const UN_AIS_MESSAGE& m)
{
    return StoreAisMsg(&m, 0, 0, false);
}

QString text(const char* value)
{
    return QString::fromLatin1(value);
}

QString fillTrimmed(QString value)
{
    while (value.endsWith('@'))
        value.chop(1);
    return value;
}

uint64_t g_fakeMs = 1000;

// The codec clock moves on by the given milliseconds, as the handler moves it per sentence.
void advanceClock(uint64_t ms)
{
    g_fakeMs += ms;
    Portal::Time::SetFakeClock(g_fakeMs);
    T1msTimerEvent();
}

bool sameExceptLastHeard(GENERIC_SHIP_DATA a, GENERIC_SHIP_DATA b)
{
    a.lastHeardClock = b.lastHeardClock;
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

class TestShipTable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Portal::Time::SetFakeClock(g_fakeMs);
        IoSubInitial();
    }

    void init()
    {
        QVERIFY(ShipInitial());
        QVERIFY(AisMessageInitial());
    }

    void cleanupTestCase()
    {
        Portal::Time::ClearFakeClock();
    }

    void stationKinds_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<uint>("mmsi");
        QTest::addColumn<int>("navStatus");
        QTest::addColumn<int>("kind");
        QTest::newRow("class A") << 1 << 244123000u << 0 << int(STATION_CLASS_A);
        QTest::newRow("class A, 3") << 3 << 244123000u << 0 << int(STATION_CLASS_A);
        QTest::newRow("SART active") << 1 << 970123456u << 14 << int(STATION_SART);
        QTest::newRow("SART test") << 2 << 970999999u << 15 << int(STATION_SART);
        QTest::newRow("SART MMSI, status 0") << 1 << 970123456u << 0 << int(STATION_CLASS_A);
        QTest::newRow("status 14, ship MMSI") << 1 << 244123000u << 14 << int(STATION_CLASS_A);
        QTest::newRow("just past the SART block") << 1 << 971000000u << 14 << int(STATION_CLASS_A);
        QTest::newRow("base station") << 4 << 2442000u << 0 << int(STATION_BASE);
        QTest::newRow("static and voyage") << 5 << 244123000u << 0 << int(STATION_CLASS_A);
        QTest::newRow("SAR aircraft") << 9 << 111244000u << 0 << int(STATION_SAR_AIRCRAFT);
        QTest::newRow("assignment") << 16 << 2442000u << 0 << int(STATION_BASE);
        QTest::newRow("DGNSS") << 17 << 2442000u << 0 << int(STATION_BASE);
        QTest::newRow("class B") << 18 << 244123000u << 0 << int(STATION_CLASS_B);
        QTest::newRow("class B extended") << 19 << 244123000u << 0 << int(STATION_CLASS_B);
        QTest::newRow("data link") << 20 << 2442000u << 0 << int(STATION_BASE);
        QTest::newRow("aid to navigation") << 21 << 992441000u << 0 << int(STATION_ATON);
        QTest::newRow("channel management") << 22 << 2442000u << 0 << int(STATION_BASE);
        QTest::newRow("group assignment") << 23 << 2442000u << 0 << int(STATION_BASE);
        QTest::newRow("static report") << 24 << 244123000u << 0 << int(STATION_CLASS_B);
        QTest::newRow("UTC response: only stamped") << 11 << 244123000u << 0 << int(STATION_NONE);
        QTest::newRow("binary broadcast: only stamped") << 8 << 244123000u << 0 << int(STATION_NONE);
    }

    void stationKinds()
    {
        QFETCH(int, id);
        QFETCH(uint, mmsi);
        QFETCH(int, navStatus);
        QFETCH(int, kind);
        UN_AIS_MESSAGE m = message(uint8_t(id), mmsi);
        if (id <= 3)
            m.msg1.navStatus = uint8_t(navStatus);
        const int entry = storeOther(m);
        QCOMPARE(entry, 1);
        QCOMPARE(int(ShipData[entry].stationKind), kind);
        QCOMPARE(ShipData[entry].mmsi, uint64_t(mmsi));
        QCOMPARE(RxAisShipId, 1);
        QCOMPARE(RxAisMsgId, id);
    }

    void refusesIdentifiersOutsideOneToTwentySix()
    {
        for (uint8_t id : {uint8_t(0), uint8_t(27), uint8_t(63)}) {
            const UN_AIS_MESSAGE m = message(id, 244123000);
            QCOMPARE(storeOther(m), -1);
            QCOMPARE(StoreAisMsg(&m, 0, 0, true), -1);
        }
        QCOMPARE(NoStation, 1);
        QCOMPARE(ShipData[0].mmsi, uint64_t(0));
        QCOMPARE(RxAisShipId, -1);
    }

    // Every reference message filed in a fresh table: the entry holds what the independent
    // decoders read, for the fields its type carries.
    void referenceMessagesFillTheirEntry_data()
    {
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<QJsonObject>("expected");
        const QString dir = TestEnv::refDataDir();
        QFile cases(dir + "/ais-libais/test_data.top_level.json");
        QVERIFY(cases.open(QIODevice::ReadOnly));
        const QJsonArray all = QJsonDocument::fromJson(cases.readAll()).array();
        for (int i = 0; i < all.size(); ++i) {
            const QJsonObject one = all[i].toObject();
            const QJsonObject result = one.value("result").toObject();
            if (result.value("id").toInt() == 27)
                continue; // no layout: never reaches the ship table
            QByteArrayList lines;
            for (const QJsonValue& line : one.value("nmea").toArray())
                lines.append(line.toString().toLatin1());
            QTest::addRow("case %d type %d", i, result.value("id").toInt()) << lines << result;
        }
    }

    void referenceMessagesFillTheirEntry()
    {
        QFETCH(QByteArrayList, lines);
        QFETCH(QJsonObject, expected);
        UN_AIS_MESSAGE m;
        QCOMPARE(unpackLines(lines, &m), AIS_UNPACK_DONE); // one case lacks its second fragment
        const int id = expected.value("id").toInt();
        QCOMPARE(int(m.messageId), id);
        const int entry = storeOther(m);
        QCOMPARE(entry, 1);
        const GENERIC_SHIP_DATA& e = ShipData[entry];
        QCOMPARE(e.mmsi, uint64_t(expected.value("mmsi").toInt()));

        const auto number = [&](const char* key) { return expected.value(key).toDouble(); };
        const auto near = [](double a, double b) { return qAbs(a - b) < 1e-4; };
        const bool positioned = (id >= 1 && id <= 4) || id == 9 || id == 18 || id == 19 || id == 21;
        const bool moving = (id >= 1 && id <= 3) || id == 9 || id == 18 || id == 19;
        const bool carriesStatic = id == 5 || id == 19 || id == 21 || id == 24;
        if (positioned) {
            QVERIFY2(near(e.longitude, number("x")), qPrintable(QString::number(e.longitude)));
            QVERIFY2(near(e.latitude, number("y")), qPrintable(QString::number(e.latitude)));
            QCOMPARE(bool(e.flags & SHIP_FLAG_ACCURACY), expected.value("position_accuracy").toInt() == 1);
            QCOMPARE(bool(e.flags & SHIP_FLAG_RAIM), expected.value("raim").toBool());
        }
        if (moving) {
            QVERIFY(near(e.sog, number("sog")));
            QVERIFY(near(e.cog, number("cog")));
        }
        if (expected.contains("true_heading") && moving)
            QCOMPARE(e.heading, float(number("true_heading")));
        if (id <= 3)
            QCOMPARE((e.flags & SHIP_FLAG_NAV_STATUS_MASK) >> SHIP_FLAG_NAV_STATUS_SHIFT, expected.value("nav_status").toInt());
        if (carriesStatic) {
            if (expected.contains("name"))
                QCOMPARE(text(e.name), fillTrimmed(expected.value("name").toString()));
            if (expected.contains("callsign"))
                QCOMPARE(text(e.callSign), fillTrimmed(expected.value("callsign").toString()));
            if (expected.contains("vendor_id"))
                QCOMPARE(text(e.vendorId), fillTrimmed(expected.value("vendor_id").toString()));
            if (expected.contains("type_and_cargo"))
                QCOMPARE(int(e.shipType), expected.value("type_and_cargo").toInt());
            if (expected.contains("dim_a")) {
                QCOMPARE(int(e.toBow), expected.value("dim_a").toInt());
                QCOMPARE(int(e.toStern), expected.value("dim_b").toInt());
                QCOMPARE(int(e.toPort), expected.value("dim_c").toInt());
                QCOMPARE(int(e.toStarboard), expected.value("dim_d").toInt());
            }
        }
        const bool keepsEpfd = id == 4 || id == 5 || id == 19 || id == 21;
        if (keepsEpfd && expected.contains("fix_type"))
            QCOMPARE(int(e.flags & SHIP_FLAG_EPFD_MASK), expected.value("fix_type").toInt());
        if (expected.contains("dte") && (id == 5 || id == 9 || id == 19))
            QCOMPARE(bool(e.flags & SHIP_FLAG_DTE), expected.value("dte").toInt() != 0);
        if (id == 5) {
            QCOMPARE(text(e.destination), fillTrimmed(expected.value("destination").toString()));
            QCOMPARE(int(e.etaMonth), expected.value("eta_month").toInt());
            QCOMPARE(int(e.etaDay), expected.value("eta_day").toInt());
            QCOMPARE(int(e.etaHour), expected.value("eta_hour").toInt());
            QCOMPARE(int(e.etaMinute), expected.value("eta_minute").toInt());
            QVERIFY(near(e.draught, number("draught")));
            QCOMPARE(e.imo, uint64_t(expected.value("imo_num").toInt()));
            QCOMPARE(int(e.aisVersion), expected.value("ais_version").toInt());
        }
        if (id == 9)
            QCOMPARE(e.altitude, float(number("alt")));
        if (id == 21) {
            QCOMPARE((e.atonFlags & SHIP_ATON_TYPE_MASK) >> SHIP_ATON_TYPE_SHIFT, expected.value("aton_type").toInt());
            QCOMPARE(int(e.atonStatus), expected.value("aton_status").toInt());
            QCOMPARE(bool(e.atonFlags & SHIP_ATON_OFF_POSITION), expected.value("off_pos").toBool());
            QCOMPARE(bool(e.atonFlags & SHIP_ATON_VIRTUAL), expected.value("virtual_aton").toBool());
            QCOMPARE(bool(e.atonFlags & SHIP_ATON_ASSIGNED), expected.value("assigned_mode").toBool());
        }
        if (id == 6 || id == 8) {
            const auto& buffer = id == 6 ? RxBinaryAddressMsg.dac : RxBinaryBroadcastMsg.dac;
            QCOMPARE(int(buffer), expected.value("dac").toInt());
            QCOMPARE(int(id == 6 ? RxBinaryAddressMsg.fi : RxBinaryBroadcastMsg.fi), expected.value("fi").toInt());
            QCOMPARE(int(id == 6 ? RxBinaryAddressMsg.isNew : RxBinaryBroadcastMsg.isNew), 1);
        }
    }

    // The published voyage vector through the whole receive road into the table.
    void staticVoyageDimensionsAndEta()
    {
        const UN_AIS_MESSAGE m = decoded(EVER_DIADEM);
        const int entry = storeOther(m);
        QCOMPARE(entry, 1);
        const GENERIC_SHIP_DATA& e = ShipData[entry];
        QCOMPARE(e.mmsi, uint64_t(351759000));
        QCOMPARE(int(e.stationKind), int(STATION_CLASS_A));
        QCOMPARE(int(e.toBow), 225);
        QCOMPARE(int(e.toStern), 70);
        QCOMPARE(int(e.toPort), 1);
        QCOMPARE(int(e.toStarboard), 31);
        QCOMPARE(int(e.etaMonth), 5);
        QCOMPARE(int(e.etaDay), 15);
        QCOMPARE(int(e.etaHour), 14);
        QCOMPARE(int(e.etaMinute), 0);
        QCOMPARE(text(e.name), QString("EVER DIADEM         ")); // the sender fills with blanks
        QCOMPARE(text(e.callSign), QString("3FOF8  "));
        QCOMPARE(text(e.destination), QString("NEW YORK            "));
        QCOMPARE(e.imo, uint64_t(9134270));
        QCOMPARE(int(e.shipType), 70);
        QCOMPARE(e.draught, 12.2f);
        // A voyage report carries no kinematics: the entry keeps its not-available values.
        QCOMPARE(e.latitude, SHIP_NO_LATITUDE);
        QCOMPARE(e.cog, SHIP_NO_COG);
    }

    // The published part A and part B of one station.
    void partBKeepsTheNameOfPartA()
    {
        QCOMPARE(storeOther(decoded({"!AIVDM,1,1,,A,H42O55i18tMET00000000000000,2*6D"})), 1);
        QCOMPARE(RxAisMsgId, 24);
        QCOMPARE(int(ShipData[1].partNumber), 0);
        QCOMPARE(storeOther(decoded({"!AIVDM,1,1,,A,H42O55lti4hhhilD3nink000?050,0*40"})), 1);
        const GENERIC_SHIP_DATA& e = ShipData[1];
        QCOMPARE(NoStation, 2);
        QCOMPARE(text(e.name), QString("PROGUY"));
        QCOMPARE(text(e.callSign), QString("TC6163"));
        QCOMPARE(int(e.shipType), 60);
        QCOMPARE(int(e.toStern), 15);
        QCOMPARE(int(e.toStarboard), 5);
        QCOMPARE(int(e.partNumber), 1);
        QCOMPARE(int(e.stationKind), int(STATION_CLASS_B));
        QCOMPARE(RxAisMsgId, 124);
    }

    void utcResponseOnlyStamps()
    {
        QCOMPARE(storeOther(positionReport(244123000, 0)), 1);
        QCOMPARE(storeOther(decoded(EVER_DIADEM)), 2);
        const GENERIC_SHIP_DATA before = ShipData[1];
        advanceClock(5000);

        UN_AIS_MESSAGE utc = message(11, 244123000);
        utc.msg4.longitude = -70.0f;
        utc.msg4.latitude = 40.0f;
        utc.msg4.accuracy = 1;
        utc.msg4.epfd = 7;
        QCOMPARE(storeOther(utc), 1);
        QVERIFY(sameExceptLastHeard(ShipData[1], before));
        QCOMPARE(ShipData[1].lastHeardClock.ms, GetSystemTime().ms);
        QVERIFY(ShipData[1].lastHeardClock.ms != before.lastHeardClock.ms);
        QCOMPARE(RxAisMsgId, 11);
    }

    void blankEntryNeverMatchesMmsiZero()
    {
        // Entry 0 is still blank (no own message yet): MMSI 0 must not land in the own ship.
        QCOMPARE(storeOther(positionReport(0, 0)), 1);
        QCOMPARE(ShipData[0].mmsi, uint64_t(0));
        QCOMPARE(int(ShipData[0].stationKind), int(STATION_NONE));
        QCOMPARE(ShipData[0].latitude, SHIP_NO_LATITUDE);

        // An own message takes the blank entry 0; the same MMSI heard from outside is the own ship.
        QCOMPARE(StoreAisMsg(&everDiadem(), 0, 0, true), 0);
        QCOMPARE(ShipData[0].mmsi, uint64_t(351759000));
        QCOMPARE(storeOther(positionReport(351759000, 0)), 0);
        QCOMPARE(NoStation, 2);
    }

    // 501 entries in use: a new station takes the entry heard longest ago, blanked first.
    void newStationRecyclesTheOneHeardLongestAgo()
    {
        UN_AIS_MESSAGE voyage = everDiadem();
        for (uint32_t i = 1; i < SHIP_TABLE_SIZE; ++i) {
            advanceClock(1000);
            voyage.header.mmsi = 200000000 + i;
            QCOMPARE(storeOther(i == 2 ? voyage : positionReport(200000000 + i, 0)), int(i));
        }
        QCOMPARE(NoStation, SHIP_TABLE_SIZE);
        advanceClock(1000);
        QCOMPARE(storeOther(positionReport(200000001, 0)), 1); // entry 2 is now the oldest

        advanceClock(1000);
        QCOMPARE(storeOther(positionReport(300000000, 5)), 2);
        QCOMPARE(NoStation, SHIP_TABLE_SIZE);
        const GENERIC_SHIP_DATA& e = ShipData[2];
        QCOMPARE(e.mmsi, uint64_t(300000000));
        QCOMPARE(int(e.stationKind), int(STATION_CLASS_A));
        QCOMPARE(int((e.flags & SHIP_FLAG_NAV_STATUS_MASK) >> SHIP_FLAG_NAV_STATUS_SHIFT), 5);
        // Nothing of the station that had the entry before.
        QCOMPARE(text(e.name), QString());
        QCOMPARE(text(e.destination), QString());
        QCOMPARE(int(e.toBow), 0);
        QCOMPARE(e.imo, uint64_t(0));

        advanceClock(1000);
        QCOMPARE(storeOther(positionReport(300000001, 0)), 3); // then the next oldest
        QCOMPARE(ShipData[1].mmsi, uint64_t(200000001));
    }

    // A second reset within the same second still blanks every entry written since the first,
    // by the stores, the station geometry or a recycling.
    void resetWithinOneSecondBlanksEveryEntryWrittenSince()
    {
        const GENERIC_SHIP_DATA initial = ShipData[SHIP_TABLE_SIZE - 1];
        for (uint32_t i = 1; i <= 40; ++i)
            QCOMPARE(storeOther(positionReport(200000000 + i, 0)), int(i));
        CalAllStationDistance(300, 4.0f, 52.0f); // no position: distance not available
        ResetShipData(200);
        QVERIFY(ShipData[300].distance != initial.distance);
        QVERIFY(ShipInitial());
        for (int i = 0; i < SHIP_TABLE_SIZE; ++i)
            QVERIFY2(std::memcmp(&ShipData[i], &initial, sizeof initial) == 0, qPrintable(QString::number(i)));
        QCOMPARE(NoStation, 1);
    }

    void fewerThanTwoEntriesRecycleEntryOne()
    {
        QCOMPARE(DeleteOldestShipData(), 1);
        QCOMPARE(NoStation, 1);
    }

    void messagesWithoutStationDataGoToTheirBuffers()
    {
        UN_AIS_MESSAGE interrogation = message(15, 2442000);
        interrogation.msg15.destMmsi1 = 244123000;
        QCOMPARE(StoreAisMsg(&interrogation, 1, 7, false), 1);
        QCOMPARE(int(InterrogateMsg.isNew), 1);
        QCOMPARE(InterrogateMsg.message.destMmsi1, 244123000u);
        QCOMPARE(InterrogateMsg.channel, 1);
        QCOMPARE(InterrogateMsg.value, 7u);
        QCOMPARE(int(ShipData[1].stationKind), int(STATION_NONE));

        UN_AIS_MESSAGE assignment = message(23, 2442000);
        assignment.msg23.area = AIS_AREA{5.0f, 53.0f, 4.0f, 52.0f};
        QCOMPARE(StoreAisMsg(&assignment, 0, 0, false), 1);
        QCOMPARE(int(GrpAssignCmdMsg.isNew), 1);
        QCOMPARE(int(ShipData[1].stationKind), int(STATION_BASE));

        QVERIFY(AisMessageInitial());
        QCOMPARE(int(InterrogateMsg.isNew), 0);
        QCOMPARE(int(GrpAssignCmdMsg.isNew), 0);
        QCOMPARE(GrpAssignCmdMsg.message.area.longitude1, 181.0f);
        QCOMPARE(GrpAssignCmdMsg.message.area.latitude2, 91.0f);
        QCOMPARE(RxAisShipId, -1);
        QCOMPARE(RxAisMsgId, -1);
    }

    // The handler's per-sentence reset: a VDM from a new station lands in a blank entry 1.
    void sentenceResetLeavesBlankOwnAndTargetEntries()
    {
        QCOMPARE(StoreAisMsg(&everDiadem(), 0, 0, true), 0);
        QCOMPARE(storeOther(positionReport(244123000, 0)), 1);
        ShipData[1].vdmCount = 4;
        ShipSentenceReset();
        QCOMPARE(NoStation, 1);
        QCOMPARE(ShipData[0].mmsi, uint64_t(0));
        QCOMPARE(text(ShipData[0].name), QString());

        QCOMPARE(storeOther(positionReport(244999000, 0)), 1);
        QCOMPARE(int(ShipData[1].stationKind), int(STATION_CLASS_A));
        QCOMPARE(ShipData[1].vdmCount, 0u);
        QCOMPARE(ShipData[1].vdoCount, 0u);
    }

    // Own messages built from entry 0 pack back into the bits they were filed from.
    void ownMessagesRebuildFromEntryZero_data()
    {
        QTest::addColumn<QByteArrayList>("lines");
        QTest::newRow("static and voyage") << EVER_DIADEM;
        QTest::newRow("class B position") << QByteArrayList{"!AIVDM,1,1,,A,B52K>;h00Fc>jpUlNV@ikwpUoP06,0*4C"};
    }

    void ownMessagesRebuildFromEntryZero()
    {
        QFETCH(QByteArrayList, lines);
        const UN_AIS_MESSAGE received = decoded(lines);
        QCOMPARE(StoreAisMsg(&received, 0, 0, true), 0);

        UN_AIS_MESSAGE built;
        COMMUNICATION_STATE state{0, 0};
        if (received.messageId == 18) {
            state = COMMUNICATION_STATE{received.msg18.commStateSelector, received.msg18.commState};
            bSysUtcAvail = true;
            SysUtcTime.second = received.msg18.timeStamp;
        }
        QVERIFY(CreateAisMsg(received.messageId, &built, state));
        bSysUtcAvail = false;
        AIS_raw_message want;
        AIS_raw_message got;
        QVERIFY(AisMessagePack(&received, &want));
        QVERIFY(AisMessagePack(&built, &got));
        QCOMPARE(got.bitCount, want.bitCount);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(got.bits), (got.bitCount + 7) / 8),
                 QByteArray(reinterpret_cast<const char*>(want.bits), (want.bitCount + 7) / 8));
    }

    void createRefusesMessagesItDoesNotBuild()
    {
        UN_AIS_MESSAGE m;
        for (uint8_t id : {0, 10, 11, 16, 17, 24, 25, 26, 27})
            QVERIFY2(!CreateAisMsg(id, &m, COMMUNICATION_STATE{0, 0}), qPrintable(QString::number(id)));
        QVERIFY(CreateAisMsg(12, &m, COMMUNICATION_STATE{0, 0}));
    }

};

QTEST_GUILESS_MAIN(TestShipTable)
#include "tst_shiptable.moc"
