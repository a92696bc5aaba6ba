#include "../SentenceFixture.h"
#include "codec/families/I62Radar.h"

#include <QtTest>

using namespace SentenceFixture;

namespace {

Parser parserFor(const QByteArray& formatter)
{
    static const QHash<QByteArray, Parser> parsers = {
        {"HDT", I62_FMT_HDT}, {"HDM", I62_FMT_HDM}, {"ROT", I62_FMT_ROT}, {"VBW", I62_FMT_VBW},
        {"OSD", I62_FMT_OSD}, {"RSD", I62_FMT_RSD}, {"TTM", I62_FMT_TTM}, {"TLB", I62_FMT_TLB},
    };
    return parsers.value(formatter);
}

bool parseBody(const QByteArray& body, I61162_Data_Structure* record)
{
    return parseLine(parserFor(body.mid(3, 3)), closed(body), record);
}

} // namespace

class TestI62Radar : public QObject
{
    Q_OBJECT

private slots:
    void headingAndSpeed()
    {
        I61162_Data_Structure record = staleRecord();
        QVERIFY(parseLine(I62_FMT_HDT, "$GPHDT,274.07,T*03", &record));
        QCOMPARE(record.data.hdt.heading, 274.07f);
        QCOMPARE(record.data.hdt.reference, uint8_t('T'));

        QVERIFY(parseBody("$HCHDM,172.5,M", &record));
        QCOMPARE(record.data.hdm.heading, 172.5f);
        QCOMPARE(record.data.hdm.reference, uint8_t('M'));

        QVERIFY(parseBody("$TIROT,-0.3,A", &record));
        QCOMPARE(record.data.rot.rateOfTurn, -0.3f);
        QCOMPARE(record.data.rot.status, uint8_t('A'));

        QVERIFY(parseBody("$VWVBW,12.3,-0.07,A,11.78,0.12,V", &record));
        const I62_VBW_DATA& vbw = record.data.vbw;
        QCOMPARE(vbw.longWaterSpeed, 12.3f);
        QCOMPARE(vbw.transWaterSpeed, -0.07f);
        QCOMPARE(vbw.waterStatus, uint8_t('A'));
        QCOMPARE(vbw.longGroundSpeed, 11.78f);
        QCOMPARE(vbw.transGroundSpeed, 0.12f);
        QCOMPARE(vbw.groundStatus, uint8_t('V'));
    }

    void radar()
    {
        I61162_Data_Structure record = staleRecord();
        QVERIFY(parseBody("$RAOSD,35.1,A,36.0,P,10.2,P,15.3,0.1,N", &record));
        const I62_OSD_DATA& osd = record.data.osd;
        QCOMPARE(osd.heading, 35.1f);
        QCOMPARE(osd.headingStatus, uint8_t('A'));
        QCOMPARE(osd.course, 36.0f);
        QCOMPARE(osd.courseReference, uint8_t('P'));
        QCOMPARE(osd.speed, 10.2f);
        QCOMPARE(osd.set, 15.3f);
        QCOMPARE(osd.drift, 0.1f);
        QCOMPARE(osd.speedUnits, uint8_t('N'));

        QVERIFY(parseBody("$RARSD,1,2,3,4,5,6,7,8,9,10,11,N,H", &record));
        for (int i = 0; i < I62_RSD_VALUES; ++i)
            QCOMPARE(record.data.rsd.values[i], float(i + 1));
        QCOMPARE(record.data.rsd.rangeUnits, uint8_t('N'));
        QCOMPARE(record.data.rsd.displayRotation, uint8_t('H'));

        QVERIFY(parseBody("$RATTM,11,25.3,13.7,T,7.0,20.0,T,10.1,20.2,N,FERRY ONE,T,R,100021.50,A", &record));
        const I62_TTM_DATA& ttm = record.data.ttm;
        QCOMPARE(int(ttm.targetNumber), 11);
        QCOMPARE(ttm.distance, 25.3f);
        QCOMPARE(ttm.bearing, 13.7f);
        QCOMPARE(ttm.bearingUnits, uint8_t('T'));
        QCOMPARE(ttm.speed, 7.0f);
        QCOMPARE(ttm.course, 20.0f);
        QCOMPARE(ttm.cpaDistance, 10.1f);
        QCOMPARE(ttm.tcpa, 20.2f);
        QCOMPARE(ttm.speedDistanceUnits, uint8_t('N'));
        QCOMPARE(QByteArray(ttm.name), QByteArray("FERRY ONE"));
        QCOMPARE(ttm.status, uint8_t('T'));
        QCOMPARE(ttm.referenceTarget, uint8_t('R'));
        QCOMPARE(int(ttm.utcTime.hour) * 10000 + ttm.utcTime.minute * 100 + ttm.utcTime.second, 100021);
        QCOMPARE(int(ttm.utcTime.hundredths), 50);
        QCOMPARE(ttm.acquisition, uint8_t('A'));

        // A name longer than its room is cut to 19 characters.
        QVERIFY(parseBody("$RATTM,11,25.3,13.7,T,7.0,20.0,T,10.1,20.2,N,A NAME OF TWENTY-FIVE CH,T,R,,A", &record));
        QCOMPARE(QByteArray(ttm.name), QByteArray("A NAME OF TWENTY-FI"));

        QVERIFY(parseLine(I62_FMT_TLB, closed("$RATLB,7,LABEL,2"), &record));
        QCOMPARE(record.data.tlb.targetNumber, 7.0f);
        QCOMPARE(record.data.tlb.label, uint8_t('L'));
    }

    void fieldCounts_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("HDT 3 commas") << QByteArray("$HEHDT,274.07,T,") << false;
        QTest::newRow("HDM 1 comma") << QByteArray("$HCHDM,172.5") << false;
        QTest::newRow("ROT 3 commas") << QByteArray("$TIROT,-0.3,A,") << false;
        QTest::newRow("VBW with ten fields") << QByteArray("$VWVBW,12.3,0.07,A,11.78,0.12,A,0.1,A,0.2,A") << false;
        QTest::newRow("OSD 8 commas") << QByteArray("$RAOSD,35.1,A,36.0,P,10.2,P,15.3,0.1") << false;
        QTest::newRow("RSD 12 commas") << QByteArray("$RARSD,1,2,3,4,5,6,7,8,9,10,11,N") << false;
        QTest::newRow("TTM 14 commas") << QByteArray("$RATTM,11,25.3,13.7,T,7.0,20.0,T,10.1,20.2,N,X,T,R,100021") << false;
        QTest::newRow("TLB 2 commas") << QByteArray("$RATLB,7,LABEL") << false;
        QTest::newRow("HDT far out of range") << QByteArray("$HEHDT,1e39,T") << true;
    }
    void fieldCounts()
    {
        QFETCH(QByteArray, body);
        I61162_Data_Structure record = staleRecord();
        QTEST(parseBody(body, &record), "accepted");
    }

    void emptyFields()
    {
        I61162_Data_Structure record = staleRecord();
        QVERIFY(parseBody("$HEHDT,,", &record));
        QCOMPARE(record.data.hdt.heading, I62_ABSENT_HEADING);
        QCOMPARE(record.data.hdt.reference, uint8_t(' '));
        QVERIFY(parseBody("$HCHDM,,", &record));
        QCOMPARE(record.data.hdm.heading, I62_ABSENT_HEADING);
        QVERIFY(parseBody("$TIROT,,", &record));
        QCOMPARE(record.data.rot.rateOfTurn, I62_ABSENT_FLOAT);
        QCOMPARE(record.data.rot.status, uint8_t(' '));
        // A number too large for single precision is no heading either.
        QVERIFY(parseBody("$HEHDT,1e39,T", &record));
        QCOMPARE(record.data.hdt.heading, I62_ABSENT_HEADING);

        // The other sentences read empty numbers as 0 and empty characters as the blank.
        record = staleRecord();
        QVERIFY(parseBody("$VWVBW,,,,,,", &record));
        const I62_VBW_DATA& vbw = record.data.vbw;
        for (float value : {vbw.longWaterSpeed, vbw.transWaterSpeed, vbw.longGroundSpeed, vbw.transGroundSpeed})
            QCOMPARE(value, 0.0f);
        QCOMPARE(vbw.waterStatus, uint8_t(' '));
        QCOMPARE(vbw.groundStatus, uint8_t(' '));

        record = staleRecord();
        QVERIFY(parseBody("$RAOSD,,,,,,,,,", &record));
        const I62_OSD_DATA& osd = record.data.osd;
        for (float value : {osd.heading, osd.course, osd.speed, osd.set, osd.drift})
            QCOMPARE(value, 0.0f);
        for (uint8_t c : {osd.headingStatus, osd.courseReference, osd.speedReference, osd.speedUnits})
            QCOMPARE(c, uint8_t(' '));

        record = staleRecord();
        QVERIFY(parseBody("$RARSD,,,,,,,,,,,,,", &record));
        for (float value : record.data.rsd.values)
            QCOMPARE(value, 0.0f);
        QCOMPARE(record.data.rsd.displayRotation, uint8_t(' '));

        record = staleRecord();
        QVERIFY(parseBody("$RATTM,,,,,,,,,,,,,,,", &record));
        const I62_TTM_DATA& ttm = record.data.ttm;
        QCOMPARE(int(ttm.targetNumber), 0);
        for (float value : {ttm.distance, ttm.bearing, ttm.speed, ttm.course, ttm.cpaDistance, ttm.tcpa})
            QCOMPARE(value, 0.0f);
        QCOMPARE(QByteArray(ttm.name), QByteArray(" "));
        QCOMPARE(int(ttm.utcTime.hour), 24);
        QCOMPARE(ttm.acquisition, uint8_t(' '));
    }

    void composeThenParse_data()
    {
        QTest::addColumn<QByteArray>("formatter");
        QTest::addColumn<float>("value");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<float>("parsedBack");
        QTest::newRow("HDT") << QByteArray("HDT") << 274.1f << QByteArray("$HEHDT,274.1,T") << 274.1f;
        QTest::newRow("HDT 360") << QByteArray("HDT") << 360.0f << QByteArray("$HEHDT,360.0,T") << 360.0f;
        QTest::newRow("HDT 361") << QByteArray("HDT") << 361.0f << QByteArray("$HEHDT,,T") << I62_ABSENT_HEADING;
        QTest::newRow("HDT empty") << QByteArray("HDT") << I62_ABSENT_HEADING << QByteArray("$HEHDT,,T")
                                   << I62_ABSENT_HEADING;
        QTest::newRow("ROT") << QByteArray("ROT") << -0.3f << QByteArray("$HEROT,-0.300000,A") << -0.3f;
        QTest::newRow("ROT empty") << QByteArray("ROT") << I62_ABSENT_FLOAT << QByteArray("$HEROT,,A")
                                   << I62_ABSENT_FLOAT;
    }
    void composeThenParse()
    {
        QFETCH(QByteArray, formatter);
        QFETCH(float, value);
        I61162_Data_Structure record = composable("HE", formatter.constData());
        const bool hdt = formatter == "HDT";
        if (hdt)
            record.data.hdt.heading = value;
        else
            record.data.rot = I62_ROT_DATA{value, 'A'};
        const QByteArray line = composeLine(hdt ? I62_FMT_HDT_Compose : I62_FMT_ROT_Compose, &record);
        QFETCH(QByteArray, body);
        QCOMPARE(line, closed(body));

        I61162_Data_Structure parsed = staleRecord();
        QVERIFY(parseLine(hdt ? I62_FMT_HDT : I62_FMT_ROT, line, &parsed));
        QTEST(hdt ? parsed.data.hdt.heading : parsed.data.rot.rateOfTurn, "parsedBack");
        QCOMPARE(hdt ? parsed.data.hdt.reference : parsed.data.rot.status, uint8_t(hdt ? 'T' : 'A'));
    }

    void headingWithDeviationAndVariation()
    {
        I61162_Data_Structure record = composable("HC", "HDG");
        record.data.hdg = I62_HDG_DATA{101.1f, -2.5f, 0, 7.25f, 0};
        QCOMPARE(composeLine(I62_FMT_HDG_Compose, &record),
                 closed("$HCHDG,101.099998,2.500000,W,7.250000,E"));
        QCOMPARE(record.data.hdg.deviationDirection, uint8_t('W'));
        QCOMPARE(record.data.hdg.variationDirection, uint8_t('E'));
    }
};

QTEST_GUILESS_MAIN(TestI62Radar)
#include "tst_i62radar.moc"
