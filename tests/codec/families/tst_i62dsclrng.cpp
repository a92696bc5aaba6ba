#include "../SentenceFixture.h"
#include "codec/families/I62DscLRng.h"

#include <QtTest>

using namespace SentenceFixture;

namespace {

ParserComposer formatterOf(const QByteArray& body)
{
    static const QHash<QByteArray, ParserComposer> formatters = {
        {"DSC", {I62_FMT_DSC, nullptr}},
        {"DSE", {I62_FMT_DSE, nullptr}},
        {"DSI", {I62_FMT_DSI, I62_FMT_DSI_Compose}},
        {"DSR", {I62_FMT_DSR, nullptr}},
        {"LRI", {AIS_FMT_LRI, AIS_FMT_LRI_Compose}},
        {"LRF", {AIS_FMT_LRF, AIS_FMT_LRF_Compose}},
        {"LR1", {AIS_FMT_LR1, AIS_FMT_LR1_Compose}},
        {"LR2", {AIS_FMT_LR2, AIS_FMT_LR2_Compose}},
        {"LR3", {AIS_FMT_LR3, AIS_FMT_LR3_Compose}},
        {"AIR", {AIS_FMT_AIR, nullptr}},
    };
    return formatters.value(body.mid(3, 3));
}

bool parseBody(const QByteArray& body, I61162_Data_Structure* record)
{
    return parseFramed(formatterOf(body).parser, body, record);
}

} // namespace

class TestI62DscLRng : public QObject
{
    Q_OBJECT

private slots:
    void digitalSelectiveCalling()
    {
        I61162_Data_Structure record = staleRecord();
        QVERIFY(parseBody("$CDDSC,12,3380400790,12,06,00,1423108312,2019,,,S,E", &record));
        const I62_DSC_DATA& dsc = record.data.dsc;
        QCOMPARE(int(dsc.formatSpecifier), 12);
        QCOMPARE(dsc.address, 3380400790ull);
        QCOMPARE(int(dsc.firstTelecommand), 6);
        QCOMPARE(QByteArray(dsc.positionOrChannel), QByteArray("1423108312"));
        QCOMPARE(QByteArray(dsc.timeOrNumber), QByteArray("2019"));
        QCOMPARE(dsc.distressMmsi, 0ull);
        QCOMPARE(dsc.acknowledgement, uint8_t('S'));
        QCOMPARE(dsc.expansion, uint8_t('E'));

        QVERIFY(parseBody("$CDDSE,1,1,A,3380400790,00,45894494", &record));
        QCOMPARE(record.data.dse.queryReply, uint8_t('A'));
        QCOMPARE(int(record.data.dse.dataSetCode), 0);
        QCOMPARE(QByteArray(record.data.dse.data), QByteArray("45894494"));

        QVERIFY(parseBody("$CDDSR,1,1,3380400790,00,45894494,", &record));
        QCOMPARE(record.data.dsr.mmsi, 3380400790ull);
        QCOMPARE(record.data.dsr.status, uint8_t(' '));

        QVERIFY(!parseBody("$CDDSC,12,3380400790,12,06,00,1423108312,2019,,,S", &record));
    }

    void longRange()
    {
        I61162_Data_Structure record = staleRecord();
        // The south-west corner ends the sentence; its W still counts.
        QVERIFY(parseBody("$AILRI,1,V,211000001,211000002,5500.0,N,01000.0,E,5300.0,S,00500.0,W", &record));
        const I62_LRI_DATA& lri = record.data.lri;
        QCOMPARE(int(lri.sequenceNumber), 1);
        QCOMPARE(lri.controlFlag, uint8_t('V'));
        QCOMPARE(lri.destinationMmsi, 211000002ull);
        QCOMPARE(lri.northEast.latitude, 55.0);
        QCOMPARE(lri.northEast.longitude, 10.0);
        QCOMPARE(lri.southWest.latitude, -53.0);
        QCOMPARE(lri.southWest.longitude, -5.0);

        QVERIFY(parseBody("$AILR1,2,211000001,211000002,SAILING YACHT ONE,DL1234,9134270", &record));
        QCOMPARE(record.data.lr1.imoNumber, 9134270ull);
        QCOMPARE(QByteArray(record.data.lr1.callSign), QByteArray("DL1234"));

        QVERIFY(parseBody("$AILR2,2,211000001,15052024,123456.00,5430.50000,N,01005.25000,E,123.4,T,6.5,N", &record));
        const I62_LR2_DATA& lr2 = record.data.lr2;
        QCOMPARE(int(lr2.date.day), 15);
        QCOMPARE(int(lr2.date.month), 5);
        QCOMPARE(int(lr2.date.year), 2024);
        QCOMPARE(int(lr2.utcTime.minute), 34);
        QVERIFY(qAbs(lr2.position.latitude - (54 + 30.5 / 60)) < 1e-9);
        QCOMPARE(lr2.course, 123.4f);
        QCOMPARE(lr2.speedUnit, uint8_t('N'));

        QVERIFY(parseBody("$AILR3,2,211000001,NEW YORK,01062024,120000.00,12.2,70,225,32,,25", &record));
        QCOMPARE(QByteArray(record.data.lr3.destination), QByteArray("NEW YORK"));
        QCOMPARE(record.data.lr3.draught, 12.2f);
        QCOMPARE(record.data.lr3.shipType, 0.0f);
        QCOMPARE(record.data.lr3.persons, 25.0f);

        QVERIFY(parseBody("$AIAIR,211000001,3.1,A,5,,211000002,24.1,B", &record));
        QCOMPARE(record.data.air.firstRequest, 3.1f);
        QCOMPARE(record.data.air.secondSubsection, uint8_t(' '));
        QCOMPARE(record.data.air.thirdRequest, 24.1f);
    }

    // A parsed sentence composed again gives the same sentence.
    void composeRestoresSentence_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("DSI") << QByteArray("$CDDSI,1,1,0211000001,01,02,DATA,03,MORE,A");
        QTest::newRow("LRI") << QByteArray(
            "$AILRI,1,V,211000001,,5500.00000,N,01000.00000,E,5300.00000,S,00500.00000,W");
        QTest::newRow("LRF") << QByteArray("$AILRF,1,211000001,COAST STATION,ABCEI,2");
        QTest::newRow("LR1") << QByteArray("$AILR1,2,211000001,211000002,SAILING YACHT ONE,DL1234,9134270");
        // Minutes below 10 keep their leading zero; a year keeps four digits.
        QTest::newRow("LR2") << QByteArray(
            "$AILR2,2,211000001,15050999,123456.00,5405.50000,N,00105.25000,W,123.4,T,6.5,N");
        QTest::newRow("LR3") << QByteArray(
            "$AILR3,2,211000001,NEW YORK,01062024,120000.00,12.2,70.0,225.0,32.0,0.0,25.0");
    }

    void composeRestoresSentence()
    {
        QFETCH(QByteArray, body);
        I61162_Data_Structure record = staleRecord();
        QVERIFY(parseBody(body, &record));
        QCOMPARE(composeLine(formatterOf(body).composer, &record), closed(body));
    }
};

QTEST_GUILESS_MAIN(TestI62DscLRng)
#include "tst_i62dsclrng.moc"
