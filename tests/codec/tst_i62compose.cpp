#include "AisFixture.h"
#include "SentenceFixture.h"
#include "codec/CSensorSentenceHandle.h"
#include "codec/compose/I62Compose.h"
#include "codec/compose/I62Outport.h"
#include "codec/compose/I62ReadBack.h"
#include "codec/compose/I62SentenceQueue.h"
#include "codec/records/CodecLock.h"
#include "codec/records/SensorRecords.h"
#include "codec/sentence/I62Dispatch.h"

#include <QtTest>
#include <cstring>

using namespace SentenceFixture;

namespace {

constexpr size_t ROOM = 128;

// Real traffic with an independent decode: a message 5 of MMSI 205488090 in two fragments.
const QByteArrayList TYPE5 = {
    "!AIVDM,2,1,9,B,533uwnT00000uCCSS00MD5@Dl4h400000080001c8h<25uAn00Q1C1VRBS00,0*07\r\n",
    "!AIVDM,2,2,9,B,00000000000,2*2E\r\n",
};

// A whole line (CR LF included) through validation and the parser, without filing it.
bool decompose(const QByteArray& line, I61162_Data_Structure* record)
{
    char buffer[ROOM] = {};
    std::memcpy(buffer, line.constData(), size_t(qMin(line.size(), int(ROOM) - 1)));
    CCodecLock lock;
    return I62_Decompose(buffer, sizeof buffer, record) == I62_RESULT_OK;
}

// ... and filed in the store of its group.
bool decomposeAndFile(const QByteArray& line, I61162_Data_Structure* record)
{
    if (!decompose(line, record))
        return false;
    CCodecLock lock;
    return I62_ProcessData(record);
}

// Through the whole dispatcher.
int dispatch(const QByteArray& line, I61162_Data_Structure* record)
{
    char buffer[ROOM] = {};
    std::memcpy(buffer, line.constData(), size_t(qMin(line.size(), int(ROOM) - 1)));
    CCodecLock lock;
    return ::Parser(buffer, sizeof buffer, record);
}

void collect(const char* sentence, void* context)
{
    static_cast<QByteArrayList*>(context)->append(QByteArray(sentence));
}

// A record that held something else before: its field set of bytes no parser writes, its
// frame clear.
I61162_Data_Structure earlierRecord()
{
    I61162_Data_Structure record = staleRecord();
    record.startChar = 0;
    record.makerLetter = 0;
    return record;
}

} // namespace

class TestI62Compose : public QObject
{
    Q_OBJECT

private:
    QByteArrayList m_sent;

private slots:
    void init()
    {
        CSensorSentenceHandle::resetI62Data();
        SensorInitial();
        m_sent.clear();
        I62_SetOutportSink(collect, &m_sent);
    }

    void cleanup() { I62_SetOutportSink(nullptr, nullptr); }

    // For every formatter that is composed and read back: the record parsed from the sentence
    // composes to the same sentence; that sentence, parsed and filed, reads back into a record
    // that held another sentence of the formatter, which then composes the stored sentence
    // again. Where the store keeps only some fields, "expected" shows the earlier ones kept.
    void storedSentenceReadsBack_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("earlier");
        QTest::addColumn<QByteArray>("expected");
        auto row = [](const char* name, const QByteArray& stored, const QByteArray& earlier = QByteArray(),
                      const QByteArray& expected = QByteArray()) {
            QTest::newRow(name) << stored << earlier << expected;
        };
        const QByteArray m = "992351234";

        row("RMC", "$GPRMC,123519.45,A,4807.03800,N,01131.00000,W,22.400,84.40,230394,3.10,W,D",
            "$GPRMC,000001.00,V,0100.00000,S,00200.00000,E,1.000,2.00,010100,5.00,E,N",
            "$GPRMC,123519.45,A,4807.03800,N,01131.00000,W,22.400,84.40,230394,5.00,E,D");
        row("GBS", "$GPGBS,015509.00,1.25,2.50,-3.75,17,0.50,-1.25,0.75");
        row("GSA", "$GNGSA,A,3,04,05,,09,12,131,,24,,,,,2.50,1.30,2.10",
            "$GNGSA,M,1,01,02,03,04,05,06,07,08,09,10,11,12,9.00,9.00,9.00");
        row("ZDA", "$GPZDA,150119.00,09,03,2022,-13,30", "$GPZDA,000001.00,01,01,2000,05,15",
            "$GPZDA,150119.00,09,03,2022,05,15");
        row("HDT", "$HEHDT,274.1,T");
        row("ROT", "$HEROT,-0.300000,A");

        row("SSD", "$AISSD,DL1234,SAILING YACHT ONE,10,2,3,1,0,AI");
        row("VSD", "$AIVSD,37,12.5,4,KIEL,083000.00,12,07,0,0");
        row("ALR", "$AIALR,235959.00,2,A,V,AIS: Antenna VSWR exceeds limit");
        row("ACK", "$AIACK,005");
        row("ACA", "$AIACA,7,5830.5,N,00405.0,W,5600.5,S,01000.0,E,4,2087,0,2088,1,0,1,R,1,101500");
        row("ACS", "$AIACS,3,211000001,123456.50,15,05,2024");
        row("BBM", "!AIBBM,1,1,0,3,8,ABCD,4");

        row("MID", "$PMID,123456789,-00000005");
        row("BDY", "$PBDY,000000042,FIRST,SECOND,1,0");
        row("TST", "$PTST,01234,07,m,Z,00777");
        row("FRQ", "$PFRQ,161975000,10,162025000,0");
        row("BTH", "$PBTH,001,002,030,255,000,099,PAIRED");
        row("DBG", "$PDBG,001,5,002,,,7,998,-2147483647");
        row("TPS", "$PTPS,005,TEST PATTERN");
        row("MOB", "$PMOB,A1B20C,7,0F,10,01AB");
        row("MRK", "$PQLX,R,MRK,7,1200,15,-335612345,1514367890,HARBOUR ENTRY,3,");

        row("AAR", "$AIAAR," + m + ",05,10,01,02,0360,123456,3,04,05,1200,-42,R");
        row("ACE", "$AIACE," + m + ",1F,0042,1,2,3,LIGHT BUOY 7,0100500305,C");
        row("ACF", "$AIACF," + m + ",2,3315.00000,N,01115.00000,W,1,0010,0020,0030,0040,9,31,2,X");
        row("AFB", "$AIAFB," + m + ",01,02,03,04,0360,5,R");
        row("AFC", "$AIAFC," + m + ",SOME TEXT");
        row("AID", "$AIAID," + m + ",3,992359999,A,C");
        row("AKE", "$AIAKE," + m + ",KEY ONE,,Z");
        row("ARW", "$AIARW," + m + ",2,03,04,120,0360,R");
        row("MCR", "$AIMCR," + m + ",MESSAGE TEXT,B");
        row("MPR", "$AIMPR," + m + ",01,02,3,04,05,PAYLOAD TEXT,E");
        row("TSP", "$AITSP," + m + ",1,2,123519.50,100,200,3,400,5,600,7,A,B");
        row("VER", "$AIVER,2,1,AT,VEND1,UNIQUE-ID-0001,SN-1234,MODEL-X,SW 1.2.3,HW B,7");
    }
    void storedSentenceReadsBack()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, earlier);
        QFETCH(QByteArray, expected);

        I61162_Data_Structure parsed = staleRecord();
        QVERIFY(decompose(closed(stored), &parsed));
        char out[ROOM];
        QVERIFY(I62_Compose(out, sizeof out, &parsed));
        QCOMPARE(QByteArray(out), closed(stored));

        I61162_Data_Structure filed = staleRecord();
        QVERIFY(decomposeAndFile(QByteArray(out), &filed));

        I61162_Data_Structure record = earlierRecord();
        if (!earlier.isEmpty())
            QVERIFY(decompose(closed(earlier), &record));
        record.makerLetter = parsed.makerLetter;
        {
            CCodecLock lock;
            QVERIFY(ComposeI62Sentence(out, sizeof out, &record, parsed.formatter, parsed.talker));
        }
        QCOMPARE(QByteArray(out), closed(expected.isEmpty() ? stored : expected));
    }

    // A formatter whose group has no read-back, or that its read-back does not list, leaves
    // every byte of the record as it was.
    void readBackLeavesOtherFormattersAlone_data()
    {
        QTest::addColumn<QByteArray>("formatter");
        QTest::newRow("GNSS, not listed") << QByteArray("DTM");
        QTest::newRow("AIS, not listed") << QByteArray("VDM");
        QTest::newRow("AIS text") << QByteArray("TXT");
        QTest::newRow("DSC, not listed") << QByteArray("DSE");
        QTest::newRow("proprietary, not listed") << QByteArray("GBP");
        QTest::newRow("radar") << QByteArray("OSD");
        QTest::newRow("query") << QByteArray("Q");
        QTest::newRow("unknown") << QByteArray("XYZ");
    }
    void readBackLeavesOtherFormattersAlone()
    {
        QFETCH(QByteArray, formatter);
        I61162_Data_Structure record = composable("AI", formatter.constData());
        const I61162_Data_Structure before = record;
        {
            CCodecLock lock;
            I62_ReadData(&record);
        }
        QCOMPARE(std::memcmp(&record, &before, sizeof record), 0);
    }

    void formatterWithoutComposerClosesWhatTheOutputHeld()
    {
        I61162_Data_Structure record = composable("GP", "GGA");
        char out[ROOM] = "$GPGGA,kept";
        QVERIFY(I62_Compose(out, sizeof out, &record));
        QCOMPARE(QByteArray(out), closed("$GPGGA,kept"));
    }

    // Every write stays inside the size given; a sentence that does not fit whole leaves an
    // empty text, never a cut one with a checksum.
    void composeStaysInsideItsBuffer_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("fits");
        const QByteArray alr = "$AIALR,235959.00,2,A,V,AIS: Antenna VSWR exceeds limit";
        QTest::newRow("fields do not fit") << alr << 20 << false;
        QTest::newRow("fields fit, checksum does not") << alr << int(alr.size()) + 1 << false;
        QTest::newRow("one short of the checksum") << alr << int(alr.size()) + 5 << false;
        QTest::newRow("just fits") << alr << int(alr.size()) + 6 << true;
        QTest::newRow("size 1") << QByteArray("$AIACK,005") << 1 << false;
    }
    void composeStaysInsideItsBuffer()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, size);
        QFETCH(bool, fits);
        I61162_Data_Structure record = staleRecord();
        QVERIFY(decompose(closed(body), &record));
        char out[ROOM];
        std::memset(out, '#', sizeof out);
        QCOMPARE(I62_Compose(out, size_t(size), &record), fits);
        QCOMPARE(QByteArray(out), fits ? closed(body) : QByteArray());
        QCOMPARE(QByteArray(out + size, int(ROOM) - size), QByteArray(int(ROOM) - size, '#'));
    }

    void querySentence()
    {
        char out[ROOM];
        QVERIFY(ComposeI62QuerySentence(out, sizeof out, "ECX", "AI", "VSDX"));
        QCOMPARE(QByteArray(out), closed("$ECAIQ,VSD"));

        I61162_Data_Structure record = staleRecord();
        QCOMPARE(dispatch(QByteArray(out), &record), int(I62_RESULT_OK));
        QCOMPARE(record.group, int(I62_GROUP_QUERY));
        QCOMPARE(QByteArray(I62QueryData[0].formatter), QByteArray("VSD"));

        std::memset(out, '#', sizeof out);
        QVERIFY(!ComposeI62QuerySentence(out, 12, "EC", "AI", "VSD"));
        QCOMPARE(out[0], '\0');
        QCOMPARE(out[12], '#');
    }

    // The message goes out as sentences that the receive road joins into the same bits.
    void aisMessageBecomesSentences()
    {
        I61162_Data_Structure record = staleRecord();
        QCOMPARE(dispatch(TYPE5[0], &record), int(I62_RESULT_PENDING));
        QCOMPARE(dispatch(TYPE5[1], &record), int(I62_RESULT_OK));
        const AIS_raw_message original = RxAisRawMsgTuple;

        {
            CCodecLock lock;
            QVERIFY(ComposeI62AisSentence(&record, "VDM", &original, 'B'));
        }
        QCOMPARE(m_sent.size(), 2);
        QVERIFY(m_sent[0].startsWith("!AIVDM,2,1,,B,"));
        QVERIFY(m_sent[1].startsWith("!AIVDM,2,2,,B,"));
        for (const QByteArray& sentence : m_sent)
            QVERIFY2(sentence.size() <= 82, sentence.constData());

        CSensorSentenceHandle::resetI62Data();
        QCOMPARE(dispatch(m_sent[0], &record), int(I62_RESULT_PENDING));
        QCOMPARE(dispatch(m_sent[1], &record), int(I62_RESULT_OK));
        QCOMPARE(RxAisRawMsgTuple.bitCount, original.bitCount);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(RxAisRawMsgTuple.bits), sizeof original.bits),
                 QByteArray(reinterpret_cast<const char*>(original.bits), sizeof original.bits));
        QCOMPARE(RxAisMessage.msg5.header.mmsi, 205488090u);
    }

    // Own reports on a channel wait in the queue, each message replacing the last; without a
    // channel they go out at once.
    void ownReportsWaitInTheQueue()
    {
        AIS_raw_message raw;
        QVERIFY(AisFixture::rawOf(AisFixture::payloadOf(TYPE5), 2, &raw));
        I61162_Data_Structure record = staleRecord();
        CCodecLock lock;
        QVERIFY(ComposeI62AisSentence(&record, "VDO", &raw, 'A'));
        QVERIFY(ComposeI62AisSentence(&record, "VDO", &raw, 'A'));
        QVERIFY(m_sent.isEmpty());
        QCOMPARE(int(I62SentenceQueue.count), 2);

        I62SentenceQueueOutput();
        QCOMPARE(int(I62SentenceQueue.count), 0);
        QCOMPARE(m_sent.size(), 2);
        QVERIFY(m_sent[0].startsWith("!AIVDO,2,1,,A,"));
        QVERIFY(m_sent[1].startsWith("!AIVDO,2,2,,A,"));

        m_sent.clear();
        QVERIFY(ComposeI62AisSentence(&record, "VDO", &raw, I62_ABSENT_U8));
        QCOMPARE(m_sent.size(), 2);
        QVERIFY(m_sent[0].startsWith("!AIVDO,2,1,,,"));
        QCOMPARE(int(I62SentenceQueue.count), 0);
    }

    void queueHoldsElevenSentences()
    {
        {
            CCodecLock lock;
            for (int i = 0; i < I62_SENTENCE_QUEUE_SLOTS; ++i)
                QVERIFY(I62SentenceQueueInput(QByteArray::number(i).constData()));
            QVERIFY(!I62SentenceQueueInput("twelfth"));
            I62SentenceQueueOutput();
        }
        QCOMPARE(m_sent, (QByteArrayList{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));

        CCodecLock lock;
        QVERIFY(!I62SentenceQueueInput(QByteArray(100, 'x').constData()));
        QVERIFY(I62SentenceQueueInput(QByteArray(99, 'x').constData()));
        QCOMPARE(int(I62SentenceQueue.count), 1);
    }

    void codecResetEmptiesTheQueue()
    {
        {
            CCodecLock lock;
            QVERIFY(I62SentenceQueueInput("queued"));
        }
        QVERIFY(MsgCodecInitial());
        CCodecLock lock;
        I62SentenceQueueOutput();
        QVERIFY(m_sent.isEmpty());
    }

    void aisComposeRefusals()
    {
        AIS_raw_message raw{};
        I61162_Data_Structure record = staleRecord();
        CCodecLock lock;
        QVERIFY(!ComposeI62AisSentence(&record, "ABM", &raw, 'A'));
        raw.bitCount = 176 * 6; // one character more than a payload holds
        QVERIFY(!ComposeI62AisSentence(&record, "VDM", &raw, 'A'));
        QVERIFY(!ComposeI62AisSentence(&record, "VDM", nullptr, 'A'));
        QVERIFY(m_sent.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestI62Compose)
#include "tst_i62compose.moc"
