#include "../SentenceFixture.h"
#include "TestEnv.h"
#include "codec/families/I62Ais.h"
#include "codec/families/I62AtoN.h"
#include "codec/families/I62Gnss.h"
#include "codec/families/I62Proprietary.h"
#include "codec/families/I62Radar.h"
#include "codec/records/SensorStores.h"
#include "codec/records/ShipTable.h"
#include "support/PortalTime.h"

#include <QFile>
#include <QtTest>
#include <cstring>

using namespace SentenceFixture;

namespace {

Parser parserFor(const QByteArray& formatter)
{
    static const QHash<QByteArray, Parser> parsers = {
        {"GGA", I62_FMT_GGA}, {"GLL", I62_FMT_GLL}, {"GBS", I62_FMT_GBS}, {"GSA", I62_FMT_GSA},
        {"GSV", I62_FMT_GSV}, {"RMC", RMC_ParseProc}, {"VTG", I62_FMT_VTG}, {"ZDA", I62_FMT_ZDA},
        {"DTM", I62_FMT_DTM}, {"GNS", GNS_ParseProc}, {"HDT", I62_FMT_HDT}, {"HDM", I62_FMT_HDM},
        {"ROT", I62_FMT_ROT}, {"ALR", I62_FMT_ALR}, {"SSD", AIS_FMT_SSD}, {"TXT", I62_FMT_TXT},
        {"ACE", ATON_FMT_ACE}, {"AFC", ATON_FMT_AFC}, {"TTM", I62_FMT_TTM},
    };
    return parsers.value(formatter);
}

// A talker sentence ("$GPGGA,...") parsed with its frame filled as the dispatcher fills it.
bool parse(const QByteArray& body, I61162_Data_Structure* record)
{
    *record = staleRecord();
    return parseFramed(parserFor(body.mid(3, 3)), body, record);
}

I61162_Data_Structure parsed(const QByteArray& body)
{
    I61162_Data_Structure record;
    if (!parse(body, &record))
        qWarning("refused: %s", body.constData());
    return record;
}

// A plain proprietary sentence ("$PMID,..."): talker "P", the formatter the three letters after it.
I61162_Data_Structure parsedProprietary(const QByteArray& body, Parser parser)
{
    I61162_Data_Structure record = staleRecord();
    std::strcpy(record.talker, "P");
    std::memcpy(record.formatter, body.constData() + 2, 3);
    record.formatter[3] = '\0';
    record.makerLetter = 0;
    if (!parseLine(parser, closed(body), &record))
        qWarning("refused: %s", body.constData());
    return record;
}

GPS_Data& slot()
{
    return GpsData[CurGpsPort];
}

bool storeGnss(const QByteArray& body)
{
    I61162_Data_Structure record;
    return parse(body, &record) && (StoreGPSData(&record, &slot()) || StoreSensorData(&record, &EXTGnssData));
}

uint64_t g_fakeMs = 1000;

void setClock(uint64_t ms)
{
    g_fakeMs = ms;
    Portal::Time::SetFakeClock(ms);
    T1msTimerEvent();
}

bool sameTime(SYSTEM_TIME a, SYSTEM_TIME b)
{
    return a.ms == b.ms && a.day == b.day;
}

const QByteArray RMC_GOOD = "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W,A";
const QByteArray GGA_FIX = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,";
const QByteArray VTG_GOOD = "$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K,A";

} // namespace

class TestSensorStores : public QObject
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
        setClock(g_fakeMs + 1000);
        QVERIFY(SensorInitial());
        QVERIFY(ShipInitial());
    }

    void cleanupTestCase()
    {
        Portal::Time::ClearFakeClock();
    }

    void startState()
    {
        const GPS_Data& s = slot();
        QCOMPARE(int(s.status), int('V'));
        QCOMPARE(int(s.modeIndicator), int('N'));
        QCOMPARE(int(s.fixMode), 1);
        QCOMPARE(s.errLatitude, -1.0f);
        QCOMPARE(QByteArray(s.formatter), QByteArray("XXX"));
        QCOMPARE(int(s.positionValid.valid + s.timeValid.valid + s.cogSogValid.valid + s.dtmReceived.valid), 0);
        QVERIFY(sameTime(s.positionValid.updated, GetSystemTime()));
        QCOMPARE(int(EXTGnssData.trueHeadingValid.valid), 0);
    }

    // Validity after the sentences, in order; -1: not looked at.
    void validity_data()
    {
        QTest::addColumn<QByteArrayList>("sentences");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("time");
        QTest::addColumn<int>("date");
        QTest::addColumn<int>("cogSog");

        QTest::newRow("RMC A, mode A") << QByteArrayList{RMC_GOOD} << 1 << 1 << 1 << 1;
        QTest::newRow("RMC V after A") << QByteArrayList{RMC_GOOD, "$GPRMC,123520,V,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W,A"}
                                       << 0 << 0 << 1 << 0;
        QTest::newRow("RMC V, COG in range") << QByteArrayList{"$GPRMC,123520,V,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W,A"}
                                             << 0 << 0 << -1 << 0;
        QTest::newRow("RMC A, mode N") << QByteArrayList{"$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W,N"}
                                       << 0 << 1 << 1 << 1;
        QTest::newRow("RMC A, mode E after A") << QByteArrayList{RMC_GOOD, "$GPRMC,123520,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W,E"}
                                               << 0 << 1 << 1 << 1;
        QTest::newRow("RMC A without mode field") << QByteArrayList{"$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W"}
                                                  << 1 << 1 << 1 << 1;
        QTest::newRow("RMC A, empty COG") << QByteArrayList{"$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,,230394,003.1,W,A"}
                                          << 1 << 1 << 1 << 0;
        QTest::newRow("GGA quality 1") << QByteArrayList{GGA_FIX} << 1 << 1 << 1 << -1;
        QTest::newRow("GGA quality 0 after 1") << QByteArrayList{GGA_FIX, "$GPGGA,123520,4807.038,N,01131.000,E,0,00,,,M,,M,,"}
                                               << 0 << -1 << -1 << -1;
        QTest::newRow("GGA quality 1 without time") << QByteArrayList{"$GPGGA,,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"}
                                                    << 1 << 0 << 0 << -1;
        QTest::newRow("GLL status A") << QByteArrayList{"$GPGLL,4916.45,N,12311.12,W,225444,A,A"} << 1 << 1 << 1 << -1;
        QTest::newRow("GLL status V after A") << QByteArrayList{"$GPGLL,4916.45,N,12311.12,W,225444,A,A", "$GPGLL,4916.45,N,12311.12,W,225445,V,N"}
                                              << 0 << 1 << -1 << -1;
        QTest::newRow("VTG mode A") << QByteArrayList{VTG_GOOD} << -1 << -1 << -1 << 1;
        QTest::newRow("VTG without mode field") << QByteArrayList{"$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K"} << -1 << -1 << -1 << 1;
        QTest::newRow("VTG COG 361 after good") << QByteArrayList{VTG_GOOD, "$GPVTG,361.0,T,034.4,M,005.5,N,010.2,K,A"}
                                                << -1 << -1 << -1 << 0;
        QTest::newRow("VTG COG 360") << QByteArrayList{"$GPVTG,360.0,T,034.4,M,005.5,N,010.2,K,A"} << -1 << -1 << -1 << 1;
        QTest::newRow("VTG mode N after good") << QByteArrayList{VTG_GOOD, "$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K,N"}
                                               << -1 << -1 << -1 << 0;
        QTest::newRow("ZDA") << QByteArrayList{"$GPZDA,201530.00,04,07,2002,00,00"} << 0 << 1 << 1 << -1;
        QTest::newRow("ZDA without year") << QByteArrayList{"$GPZDA,201530.00,04,07,,00,00"} << -1 << 0 << 0 << -1;
    }

    void validity()
    {
        QFETCH(QByteArrayList, sentences);
        QFETCH(int, position);
        QFETCH(int, time);
        QFETCH(int, date);
        QFETCH(int, cogSog);
        for (const QByteArray& sentence : sentences) {
            setClock(g_fakeMs + 1000);
            QVERIFY2(storeGnss(sentence), sentence.constData());
        }
        const GPS_Data& s = slot();
        const SYSTEM_TIME now = GetSystemTime();
        const struct
        {
            const char* name;
            int expected;
            const SENSOR_VALIDITY& flag;
        } flags[] = {{"position", position, s.positionValid},
                     {"time", time, s.timeValid},
                     {"date", date, s.dateValid},
                     {"COG/SOG", cogSog, s.cogSogValid}};
        for (const auto& f : flags) {
            if (f.expected < 0)
                continue;
            QVERIFY2(f.flag.valid == f.expected, f.name);
            if (f.expected == 1 && sentences.size() == 1)
                QVERIFY2(sameTime(f.flag.updated, now), f.name); // stamped with the codec clock
        }
        QCOMPARE(QByteArray(s.formatter), sentences.last().mid(3, 3));
        QCOMPARE(s.systemId, uint32_t(I62_SYSTEM_GP));
    }

    void ggaFillsThePositionFields()
    {
        QVERIFY(storeGnss("$GNGGA,123519,4807.038,S,01131.000,W,2,08,0.9,545.4,M,46.9,M,,"));
        const GPS_Data& s = slot();
        QVERIFY(qAbs(s.latitude - -48.1173) < 1e-6);
        QVERIFY(qAbs(s.longitude - -11.516666) < 1e-5);
        QCOMPARE(int(s.quality), 2);
        QCOMPARE(int(s.satellitesInUse), 8);
        QCOMPARE(s.hdop, 0.9f);
        QCOMPARE(s.altitude, 545.4f);
        QCOMPARE(s.geoidalSeparation, 46.9f);
        QCOMPARE(int(s.fixValid), 1);
        QCOMPARE(s.systemId, uint32_t(I62_SYSTEM_GN));
    }

    void gbsSetsItsPairOfFlags()
    {
        QVERIFY(storeGnss("$GPGBS,015509.00,-0.031,-0.186,0.219,19,0.000,-0.354,6.972"));
        QCOMPARE(int(slot().raimInUse.valid), 1);
        QCOMPARE(int(slot().gbsErrorsValid.valid), 1);
        QCOMPARE(slot().errLongitude, -0.186f);
        QCOMPARE(int(slot().timeValid.valid), 1);

        QVERIFY(storeGnss("$GPGBS,015510.00,-0.031,,0.219,19,0.000,-0.354,6.972"));
        QCOMPARE(int(slot().raimInUse.valid), 1);
        QCOMPARE(int(slot().gbsErrorsValid.valid), 0);
    }

    // Empty satellite fields are no satellites; a given number is one even at 128 and above
    // (SBAS), and 0 is none.
    void satellitesInUseAndInView()
    {
        QVERIFY(storeGnss("$GPGSA,A,3,04,,09,128,133,00,,,,,,,1.8,1.0,1.5"));
        const GPS_Data& s = slot();
        QCOMPARE(int(s.satellitesInUse), 4);
        const QVector<int> used(s.satellitesUsed, s.satellitesUsed + I62_GSA_SATELLITES);
        QCOMPARE(used, QVector<int>({4, 0, 9, 128, 133, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(int(s.fixMode), 3);
        QCOMPARE(int(s.fixValid), 1);
        QCOMPARE(int(s.selectionMode), int('A'));
        QCOMPARE(s.pdop, 1.8f);

        QVERIFY(storeGnss("$GPGSV,3,2,11,03,03,111,00,04,15,270,,128,40,150,42,,,,"));
        const GPS_SATELLITES_IN_VIEW& v = s.inView;
        QCOMPARE(int(v.totalSentences), 3);
        QCOMPARE(int(v.sentenceNumber), 2);
        QCOMPARE(int(v.satellitesInView), 11);
        QCOMPARE(int(v.count), 4);
        QCOMPARE(QVector<int>(v.prn, v.prn + 4), QVector<int>({3, 4, 128, 0}));
        QCOMPARE(QVector<int>(v.snr, v.snr + 4), QVector<int>({0, 0, 42, 0}));
        QCOMPARE(QVector<int>(v.elevation, v.elevation + 4), QVector<int>({3, 15, 40, I62_ABSENT_U8}));
        QCOMPARE(int(v.azimuth[3]), int(I62_ABSENT_ANGLE));
    }

    // The in-use counts of real receivers' GSA sentences against an independent decoder's.
    void satellitesInUseOfReferenceLogs()
    {
        const QString dir = TestEnv::refDataDir();
        int compared = 0;
        for (const char* log : {"bu353s4", "mt3339", "quectel-L70"}) {
            QFile file(dir + "/gnss-gpsd/" + log + ".log.chk");
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArrayList lines = file.readAll().split('\n');
            for (int i = 0; i < lines.size(); ++i) {
                if (!lines[i].startsWith("$GPGSA"))
                    continue;
                const QByteArray sentence = lines[i].left(lines[i].indexOf('*'));
                QVERIFY2(storeGnss(sentence), sentence.constData());
                for (int j = i + 1; j < lines.size() && !lines[j].startsWith('$'); ++j) {
                    const int at = lines[j].indexOf("\"uSat\":");
                    if (lines[j].startsWith("{\"class\":\"SKY\"") && at >= 0) {
                        QCOMPARE(int(slot().satellitesInUse), lines[j].mid(at + 7).split('}').first().toInt());
                        ++compared;
                        break;
                    }
                }
            }
        }
        QVERIFY(compared > 0);
    }

    void dtmTellsWgs84()
    {
        QVERIFY(storeGnss("$GPDTM,W84,,0.0,N,0.0,E,0.0,W84"));
        QCOMPARE(int(slot().dtmReceived.valid), 1);
        QCOMPARE(int(slot().datumIsWgs84), 1);
        QVERIFY(storeGnss("$GPDTM,999,,0.08,N,0.07,E,-47.7,W72"));
        QCOMPARE(int(slot().datumIsWgs84), 0);
        QCOMPARE(QByteArray(slot().localDatum), QByteArray("999"));
    }

    void headingValidity_data()
    {
        QTest::addColumn<QByteArray>("sentence");
        QTest::addColumn<float>("heading");
        QTest::addColumn<bool>("valid");
        QTest::newRow("0") << QByteArray("$HEHDT,0.0,T") << 0.0f << true;
        QTest::newRow("359.9") << QByteArray("$HEHDT,359.9,T") << 359.9f << true;
        QTest::newRow("360") << QByteArray("$HEHDT,360.0,T") << 360.0f << false;
        QTest::newRow("empty") << QByteArray("$HEHDT,,T") << I62_ABSENT_HEADING << false;
    }

    void headingValidity()
    {
        QFETCH(QByteArray, sentence);
        QFETCH(float, heading);
        QFETCH(bool, valid);
        QVERIFY(storeGnss("$HEHDT,123.4,T"));
        QVERIFY(storeGnss(sentence));
        QCOMPARE(EXTGnssData.trueHeading, heading);
        QCOMPARE(bool(EXTGnssData.trueHeadingValid.valid), valid);
    }

    void headingTimesOutAfterTenSeconds()
    {
        setClock(100000);
        QVERIFY(storeGnss("$HEHDT,123.4,T"));
        UpdataShipSensorData();
        QCOMPARE(ShipData[0].heading, 123.4f);
        QCOMPARE(int(SensorData[SENSOR_OWN_HEADING]), 1);

        setClock(104000);
        QVERIFY(storeGnss("$HCHDM,200.5,M"));
        setClock(110000); // HDT exactly 10 s old: still valid
        UpdataShipSensorData();
        QCOMPARE(int(EXTGnssData.trueHeadingValid.valid), 1);
        QCOMPARE(ShipData[0].heading, 123.4f);

        setClock(110001); // HDT too old; HDM takes over
        UpdataShipSensorData();
        QCOMPARE(int(EXTGnssData.trueHeadingValid.valid), 0);
        QCOMPARE(ShipData[0].heading, 200.5f);
        QCOMPARE(int(SensorData[SENSOR_OWN_HEADING]), 1);

        setClock(114001); // both gone: the flag clears, the entry keeps its last heading
        UpdataShipSensorData();
        QCOMPARE(int(EXTGnssData.magneticHeadingValid.valid), 0);
        QCOMPARE(int(SensorData[SENSOR_OWN_HEADING]), 0);
        QCOMPARE(ShipData[0].heading, 200.5f);
    }

    void sensorRecordTakesRateOfTurnAndGns()
    {
        QVERIFY(storeGnss("$HEROT,-12.5,A"));
        QCOMPARE(EXTGnssData.rot.rateOfTurn, -12.5f);
        QCOMPARE(int(EXTGnssData.rot.status), int('A'));
        QVERIFY(storeGnss("$GNGNS,122310.2,3722.425671,N,12258.856215,W,DA,14,0.9,1005.543,6.5,,"));
        QVERIFY(qAbs(EXTGnssData.gns.position.latitude - 37.37376) < 1e-5);
        QCOMPARE(EXTGnssData.systemId, uint32_t(I62_SYSTEM_GN));
        QCOMPARE(QByteArray(slot().formatter), QByteArray("XXX")); // not a GNSS slot sentence
    }

    void storesRefuseOtherGroups()
    {
        const I61162_Data_Structure gga = parsed(GGA_FIX);
        const I61162_Data_Structure hdt = parsed("$HEHDT,123.4,T");
        const AIS_Data aisBefore = EXTAISData;
        QVERIFY(!StoreSensorData(&gga, &EXTGnssData));
        QVERIFY(!StoreGPSData(&hdt, &slot()));
        QVERIFY(!StoreAISData(&gga, &EXTAISData));
        QVERIFY(!StoreAtoNData(&hdt, &EXTAtoNData));
        QVERIFY(!StoreProprietaryData(&gga, &EXTPriData));
        QVERIFY(!StoreRadarData(&gga, &EXTRadarData));
        QVERIFY(!StoreLRngData(&gga, &EXTLRngData));
        QVERIFY(!StoreDSCData(&gga, &EXTDSCData));
        QCOMPARE(std::memcmp(&aisBefore, &EXTAISData, sizeof aisBefore), 0);
        QCOMPARE(QByteArray(slot().formatter), QByteArray("XXX"));
    }

    // Texts longer than their room arrive cut and terminated in the group records.
    void groupStoresKeepTheFieldsCut()
    {
        const QByteArray longText(40, 'X');
        const QByteArray longerText(70, 'Y');
        const I61162_Data_Structure txt = parsed("$AITXT,01,01,02," + longerText);
        QVERIFY(StoreAISData(&txt, &EXTAISData));
        QCOMPARE(int(EXTAISData.txt.received), 1);
        QCOMPARE(int(EXTAISData.txt.fields.textId), 2);
        QCOMPARE(QByteArray(EXTAISData.txt.fields.text), longerText.left(I62_TXT_TEXT_MAX));
        QCOMPARE(int(EXTAISData.alr.received), 0);
        QCOMPARE(EXTAISData.systemId, uint32_t(I62_SYSTEM_OTHER));

        const I61162_Data_Structure ace = parsed("$AIACE,992351234,1F,0042,1,2,3," + longText + ",0100500305,C");
        QVERIFY(StoreAtoNData(&ace, &EXTAtoNData));
        const ATON_ACE_DATA& f = EXTAtoNData.ace.fields;
        QCOMPARE(int(EXTAtoNData.ace.received), 1);
        QCOMPARE(QByteArray(f.text), longText.left(ATON_ACE_TEXT_ROOM - 1));
        QCOMPARE(int(f.dimensions.a), 10);
        QCOMPARE(int(f.dimensions.b), 50);
        QCOMPARE(int(f.dimensions.c), 3);
        QCOMPARE(int(f.dimensions.d), 5);
        QCOMPARE(int(EXTAtoNData.afc.received), 0);

        const I61162_Data_Structure tps = parsedProprietary("$PTPS,042," + longText, I62_FMT_PTPS);
        QVERIFY(StoreProprietaryData(&tps, &EXTPriData));
        QCOMPARE(int(EXTPriData.tps.received), 1);
        QCOMPARE(int(EXTPriData.tps.fields.number), 42);
        QCOMPARE(QByteArray(EXTPriData.tps.fields.text), longText.left(I62_PRI_SHORT_TEXT_ROOM - 1));

        const I61162_Data_Structure ttm = parsed("$RATTM,11,11.4,13.6,T,7.0,20.0,T,10.1,20.2,N,THEM,T,,100021.00,A");
        QVERIFY(StoreRadarData(&ttm, &EXTRadarData));
        QCOMPARE(int(EXTRadarData.ttm.fields.targetNumber), 11);
        QCOMPARE(QByteArray(EXTRadarData.ttm.fields.name), QByteArray("THEM"));
    }

    void queriesFillFourSlots()
    {
        I61162_Data_Structure query = staleRecord();
        const char* asked[] = {"VER", "SSD", "VSD", "ALR", "TXT"};
        for (int i = 0; i < 5; ++i) {
            std::memcpy(query.data.query.requested, asked[i], 4);
            QCOMPARE(StoreQueryData(&query), i < I62_QUERY_SLOTS);
        }
        for (int i = 0; i < I62_QUERY_SLOTS; ++i) {
            QCOMPARE(QByteArray(I62QueryData[i].formatter), QByteArray(asked[i]));
            QCOMPARE(int(I62QueryData[i].inUse), 1);
        }
        QVERIFY(SensorInitial());
        QCOMPARE(int(I62QueryData[0].inUse), 0);
    }
};

QTEST_GUILESS_MAIN(TestSensorStores)
#include "tst_sensorstores.moc"
