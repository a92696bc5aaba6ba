#include "../SentenceFixture.h"
#include "codec/families/I62Proprietary.h"

#include <QtTest>

using namespace SentenceFixture;

namespace {

// What the dispatch does with a sentence behind the maker's prefix: the letter moves into the
// record's frame and the parser sees the text from "$P" and the formatter on.
template <Parser parser>
bool behindMakerPrefix(char* sentence, I61162_Data_Structure* record)
{
    if (std::strncmp(sentence, "$PQLX,", 6) != 0 || sentence[7] != ',')
        return false;
    record->makerLetter = uint8_t(sentence[6]);
    sentence[6] = '$';
    sentence[7] = 'P';
    return parser(sentence + 6, record);
}

struct Formatter
{
    Parser parser;
    Parser makerParser;
    Composer composer;
};

Formatter formatterFor(const QByteArray& name)
{
    static const QHash<QByteArray, Formatter> formatters = {
        {"MID", {I62_FMT_PMID, behindMakerPrefix<I62_FMT_PMID>, I62_FMT_PMID_Compose}},
        {"BDY", {I62_FMT_PBDY, behindMakerPrefix<I62_FMT_PBDY>, I62_FMT_PBDY_Compose}},
        {"TST", {I62_FMT_PTST, behindMakerPrefix<I62_FMT_PTST>, I62_FMT_PTST_Compose}},
        {"FRQ", {I62_FMT_PFRQ, behindMakerPrefix<I62_FMT_PFRQ>, I62_FMT_PFRQ_Compose}},
        {"BTH", {I62_FMT_PBTH, behindMakerPrefix<I62_FMT_PBTH>, I62_FMT_PBTH_Compose}},
        {"DBG", {I62_FMT_PDBG, behindMakerPrefix<I62_FMT_PDBG>, I62_FMT_PDBG_Compose}},
        {"TPS", {I62_FMT_PTPS, behindMakerPrefix<I62_FMT_PTPS>, I62_FMT_PTPS_Compose}},
        {"MOB", {I62_FMT_PMOB, behindMakerPrefix<I62_FMT_PMOB>, I62_FMT_PMOB_Compose}},
        {"MRK", {I62_FMT_MRK, behindMakerPrefix<I62_FMT_MRK>, I62_FMT_MRK_Compose}},
        {"GBP", {I62_FMT_PGBP, behindMakerPrefix<I62_FMT_PGBP>, nullptr}},
        {"AIQ", {I62_FMT_AIQ, behindMakerPrefix<I62_FMT_AIQ>, nullptr}},
        {"Smg", {I62_FMT_Smg, behindMakerPrefix<I62_FMT_Smg>, nullptr}},
    };
    return formatters.value(name);
}

// A body in either form ("$PMID,..." or "$PQLX,R,MID,..."), closed and parsed.
bool parseBody(const QByteArray& body, I61162_Data_Structure* record)
{
    if (body.startsWith("$PQLX,"))
        return parseLine(formatterFor(body.mid(8, 3)).makerParser, closed(body), record);
    return parseLine(formatterFor(body.mid(2, 3)).parser, closed(body), record);
}

I61162_Data_Structure makerRecord(const char* formatter, uint8_t makerLetter = 0)
{
    I61162_Data_Structure record = composable("P", formatter);
    record.makerLetter = makerLetter;
    return record;
}

} // namespace

Q_DECLARE_METATYPE(I61162_Data_Structure)

class TestI62Proprietary : public QObject
{
    Q_OBJECT

private slots:
    void bothFormsFillTheSameFields()
    {
        I61162_Data_Structure plain = staleRecord();
        plain.makerLetter = 0;
        QVERIFY(parseBody("$PMID,123456789,000000042", &plain));
        I61162_Data_Structure maker = staleRecord();
        QVERIFY(parseBody("$PQLX,R,MID,123456789,000000042", &maker));
        for (const I61162_Data_Structure* record : {&plain, &maker}) {
            QCOMPARE(record->data.pmid.first, int64_t(123456789));
            QCOMPARE(record->data.pmid.second, int64_t(42));
        }
        QCOMPARE(maker.makerLetter, uint8_t('R'));
        QCOMPARE(plain.makerLetter, uint8_t(0));

        // MRK carries the letter of the frame in its own fields.
        QVERIFY(parseBody("$PQLX,C,MRK,7,1200,15,-335612345,1514367890,HARBOUR ENTRY,3,", &maker));
        const I62_MRK_DATA& mrk = maker.data.mrk;
        QCOMPARE(mrk.makerLetter, uint8_t('C'));
        QCOMPARE(int(mrk.digit), 7);
        QCOMPARE(int(mrk.firstNumber), 1200);
        QCOMPARE(int(mrk.secondNumber), 15);
        QCOMPARE(mrk.firstCoordinate, int64_t(-335612345));
        QCOMPARE(mrk.secondCoordinate, int64_t(1514367890));
        QCOMPARE(QByteArray(mrk.text), QByteArray("HARBOUR ENTRY"));
        QCOMPARE(int(mrk.lastNumber), 3);
    }

    void fieldsInSentenceOrder()
    {
        I61162_Data_Structure record = staleRecord();
        QVERIFY(parseBody("$PBDY,000012345,FIRST TEXT,SECOND,1,0", &record));
        const I62_BDY_DATA& bdy = record.data.pbdy;
        QCOMPARE(bdy.number, int64_t(12345));
        QCOMPARE(QByteArray(bdy.firstText), QByteArray("FIRST TEXT"));
        QCOMPARE(QByteArray(bdy.secondText), QByteArray("SECOND"));
        QCOMPARE(int(bdy.firstFlag), 1);
        QCOMPARE(int(bdy.secondFlag), 0);

        QVERIFY(parseBody("$PTST,01234,42,c,Q,00777", &record));
        const I62_TST_DATA& tst = record.data.ptst;
        QCOMPARE(tst.number, int64_t(1234));
        QCOMPARE(int(tst.twoDigits), 42);
        QCOMPARE(tst.lowerLetter, uint8_t('c'));
        QCOMPARE(tst.upperLetter, uint8_t('Q'));
        QCOMPARE(int(tst.identifier), 777);

        // The sentence alternates number and index; the record keeps the two numbers first.
        QVERIFY(parseBody("$PFRQ,161975000,1,162025000,2", &record));
        const I62_FRQ_DATA& frq = record.data.pfrq;
        QCOMPARE(frq.firstNumber, int64_t(161975000));
        QCOMPARE(frq.secondNumber, int64_t(162025000));
        QCOMPARE(int(frq.firstIndex), 1);
        QCOMPARE(int(frq.secondIndex), 2);

        QVERIFY(parseBody("$PBTH,001,-02,255,100,0,17,PAIRED", &record));
        const int bth[] = {1, -2, 255, 100, 0, 17};
        for (int i = 0; i < I62_BTH_NUMBERS; ++i)
            QCOMPARE(int(record.data.pbth.numbers[i]), bth[i]);
        QCOMPARE(QByteArray(record.data.pbth.text), QByteArray("PAIRED"));

        QVERIFY(parseBody("$PQLX,R,DBG,001,5,002,-7,003,4294967296,004,0", &record));
        const int64_t values[] = {5, -7, 4294967296LL, 0};
        for (int i = 0; i < I62_DBG_PAIRS; ++i) {
            QCOMPARE(int(record.data.pdbg.identifiers[i]), i + 1);
            QCOMPARE(record.data.pdbg.values[i], values[i]);
        }

        QVERIFY(parseBody("$PTPS,042,TEST PATTERN", &record));
        QCOMPARE(int(record.data.ptps.number), 42);
        QCOMPARE(QByteArray(record.data.ptps.text), QByteArray("TEST PATTERN"));

        QVERIFY(parseBody("$PGBP,12,123519.50,4807.038,N,01131.000,W,1.5,-2.25,230394", &record));
        const I62_GBP_DATA& gbp = record.data.pgbp;
        QCOMPARE(int(gbp.number), 12);
        QCOMPARE(int(gbp.utcTime.hour) * 10000 + gbp.utcTime.minute * 100 + gbp.utcTime.second, 123519);
        QCOMPARE(int(gbp.utcTime.hundredths), 50);
        QVERIFY(qAbs(gbp.position.latitude - 48.1173) < 1e-6);
        QVERIFY(qAbs(gbp.position.longitude + 11.516667) < 1e-5);
        QCOMPARE(gbp.firstValue, 1.5f);
        QCOMPARE(gbp.secondValue, -2.25f);
        QCOMPARE(int(gbp.date.year), 2094);
        QCOMPARE(int(gbp.date.month), 3);
        QCOMPARE(int(gbp.date.day), 23);

        QVERIFY(parseBody("$PQLX,Q,AIQ,Smg,3", &record));
        QCOMPARE(int(record.data.aiq.number), 3);
        QVERIFY(parseBody("$PSmg,ANY TEXT,2", &record));
        QCOMPARE(QByteArray(record.data.smg.text), QByteArray("ANY TEXT"));
        QCOMPARE(int(record.data.smg.number), 2);
    }

    void emptyFieldsGiveMarkers()
    {
        I61162_Data_Structure record = staleRecord();
        QVERIFY(parseBody("$PMID,,", &record));
        QCOMPARE(record.data.pmid.first, I62_PRI_ABSENT_NUMBER);
        QCOMPARE(record.data.pmid.second, I62_PRI_ABSENT_NUMBER);

        QVERIFY(parseBody("$PBDY,,,,,", &record));
        const I62_BDY_DATA& bdy = record.data.pbdy;
        QCOMPARE(bdy.number, I62_PRI_ABSENT_NUMBER);
        QCOMPARE(QByteArray(bdy.firstText), QByteArray());
        QCOMPARE(QByteArray(bdy.secondText), QByteArray());
        QCOMPARE(int(bdy.firstFlag), 9);
        QCOMPARE(int(bdy.secondFlag), 9);

        QVERIFY(parseBody("$PTST,,,,,", &record));
        const I62_TST_DATA& tst = record.data.ptst;
        QCOMPARE(tst.number, int64_t(99999));
        QCOMPARE(int(tst.twoDigits), 99);
        QCOMPARE(tst.lowerLetter, uint8_t(' '));
        QCOMPARE(tst.upperLetter, uint8_t(' '));
        QCOMPARE(int(tst.identifier), 65535);

        QVERIFY(parseBody("$PFRQ,,,,", &record));
        QCOMPARE(record.data.pfrq.firstNumber, I62_PRI_ABSENT_NUMBER);
        QCOMPARE(record.data.pfrq.secondNumber, I62_PRI_ABSENT_NUMBER);
        QCOMPARE(record.data.pfrq.firstIndex, I62_ABSENT_U8);
        QCOMPARE(record.data.pfrq.secondIndex, I62_ABSENT_U8);

        QVERIFY(parseBody("$PBTH,,,,,,,", &record));
        for (int16_t number : record.data.pbth.numbers)
            QCOMPARE(int(number), 256);
        QCOMPARE(QByteArray(record.data.pbth.text), QByteArray());

        QVERIFY(parseBody("$PDBG,,,,,,,,", &record));
        for (int i = 0; i < I62_DBG_PAIRS; ++i) {
            QCOMPARE(int(record.data.pdbg.identifiers[i]), 999);
            QCOMPARE(record.data.pdbg.values[i], I62_PRI_ABSENT_VALUE);
        }

        QVERIFY(parseBody("$PTPS,,", &record));
        QCOMPARE(int(record.data.ptps.number), 999);
        QCOMPARE(QByteArray(record.data.ptps.text), QByteArray());

        record.makerLetter = 0;
        QVERIFY(parseBody("$PMRK,,,,,,,,", &record));
        const I62_MRK_DATA& mrk = record.data.mrk;
        QCOMPARE(mrk.makerLetter, uint8_t(0));
        QCOMPARE(mrk.digit, I62_ABSENT_U8);
        QCOMPARE(int(mrk.firstNumber), 65535);
        QCOMPARE(int(mrk.secondNumber), 0);
        QCOMPARE(mrk.firstCoordinate, I62_PRI_ABSENT_VALUE);
        QCOMPARE(mrk.secondCoordinate, I62_PRI_ABSENT_VALUE);
        QCOMPARE(QByteArray(mrk.text), QByteArray());
        QCOMPARE(mrk.lastNumber, I62_ABSENT_U8);

        QVERIFY(parseBody("$PGBP,,,,,,,,,", &record));
        const I62_GBP_DATA& gbp = record.data.pgbp;
        QCOMPARE(int(gbp.number), -1);
        QCOMPARE(int(gbp.utcTime.hour), 24);
        QCOMPARE(gbp.position.latitude, I62_ABSENT_LATITUDE);
        QCOMPARE(gbp.position.longitude, I62_ABSENT_LONGITUDE);
        QCOMPARE(gbp.firstValue, I62_ABSENT_FLOAT);
        QCOMPARE(gbp.secondValue, I62_ABSENT_FLOAT);
        QCOMPARE(gbp.date.year + gbp.date.month + gbp.date.day, 0);

        QVERIFY(parseBody("$PQLX,Q,AIQ,Smg,", &record));
        QCOMPARE(record.data.aiq.number, I62_ABSENT_U8);
        QVERIFY(parseBody("$PSmg,,", &record));
        QCOMPARE(QByteArray(record.data.smg.text), QByteArray());
        QCOMPARE(record.data.smg.number, I62_ABSENT_U8);
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("MID 1 comma") << QByteArray("$PMID,1") << false;
        QTest::newRow("MID 3 commas") << QByteArray("$PMID,1,2,") << false;
        QTest::newRow("BDY 4 commas") << QByteArray("$PBDY,1,A,B,1") << false;
        QTest::newRow("TST 6 commas") << QByteArray("$PTST,1,2,a,B,3,") << false;
        QTest::newRow("FRQ 3 commas") << QByteArray("$PFRQ,1,2,3") << false;
        QTest::newRow("BTH 6 commas") << QByteArray("$PBTH,1,2,3,4,5,6") << false;
        QTest::newRow("DBG 7 commas") << QByteArray("$PDBG,1,2,3,4,5,6,7") << false;
        QTest::newRow("TPS 3 commas") << QByteArray("$PTPS,1,A,") << false;
        QTest::newRow("MOB 4 commas") << QByteArray("$PMOB,A1B2C3,1,0F,10") << false;
        QTest::newRow("MRK 7 commas") << QByteArray("$PQLX,C,MRK,7,1,2,3,4,T,5") << false;
        QTest::newRow("GBP 8 commas") << QByteArray("$PGBP,1,123519,4807.038,N,01131.000,E,1,2") << false;
        QTest::newRow("Smg 1 comma") << QByteArray("$PSmg,TEXT") << false;

        QTest::newRow("AIQ Smg") << QByteArray("$PQLX,Q,AIQ,Smg,1") << true;
        QTest::newRow("AIQ SMG") << QByteArray("$PQLX,Q,AIQ,SMG,1") << false;
        QTest::newRow("AIQ Smgx") << QByteArray("$PQLX,Q,AIQ,Smgx,1") << false;
        QTest::newRow("AIQ empty") << QByteArray("$PQLX,Q,AIQ,,1") << false;

        QTest::newRow("MOB identifier with G") << QByteArray("$PMOB,A1G2C3,1,0F,10,0102") << false;
        QTest::newRow("MOB lower-case identifier") << QByteArray("$PMOB,a1b2c3,1,0F,10,0102") << false;
        QTest::newRow("MOB first code bad") << QByteArray("$PMOB,A1B2C3,1,0X,10,0102") << false;
        QTest::newRow("MOB second code bad") << QByteArray("$PMOB,A1B2C3,1,0F,Z,0102") << false;
        QTest::newRow("MOB bad data still accepted") << QByteArray("$PMOB,A1B2C3,1,0F,10,01ZZ") << true;
    }
    void refusals()
    {
        QFETCH(QByteArray, body);
        I61162_Data_Structure record = staleRecord();
        QTEST(parseBody(body, &record), "accepted");
    }

    void mobFields_data()
    {
        QTest::addColumn<QByteArray>("fields");
        QTest::addColumn<QByteArray>("identifier");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("firstCode");
        QTest::addColumn<int>("secondCode"); // -1 when not given
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("all given") << QByteArray("A1B2C3,7,0F,1,0102ABFF") << QByteArray("\xA1\xB2\xC3") << 7 << 15
                                   << 1 << QByteArray("\x01\x02\xAB\xFF");
        QTest::newRow("all empty") << QByteArray(",,,,") << QByteArray(3, '\0') << 255 << 255 << -1 << QByteArray();
        QTest::newRow("five-character identifier") << QByteArray("A1B2C,1,F,,00") << QByteArray(3, '\0') << 1 << 15
                                                   << -1 << QByteArray(1, '\0');
        QTest::newRow("seven-character identifier") << QByteArray("A1B2C3D,1,F,,00") << QByteArray(3, '\0') << 1
                                                    << 15 << -1 << QByteArray(1, '\0');
        // A code of three digits carries no code at all, not stale bytes.
        QTest::newRow("three-digit codes") << QByteArray("A1B2C3,1,100,100,") << QByteArray("\xA1\xB2\xC3") << 1
                                           << 255 << -1 << QByteArray();
        QTest::newRow("nine data bytes") << QByteArray("000000,1,1,1,010203040506070809") << QByteArray(3, '\0') << 1
                                         << 1 << 1 << QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08\x09");
        QTest::newRow("ten data bytes") << QByteArray("000000,1,1,1,0102030405060708090A") << QByteArray(3, '\0')
                                        << 1 << 1 << 1 << QByteArray();
        QTest::newRow("odd data length") << QByteArray("000000,1,1,1,010") << QByteArray(3, '\0') << 1 << 1 << 1
                                         << QByteArray();
        QTest::newRow("twenty data digits") << QByteArray("000000,1,1,1,01020304050607080910") << QByteArray(3, '\0')
                                            << 1 << 1 << 1 << QByteArray();
        QTest::newRow("bad data pair") << QByteArray("000000,1,1,1,01G2") << QByteArray(3, '\0') << 1 << 1 << 1
                                       << QByteArray();
    }
    void mobFields()
    {
        QFETCH(QByteArray, fields);
        I61162_Data_Structure record = staleRecord();
        QVERIFY(parseBody("$PMOB," + fields, &record));
        const I62_MOB_DATA& mob = record.data.pmob;
        QTEST(QByteArray(reinterpret_cast<const char*>(mob.identifier), 3), "identifier");
        QTEST(int(mob.number), "number");
        QTEST(int(mob.firstCode), "firstCode");
        QFETCH(int, secondCode);
        QCOMPARE(bool(mob.hasSecondCode), secondCode >= 0);
        if (secondCode >= 0)
            QCOMPARE(int(mob.secondCode), secondCode);
        QTEST(QByteArray(reinterpret_cast<const char*>(mob.data), mob.dataCount), "data");
    }

    void textsAreCutToTheirRoom()
    {
        const QByteArray thirty(30, 'T');
        I61162_Data_Structure record = staleRecord();
        QVERIFY(parseBody("$PBDY,1," + thirty + "," + thirty + ",1,1", &record));
        QCOMPARE(QByteArray(record.data.pbdy.firstText), thirty.left(20));
        QCOMPARE(QByteArray(record.data.pbdy.secondText), thirty.left(20));
        QCOMPARE(int(record.data.pbdy.firstFlag), 1);
        QVERIFY(parseBody("$PBTH,1,2,3,4,5,6," + thirty, &record));
        QCOMPARE(QByteArray(record.data.pbth.text), thirty.left(24));
        QVERIFY(parseBody("$PTPS,1," + thirty, &record));
        QCOMPARE(QByteArray(record.data.ptps.text), thirty.left(24));
        QVERIFY(parseBody("$PQLX,R,MRK,1,2,3,4,5," + thirty + ",6,", &record));
        QCOMPARE(QByteArray(record.data.mrk.text), thirty.left(23));
        QCOMPARE(int(record.data.mrk.lastNumber), 6);
        const QByteArray long82(82, 'S');
        QVERIFY(parseBody("$PSmg," + long82 + ",4", &record));
        QCOMPARE(QByteArray(record.data.smg.text), long82.left(79));
        QCOMPARE(int(record.data.smg.number), 4);
    }

    void composeThenParse_data()
    {
        QTest::addColumn<I61162_Data_Structure>("record");
        QTest::addColumn<QByteArray>("body");

        I61162_Data_Structure r = makerRecord("MID");
        r.data.pmid = I62_MID_DATA{123456789, -5};
        QTest::newRow("MID") << r << QByteArray("$PMID,123456789,-00000005");
        r.data.pmid = I62_MID_DATA{I62_PRI_ABSENT_NUMBER, 0};
        QTest::newRow("MID empty") << r << QByteArray("$PMID,,000000000");

        r = makerRecord("BDY");
        r.data.pbdy = I62_BDY_DATA{42, "FIRST", "SECOND", 1, 0};
        QTest::newRow("BDY") << r << QByteArray("$PBDY,000000042,FIRST,SECOND,1,0");
        r.data.pbdy = I62_BDY_DATA{I62_PRI_ABSENT_NUMBER, "", "", 9, 9};
        QTest::newRow("BDY empty") << r << QByteArray("$PBDY,,,,,");

        r = makerRecord("TST");
        r.data.ptst = I62_TST_DATA{1234, 7, 'm', 'Z', 777};
        QTest::newRow("TST") << r << QByteArray("$PTST,01234,07,m,Z,00777");
        r.data.ptst = I62_TST_DATA{99999, 99, ' ', ' ', 65535};
        QTest::newRow("TST empty") << r << QByteArray("$PTST,,,,,");

        r = makerRecord("FRQ");
        r.data.pfrq = I62_FRQ_DATA{161975000, 162025000, 10, 0};
        QTest::newRow("FRQ") << r << QByteArray("$PFRQ,161975000,10,162025000,0");

        r = makerRecord("BTH");
        r.data.pbth = I62_BTH_DATA{{1, 2, 30, 255, 0, 99}, "PAIRED"};
        QTest::newRow("BTH") << r << QByteArray("$PBTH,001,002,030,255,000,099,PAIRED");

        r = makerRecord("DBG", 'C');
        r.data.pdbg = I62_DBG_DATA{{1, 2, 999, 998}, {5, I62_PRI_ABSENT_VALUE, 7, -2147483647}};
        QTest::newRow("DBG behind the maker prefix") << r << QByteArray("$PQLX,C,DBG,001,5,002,,,7,998,-2147483647");
        r.makerLetter = 0;
        QTest::newRow("DBG") << r << QByteArray("$PDBG,001,5,002,,,7,998,-2147483647");

        r = makerRecord("TPS");
        r.data.ptps = I62_TPS_DATA{5, "TEST PATTERN"};
        QTest::newRow("TPS") << r << QByteArray("$PTPS,005,TEST PATTERN");
        r.data.ptps = I62_TPS_DATA{999, ""};
        QTest::newRow("TPS empty") << r << QByteArray("$PTPS,,");

        r = makerRecord("MOB");
        r.data.pmob = I62_MOB_DATA{{0xA1, 0xB2, 0x0C}, 7, 0x0F, 0x10, 1, {0x01, 0xAB}, 2};
        QTest::newRow("MOB") << r << QByteArray("$PMOB,A1B20C,7,0F,10,01AB");
        r.data.pmob = I62_MOB_DATA{{0, 0, 0}, 255, 255, 0x10, 0, {}, 0};
        QTest::newRow("MOB without second code and data") << r << QByteArray("$PMOB,000000,255,FF,,");

        // Always behind the maker prefix; the eighth field is empty.
        r = makerRecord("MRK", 'R');
        r.data.mrk = I62_MRK_DATA{'R', 7, 1200, 15, -335612345, 1514367890, "HARBOUR ENTRY", 3};
        QTest::newRow("MRK") << r << QByteArray("$PQLX,R,MRK,7,1200,15,-335612345,1514367890,HARBOUR ENTRY,3,");
    }
    void composeThenParse()
    {
        QFETCH(I61162_Data_Structure, record);
        QFETCH(QByteArray, body);
        const Formatter formatter = formatterFor(QByteArray(record.formatter, 3));
        const QByteArray line = composeLine(formatter.composer, &record);
        QCOMPARE(line, closed(body));

        I61162_Data_Structure parsed = staleRecord();
        QVERIFY(parseBody(line.left(line.indexOf('*')), &parsed));
        // Composing what was parsed gives the same sentence: every field went back where it came from.
        std::memcpy(parsed.talker, record.talker, sizeof parsed.talker);
        std::memcpy(parsed.formatter, record.formatter, sizeof parsed.formatter);
        if (!body.startsWith("$PQLX"))
            parsed.makerLetter = record.makerLetter;
        QCOMPARE(composeLine(formatter.composer, &parsed), line);
    }

    void composersWriteMarkersAsEmptyFields()
    {
        // One number out of range empties all six.
        I61162_Data_Structure bth = makerRecord("BTH");
        bth.data.pbth = I62_BTH_DATA{{1, 2, 256, 4, 5, 6}, "T"};
        QCOMPARE(composeLine(I62_FMT_PBTH_Compose, &bth), closed("$PBTH,,,,,,,T"));

        // Letters outside their ranges are not written.
        I61162_Data_Structure tst = makerRecord("TST");
        tst.data.ptst = I62_TST_DATA{1, 2, 'n', 'a', 3};
        QCOMPARE(composeLine(I62_FMT_PTST_Compose, &tst), closed("$PTST,00001,02,,,00003"));

        // MRK has markers of its own; the parser's empty values are written as numbers.
        I61162_Data_Structure mrk = makerRecord("MRK", 'X');
        mrk.data.mrk = I62_MRK_DATA{'X', 127, 32767, 32767, -910000000, -1810000000, "", 127};
        QCOMPARE(composeLine(I62_FMT_MRK_Compose, &mrk), closed("$PQLX,,MRK,,,,,,,,"));
        mrk.data.mrk = I62_MRK_DATA{'Q', 128, 65535, 0, I62_PRI_ABSENT_VALUE, I62_PRI_ABSENT_VALUE, "", 128};
        QCOMPARE(composeLine(I62_FMT_MRK_Compose, &mrk),
                 closed("$PQLX,Q,MRK,128,65535,0,-2147483648,-2147483648,,128,"));

        // A data count beyond the record's twenty bytes writes those twenty and no more.
        I61162_Data_Structure mob = makerRecord("MOB");
        mob.data.pmob = I62_MOB_DATA{{1, 2, 3}, 1, 2, 3, 1, {}, 200};
        std::memset(mob.data.pmob.data, 0xEE, sizeof mob.data.pmob.data);
        QCOMPARE(composeLine(I62_FMT_PMOB_Compose, &mob), closed("$PMOB,010203,1,02,03," + QByteArray(40, 'E')));

        // A text that fills its room without an end is read no further than the room.
        I61162_Data_Structure tps = makerRecord("TPS");
        tps.data.ptps.number = 1;
        std::memset(tps.data.ptps.text, 'W', sizeof tps.data.ptps.text);
        QCOMPARE(composeLine(I62_FMT_PTPS_Compose, &tps), closed("$PTPS,001," + QByteArray(25, 'W')));

        // A sentence that does not fit its buffer is refused, and the buffer stays terminated.
        char small[16];
        std::memset(small, 'X', sizeof small);
        QVERIFY(!I62_FMT_PBTH_Compose(small, 10, &bth));
        QCOMPARE(std::strlen(small), size_t(9));
    }
};

QTEST_GUILESS_MAIN(TestI62Proprietary)
#include "tst_i62proprietary.moc"
