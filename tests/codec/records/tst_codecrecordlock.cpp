#include "../AisFixture.h"
#include "codec/families/I62Gnss.h"
#include "codec/families/I62Radar.h"
#include "codec/geometry/CpaGeometry.h"
#include "codec/records/CodecLock.h"
#include "codec/records/CodecSnapshot.h"
#include "codec/records/SensorStores.h"

#include <QtTest>
#include <atomic>
#include <cstring>
#include <thread>

using namespace AisFixture;

namespace {

constexpr uint32_t VOYAGE_MMSI = 351759000;
constexpr uint32_t POSITION_MMSI = 244123000;
constexpr int SENTENCES = 20000;

const QByteArray GGA_FIX = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,";
const QByteArray GGA_NO_FIX = "$GPGGA,123520,1000.000,N,01000.000,E,0,00,,,M,,M,,";
constexpr double FIX_LATITUDE = 48.1173;

I61162_Data_Structure parsed(const QByteArray& body, SentenceFixture::Parser parser)
{
    I61162_Data_Structure record = SentenceFixture::staleRecord();
    SentenceFixture::parseFramed(parser, body, &record);
    return record;
}

// What the communication thread does per sentence: under the codec lock, the per-sentence
// reset, the clock, the parse and the stores, the once-per-second update.
void decodeSentences(const UN_AIS_MESSAGE& voyage, const UN_AIS_MESSAGE& position, std::atomic<bool>& done)
{
    const QByteArray ggas[] = {GGA_FIX, GGA_NO_FIX};
    for (int i = 0; i < SENTENCES; ++i) {
        CCodecLock lock;
        ShipSentenceReset();
        T1msTimerEvent();
        const I61162_Data_Structure gga = parsed(ggas[i % 2], I62_FMT_GGA);
        StoreGPSData(&gga, &GpsData[CurGpsPort]);
        const I61162_Data_Structure hdt = parsed("$HEHDT,123.4,T", I62_FMT_HDT);
        StoreSensorData(&hdt, &EXTGnssData);
        StoreAisMsg(i % 3 == 0 ? &voyage : &position, 0, 0, false);
        StoreAisMsg(&position, 0, 0, true);
        UpdataShipSensorData();
    }
    done = true;
}

// A copy is one whole state of the record: blank, or wholly the one station or fix.
bool consistentStation(const GENERIC_SHIP_DATA& e)
{
    const QByteArray name(e.name);
    switch (e.mmsi) {
    case 0:
        return e.stationKind == STATION_NONE && name.isEmpty() && e.latitude == SHIP_NO_LATITUDE;
    case VOYAGE_MMSI:
        return e.stationKind == STATION_CLASS_A && name.startsWith("EVER DIADEM") && e.toBow == 225
            && e.latitude == SHIP_NO_LATITUDE;
    case POSITION_MMSI:
        return e.stationKind == STATION_CLASS_A && name.isEmpty() && e.latitude == 52.25f && e.cog == 90.0f;
    default:
        return false;
    }
}

bool consistentFix(const GPS_Data& s)
{
    if (s.positionValid.valid)
        return qAbs(s.latitude - FIX_LATITUDE) < 1e-4 && s.quality == 1 && s.fixValid;
    return s.latitude == 91.0 || (qAbs(s.latitude - 10.0) < 1e-6 && s.quality == 0 && !s.fixValid);
}

} // namespace

class TestCodecRecordLock : public QObject
{
    Q_OBJECT

private slots:
    // The GUI thread re-initialises the codec and the data model copies out of it while the
    // communication thread decodes: every copy is a whole state.
    void resetsAndCopiesWhileDecoding()
    {
        UN_AIS_MESSAGE voyage;
        QCOMPARE(decodeThroughStore({"!AIVDM,2,1,1,A,55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp8,0*1C",
                                     "!AIVDM,2,2,1,A,88888888880,2*25"},
                                    &voyage),
                 AIS_UNPACK_DONE);
        UN_AIS_MESSAGE position;
        std::memset(&position, 0, sizeof position);
        position.msg1.header.messageId = 1;
        position.msg1.header.mmsi = POSITION_MMSI;
        position.msg1.latitude = 52.25f;
        position.msg1.longitude = 4.5f;
        position.msg1.cog = 90.0f;
        position.msg1.heading = 511;

        QVERIFY(ShipInitial());
        QVERIFY(SensorInitial());
        std::atomic<bool> done{false};
        std::thread communication(decodeSentences, std::cref(voyage), std::cref(position), std::ref(done));

        int inconsistent = 0;
        int rounds = 0;
        while (!done) {
            ShipInitial();
            SensorInitial();
            AisMessageInitial();
            AisBinMsgCodecInitial();
            CpaInitial();
            for (int entry : {0, 1}) {
                GENERIC_SHIP_DATA copy;
                QVERIFY(CopyShipData(entry, &copy));
                inconsistent += consistentStation(copy) ? 0 : 1;
            }
            GPS_Data fix;
            CopyGpsData(&fix);
            inconsistent += consistentFix(fix) ? 0 : 1;
            GNSS_Data sensors;
            CopyExtGnssData(&sensors);
            inconsistent += sensors.trueHeadingValid.valid && sensors.trueHeading != 123.4f ? 1 : 0;
            ++rounds;
        }
        communication.join();
        QCOMPARE(inconsistent, 0);
        QVERIFY(rounds > 0);
    }

    void copiesRefuseEntriesOutsideTheTable()
    {
        GENERIC_SHIP_DATA copy;
        QVERIFY(!CopyShipData(-1, &copy));
        QVERIFY(!CopyShipData(SHIP_TABLE_SIZE, &copy));
        QVERIFY(!CopyShipData(0, nullptr));
    }
};

QTEST_GUILESS_MAIN(TestCodecRecordLock)
#include "tst_codecrecordlock.moc"
