#include "../SentenceFixture.h"
#include "codec/families/I62AtoN.h"

#include <QtTest>

using namespace SentenceFixture;

namespace {

struct Formatter
{
    Parser parser;
    Composer composer;
    unsigned (*present)(const I61162_Data_Structure&);
};

#define ATON_FORMATTER(name, member)                                                                   \
    {                                                                                                  \
        #name, {ATON_FMT_##name, ATON_FMT_##name##_Compose,                                            \
                [](const I61162_Data_Structure& record) { return unsigned(record.data.member.present); }} \
    }

Formatter formatterFor(const QByteArray& name)
{
    static const QHash<QByteArray, Formatter> formatters = {
        ATON_FORMATTER(AAR, aar), ATON_FORMATTER(ACE, ace), ATON_FORMATTER(ACF, acf), ATON_FORMATTER(AFB, afb),
        ATON_FORMATTER(AFC, afc), ATON_FORMATTER(AID, aid), ATON_FORMATTER(AKE, ake), ATON_FORMATTER(ARW, arw),
        ATON_FORMATTER(MCR, mcr), ATON_FORMATTER(MPR, mpr), ATON_FORMATTER(TSP, tsp), ATON_FORMATTER(VER, ver),
    };
    return formatters.value(name);
}

bool parseBody(const QByteArray& body, I61162_Data_Structure* record)
{
    return parseLine(formatterFor(body.mid(3, 3)).parser, closed(body), record);
}

// Straight into the parser, past the length limit of the pre-parse, to show what a parser does
// with a field longer than its room.
bool parseLong(const QByteArray& body, I61162_Data_Structure* record)
{
    QByteArray sentence = body + "*00\r\n";
    return formatterFor(body.mid(3, 3)).parser(sentence.data(), record);
}

unsigned bits(std::initializer_list<int> positions)
{
    unsigned present = 0;
    for (int position : positions)
        present |= ATON_FieldBit(position);
    return present;
}

unsigned allBits(int fields)
{
    return (1u << fields) - 1;
}

const char* const MMSI = "992351234";

} // namespace

Q_DECLARE_METATYPE(I61162_Data_Structure)

class TestI62AtoN : public QObject
{
    Q_OBJECT

private slots:
    void fieldsAndPresenceBits()
    {
        I61162_Data_Structure record = staleRecord();
        QVERIFY(parseBody("$AIAAR,992351234,05,10,01,02,0360,123456,3,04,05,1200,-42,R", &record));
        const ATON_AAR_DATA& aar = record.data.aar;
        QCOMPARE(aar.mmsi, int64_t(992351234));
        QCOMPARE(int(aar.field2), 5);
        QCOMPARE(int(aar.field3), 10);
        QCOMPARE(int(aar.field4), 1);
        QCOMPARE(int(aar.field5), 2);
        QCOMPARE(int(aar.field6), 360);
        QCOMPARE(aar.field7, int64_t(123456));
        QCOMPARE(int(aar.field8), 3);
        QCOMPARE(int(aar.field9), 4);
        QCOMPARE(int(aar.field10), 5);
        QCOMPARE(int(aar.field11), 1200);
        QCOMPARE(aar.field12, int64_t(-42));
        QCOMPARE(aar.status, uint8_t('R'));
        QCOMPARE(unsigned(aar.present), allBits(13));

        QVERIFY(parseBody("$AIACE,992351234,1F,0042,1,2,3,LIGHT BUOY 7,0100500305,C", &record));
        const ATON_ACE_DATA& ace = record.data.ace;
        QCOMPARE(int(ace.field2), 0x1F);
        QCOMPARE(int(ace.field3), 42);
        QCOMPARE(int(ace.field4) * 100 + ace.field5 * 10 + ace.field6, 123);
        QCOMPARE(QByteArray(ace.text), QByteArray("LIGHT BUOY 7"));
        QCOMPARE(int(ace.dimensions.a), 10);
        QCOMPARE(ace.status, uint8_t('C'));
        QCOMPARE(unsigned(ace.present), allBits(9));

        QVERIFY(parseBody("$AIACF,992351234,2,4807.038,N,01131.000,W,1,0010,0020,0030,0040,9,31,2,X", &record));
        const ATON_ACF_DATA& acf = record.data.acf;
        QCOMPARE(int(acf.field2), 2);
        QVERIFY(qAbs(acf.position.latitude - 48.1173) < 1e-9);
        QVERIFY(qAbs(acf.position.longitude + 11.5166667) < 1e-7);
        QCOMPARE(int(acf.field7), 1);
        QCOMPARE(int(acf.field8) + acf.field9 + acf.field10 + acf.field11, 100);
        QCOMPARE(int(acf.field11), 40);
        QCOMPARE(int(acf.field12), 9);
        QCOMPARE(int(acf.field13), 31);
        QCOMPARE(int(acf.field14), 2);
        QCOMPARE(acf.field15, uint8_t('X'));
        // The four position fields share the bit of the first.
        QCOMPARE(unsigned(acf.present), allBits(15) & ~bits({4, 5, 6}));

        QVERIFY(parseBody("$AIAFB,992351234,01,02,03,04,0360,5,R", &record));
        const ATON_AFB_DATA& afb = record.data.afb;
        QCOMPARE(int(afb.field2) * 1000 + afb.field3 * 100 + afb.field4 * 10 + afb.field5, 1234);
        QCOMPARE(int(afb.field6), 360);
        QCOMPARE(int(afb.field7), 5);
        QCOMPARE(unsigned(afb.present), allBits(8));

        QVERIFY(parseBody("$AIAFC,992351234,SOME TEXT", &record));
        QCOMPARE(record.data.afc.mmsi, int64_t(992351234));
        QCOMPARE(QByteArray(record.data.afc.text), QByteArray("SOME TEXT"));
        QCOMPARE(unsigned(record.data.afc.present), allBits(2));

        QVERIFY(parseBody("$AIAID,992351234,3,992359999,A,C", &record));
        const ATON_AID_DATA& aid = record.data.aid;
        QCOMPARE(int(aid.field2), 3);
        QCOMPARE(aid.secondMmsi, int64_t(992359999));
        QCOMPARE(aid.field4, uint8_t('A'));
        QCOMPARE(aid.status, uint8_t('C'));
        QCOMPARE(unsigned(aid.present), allBits(5));

        QVERIFY(parseBody("$AIAKE,992351234,KEY ONE,KEY TWO,Z", &record));
        QCOMPARE(QByteArray(record.data.ake.firstText), QByteArray("KEY ONE"));
        QCOMPARE(QByteArray(record.data.ake.secondText), QByteArray("KEY TWO"));
        QCOMPARE(record.data.ake.field4, uint8_t('Z'));
        QCOMPARE(unsigned(record.data.ake.present), allBits(4));

        QVERIFY(parseBody("$AIARW,992351234,2,03,04,120,0360,R", &record));
        const ATON_ARW_DATA& arw = record.data.arw;
        QCOMPARE(int(arw.field2) * 100 + arw.field3 * 10 + arw.field4, 234);
        QCOMPARE(int(arw.field5), 120);
        QCOMPARE(int(arw.field6), 360);
        QCOMPARE(unsigned(arw.present), allBits(7));

        QVERIFY(parseBody("$AIMCR,992351234,MESSAGE TEXT,B", &record));
        QCOMPARE(QByteArray(record.data.mcr.text), QByteArray("MESSAGE TEXT"));
        QCOMPARE(record.data.mcr.field3, uint8_t('B'));
        QCOMPARE(unsigned(record.data.mcr.present), allBits(3));

        QVERIFY(parseBody("$AIMPR,992351234,01,02,3,04,05,PAYLOAD TEXT,E", &record));
        const ATON_MPR_DATA& mpr = record.data.mpr;
        QCOMPARE(int(mpr.field2) * 10000 + mpr.field3 * 1000 + mpr.field4 * 100 + mpr.field5 * 10 + mpr.field6, 12345);
        QCOMPARE(QByteArray(mpr.text), QByteArray("PAYLOAD TEXT"));
        QCOMPARE(mpr.field8, uint8_t('E'));
        QCOMPARE(unsigned(mpr.present), allBits(8));

        QVERIFY(parseBody("$AITSP,992351234,1,2,123519.50,100,200,3,400,5,600,7,A,B", &record));
        const ATON_TSP_DATA& tsp = record.data.tsp;
        QCOMPARE(int(tsp.field2) * 10 + tsp.field3, 12);
        QCOMPARE(int(tsp.utcTime.hour) * 10000 + tsp.utcTime.minute * 100 + tsp.utcTime.second, 123519);
        QCOMPARE(int(tsp.utcTime.hundredths), 50);
        const int numbers[] = {tsp.field5, tsp.field6, tsp.field7, tsp.field8, tsp.field9, tsp.field10, tsp.field11};
        const int expected[] = {100, 200, 3, 400, 5, 600, 7};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(numbers[i], expected[i]);
        QCOMPARE(tsp.field12, uint8_t('A'));
        QCOMPARE(tsp.field13, uint8_t('B'));
        QCOMPARE(unsigned(tsp.present), allBits(13));

        // The sequential message identifier comes last, as devices send it.
        QVERIFY(parseBody("$AIVER,2,1,AT,VEND1,UNIQUE-ID-0001,SN-1234,MODEL-X,SW 1.2.3,HW B,7", &record));
        const ATON_VER_DATA& ver = record.data.ver;
        QCOMPARE(int(ver.totalSentences) * 100 + ver.sentenceNumber * 10 + ver.sequentialId, 217);
        QCOMPARE(QByteArray(ver.deviceType), QByteArray("AT"));
        QCOMPARE(QByteArray(ver.vendorId), QByteArray("VEND1"));
        QCOMPARE(QByteArray(ver.uniqueId), QByteArray("UNIQUE-ID-0001"));
        QCOMPARE(QByteArray(ver.serialNumber), QByteArray("SN-1234"));
        QCOMPARE(QByteArray(ver.modelCode), QByteArray("MODEL-X"));
        QCOMPARE(QByteArray(ver.softwareRevision), QByteArray("SW 1.2.3"));
        QCOMPARE(QByteArray(ver.hardwareRevision), QByteArray("HW B"));
        QCOMPARE(unsigned(ver.present), allBits(10));
        // A transponder's answer to the version query reads the same way.
        QVERIFY(parseBody("$AIVER,1,1,AI,SIM,0000001,123456789,1,UNIT-K-42,1.00,0", &record));
        QCOMPARE(QByteArray(ver.deviceType), QByteArray("AI"));
        QCOMPARE(QByteArray(ver.serialNumber), QByteArray("123456789"));
        QCOMPARE(QByteArray(ver.modelCode), QByteArray("1"));
        QCOMPARE(QByteArray(ver.softwareRevision), QByteArray("UNIT-K-42"));
        QCOMPARE(QByteArray(ver.hardwareRevision), QByteArray("1.00"));
        QCOMPARE(int(ver.sequentialId), 0);
        QCOMPARE(unsigned(ver.present), allBits(10));
    }

    void emptyFieldsClearTheirBits_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<unsigned>("present");
        QTest::newRow("AAR") << QByteArray("$AIAAR,,,,,,,,,,,,,R") << bits({13});
        QTest::newRow("ACE") << QByteArray("$AIACE,,,,,,,,,C") << bits({9});
        QTest::newRow("ACF") << QByteArray("$AIACF,,,,,,,,,,,,,,,") << 0u;
        QTest::newRow("AFB") << QByteArray("$AIAFB,,,,,,,,R") << bits({8});
        QTest::newRow("AFC") << QByteArray("$AIAFC,,") << 0u;
        QTest::newRow("AID") << QByteArray("$AIAID,,,,,C") << bits({5});
        QTest::newRow("AKE") << QByteArray("$AIAKE,,,,") << 0u;
        QTest::newRow("ARW") << QByteArray("$AIARW,,,,,,,R") << bits({7});
        QTest::newRow("MCR") << QByteArray("$AIMCR,,,") << 0u;
        QTest::newRow("MPR") << QByteArray("$AIMPR,,,,,,,,") << 0u;
        QTest::newRow("TSP") << QByteArray("$AITSP,,,,,,,,,,,,,") << 0u;
        QTest::newRow("VER") << QByteArray("$AIVER,,,,,,,,,,") << 0u;
        QTest::newRow("AAR some given") << QByteArray("$AIAAR,992351234,,10,,,0360,0,,,,,,C") << bits({1, 3, 6, 7, 13});
        QTest::newRow("VER some given") << QByteArray("$AIVER,1,,,VEND1,,,,,HW,") << bits({1, 4, 9});
    }
    void emptyFieldsClearTheirBits()
    {
        QFETCH(QByteArray, body);
        I61162_Data_Structure record = staleRecord();
        QVERIFY(parseBody(body, &record));
        const Formatter formatter = formatterFor(body.mid(3, 3));
        QTEST(formatter.present(record), "present");
        // An empty field is written back as an empty field.
        std::memcpy(record.talker, "AI", 3);
        std::memcpy(record.formatter, body.constData() + 3, 3);
        record.formatter[3] = '\0';
        QCOMPARE(composeLine(formatter.composer, &record), closed(body));
    }

    void absentFieldsHoldZero()
    {
        // No bytes of the sentence parsed before stand in for an absent field.
        I61162_Data_Structure record = staleRecord();
        QVERIFY(parseBody("$AIAAR,,,,,,,,,,,,,R", &record));
        const ATON_AAR_DATA& aar = record.data.aar;
        QCOMPARE(aar.mmsi + aar.field7 + aar.field12, int64_t(0));
        QCOMPARE(aar.field2 + aar.field3 + aar.field4 + aar.field5 + aar.field6 + aar.field8 + aar.field9 + aar.field10
                     + aar.field11,
                 0);

        record = staleRecord();
        QVERIFY(parseBody("$AIACF,,,,,,,,,,,,,,,", &record));
        const ATON_ACF_DATA& acf = record.data.acf;
        QCOMPARE(acf.position.latitude, 0.0);
        QCOMPARE(acf.position.longitude, 0.0);
        QCOMPARE(acf.mmsi, int64_t(0));
        QCOMPARE(acf.field8 + acf.field11 + acf.field14 + acf.field15, 0);

        record = staleRecord();
        QVERIFY(parseBody("$AITSP,,,,,,,,,,,,,", &record));
        const ATON_TSP_DATA& tsp = record.data.tsp;
        QCOMPARE(tsp.utcTime.hour + tsp.utcTime.minute + tsp.utcTime.second + tsp.utcTime.hundredths, 0);
        QCOMPARE(tsp.field10 + tsp.field13, 0);

        record = staleRecord();
        QVERIFY(parseBody("$AIVER,,,,,,,,,,", &record));
        const ATON_VER_DATA& ver = record.data.ver;
        QCOMPARE(ver.totalSentences + ver.sequentialId, 0);
        for (const char* text : {ver.deviceType, ver.vendorId, ver.uniqueId, ver.hardwareRevision})
            QCOMPARE(QByteArray(text), QByteArray());
    }

    void sentenceStatus_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("accepted");
        const QByteArray aar = "$AIAAR,992351234,05,10,01,02,0360,123456,3,04,05,1200,-42,";
        QTest::newRow("AAR R") << aar + "R" << true;
        QTest::newRow("AAR C") << aar + "C" << true;
        QTest::newRow("AAR X") << aar + "X" << false;
        QTest::newRow("AAR r") << aar + "r" << false;
        QTest::newRow("AAR RC") << aar + "RC" << false;
        QTest::newRow("AAR empty") << aar << false;
        QTest::newRow("ACE Q") << QByteArray("$AIACE,992351234,1F,0042,1,2,3,T,0100500305,Q") << false;
        QTest::newRow("AFB 7 commas") << QByteArray("$AIAFB,992351234,01,02,03,04,0360,R") << false;
        QTest::newRow("AFB 9 commas") << QByteArray("$AIAFB,992351234,01,02,03,04,0360,5,6,R") << false;
        QTest::newRow("AID X") << QByteArray("$AIAID,992351234,3,992359999,A,X") << false;
        QTest::newRow("ARW empty") << QByteArray("$AIARW,992351234,2,03,04,120,0360,") << false;
        // These carry no status.
        QTest::newRow("ACF X") << QByteArray("$AIACF,992351234,2,,,,,1,,,,,9,31,2,X") << true;
        QTest::newRow("MPR 7 commas") << QByteArray("$AIMPR,992351234,01,02,3,04,05,TEXT") << false;
        QTest::newRow("TSP 14 commas") << QByteArray("$AITSP,992351234,1,2,123519,100,200,3,400,5,600,7,A,B,") << false;
        QTest::newRow("VER 9 commas") << QByteArray("$AIVER,2,1,AT,VEND1,UNIQUE,SN,MODEL,SW,7") << false;
    }
    void sentenceStatus()
    {
        QFETCH(QByteArray, body);
        I61162_Data_Structure record = staleRecord();
        QTEST(parseBody(body, &record), "accepted");
    }

    void refusedStatusKeepsTheFieldsBefore()
    {
        I61162_Data_Structure record = staleRecord();
        QVERIFY(!parseBody("$AIAAR,992351234,05,10,01,02,0360,123456,3,04,05,1200,-42,X", &record));
        QCOMPARE(unsigned(record.data.aar.present), allBits(12));
        QCOMPARE(record.data.aar.field12, int64_t(-42));
        QCOMPARE(record.data.aar.status, uint8_t(0));
    }

    void aceDimensions_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<bool>("given");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        QTest::addColumn<int>("d");
        QTest::newRow("ten digits") << QByteArray("0100500305") << true << 10 << 50 << 3 << 5;
        QTest::newRow("largest in range") << QByteArray("5115116363") << true << 511 << 511 << 63 << 63;
        QTest::newRow("cut to the widths") << QByteArray("9995129964") << true << (999 & 0x1FF) << 0 << (99 & 0x3F)
                                           << 0;
        QTest::newRow("nine characters") << QByteArray("010050030") << false << 0 << 0 << 0 << 0;
        QTest::newRow("eleven characters") << QByteArray("01005003050") << false << 0 << 0 << 0 << 0;
        QTest::newRow("not digits") << QByteArray("01005003X5") << false << 0 << 0 << 0 << 0;
        QTest::newRow("empty") << QByteArray("") << false << 0 << 0 << 0 << 0;
    }
    void aceDimensions()
    {
        QFETCH(QByteArray, field);
        I61162_Data_Structure record = staleRecord();
        QVERIFY(parseBody("$AIACE,992351234,1F,0042,1,2,3,BUOY," + field + ",R", &record));
        const ATON_ACE_DATA& ace = record.data.ace;
        QTEST(ATON_HasField(ace.present, 8), "given");
        QTEST(int(ace.dimensions.a), "a");
        QTEST(int(ace.dimensions.b), "b");
        QTEST(int(ace.dimensions.c), "c");
        QTEST(int(ace.dimensions.d), "d");
        QCOMPARE(ace.status, uint8_t('R'));
    }

    void dimensionsKeepTheBitsAboveEachValue()
    {
        ATON_REF_POINT_DIMENSION dimensions{0xC0, 0xFF, 0xFFFF, 0x8000};
        QVERIFY(Convert_Dim_Ref_Str_To_Val(&dimensions, "0100500305"));
        QCOMPARE(int(dimensions.a), 0x8000 | 10);
        QCOMPARE(int(dimensions.b), 0xFE00 | 50);
        QCOMPARE(int(dimensions.c), 0xC0 | 3);
        QCOMPARE(int(dimensions.d), 0xC0 | 5);
        QVERIFY(!Convert_Dim_Ref_Str_To_Val(&dimensions, "123"));
        QCOMPARE(int(dimensions.a), 0x8000 | 10);
    }

    void acfPosition_data()
    {
        QTest::addColumn<QByteArray>("fields");
        QTest::addColumn<bool>("given");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::newRow("north-east") << QByteArray("4916.45,N,12311.12,E") << true << 49.274166667 << 123.185333333;
        QTest::newRow("south-west") << QByteArray("3351.000,S,15112.600,W") << true << -33.85 << -151.21;
        QTest::newRow("longitude empty") << QByteArray("4916.45,N,,E") << false << 0.0 << 0.0;
        QTest::newRow("hemisphere empty") << QByteArray("4916.45,,12311.12,E") << false << 0.0 << 0.0;
        // Out of range: marked not available, with the hemisphere's sign.
        QTest::newRow("latitude 95 south") << QByteArray("9500.0,S,18100.0,E") << true << -91.0 << 181.0;
    }
    void acfPosition()
    {
        QFETCH(QByteArray, fields);
        I61162_Data_Structure record = staleRecord();
        QVERIFY(parseBody("$AIACF,992351234,2," + fields + ",1,0010,0020,0030,0040,9,31,2,X", &record));
        const ATON_ACF_DATA& acf = record.data.acf;
        QTEST(ATON_HasField(acf.present, ATON_ACF_POSITION_FIELD), "given");
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QVERIFY(qAbs(acf.position.latitude - latitude) < 1e-8);
        QVERIFY(qAbs(acf.position.longitude - longitude) < 1e-8);
        QCOMPARE(int(acf.field7), 1); // the fields after the position stay in step
    }

    void textsAreCutToTheirRoom()
    {
        I61162_Data_Structure record = staleRecord();
        QVERIFY(parseBody("$AIVER,1,1,ATON,VENDOR7,UNIQUE-IDENTIFIER-17,S,M,SW,HW,1", &record));
        QCOMPARE(QByteArray(record.data.ver.deviceType), QByteArray("AT"));
        QCOMPARE(QByteArray(record.data.ver.vendorId), QByteArray("VENDO"));
        QCOMPARE(QByteArray(record.data.ver.uniqueId), QByteArray("UNIQUE-IDENTIFI"));
        QVERIFY(parseBody("$AIVER,1,1,A,V,U," + QByteArray(40, 'S') + ",M,SW,HW,1", &record));
        QCOMPARE(QByteArray(record.data.ver.deviceType), QByteArray("A"));
        QCOMPARE(QByteArray(record.data.ver.serialNumber), QByteArray(32, 'S'));
        QCOMPARE(QByteArray(record.data.ver.hardwareRevision), QByteArray("HW"));

        const QByteArray forty(40, 'T');
        QVERIFY(parseBody("$AIACE,992351234,1F,0042,1,2,3," + forty + ",0100500305,R", &record));
        QCOMPARE(QByteArray(record.data.ace.text), forty.left(34));
        QCOMPARE(int(record.data.ace.dimensions.b), 50);
        QVERIFY(parseBody("$AIAFC,992351234," + forty, &record));
        QCOMPARE(QByteArray(record.data.afc.text), forty.left(16));
        QVERIFY(parseBody("$AIAKE,992351234," + forty + ",K,Z", &record));
        QCOMPARE(QByteArray(record.data.ake.firstText), forty.left(32));
        QCOMPARE(QByteArray(record.data.ake.secondText), QByteArray("K"));

        // No sentence the pre-parse lets through carries texts this long; the parsers cut them anyway.
        const QByteArray hundred(100, 'M');
        QVERIFY(parseLong("$AIMCR,992351234," + hundred + ",B", &record));
        QCOMPARE(QByteArray(record.data.mcr.text), hundred.left(80));
        QCOMPARE(record.data.mcr.field3, uint8_t('B'));
        QVERIFY(parseLong("$AIMPR,992351234,01,02,3,04,05," + hundred + ",E", &record));
        QCOMPARE(QByteArray(record.data.mpr.text), hundred.left(79));
        QCOMPARE(record.data.mpr.field8, uint8_t('E'));
        QVERIFY(parseLong("$AIAKE,992351234," + hundred + "," + hundred + ",Z", &record));
        QCOMPARE(QByteArray(record.data.ake.secondText), hundred.left(32));
        QVERIFY(parseLong("$AIVER,1,1,A,V,U,S,M," + hundred + "," + hundred + ",1", &record));
        QCOMPARE(QByteArray(record.data.ver.hardwareRevision), hundred.left(32));
    }

    void composeThenParse_data()
    {
        QTest::addColumn<QByteArray>("body");
        const QByteArray mmsi = MMSI;
        QTest::newRow("AAR") << "$AIAAR," + mmsi + ",05,10,01,02,0360,123456,3,04,05,1200,-42,R";
        QTest::newRow("AAR one of a pair") << "$AIAAR," + mmsi + ",05,10,,,0360,123456,3,,,1200,-42,C";
        QTest::newRow("ACE") << "$AIACE," + mmsi + ",1F,0042,1,2,3,LIGHT BUOY 7,0100500305,C";
        QTest::newRow("ACE without dimensions") << "$AIACE," + mmsi + ",0A,0042,1,2,3,,,R";
        QTest::newRow("ACF") << "$AIACF," + mmsi + ",2,3315.00000,N,01115.00000,W,1,0010,0020,0030,0040,9,31,2,X";
        QTest::newRow("ACF south-east") << "$AIACF," + mmsi + ",8,3315.00000,S,15112.60000,E,0,,,,,0,00,0,";
        QTest::newRow("AFB") << "$AIAFB," + mmsi + ",01,02,03,04,0360,5,R";
        QTest::newRow("AFC") << "$AIAFC," + mmsi + ",SOME TEXT";
        QTest::newRow("AID") << "$AIAID," + mmsi + ",3,992359999,A,C";
        QTest::newRow("AKE") << "$AIAKE," + mmsi + ",KEY ONE,,Z";
        QTest::newRow("ARW") << "$AIARW," + mmsi + ",2,03,04,120,0360,R";
        QTest::newRow("MCR") << "$AIMCR," + mmsi + ",MESSAGE TEXT,B";
        QTest::newRow("MPR") << "$AIMPR," + mmsi + ",01,02,3,04,05,PAYLOAD TEXT,E";
        QTest::newRow("TSP") << "$AITSP," + mmsi + ",1,2,123519.50,100,200,3,400,5,600,7,A,B";
        QTest::newRow("VER") << QByteArray("$AIVER,2,1,AT,VEND1,UNIQUE-ID-0001,SN-1234,MODEL-X,SW 1.2.3,HW B,7");
    }
    void composeThenParse()
    {
        // Each body is written exactly as its composer writes it: parse, compose, parse again.
        QFETCH(QByteArray, body);
        const Formatter formatter = formatterFor(body.mid(3, 3));
        I61162_Data_Structure record = staleRecord();
        QVERIFY(parseBody(body, &record));
        std::memcpy(record.talker, "AI", 3);
        std::memcpy(record.formatter, body.constData() + 3, 3);
        record.formatter[3] = '\0';
        const QByteArray line = composeLine(formatter.composer, &record);
        QCOMPARE(line, closed(body));

        I61162_Data_Structure parsed = staleRecord();
        QVERIFY(parseLine(formatter.parser, line, &parsed));
        std::memcpy(parsed.talker, record.talker, sizeof record.talker);
        std::memcpy(parsed.formatter, record.formatter, sizeof record.formatter);
        QCOMPARE(composeLine(formatter.composer, &parsed), line);
    }

    void composersHonourTheirLimits()
    {
        I61162_Data_Structure acf = composable("AI", "ACF");
        acf.data.acf = ATON_ACF_DATA{992351234, 9, {48.5, 11.5}, 2, 1, 2, 3, 4, 10, 32, 3, 'X', 0};
        acf.data.acf.present = uint16_t(allBits(15));
        QCOMPARE(composeLine(ATON_FMT_ACF_Compose, &acf),
                 closed("$AIACF,992351234,,4830.00000,N,01130.00000,E,,0001,0002,0003,0004,,,,X"));
        // One of the four numbers absent empties all four.
        acf.data.acf.present = uint16_t(allBits(15) & ~bits({10}));
        QCOMPARE(composeLine(ATON_FMT_ACF_Compose, &acf),
                 closed("$AIACF,992351234,,4830.00000,N,01130.00000,E,,,,,,,,,X"));
        // A position marked not available is not written, whichever its sign.
        acf.data.acf.position = I62_DEGREE{-91.0, 181.0};
        QCOMPARE(composeLine(ATON_FMT_ACF_Compose, &acf), closed("$AIACF,992351234,,,,,,,,,,,,,,X"));
    }

    void absentStatusIsAnEmptyField()
    {
        // A status that is not there must not end the sentence early.
        I61162_Data_Structure aid = composable("AI", "AID");
        aid.data.aid = ATON_AID_DATA{992351234, 3, 992359999, 0, 0, uint8_t(bits({1, 2, 3, 4, 5}))};
        QCOMPARE(composeLine(ATON_FMT_AID_Compose, &aid), closed("$AIAID,992351234,3,992359999,,"));
        aid.data.aid.present = uint8_t(bits({1, 3}));
        aid.data.aid.status = 'R';
        QCOMPARE(composeLine(ATON_FMT_AID_Compose, &aid), closed("$AIAID,992351234,,992359999,,"));

        // A text that fills its room without an end is read no further than the room.
        I61162_Data_Structure afc = composable("AI", "AFC");
        afc.data.afc.present = uint8_t(bits({2}));
        std::memset(afc.data.afc.text, 'W', sizeof afc.data.afc.text);
        QCOMPARE(composeLine(ATON_FMT_AFC_Compose, &afc), closed("$AIAFC,," + QByteArray(17, 'W')));
    }
};

QTEST_GUILESS_MAIN(TestI62AtoN)
#include "tst_i62aton.moc"
