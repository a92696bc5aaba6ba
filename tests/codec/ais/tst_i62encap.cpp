#include "../AisFixture.h"
#include "TestEnv.h"
#include "codec/ais/I62SixBit.h"
#include "codec/records/CodecLock.h"
#include "support/PortalTime.h"

#include <QFile>

#include <QtTest>

using namespace AisFixture;

namespace {

QByteArray payloadOf(const Encapsulation_Sentence_Structure& slot)
{
    return QByteArray(slot.payload, int(strnlen(slot.payload, sizeof slot.payload)));
}

QByteArray text(int length, char c)
{
    return QByteArray(length, c);
}

} // namespace

class TestI62Encap : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        I62_EncapSenten_Init();
    }

    // Lines in order, the append result of each, and the message the last completed.
    void reassembly_data()
    {
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<QList<int>>("results");
        QTest::addColumn<QByteArray>("message");
        const int refused = I62_APPEND_REFUSED, stored = I62_APPEND_STORED, complete = I62_APPEND_COMPLETE;

        QTest::newRow("single fragment") << QByteArrayList{"!AIVDM,1,1,,A,13u?etPv2;0n:dDPwUM1U1Cb069D,0"}
                                         << QList<int>{complete} << QByteArray("13u?etPv2;0n:dDPwUM1U1Cb069D");
        QTest::newRow("orphan second fragment")
            << QByteArrayList{"!AIVDM,2,2,3,A,88888888880,2"} << QList<int>{refused} << QByteArray();
        QTest::newRow("a gap drops the partial message")
            << QByteArrayList{"!AIVDM,3,1,3,A,AAA,0", "!AIVDM,3,3,3,A,CCC,0", "!AIVDM,3,2,3,A,BBB,0"}
            << QList<int>{stored, refused, refused} << QByteArray();
        QTest::newRow("a new first fragment replaces the message of its identifier and channel")
            << QByteArrayList{"!AIVDM,2,1,1,A,AAA,0", "!AIVDM,2,1,1,A,BBB,0", "!AIVDM,2,2,1,A,bbb,2"}
            << QList<int>{stored, stored, complete} << QByteArray("BBBbbb");
        QTest::newRow("two messages interleaved on one channel")
            << QByteArrayList{"!AIVDM,2,1,1,A,AAA,0", "!AIVDM,2,1,2,A,BBB,0", "!AIVDM,2,2,1,A,aaa,0",
                              "!AIVDM,2,2,2,A,bbb,2"}
            << QList<int>{stored, stored, complete, complete} << QByteArray("BBBbbb");
        QTest::newRow("three parts interleaved with two")
            << QByteArrayList{"!AIVDM,3,1,1,A,AAA,0", "!AIVDM,2,1,2,B,BBB,0", "!AIVDM,3,2,1,A,aaa,0",
                              "!AIVDM,2,2,2,B,bbb,0", "!AIVDM,3,3,1,A,AAA,2"}
            << QList<int>{stored, stored, stored, complete, complete} << QByteArray("AAAaaaAAA");
        QTest::newRow("a fifth message drops the oldest")
            << QByteArrayList{"!AIVDM,2,1,1,A,111,0", "!AIVDM,2,1,2,A,222,0", "!AIVDM,2,1,3,A,333,0",
                              "!AIVDM,2,1,4,A,444,0", "!AIVDM,2,1,5,A,555,0", "!AIVDM,2,2,1,A,aaa,0",
                              "!AIVDM,2,2,2,A,bbb,0", "!AIVDM,2,2,5,A,eee,0"}
            << QList<int>{stored, stored, stored, stored, stored, refused, complete, complete}
            << QByteArray("555eee");
        QTest::newRow("the oldest is dropped wherever it is kept")
            << QByteArrayList{"!AIVDM,2,1,1,A,111,0", "!AIVDM,2,1,2,A,222,0", "!AIVDM,2,1,3,A,333,0",
                              "!AIVDM,2,1,4,A,444,0", "!AIVDM,2,2,1,A,aaa,0", "!AIVDM,2,1,5,A,555,0",
                              "!AIVDM,2,1,6,A,666,0", "!AIVDM,2,2,2,A,bbb,0", "!AIVDM,2,2,5,A,eee,0"}
            << QList<int>{stored, stored, stored, stored, complete, stored, stored, refused, complete}
            << QByteArray("555eee");
        QTest::newRow("a refused fragment keeps the other messages")
            << QByteArrayList{"!AIVDM,2,1,1,A,AAA,0", "!AIVDM,2,1,2,A,BBB,0", "!AIVDM,2,2,3,A,xxx,0",
                              "!AIVDM,3,2,2,A,xxx,0", "!AIVDM,2,2,2,A,bbb,0", "!AIVDM,2,2,1,A,aaa,0"}
            << QList<int>{stored, stored, refused, refused, refused, complete} << QByteArray("AAAaaa");
        QTest::newRow("same identifier on the other channel")
            << QByteArrayList{"!AIVDM,2,1,1,A,AAA,0", "!AIVDM,2,2,1,B,xxx,0", "!AIVDM,2,2,1,A,aaa,0"}
            << QList<int>{stored, refused, complete} << QByteArray("AAAaaa");
        QTest::newRow("another identifier on the same channel")
            << QByteArrayList{"!AIVDM,2,1,1,A,AAA,0", "!AIVDM,2,2,4,A,xxx,0", "!AIVDM,2,2,1,A,aaa,0"}
            << QList<int>{stored, refused, complete} << QByteArray("AAAaaa");
        QTest::newRow("VDO fragments do not touch a VDM message")
            << QByteArrayList{"!AIVDM,2,1,1,A,AAA,0", "!AIVDO,1,1,,A,OOO,0", "!AIVDM,2,2,1,A,aaa,0"}
            << QList<int>{stored, complete, complete} << QByteArray("AAAaaa");
        QTest::newRow("fragments longer than a sentence holds")
            << QByteArrayList{"!AIVDM,2,1,6,A," + text(100, '1'), "!AIVDM,2,2,6,A," + text(75, '2')}
            << QList<int>{stored, complete} << text(100, '1') + text(75, '2');
        QTest::newRow("the joined payload would overflow")
            << QByteArrayList{"!AIVDM,3,1,5,A," + text(63, '1'), "!AIVDM,3,2,5,A," + text(63, '2'),
                              "!AIVDM,3,3,5,A," + text(63, '3'), "!AIVDM,3,3,5,A,333,0"}
            << QList<int>{stored, stored, refused, refused} << QByteArray();
        QTest::newRow("fragment beyond its total")
            << QByteArrayList{"!AIVDM,1,2,1,A,AAA,0"} << QList<int>{refused} << QByteArray();
        QTest::newRow("no total") << QByteArrayList{"!AIVDM,,1,1,A,AAA,0"} << QList<int>{refused} << QByteArray();
    }

    void reassembly()
    {
        QFETCH(QByteArrayList, lines);
        QFETCH(QList<int>, results);
        QFETCH(QByteArray, message);
        Encapsulation_Sentence_Structure receiveSlot{};
        for (int i = 0; i < lines.size(); ++i) {
            QByteArray line = lines[i];
            if (line.count(',') == 5)
                line += ",0";
            QCOMPARE(feedLine(line, &receiveSlot), results[i]);
        }
        QCOMPARE(payloadOf(receiveSlot), message);
        if (!message.isEmpty())
            QCOMPARE(int(receiveSlot.fillBits), lines.last().endsWith(",2") ? 2 : 0);
    }

    // Real traffic: two messages 5 whose fragments a receiver interleaved across the channels.
    void interleavedRealMessagesBothDecode()
    {
        const QByteArrayList lines = {
            "!AIVDM,2,1,1,A,53aGulD0000000c7?0918Tq<E>0<Q8U=@Tp400155P:22uG`002ShTj0,0*03",
            "!AIVDM,2,1,2,B,55CTb`82CwWg<I<7<01<D4`4<e>1<=Thh40000091J12h5rVNA5S2Dlj,0*72",
            "!AIVDM,2,2,1,A,EQC`4Sm51A0C@08,2*56",
            "!AIVDM,2,2,2,B,CQiCP0000000000,2*7D",
        };
        QStringList decoded;
        Encapsulation_Sentence_Structure receiveSlot{};
        for (const QByteArray& line : lines) {
            if (feedLine(line, &receiveSlot) != I62_APPEND_COMPLETE)
                continue;
            AIS_raw_message raw;
            UN_AIS_MESSAGE m;
            QVERIFY(I62_EncapSentenceDecode(&receiveSlot, &raw));
            QCOMPARE(AisMessageUnpack(&raw, &m), AIS_UNPACK_DONE);
            QCOMPARE(int(m.messageId), 5);
            QString name = QString::fromLatin1(m.msg5.name);
            while (name.endsWith('@') || name.endsWith(' '))
                name.chop(1);
            decoded << QString("%1 %2").arg(m.msg5.header.mmsi).arg(name);
        }
        QCOMPARE(decoded, (QStringList{"244710865 PRINSES CHRISTINA", "356068000 SEAJACKS SCYLLA"}));
    }

    // A message whose last fragment does not come within the time-out of the codec clock is
    // dropped; within it, the message completes.
    void partialMessagesTimeOut()
    {
        auto advance = [](uint64_t ms) {
            Portal::Time::SetFakeClock(Portal::Time::Clock() + ms);
            CCodecLock lock;
            T1msTimerEvent();
        };
        advance(0);
        const int timeoutMs = int(I62_ENCAP_PARTIAL_TIMEOUT_S * 1000);
        Encapsulation_Sentence_Structure receiveSlot{};
        QCOMPARE(feedLine("!AIVDM,2,1,1,A,AAA,0", &receiveSlot), int(I62_APPEND_STORED));
        advance(timeoutMs - 1);
        QCOMPARE(feedLine("!AIVDM,2,2,1,A,aaa,0", &receiveSlot), int(I62_APPEND_COMPLETE));

        QCOMPARE(feedLine("!AIVDM,2,1,1,A,BBB,0", &receiveSlot), int(I62_APPEND_STORED));
        advance(timeoutMs);
        QCOMPARE(feedLine("!AIVDM,2,2,1,A,bbb,0", &receiveSlot), int(I62_APPEND_REFUSED));
        Portal::Time::ClearFakeClock();
    }

    // Real traffic with empty payloads and broken multi-sentence groups: every message that
    // completes is exactly the latest fragments of its sequential identifier and channel,
    // numbered 1 to total, whatever came between them; and everything that completes unpacks or
    // is refused without harm.
    void liveTraffic_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("multiPart");
        const QString dir = TestEnv::refDataDir();
        // The sample holds first fragments whose second fragment never came.
        QTest::newRow("sample") << dir + "/ais-live-pyais/nmea_data_sample.txt" << 0;
        QTest::newRow("mixed") << dir + "/ais-live-pyais/mixed.txt" << 1;
    }

    void liveTraffic()
    {
        QFETCH(QString, file);
        QFETCH(int, multiPart);
        QFile input(file);
        QVERIFY(input.open(QIODevice::ReadOnly));
        QList<QList<QByteArray>> recent; // fields of the lines taken, latest last
        Encapsulation_Sentence_Structure receiveSlot{};
        int completedMultiPart = 0, unpacked = 0;
        while (!input.atEnd()) {
            const QByteArray line = input.readLine().trimmed();
            if (!line.startsWith("!AIVD"))
                continue;
            const int result = feedLine(line, &receiveSlot);
            const QList<QByteArray> fields = sentenceOf(line).split(',');
            recent.append(fields);
            if (result != I62_APPEND_COMPLETE)
                continue;
            const int total = fields[1].toInt();
            QByteArray expected;
            int number = total;
            for (int i = recent.size() - 1; i >= 0 && number > 0; --i) {
                const QList<QByteArray>& part = recent[i];
                if (part[3] != fields[3] || part[4] != fields[4])
                    continue;
                QCOMPARE(part[2].toInt(), number--);
                QCOMPARE(part[1].toInt(), total);
                expected.prepend(part[5]);
            }
            QCOMPARE(number, 0);
            QCOMPARE(payloadOf(receiveSlot), expected);
            completedMultiPart += total > 1;

            AIS_raw_message raw;
            UN_AIS_MESSAGE message;
            if (I62_EncapSentenceDecode(&receiveSlot, &raw) && AisMessageUnpack(&raw, &message) == AIS_UNPACK_DONE)
                ++unpacked;
        }
        QVERIFY(unpacked > 0);
        QCOMPARE(completedMultiPart, multiPart);
    }

    void completedMessagesMoveOn()
    {
        Encapsulation_Sentence_Structure receiveSlot{};
        for (int i = 0; i < I62_ENCAP_SLOTS + 2; ++i)
            QCOMPARE(feedLine("!AIVDM,1,1,,B,13u?etPv2;0n:dDPwUM1U1Cb069D,0", &receiveSlot), int(I62_APPEND_COMPLETE));
        QCOMPARE(int(EncapStore.current[I62_ENCAP_VDM]), 2);
        QCOMPARE(int(receiveSlot.complete), 0);
    }

    // Broadcast binary messages wait in the store until they are handled.
    void binaryMessagesWait()
    {
        I61162_Data_Structure record{};
        std::strcpy(record.formatter, "BBM");
        record.data.encap.totalSentences = 1;
        record.data.encap.sentenceNumber = 1;
        record.data.encap.sequenceId = 0;
        record.data.encap.messageId = 8;
        std::strcpy(record.data.encap.payload, "0000");
        Encapsulation_Sentence_Structure receiveSlot{};
        QCOMPARE(I62_EncapSenten_CheckProcess(), 0);
        QCOMPARE(I62_AppendEncapSentence(&record, &receiveSlot), int(I62_APPEND_REFUSED));
        QCOMPARE(EncapSentenCount, 1);
        QCOMPARE(I62_EncapSenten_CheckProcess(), 1);
        QVERIFY(EncapSentenActive);
        QCOMPARE(payloadOf(*EncapSentenActive), QByteArray("0000"));
        QCOMPARE(payloadOf(receiveSlot), QByteArray());
    }

    void armourDecoding()
    {
        AIS_raw_message raw;
        QVERIFY(rawOf(text(28, 'w'), 0, &raw));
        QCOMPARE(int(raw.bitCount), 168);
        QCOMPARE(int(raw.bits[20]), 0xFF);
        QCOMPARE(int(raw.bits[21]), 0);
        // The 29th character fills the top six bits of the 22nd byte.
        QVERIFY(rawOf(text(28, '0') + "w", 0, &raw));
        QCOMPARE(int(raw.bitCount), 174);
        QCOMPARE(int(raw.bits[20]), 0);
        QCOMPARE(int(raw.bits[21]), 0xFC);
        // "1" is 000001, "W" is 100111, "`" is 101000.
        QVERIFY(rawOf("1W`", 2, &raw));
        QCOMPARE(int(raw.bitCount), 16);
        QCOMPARE(int(raw.bits[0]), 0b00000110);
        QCOMPARE(int(raw.bits[1]), 0b01111010);
        QCOMPARE(int(raw.bits[2]), 0b00000000);

        // Fewer bits than fill bits is no message: the count stops at 0.
        QVERIFY(rawOf("", 5, &raw));
        QCOMPARE(int(raw.bitCount), 0);
        QVERIFY(rawOf("1", 5, &raw));
        QCOMPARE(int(raw.bitCount), 1);

        for (const char* bad : {"X", "_", "x", " ", "\x7F", "0000X"})
            QVERIFY2(!rawOf(bad, 0, &raw), bad);
        QVERIFY(!I62_EncapSentenceDecode(nullptr, &raw));
    }

    void armourEncoding()
    {
        AIS_raw_message raw;
        QVERIFY(rawOf("55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp888888888880", 2, &raw));
        QCOMPARE(int(raw.bitCount), 424);
        Encapsulation_Sentence_Structure slot{};
        QVERIFY(I62_EncapSentenceEncode(&slot, &raw));
        QCOMPARE(payloadOf(slot),
                 QByteArray("55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp888888888880"));
        QCOMPARE(int(slot.fillBits), 2);

        for (int bits : {1, 6, 7, 168, 1050}) {
            AIS_raw_message ones{};
            ones.bitCount = uint16_t(bits);
            for (int b = 0; b < bits; ++b)
                ones.bits[b / 8] |= uint8_t(0x80 >> b % 8);
            QVERIFY(I62_EncapSentenceEncode(&slot, &ones));
            QCOMPARE(strnlen(slot.payload, sizeof slot.payload), size_t((bits + 5) / 6));
            QCOMPARE(int(slot.fillBits), (6 - bits % 6) % 6);
            QVERIFY(I62_EncapSentenceDecode(&slot, &raw));
            QCOMPARE(int(raw.bitCount), bits);
            QVERIFY(std::memcmp(raw.bits, ones.bits, sizeof raw.bits) == 0);
        }
        // 1051 bits need 176 characters: more than a message may hold.
        raw.bitCount = 1051;
        QVERIFY(!I62_EncapSentenceEncode(&slot, &raw));
    }

    void splitting_data()
    {
        QTest::addColumn<QByteArray>("formatter");
        QTest::addColumn<int>("messageId");
        QTest::addColumn<int>("length");
        QTest::addColumn<QList<int>>("chunks");
        QTest::newRow("VDO of 100") << QByteArray("VDO") << 0 << 100 << QList<int>{60, 40};
        QTest::newRow("VDM of 60") << QByteArray("VDM") << 0 << 60 << QList<int>{60};
        QTest::newRow("VDM of 175") << QByteArray("VDM") << 0 << 175 << QList<int>{60, 60, 55};
        QTest::newRow("ABM message 6") << QByteArray("ABM") << 6 << 100 << QList<int>{48, 52};
        QTest::newRow("ABM message 12") << QByteArray("ABM") << 12 << 47 << QList<int>{47};
        QTest::newRow("BBM message 8") << QByteArray("BBM") << 8 << 120 << QList<int>{58, 60, 2};
        QTest::newRow("BBM message 14") << QByteArray("BBM") << 14 << 58 << QList<int>{57, 1};
        QTest::newRow("empty") << QByteArray("VDM") << 0 << 0 << QList<int>{0};
    }

    // The fragments carry the payload in order, the last one the fill bits, and the fragment
    // store joins them back into the message; an empty VDM or VDO fragment is no message, and
    // the store refuses it.
    void splitting()
    {
        QFETCH(QByteArray, formatter);
        QFETCH(int, messageId);
        QFETCH(int, length);
        QFETCH(QList<int>, chunks);
        QByteArray payload;
        for (int i = 0; i < length; ++i)
            payload += char(I62_ConvSix2Ascii(uint8_t(i % 64)));
        Encapsulation_Sentence_Structure slot{};
        std::strcpy(slot.formatter, formatter.constData());
        std::memcpy(slot.payload, payload.constData(), size_t(length));
        slot.fillBits = 4;
        slot.sequenceId = 3;
        slot.channel = formatter == "VDM" || formatter == "VDO" ? 'B' : 1;
        slot.messageId = uint8_t(messageId);

        I61162_Data_Structure record{};
        std::strcpy(record.formatter, formatter.constData());
        Encapsulation_Sentence_Structure receiveSlot{};
        QByteArray joined;
        int cursor = 0;
        for (int i = 0; i < chunks.size(); ++i) {
            const bool last = I62_SplitEncapSentence(&record, &slot, &cursor) == 1;
            const I62_ENCAP_DATA& f = record.data.encap;
            QCOMPARE(last, i == chunks.size() - 1);
            QCOMPARE(int(f.totalSentences), chunks.size());
            QCOMPARE(int(f.sentenceNumber), i + 1);
            QCOMPARE(int(strlen(f.payload)), chunks[i]);
            QCOMPARE(int(f.fillBits), last ? 4 : 0);
            joined += f.payload;
            const int appended = I62_AppendEncapSentence(&record, &receiveSlot);
            const bool binary = formatter == "ABM" || formatter == "BBM";
            QCOMPARE(appended,
                     last && !binary && length > 0 ? int(I62_APPEND_COMPLETE)
                         : last                    ? int(I62_APPEND_REFUSED)
                                                   : int(I62_APPEND_STORED));
        }
        QCOMPARE(joined, payload);
        if (length == 0)
            return; // nothing was joined
        const Encapsulation_Sentence_Structure* whole
            = formatter == "ABM" || formatter == "BBM" ? EncapSentenActive : &receiveSlot;
        QVERIFY(whole);
        QCOMPARE(payloadOf(*whole), payload);
        QCOMPARE(int(whole->fillBits), 4);
    }
};

QTEST_GUILESS_MAIN(TestI62Encap)
#include "tst_i62encap.moc"
