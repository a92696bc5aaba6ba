#include "codec/ais/I62SixBit.h"
#include "codec/sentence/I62FieldReaders.h"
#include "codec/sentence/I62Syntax.h"

#include <QSet>
#include <QtTest>
#include <cstring>

class TestI62Syntax : public QObject
{
    Q_OBJECT

private slots:
    void checksumCheck_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("result");
        const QByteArray gga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,";
        QTest::newRow("published GGA") << gga + "*47\r\n" << 0;
        QTest::newRow("one digit off") << gga + "*46\r\n" << 1;
        QTest::newRow("without line end") << gga + "*47" << 0;
        QTest::newRow("query") << QByteArray("$AIAIQ,VER*3C\r\n") << 0;
        QTest::newRow("lower-case low digit") << QByteArray("$AIAIQ,VER*3c\r\n") << 1;
        QTest::newRow("plain 7A") << QByteArray("$GPTXT,01,01,02,7*7A\r\n") << 0;
        // '5' * 16 + ('a' - '7') also adds up to 0x7A: only real digits may match
        QTest::newRow("lower-case letter carrying") << QByteArray("$GPTXT,01,01,02,7*5a\r\n") << 1;
        QTest::newRow("plain 73") << QByteArray("$GPTXT,01,01,02,>*73\r\n") << 0;
        QTest::newRow("colon as digit") << QByteArray("$GPTXT,01,01,02,>*7:\r\n") << 1;
        QTest::newRow("star without digits") << QByteArray("$GPTXT,01,01,02,>*\r\n") << 1;
        QTest::newRow("three characters") << QByteArray("$\r\n") << 1;
        QTest::newRow("empty") << QByteArray("") << 1;
    }
    void checksumCheck()
    {
        QFETCH(QByteArray, line);
        QByteArray buffer = line;
        buffer.append(8, '\0');
        QTEST(I62_Parse_CheckSum(buffer.data(), size_t(buffer.size())), "result");
        QCOMPARE(QByteArray(buffer.constData()), line);
    }

    void sentenceWithoutChecksumGetsFF()
    {
        char buffer[32] = "$AIAIQ,VER\r\n";
        QCOMPARE(I62_Parse_CheckSum(buffer, sizeof buffer), I62_CHECKSUM_ADDED);
        QCOMPARE(QByteArray(buffer), QByteArray("$AIAIQ,VER*FF\r\n"));

        // The rewrite needs three more bytes; without them the line is refused untouched.
        char tight[12 + 3] = "$AIAIQ,VER\r\n";
        QCOMPARE(I62_Parse_CheckSum(tight, sizeof tight), I62_CHECKSUM_BAD);
        QCOMPARE(QByteArray(tight), QByteArray("$AIAIQ,VER\r\n"));

        // A buffer without its terminating zero is never read past its end.
        char unterminated[4] = {'$', 'A', '\r', '\n'};
        QCOMPARE(I62_Parse_CheckSum(unterminated, sizeof unterminated), I62_CHECKSUM_BAD);
    }

    void checksumCloser()
    {
        char buffer[32] = "$AIAIQ,VER";
        QVERIFY(I62_Compose_CheckSum(buffer, sizeof buffer));
        QCOMPARE(QByteArray(buffer), QByteArray("$AIAIQ,VER*3C\r\n"));
        QCOMPARE(I62_Parse_CheckSum(buffer, sizeof buffer), I62_CHECKSUM_OK);

        // Room for the five bytes and the terminator, or nothing is written.
        char exact[10 + 6] = "$AIAIQ,VER";
        QVERIFY(I62_Compose_CheckSum(exact, sizeof exact));
        char shortBy1[10 + 5 + 2];
        std::memset(shortBy1, 'X', sizeof shortBy1);
        std::memcpy(shortBy1, "$AIAIQ,VER", 11);
        QVERIFY(!I62_Compose_CheckSum(shortBy1, 15));
        QCOMPARE(QByteArray(shortBy1), QByteArray("$AIAIQ,VER"));
        QCOMPARE(shortBy1[15], 'X');

        char empty[8] = "";
        QVERIFY(!I62_Compose_CheckSum(empty, sizeof empty));
    }

    void splitterWalk()
    {
        char text[] = "$GPXXX, 12,  ,,b*7F";
        QCOMPARE(QByteArray(StrToken(text, ",")), QByteArray("$GPXXX"));
        QCOMPARE(QByteArray(StrToken(nullptr, ",")), QByteArray("12")); // leading blank skipped
        QCOMPARE(QByteArray(StrToken(nullptr, ",")), QByteArray("  "));  // only blanks: unchanged
        QCOMPARE(QByteArray(StrToken(nullptr, ",")), QByteArray(""));
        // The last field is never returned by a comma walk, and the walk is then over.
        QCOMPARE(StrToken(nullptr, ","), nullptr);
        QCOMPARE(StrToken(nullptr, "*"), nullptr);

        char again[] = "a,b*7F";
        QCOMPARE(QByteArray(StrToken(again, ",")), QByteArray("a"));
        QCOMPARE(QByteArray(StrToken(nullptr, "*")), QByteArray("b"));
    }

    void preParseMarksEmptyFields_data()
    {
        QTest::addColumn<QByteArray>("sentence");
        QTest::addColumn<QByteArray>("marked");
        QTest::newRow("GLL without position") << QByteArray("$GPGLL,,,,,,V,N*64\r\n")
                                              << QByteArray("$GPGLL, , , , , ,V,N*64\r\n");
        QTest::newRow("empty last field") << QByteArray("$GPGLL,4916.45,N,12311.12,W,225444,A,*1D\r\n")
                                          << QByteArray("$GPGLL,4916.45,N,12311.12,W,225444,A, *1D\r\n");
        QTest::newRow("comma at the end") << QByteArray("$X,,") << QByteArray("$X, ,");
        QTest::newRow("empty fields apart") << QByteArray("$X,,b,,,c,*00\r\n") << QByteArray("$X, ,b, , ,c, *00\r\n");
        QTest::newRow("nothing empty") << QByteArray("$X,a,b*00\r\n") << QByteArray("$X,a,b*00\r\n");
    }
    void preParseMarksEmptyFields()
    {
        QFETCH(QByteArray, sentence);
        char buffer[100] = {};
        std::memcpy(buffer, sentence.constData(), size_t(sentence.size()));
        QVERIFY(I62_PreParse(buffer, sizeof buffer));
        QTEST(QByteArray(buffer), "marked");
    }

    void preParseLengthLimits()
    {
        char buffer[128];
        // 98 characters are the most a marked sentence may have.
        const QByteArray fits = "$" + QByteArray(92, 'A') + ",,\r\n"; // 97, one blank added
        std::strcpy(buffer, fits.constData());
        QVERIFY(I62_PreParse(buffer, sizeof buffer));
        QCOMPARE(std::strlen(buffer), size_t(98));

        const QByteArray tooLong = "$" + QByteArray(91, 'A') + ",,,\r\n"; // 97, two blanks added
        std::strcpy(buffer, tooLong.constData());
        QVERIFY(!I62_PreParse(buffer, sizeof buffer));
        QCOMPARE(QByteArray(buffer), tooLong);

        // An encapsulation sentence may carry a fragment as long as a whole message: only its
        // buffer bounds it.
        char wide[140];
        const QByteArray longFragment = "!AIVDM,1,1,,A," + QByteArray(110, '1') + ",0*00\r\n"; // 131, one blank
        std::strcpy(wide, longFragment.constData());
        QVERIFY(I62_PreParse(wide, sizeof wide));
        QCOMPARE(std::strlen(wide), size_t(132));
        const QByteArray pastBuffer = "!AIVDM,1,1,,A," + QByteArray(116, '1') + ",,0*00\r\n"; // 138, two blanks
        std::strcpy(wide, pastBuffer.constData());
        QVERIFY(!I62_PreParse(wide, sizeof wide));
        QCOMPARE(QByteArray(wide), pastBuffer);

        // The caller's buffer bounds the result as well.
        char small[7] = "$X,,a";
        QVERIFY(!I62_PreParse(small, 6));
        QCOMPARE(QByteArray(small), QByteArray("$X,,a"));
        QVERIFY(I62_PreParse(small, sizeof small));
        QCOMPARE(QByteArray(small), QByteArray("$X, ,a"));
    }

    void commaCount()
    {
        QVERIFY(I62_CalFieldDelimiter("$A,b,c*00", 2));
        QVERIFY(!I62_CalFieldDelimiter("$A,b,c*00", 1));
        QVERIFY(!I62_CalFieldDelimiter("$A,b,c*00", 3));
    }

    void sixBitArmour()
    {
        QCOMPARE(int(I62_ConvAscii2Six('0')), 0);
        QCOMPARE(int(I62_ConvAscii2Six('W')), 39);
        QCOMPARE(int(I62_ConvAscii2Six('`')), 40);
        QCOMPARE(int(I62_ConvAscii2Six('w')), 63);
        QSet<int> values;
        for (int c = 0; c < 256; ++c) {
            const bool valid = (c >= '0' && c <= 'W') || (c >= '`' && c <= 'w');
            const uint8_t six = I62_ConvAscii2Six(uint8_t(c));
            QCOMPARE(six != I62_SIXBIT_INVALID, valid);
            if (valid) {
                QCOMPARE(int(I62_ConvSix2Ascii(six)), c);
                values.insert(six);
            }
        }
        QCOMPARE(values.size(), 64);
        QCOMPARE(I62_ConvSix2Ascii(64), I62_SIXBIT_INVALID);
        QCOMPARE(I62_ConvSix2Ascii(255), I62_SIXBIT_INVALID);
    }

    void hexByte_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("value");
        QTest::newRow("empty") << QByteArray("") << 1 << 0;
        QTest::newRow("two digits") << QByteArray("7F") << 1 << 0x7F;
        QTest::newRow("last two count") << QByteArray("1A2") << 1 << 0xA2;
        QTest::newRow("lower case stops") << QByteArray("3a") << 0 << 3;
        QTest::newRow("not hexadecimal") << QByteArray("G1") << 0 << 0;
    }
    void hexByte()
    {
        QFETCH(QByteArray, text);
        uint8_t value = 0xEE;
        QTEST(HexStrToHexValue_Byte(text.constData(), &value), "result");
        QTEST(int(value), "value");
    }
};

QTEST_GUILESS_MAIN(TestI62Syntax)
#include "tst_i62syntax.moc"
