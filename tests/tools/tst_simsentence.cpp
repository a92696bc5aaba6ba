#include "LineCutter.h"
#include "Sentence.h"

#include <QtTest>

using namespace Sim;

Q_DECLARE_METATYPE(Sentence::CHECK_RESULT)

class TestSimSentence : public QObject
{
    Q_OBJECT

private slots:
    // The device link's fixed sentences, both ways, with their checksums as published.
    void checksumsMatchTheTable_data()
    {
        QTest::addColumn<QByteArray>("line");
        const char* const lines[] = {
            "$AIAIQ,VER*3C",
            "$AIVER,1,1,AI,SIM,0000001,123456789,1,UNIT-K-42,1.00,0*43",
            "$AIVER,1,1,AI,SIM,0000002,223456789,2,Q-375,2.00,0*45",
            "$PQLX,Q,CFG,8117,,,*09",
            "$PQLX,R,CFG,8117,1234,1000,4*3B",
            "$PQLX,Q,CFG,108,,,*3F",
            "$PQLX,R,CFG,108,6,0,*3A",
            "$PQLX,Q,CFG,600,,,*30",
            "$PQLX,R,CFG,600,11,1,*02",
            "$PQLX,Q,CFG,183,,,*3C",
            "$PQLX,R,CFG,183,10,5,*0B",
            "!AIAIQ,EPV*3E",
            "$AIEPV,R,AI,123456789,109,75*36",
            "$AIEPV,R,AI,123456789,110,76*3D",
            "$PQLX,Q,CFG,31,,,*04",
            "$PQLX,R,CFG,31,7,0,*00",
            "$PTST,,,,,16*28",
            "$PDBG,163,1,,,,,,*14",
            "$PDBG,163,0,,,,,,*15",
        };
        for (const char* line : lines)
            QTest::newRow(line) << QByteArray(line);
    }
    void checksumsMatchTheTable()
    {
        QFETCH(QByteArray, line);
        const QByteArray text = line.left(line.indexOf('*'));
        QCOMPARE(Sentence::finish(text), line + "\r\n");
        QByteArray checked;
        QCOMPARE(Sentence::check(line, &checked), Sentence::CHECK_RESULT::VALID);
        QCOMPARE(checked, text);

        const QByteArray wrong = Sentence::finish(text, true);
        QVERIFY(wrong != line + "\r\n");
        QCOMPARE(Sentence::check(WithoutLineEnd(wrong), &checked), Sentence::CHECK_RESULT::WRONG_CHECKSUM);
    }

    void receivedSentencesAreChecked_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<Sentence::CHECK_RESULT>("result");
        QTest::newRow("lower-case digits") << QByteArray("$PQLX,R,CFG,183,2000,3,*0e") << Sentence::CHECK_RESULT::VALID;
        QTest::newRow("one digit off") << QByteArray("$AIAIQ,VER*3D") << Sentence::CHECK_RESULT::WRONG_CHECKSUM;
        QTest::newRow("no hex digits") << QByteArray("$AIAIQ,VER*G0") << Sentence::CHECK_RESULT::WRONG_CHECKSUM;
        QTest::newRow("no checksum") << QByteArray("$AIAIQ,VER") << Sentence::CHECK_RESULT::NO_CHECKSUM;
        QTest::newRow("one digit only") << QByteArray("$AIAIQ,VER*3") << Sentence::CHECK_RESULT::NO_CHECKSUM;
        QTest::newRow("no leading $ or !") << QByteArray("AIAIQ,VER*3C") << Sentence::CHECK_RESULT::NO_CHECKSUM;
    }
    void receivedSentencesAreChecked()
    {
        QFETCH(QByteArray, line);
        QFETCH(Sentence::CHECK_RESULT, result);
        QByteArray text;
        QCOMPARE(Sentence::check(line, &text), result);
    }

    // Texts that are not sentences (the dump, the Wi-Fi module's lines) get no checksum.
    void otherLinesGetOnlyTheLineEnd()
    {
        QCOMPARE(Sentence::finish("[SYSTEM DATA END]"), QByteArray("[SYSTEM DATA END]\r\n"));
        QCOMPARE(Sentence::finish(">AT+SCAN", true), QByteArray(">AT+SCAN\r\n"));
    }

    void escapesAreUndone_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("all seven") << QByteArray("^21^24^2A^2C^5C^5E^7E") << QByteArray("!$*,\\^~");
        QTest::newRow("lower-case digits") << QByteArray("A^2cB") << QByteArray("A,B");
        QTest::newRow("no hex after ^") << QByteArray("A^ZZ") << QByteArray("A^ZZ");
        QTest::newRow("cut short at the end") << QByteArray("AB^2") << QByteArray("AB^2");
        QTest::newRow("empty") << QByteArray() << QByteArray();
    }
    void escapesAreUndone()
    {
        QFETCH(QByteArray, field);
        QFETCH(QByteArray, text);
        QCOMPARE(Sentence::unescape(field), text);
    }

    // CR LF and LF alike end a line, however the bytes come; an overlong line is dropped whole.
    void receivedBytesAreCutIntoLines()
    {
        CLineCutter cutter;
        QCOMPARE(cutter.append("$AIAIQ,VER*3C\r"), QByteArrayList());
        QCOMPARE(cutter.append("\nAT+VER\nAT+"), QByteArrayList({"$AIAIQ,VER*3C\r\n", "AT+VER\n"}));
        QCOMPARE(cutter.append("PSK\n"), QByteArrayList({"AT+PSK\n"}));
        QCOMPARE(cutter.append(QByteArray(CLineCutter::MaxLineLength + 1, 'x')), QByteArrayList());
        QCOMPARE(cutter.append("yyy\nAT+VER\r\n"), QByteArrayList({"AT+VER\r\n"}));
        QCOMPARE(WithoutLineEnd("AT+VER\r\n"), QByteArray("AT+VER"));
        QCOMPARE(WithoutLineEnd("AT+VER\n"), QByteArray("AT+VER"));
    }
};

QTEST_GUILESS_MAIN(TestSimSentence)
#include "tst_simsentence.moc"
