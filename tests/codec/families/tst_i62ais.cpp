#include "../SentenceFixture.h"
#include "codec/families/I62Ais.h"

#include <QtTest>

using namespace SentenceFixture;

namespace {

ParserComposer formatterOf(const QByteArray& body)
{
    static const QHash<QByteArray, ParserComposer> formatters = {
        {"VDM", {AIS_FMT_VDM, AIS_FMT_VDM_Compose}}, {"VDO", {AIS_FMT_VDO, AIS_FMT_VDO_Compose}},
        {"ABM", {AIS_FMT_ABM, AIS_FMT_ABM_Compose}}, {"BBM", {AIS_FMT_BBM, AIS_FMT_BBM_Compose}},
        {"ABK", {AIS_FMT_ABK, AIS_FMT_ABK_Compose}}, {"ACK", {I62_FMT_ACK, I62_FMT_ACK_Compose}},
        {"ALR", {I62_FMT_ALR, I62_FMT_ALR_Compose}}, {"SSD", {AIS_FMT_SSD, I62_FMT_SSD_Compose}},
        {"VSD", {AIS_FMT_VSD, I62_FMT_VSD_Compose}}, {"ACA", {AIS_FMT_ACA, AIS_FMT_ACA_Compose}},
        {"ACS", {AIS_FMT_ACS, AIS_FMT_ACS_Compose}}, {"TXT", {I62_FMT_TXT, nullptr}},
    };
    return formatters.value(body.mid(3, 3));
}

bool parseBody(const QByteArray& body, I61162_Data_Structure* record)
{
    return parseFramed(formatterOf(body).parser, body, record);
}

QByteArray payloadOf(const I62_ENCAP_DATA& f)
{
    return QByteArray(f.payload, int(strnlen(f.payload, sizeof f.payload)));
}

} // namespace

class TestI62Ais : public QObject
{
    Q_OBJECT

private slots:
    void encapsulationFields()
    {
        I61162_Data_Structure record = staleRecord();
        QVERIFY(parseBody("!AIVDM,2,1,1,A,55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp8,0", &record));
        const I62_ENCAP_DATA& vdm = record.data.encap;
        QCOMPARE(int(vdm.totalSentences), 2);
        QCOMPARE(int(vdm.sentenceNumber), 1);
        QCOMPARE(int(vdm.sequenceId), 1);
        QCOMPARE(vdm.channel, uint8_t('A'));
        QCOMPARE(payloadOf(vdm), QByteArray("55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp8"));
        QCOMPARE(int(vdm.fillBits), 0);
        QCOMPARE(int(vdm.messageId), 0);
        QCOMPARE(vdm.destMmsi, 0ull);

        record = staleRecord();
        QVERIFY(parseBody("!AIVDO,1,1,,,B52K>;h00Fc>jpUlNV@ikwpUoP06,2", &record));
        QCOMPARE(int(record.data.encap.sequenceId), int(I62_ABSENT_U8));
        QCOMPARE(int(record.data.encap.channel), int(I62_ABSENT_U8));
        QCOMPARE(int(record.data.encap.fillBits), 2);

        QVERIFY(parseBody("!AIABM,2,1,3,211000001,2,12,ABCD,0", &record));
        QCOMPARE(record.data.encap.destMmsi, 211000001ull);
        QCOMPARE(int(record.data.encap.channel), 2);
        QCOMPARE(int(record.data.encap.messageId), 12);
        QCOMPARE(int(record.data.encap.sequenceId), 3);

        QVERIFY(parseBody("!AIBBM,1,1,,3,8,ABCD,4", &record));
        QCOMPARE(int(record.data.encap.channel), 3);
        QCOMPARE(int(record.data.encap.messageId), 8);
        QCOMPARE(int(record.data.encap.sequenceId), int(I62_ABSENT_U8));
        QCOMPARE(record.data.encap.destMmsi, 0ull);
    }

    void encapsulationChecks_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("accepted");
        const QByteArray t63(63, '1'), t175(175, '1'), t176(176, '1');
        QTest::newRow("fill bits 5") << QByteArray("!AIVDM,1,1,,A,1,5") << true;
        QTest::newRow("fill bits 6") << QByteArray("!AIVDM,1,1,,A,1,6") << false;
        QTest::newRow("fill bits empty") << QByteArray("!AIVDM,1,1,,A,1,") << false;
        QTest::newRow("63 characters, identifier 1") << "!AIVDM,2,1,1,A," + t63 + ",0" << true;
        QTest::newRow("63 characters, no identifier") << "!AIVDM,1,1,,A," + t63 + ",0" << true;
        // Receivers send longer fragments than a sentence of 82 characters holds (real traffic).
        QTest::newRow("66 characters, first of two")
            << QByteArray("!AIVDM,2,1,6,,85362R1Kp@HpL07cebNpkUqR`O`0USQh17CvENUfI6@0002n>703wA937cmJ<N0000,4") << true;
        QTest::newRow("71 characters, whole message 5")
            << QByteArray("!AIVDM,1,1,1,B,53eaFL02?;fwTPm7V219E@R1@PE8E<622222221@9hG1A7?@NCPSlm3kc5DhH8888888880,2")
            << true;
        QTest::newRow("175 characters: what a message may hold") << "!AIVDM,1,1,,A," + t175 + ",0" << true;
        QTest::newRow("176 characters") << "!AIVDM,1,1,,A," + t176 + ",0" << false;
        QTest::newRow("sentence number 10") << QByteArray("!AIVDM,9,10,1,A,1,0") << false;
        QTest::newRow("total 10") << QByteArray("!AIVDM,10,1,1,A,1,0") << false;
        QTest::newRow("identifier 10") << QByteArray("!AIVDM,2,1,10,A,1,0") << false;
        QTest::newRow("total 257, 1 in a byte") << QByteArray("!AIVDM,257,1,1,A,1,0") << false;
        QTest::newRow("a field too many") << QByteArray("!AIVDM,1,1,,A,1,0,0") << false;
        QTest::newRow("BBM 176 characters") << "!AIBBM,2,1,0,0,8," + t176 + ",0" << false;
        QTest::newRow("BBM identifier 10") << QByteArray("!AIBBM,2,1,10,0,8,1,0") << false;
        QTest::newRow("ABM") << QByteArray("!AIABM,1,1,0,999999999,3,6,1,0") << true;
        QTest::newRow("ABM to 1000000000") << QByteArray("!AIABM,1,1,0,1000000000,3,6,1,0") << false;
        QTest::newRow("ABM message 8") << QByteArray("!AIABM,1,1,0,211000001,0,8,1,0") << false;
        QTest::newRow("ABM no channel") << QByteArray("!AIABM,1,1,0,211000001,,6,1,0") << false;
        QTest::newRow("ABM channel 4") << QByteArray("!AIABM,1,1,0,211000001,4,6,1,0") << false;
        QTest::newRow("ABM no identifier") << QByteArray("!AIABM,1,1,,211000001,0,6,1,0") << false;
        QTest::newRow("ABM identifier 4") << QByteArray("!AIABM,1,1,4,211000001,0,6,1,0") << false;
        QTest::newRow("ABM total 0") << QByteArray("!AIABM,0,1,0,211000001,0,6,1,0") << false;
        QTest::newRow("ABM fill bits 6") << QByteArray("!AIABM,1,1,0,211000001,0,6,1,6") << false;
    }

    void encapsulationChecks()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, accepted);
        I61162_Data_Structure record = staleRecord();
        QCOMPARE(parseBody(body, &record), accepted);
    }

    void text()
    {
        I61162_Data_Structure record = staleRecord();
        QVERIFY(parseBody("$AITXT,01,01,21,EXTERNAL EPFS LOST", &record));
        QCOMPARE(int(record.data.txt.totalSentences), 1);
        QCOMPARE(int(record.data.txt.textId), 21);
        QCOMPARE(QByteArray(record.data.txt.text), QByteArray("EXTERNAL EPFS LOST"));

        const QByteArray seventy(70, 'T');
        QVERIFY(parseBody("$AITXT,,,," + seventy, &record));
        QCOMPARE(int(record.data.txt.sentenceNumber), int(I62_ABSENT_U8));
        QCOMPARE(QByteArray(record.data.txt.text), seventy.left(61));

        QVERIFY(!parseBody("$AITXT,0,1,21,TEXT", &record));
        QVERIFY(!parseBody("$AITXT,1,1,100,TEXT", &record));
    }

    void emptyFieldsGiveMarkers()
    {
        I61162_Data_Structure record = staleRecord();
        QVERIFY(parseBody("$AISSD,,,,,,,,", &record));
        const I62_SSD_DATA& ssd = record.data.ssd;
        QCOMPARE(QByteArray(ssd.callSign), QByteArray());
        QCOMPARE(QByteArray(ssd.name), QByteArray());
        QCOMPARE(ssd.toBow, I62_SSD_NO_LENGTH);
        QCOMPARE(ssd.toStern, I62_SSD_NO_LENGTH);
        QCOMPARE(ssd.toPort, I62_SSD_NO_WIDTH);
        QCOMPARE(ssd.toStarboard, I62_SSD_NO_WIDTH);
        QCOMPARE(ssd.dte, I62_SSD_NO_DTE);
        QCOMPARE(QByteArray(ssd.sourceId), QByteArray(" "));

        QVERIFY(parseBody("$AIVSD,,,,,,,,,", &record));
        const I62_VSD_DATA& vsd = record.data.vsd;
        QCOMPARE(vsd.shipType, I62_VSD_NO_SHIP_TYPE);
        QCOMPARE(vsd.draught, I62_ABSENT_FLOAT);
        QCOMPARE(vsd.personsOnBoard, I62_VSD_NO_PERSONS);
        QCOMPARE(QByteArray(vsd.destination), QByteArray());
        QCOMPARE(int(vsd.etaTime.hour), 24);
        QCOMPARE(vsd.etaDay, I62_VSD_NO_DAY);
        QCOMPARE(vsd.etaMonth, I62_VSD_NO_MONTH);
        QCOMPARE(vsd.navStatus, I62_ABSENT_U8);
        QCOMPARE(int(vsd.regionalFlags), 0);
        // The type keeps its low 8 bits.
        QVERIFY(parseBody("$AIVSD,326,,,,,,,,", &record));
        QCOMPARE(int(vsd.shipType), 70);

        QVERIFY(parseBody("$AIACK,", &record));
        QCOMPARE(int(record.data.ack.alarmNumber), 1000);
        QVERIFY(parseBody("$AIABK,,,,,", &record));
        QCOMPARE(record.data.abk.mmsi, 0ull);
        QCOMPARE(int(record.data.abk.channel), 0);
    }

    void fieldValues()
    {
        I61162_Data_Structure record = staleRecord();
        QVERIFY(parseBody("$AIACA,7,5830.0,N,00430.0,W,5600.5,S,01000.0,E,4,2087,0,2088,1,0,1,R,1,101500", &record));
        const I62_ACA_DATA& aca = record.data.aca;
        QCOMPARE(int(aca.sequenceNumber), 7);
        QCOMPARE(aca.northEast.latitude, 58.5);
        QCOMPARE(aca.northEast.longitude, -4.5);
        QVERIFY(qAbs(aca.southWest.latitude - -(56 + 0.5 / 60)) < 1e-9);
        QCOMPARE(aca.southWest.longitude, 10.0);
        QCOMPARE(int(aca.zoneSize), 4);
        QCOMPARE(int(aca.channelA), 2087);
        QCOMPARE(int(aca.channelB), 2088);
        QCOMPARE(int(aca.bandwidthB), 1);
        QCOMPARE(int(aca.powerLevel), 1);
        QCOMPARE(aca.infoSource, uint8_t('R'));
        QCOMPARE(int(aca.inUse), 1);
        QCOMPARE(int(aca.inUseChanged.hour), 10);
        QCOMPARE(int(aca.inUseChanged.minute), 15);

        QVERIFY(parseBody("$AIACS,3,211000001,123456.50,15,05,2024", &record));
        const I62_ACS_DATA& acs = record.data.acs;
        QCOMPARE(acs.originatorMmsi, 211000001ull);
        QCOMPARE(int(acs.utcTime.second), 56);
        QCOMPARE(int(acs.utcTime.hundredths), 50);
        QCOMPARE(int(acs.month), 5);
        QCOMPARE(int(acs.year), 2024);

        QVERIFY(parseBody("$AIALR,235959.00,002,A,V,AIS: Antenna VSWR exceeds limit", &record));
        const I62_ALR_DATA& alr = record.data.alr;
        QCOMPARE(int(alr.changeTime.hour), 23);
        QCOMPARE(int(alr.alarmNumber), 2);
        QCOMPARE(alr.condition, uint8_t('A'));
        QCOMPARE(alr.ackState, uint8_t('V'));
        QCOMPARE(QByteArray(alr.description), QByteArray("AIS: Antenna VSWR exceeds limit"));

        QVERIFY(parseBody("$AIABK,211000001,1,6,2,0", &record));
        QCOMPARE(record.data.abk.mmsi, 211000001ull);
        QCOMPARE(int(record.data.abk.messageId), 6);
        QCOMPARE(int(record.data.abk.sequenceNumber), 2);

        QVERIFY(parseBody("$AISSD,DL1234,SAILING YACHT ONE,10,2,3,1,0,AI", &record));
        QCOMPARE(QByteArray(record.data.ssd.callSign), QByteArray("DL1234"));
        QCOMPARE(QByteArray(record.data.ssd.name), QByteArray("SAILING YACHT ONE"));
        QCOMPARE(int(record.data.ssd.toBow), 10);
        QCOMPARE(int(record.data.ssd.toStarboard), 1);
        QCOMPARE(QByteArray(record.data.ssd.sourceId), QByteArray("AI"));

        QVERIFY(parseBody("$AIVSD,37,1.8,4,KIEL,083000.00,12,07,0,0", &record));
        QCOMPARE(int(record.data.vsd.shipType), 37);
        QCOMPARE(record.data.vsd.draught, 1.8f);
        QCOMPARE(int(record.data.vsd.personsOnBoard), 4);
        QCOMPARE(QByteArray(record.data.vsd.destination), QByteArray("KIEL"));
        QCOMPARE(int(record.data.vsd.etaTime.hour), 8);
        QCOMPARE(int(record.data.vsd.etaMonth), 7);
    }

    // A parsed sentence composed again gives the same sentence.
    void composeRestoresSentence_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("VDM") << QByteArray("!AIVDM,1,1,,B,177KQJ5000G?tO`K>RA1wUbN0TKH,0");
        QTest::newRow("VDM no channel") << QByteArray("!AIVDM,2,2,1,,88888888880,2");
        QTest::newRow("VDO") << QByteArray("!AIVDO,1,1,,A,B52K>;h00Fc>jpUlNV@ikwpUoP06,0");
        QTest::newRow("ABM") << QByteArray("!AIABM,2,1,3,211000001,2,12,ABCD,0");
        QTest::newRow("BBM") << QByteArray("!AIBBM,1,1,0,3,8,ABCD,4");
        QTest::newRow("ABK") << QByteArray("$AIABK,211000001,1,6,2,0");
        QTest::newRow("ABK no MMSI") << QByteArray("$AIABK,,1,6,2,3");
        QTest::newRow("ACK") << QByteArray("$AIACK,005");
        QTest::newRow("ACK none") << QByteArray("$AIACK,");
        QTest::newRow("ALR") << QByteArray("$AIALR,235959.00,2,A,V,AIS: Antenna VSWR exceeds limit");
        QTest::newRow("SSD") << QByteArray("$AISSD,DL1234,SAILING YACHT ONE,10,2,3,1,0,AI");
        QTest::newRow("SSD markers") << QByteArray("$AISSD,,,,,,,,AI");
        QTest::newRow("VSD") << QByteArray("$AIVSD,37,12.5,4,KIEL,083000.00,12,07,0,0");
        QTest::newRow("VSD markers") << QByteArray("$AIVSD,,,,,,,,,0");
        QTest::newRow("ACA") << QByteArray(
            "$AIACA,7,5830.5,N,00405.0,W,5600.5,S,01000.0,E,4,2087,0,2088,1,0,1,R,1,101500");
        QTest::newRow("ACA no region") << QByteArray("$AIACA,7,,,,,,,,,4,2087,0,2088,1,0,1,R,1,");
        QTest::newRow("ACS") << QByteArray("$AIACS,3,211000001,123456.50,15,05,2024");
    }

    void composeRestoresSentence()
    {
        QFETCH(QByteArray, body);
        I61162_Data_Structure record = staleRecord();
        QVERIFY(parseBody(body, &record));
        QCOMPARE(composeLine(formatterOf(body).composer, &record), closed(body));
    }

    void composeKeepsToItsBuffer()
    {
        I61162_Data_Structure record = staleRecord();
        QVERIFY(parseBody("$AIALR,235959.00,2,A,V,AIS: Antenna VSWR exceeds limit", &record));
        char small[20];
        QVERIFY(!I62_FMT_ALR_Compose(small, sizeof small, &record));
        QCOMPARE(strnlen(small, sizeof small), sizeof small - 1);
    }
};

QTEST_GUILESS_MAIN(TestI62Ais)
#include "tst_i62ais.moc"
