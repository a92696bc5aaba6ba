#include "../SentenceFixture.h"
#include "codec/CSensorSentenceHandle.h"
#include "codec/ais/AisMessage.h"
#include "codec/records/CodecLock.h"
#include "codec/records/SensorRecords.h"
#include "codec/records/ShipTable.h"
#include "codec/sentence/I62Dispatch.h"

#include <QtTest>

using namespace SentenceFixture;

namespace {

// Real traffic with independent decodes, as received.
const QByteArray TYPE1 = "!AIVDM,1,1,,B,181:Kjh01ewHFRPDK1s3IRcn06sd,0*08\r\n"; // MMSI 538090443
const QByteArray TYPE5_PART1 =
    "!AIVDM,2,1,9,B,533uwnT00000uCCSS00MD5@Dl4h400000080001c8h<25uAn00Q1C1VRBS00,0*07\r\n"; // MMSI 205488090
const QByteArray TYPE5_PART2 = "!AIVDM,2,2,9,B,00000000000,2*2E\r\n";
const QByteArray TYPE8 = "!AIVDM,1,1,,A,801tME0j60E04QJp1hhL10G20DH1,0*11\r\n"; // DAC 200, FI 24
const QByteArray TYPE18_PAYLOAD = "B6:VU2P0<:;2r84N5obLOwR2P0S9";                   // MMSI 413771018
const QByteArray TYPE27 = "!AIVDM,1,1,,A,KrJN9vb@0?wl20RH,0*7A\r\n";

// Through the dispatcher as the handler calls it, in a buffer of the handler's size.
int parse(const QByteArray& line, I61162_Data_Structure* record)
{
    char buffer[SENSOR_SENTENCE_ROOM] = {};
    std::memcpy(buffer, line.constData(), size_t(qMin(line.size(), int(sizeof buffer) - 1)));
    CCodecLock lock;
    return ::Parser(buffer, sizeof buffer, record);
}

void resetCodec()
{
    CSensorSentenceHandle::resetI62Data();
    SensorInitial();
    ExtCount_TxChA = 0;
    ExtCount_TxChB = 0;
}

} // namespace

class TestI62Dispatch : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetCodec(); }

    // A line's result, and the frame the dispatcher wrote (an empty formatter: the record must
    // be left as it was).
    void resultCodes_data()
    {
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<int>("result");
        QTest::addColumn<QByteArray>("formatter");
        QTest::addColumn<int>("group");

        const QByteArray hdt = closed("$HEHDT,123.4,T");
        QTest::newRow("parametric") << QByteArrayList{hdt} << 0 << QByteArray("HDT") << 2;
        QTest::newRow("CR only") << QByteArrayList{hdt.chopped(1)} << 3 << QByteArray() << 0;
        QTest::newRow("no line end") << QByteArrayList{hdt.chopped(2)} << 3 << QByteArray() << 0;
        QTest::newRow("LF only") << QByteArrayList{hdt.chopped(2) + "\n"} << 2 << QByteArray() << 0;
        QTest::newRow("bad checksum") << QByteArrayList{"$HEHDT,123.4,T*00\r\n"} << 1 << QByteArray() << 0;
        QTest::newRow("no checksum: taken") << QByteArrayList{"$HEHDT,123.4,T\r\n"} << 0 << QByteArray("HDT") << 2;
        QTest::newRow("longer than the field marking allows")
            << QByteArrayList{closed("$GPTXT," + QByteArray(95, 'x'))} << 8 << QByteArray() << 0;
        QTest::newRow("unknown formatter") << QByteArrayList{closed("$GPXYZ,1,2")} << 8 << QByteArray("XYZ") << 0;
        QTest::newRow("extra field") << QByteArrayList{closed("$HEHDT,123.4,T,1")} << 8 << QByteArray("HDT") << 0;
        QTest::newRow("long range: no parser here") << QByteArrayList{closed("$AILRF,1,123456789,A,B,C")} << 8
                                                     << QByteArray("LRF") << 0;
        QTest::newRow("GST: parsed, filed nowhere")
            << QByteArrayList{closed("$GPGST,172814.0,0.006,0.023,0.020,273.6,0.023,0.020,0.031")} << 0
            << QByteArray("GST") << -1;
        QTest::newRow("query") << QByteArrayList{closed("$AIAIQ,VER")} << 0 << QByteArray("Q") << 88;
        QTest::newRow("query with two fields") << QByteArrayList{closed("$AIAIQ,VER,1")} << 8 << QByteArray("Q") << 0;
        QTest::newRow("proprietary") << QByteArrayList{closed("$PMID,123456789,000000042")} << 0 << QByteArray("MID")
                                     << 6;
        QTest::newRow("maker letter R, MID") << QByteArrayList{closed("$PQLX,R,MID,123456789,000000042")} << 0
                                             << QByteArray("MID") << 6;
        QTest::newRow("maker letter R, CFG: no parser") << QByteArrayList{closed("$PQLX,R,CFG,1,2")} << 8
                                                        << QByteArray("CFG") << 0;
        QTest::newRow("maker query, AIQ: parsed, filed nowhere") << QByteArrayList{closed("$PQLX,Q,AIQ,Smg,3")} << 0
                                                                 << QByteArray("AIQ") << -1;
        // A proprietary formatter needs three letters behind "$P", a maker prefix a letter and a comma.
        QTest::newRow("$P, first comma too early") << QByteArrayList{closed("$P,1,2")} << 8 << QByteArray("") << 0;
        QTest::newRow("$PA, first comma too early") << QByteArrayList{closed("$PA,1")} << 8 << QByteArray("") << 0;
        QTest::newRow("maker prefix, letter without comma") << QByteArrayList{closed("$PQLX,RMID,1,2")} << 8
                                                            << QByteArray("") << 0;
        QTest::newRow("maker prefix ends the sentence") << QByteArrayList{closed("$PQLX,R")} << 8 << QByteArray("")
                                                        << 0;
        QTest::newRow("RMA") << QByteArrayList{closed("$GPRMA,A,4917.24,N,12309.57,W,,,12.0,360.0,,,A")} << 0
                             << QByteArray("RMA") << -1;
        QTest::newRow("WPL") << QByteArrayList{closed("$GPWPL,4917.16,N,12310.64,W,003")} << 0 << QByteArray("WPL")
                             << -1;

        QTest::newRow("VDM complete") << QByteArrayList{TYPE1} << 0 << QByteArray("VDM") << 4;
        QTest::newRow("VDM first fragment") << QByteArrayList{TYPE5_PART1} << 4 << QByteArray("VDM") << 4;
        QTest::newRow("VDM both fragments") << QByteArrayList{TYPE5_PART1, TYPE5_PART2} << 0 << QByteArray("VDM") << 4;
        QTest::newRow("VDM second fragment alone: completes nothing") << QByteArrayList{TYPE5_PART2} << 4
                                                                      << QByteArray("VDM") << 4;
        QTest::newRow("VDM second fragment after a complete message: nothing to decode again")
            << QByteArrayList{TYPE1, TYPE5_PART2} << 4 << QByteArray("VDM") << 4;
        QTest::newRow("payload outside the armour") << QByteArrayList{closed("!AIVDM,1,1,,A,1X000000000000000000000000,0")}
                                                    << 6 << QByteArray("VDM") << 4;
        QTest::newRow("message identifier 0") << QByteArrayList{closed("!AIVDM,1,1,,A,0000000000000000000000000000,0")}
                                              << 7 << QByteArray("VDM") << 4;
        QTest::newRow("message 27: no layout") << QByteArrayList{TYPE27} << 5 << QByteArray("VDM") << 4;
        QTest::newRow("ABM complete: waits in the store") << QByteArrayList{closed("!AIABM,1,1,0,123456789,0,6,C0,0")}
                                                          << 4 << QByteArray("ABM") << 4;
    }

    void resultCodes()
    {
        QFETCH(QByteArrayList, lines);
        QFETCH(int, result);
        QFETCH(QByteArray, formatter);
        QFETCH(int, group);
        I61162_Data_Structure record = staleRecord();
        const I61162_Data_Structure before = record;
        int last = -1;
        for (const QByteArray& line : lines)
            last = parse(line, &record);
        QCOMPARE(last, result);
        if (formatter.isNull()) {
            QVERIFY(std::memcmp(&record, &before, sizeof record) == 0);
            return;
        }
        QCOMPARE(QByteArray(record.formatter), formatter);
        if (result == 0)
            QCOMPARE(record.group, group);
    }

    void makerSentenceKeepsItsLetter()
    {
        I61162_Data_Structure maker = staleRecord();
        QCOMPARE(parse(closed("$PQLX,C,MID,123456789,000000042"), &maker), 0);
        QCOMPARE(QByteArray(maker.talker), QByteArray("P"));
        QCOMPARE(maker.makerLetter, uint8_t('C'));
        QCOMPARE(maker.data.pmid.first, int64_t(123456789));
        QCOMPARE(maker.data.pmid.second, int64_t(42));

        I61162_Data_Structure plain = staleRecord();
        QCOMPARE(parse(closed("$PMID,123456789,000000042"), &plain), 0);
        QCOMPARE(plain.makerLetter, uint8_t(0));
        QCOMPARE(plain.data.pmid.first, int64_t(123456789));
    }

    // Published examples: RMA near Vancouver, WPL waypoint 003.
    void dispatcherOwnReaders()
    {
        I61162_Data_Structure record = staleRecord();
        QCOMPARE(parse(closed("$GPRMA,A,4917.24,N,12309.57,W,,,12.0,360.0,,,A"), &record), 0);
        QCOMPARE(record.data.rma.status, uint8_t('A'));
        QVERIFY(qAbs(record.data.rma.position.latitude - 49.287333) < 1e-5);
        QVERIFY(qAbs(record.data.rma.position.longitude + 123.1595) < 1e-4);

        QCOMPARE(parse(closed("$GPWPL,4917.16,N,12310.64,W,003"), &record), 0);
        QVERIFY(qAbs(record.data.wpl.position.latitude - 49.286) < 1e-5);
        QVERIFY(qAbs(record.data.wpl.position.longitude + 123.177333) < 1e-4);
        QCOMPARE(QByteArray(record.data.wpl.waypointId), QByteArray("003"));

        QCOMPARE(parse(closed("$GPWPL,,,,,"), &record), 0);
        QCOMPARE(record.data.wpl.position.latitude, 91.0);
        QCOMPARE(QByteArray(record.data.wpl.waypointId), QByteArray(""));
    }

    void queriesFillTheFirstFreeSlot()
    {
        const char* requested[] = {"VER", "SSD", "VSD", "ACA"};
        I61162_Data_Structure record = staleRecord();
        for (const char* formatter : requested)
            QCOMPARE(parse(closed(QByteArray("$AIAIQ,") + formatter), &record), 0);
        QCOMPARE(parse(closed("$AIAIQ,TXT"), &record), 0); // dropped: all four in use
        for (int i = 0; i < I62_QUERY_SLOTS; ++i) {
            QCOMPARE(QByteArray(I62QueryData[i].formatter), QByteArray(requested[i]));
            QCOMPARE(I62QueryData[i].inUse, uint8_t(1));
        }
    }

    // The station lands in its entry with its counts; the own message in entry 0.
    void completedMessageIsFiled_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("entry");
        QTest::addColumn<uint>("mmsi");
        QTest::addColumn<int>("messageId");
        QTest::addColumn<uint>("vdmCount");
        QTest::addColumn<uint>("vdoCount");
        QTest::addColumn<uint>("txA");
        QTest::addColumn<uint>("txB");
        QTest::newRow("VDM") << QByteArray(TYPE1) << 1 << 538090443u << 1 << 1u << 0u << 0u << 0u;
        QTest::newRow("VDO on B") << closed("!AIVDO,1,1,,B," + TYPE18_PAYLOAD + ",0") << 0 << 413771018u << 18 << 0u
                                  << 1u << 0u << 1u;
        QTest::newRow("VDO on A") << closed("!AIVDO,1,1,,A," + TYPE18_PAYLOAD + ",0") << 0 << 413771018u << 18 << 0u
                                  << 1u << 1u << 0u;
        QTest::newRow("VDO without channel: not counted") << closed("!AIVDO,1,1,,," + TYPE18_PAYLOAD + ",0") << 0
                                                          << 413771018u << 18 << 0u << 0u << 0u << 0u;
    }

    void completedMessageIsFiled()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, entry);
        QFETCH(uint, mmsi);
        QFETCH(int, messageId);
        QFETCH(uint, vdmCount);
        QFETCH(uint, vdoCount);
        QFETCH(uint, txA);
        QFETCH(uint, txB);
        I61162_Data_Structure record = staleRecord();
        {
            CCodecLock lock;
            ShipSentenceReset();
        }
        QCOMPARE(parse(line, &record), 0);
        const GENERIC_SHIP_DATA& e = ShipData[entry];
        QCOMPARE(uint(e.mmsi), mmsi);
        QCOMPARE(int(e.lastMessageId), messageId);
        QCOMPARE(uint(e.vdmCount), vdmCount);
        QCOMPARE(uint(e.vdoCount), vdoCount);
        QCOMPARE(uint(ExtCount_TxChA), txA);
        QCOMPARE(uint(ExtCount_TxChB), txB);
        QCOMPARE(uint(RxAisMessage.header.mmsi), mmsi);
    }

    void binaryMessageNotesItsApplication()
    {
        I61162_Data_Structure record = staleRecord();
        QCOMPARE(parse(TYPE8, &record), 0);
        QCOMPARE(int(AisMsgCodec_GetDAC(RxBinMsgAppId)), 200);
        QCOMPARE(int(AisMsgCodec_GetFI(RxBinMsgAppId)), 24);
    }

    // A parametric sentence between two encapsulation sentences forgets the decoded message.
    void parametricSentenceClearsTheReceivedMessage()
    {
        I61162_Data_Structure record = staleRecord();
        QCOMPARE(parse(TYPE1, &record), 0);
        QVERIFY(RxAisMessage.header.mmsi != 0);
        QCOMPARE(parse(closed("$HEHDT,123.4,T"), &record), 0);
        QCOMPARE(RxAisMessage.header.mmsi, 0u);
        QCOMPARE(RxEncapTuple.payload[0], '\0');
    }

    // The address field read alone: every read stays inside the text and its buffer.
    void addressField_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("read");
        QTest::addColumn<QByteArray>("talker");
        QTest::addColumn<QByteArray>("formatter");
        QTest::addColumn<int>("makerLetter");
        QTest::addColumn<int>("bodyOffset");
        QTest::newRow("standard") << QByteArray("$GPGGA,1*00\r\n") << true << QByteArray("GP") << QByteArray("GGA") << 0
                                  << 0;
        QTest::newRow("query") << QByteArray("$ECAIQ,VER*00\r\n") << true << QByteArray("EC") << QByteArray("Q") << 0
                               << 0;
        QTest::newRow("maker") << QByteArray("$PQLX,R,CFG,1*00\r\n") << true << QByteArray("P") << QByteArray("CFG")
                               << int('R') << 6;
        QTest::newRow("maker, mixed case") << QByteArray("$PQLX,Q,Smg,1*00\r\n") << true << QByteArray("P")
                                           << QByteArray("Smg") << int('Q') << 6;
        QTest::newRow("maker, inner formatter cut by the end") << QByteArray("$PQLX,R,C") << true << QByteArray("P")
                                                               << QByteArray("C") << int('R') << 6;
        QTest::newRow("proprietary, four letters: the last three") << QByteArray("$PGRMZ,1*00\r\n") << true
                                                                   << QByteArray("P") << QByteArray("RMZ") << 0 << 0;
        QTest::newRow("$P,") << QByteArray("$P,1*00\r\n") << false << QByteArray("P") << QByteArray() << 0 << 0;
        QTest::newRow("$PAB,") << QByteArray("$PAB,1*00\r\n") << false << QByteArray("P") << QByteArray() << 0 << 0;
        QTest::newRow("no comma") << QByteArray("$GPGGA") << true << QByteArray("GP") << QByteArray("GGA") << 0 << 0;
        QTest::newRow("short") << QByteArray("$G") << true << QByteArray("G") << QByteArray() << 0 << 0;
        QTest::newRow("start character only") << QByteArray("$") << true << QByteArray() << QByteArray() << 0 << 0;
    }

    void addressField()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, read);
        QFETCH(QByteArray, talker);
        QFETCH(QByteArray, formatter);
        QFETCH(int, makerLetter);
        QFETCH(int, bodyOffset);
        // Exactly the text, without a NUL: the reader must stop at the buffer's end.
        std::vector<char> buffer(text.begin(), text.end());
        I62_ADDRESS address;
        QCOMPARE(I62_ReadAddress(buffer.data(), buffer.size(), &address), read);
        QCOMPARE(QByteArray(address.talker), talker);
        QCOMPARE(QByteArray(address.formatter), formatter);
        QCOMPARE(int(address.makerLetter), makerLetter);
        QCOMPARE(int(address.bodyOffset), bodyOffset);
        QVERIFY(std::equal(buffer.begin(), buffer.end(), text.begin()));

        char handlerFormatter[4];
        CSensorSentenceHandle::getI62DataFormatter(text.constData(), handlerFormatter);
        QCOMPARE(QByteArray(handlerFormatter), formatter);
    }
};

QTEST_GUILESS_MAIN(TestI62Dispatch)
#include "tst_i62dispatch.moc"
