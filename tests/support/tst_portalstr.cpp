#include "TestEnv.h"
#include "support/PortalStr.h"

#include <QtTest>
#include <cstring>

using namespace Portal::Str;

class TestPortalStr : public QObject
{
    Q_OBJECT

private slots:
    void floatText_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("trailing zero") << 12.5f << 2 << "12.5";
        QTest::newRow("whole") << 100.0f << 1 << "100";
        QTest::newRow("zero") << 0.0f << 2 << "0";
        QTest::newRow("rounded up") << 1.999f << 2 << "2";
        QTest::newRow("negative") << -0.25f << 2 << "-0.25";
        QTest::newRow("ten") << 10.0f << 2 << "10";
    }
    void floatText()
    {
        QFETCH(float, value);
        QFETCH(int, decimals);
        char buffer[32];
        ConvtFloatToChar(buffer, value, static_cast<char>(decimals));
        QFETCH(QString, text);
        QCOMPARE(QString(buffer), text);
    }

    void numbersKeepThePointUnderADecimalCommaLocale()
    {
        char buffer[32];
        char point[] = "3.75";
        double parsed = 0.0;
        {
            TestEnv::ScopedDecimalComma comma;
            if (!comma.isActive())
                QSKIP("no locale with a decimal comma could be built");
            ConvtFloatToChar(buffer, 12.5f, 2);
            parsed = ConvtStrToDouble(point);
        }
        QCOMPARE(QString(buffer), QStringLiteral("12.5"));
        QCOMPARE(parsed, 3.75);
    }

    void writersStayInTheirRoom()
    {
        char buffer[8 + 4];
        std::memset(buffer, 'X', sizeof buffer);
        ConvtFloatToChar(buffer, 8, -1e30f, 2);
        QCOMPARE(std::strlen(buffer), size_t(7));
        QCOMPARE(QString(buffer), QStringLiteral("-100000")); // a cut whole number keeps its zeros
        QCOMPARE(buffer[8], 'X');

        std::memset(buffer, 'X', sizeof buffer);
        ConvtIntToChar(buffer, 4, -123456);
        QCOMPARE(QString(buffer), QStringLiteral("-12"));
        QCOMPARE(buffer[4], 'X');

        std::memset(buffer, 'X', sizeof buffer);
        QCOMPARE(SafeStrCpy(buffer, "abcdefghijkl", 5), size_t(4));
        QCOMPARE(QString(buffer), QStringLiteral("abcd"));
        QCOMPARE(buffer[5], 'X');
        QCOMPARE(SafeStrCpy(buffer, "xyz", 0), size_t(0));
        QCOMPARE(buffer[0], 'a');

        unsigned char bytes[2 + 2] = {0, 0, 0xEE, 0xEE};
        QCOMPARE(ConvtHexStrToChar(bytes, 2, "0102030405"), size_t(2));
        QCOMPARE(bytes[2], 0xEE);
    }

    void trimEnd_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("set");
        QTest::addColumn<QString>("result");
        QTest::newRow("blanks") << "abc  " << " " << "abc";
        QTest::newRow("only set characters") << "0.00" << "0." << "";
        QTest::newRow("empty set") << "abc " << "" << "abc ";
        QTest::newRow("empty text") << "" << " " << "";
        QTest::newRow("stops at the first other") << "a0b00" << "0" << "a0b";
    }
    void trimEnd()
    {
        QFETCH(QString, text);
        QFETCH(QString, result);
        QByteArray buffer = text.toLatin1();
        QFETCH(QString, set);
        const size_t length = TrimEnd(buffer.data(), set.toStdString());
        QCOMPARE(length, size_t(result.size()));
        QCOMPARE(QString(buffer.constData()), result);
    }

    void parseDouble_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("decimal comma") << "3,75" << 3.75;
        QTest::newRow("leading comma") << ",5" << 0.0;
        QTest::newRow("point") << "12.5" << 12.5;
        QTest::newRow("nothing parses") << "abc" << 0.0;
    }
    void parseDouble()
    {
        QFETCH(QString, text);
        QByteArray buffer = text.toLatin1();
        QFETCH(double, value);
        QCOMPARE(ConvtStrToDouble(buffer.data()), value);
    }

    void hex()
    {
        QCOMPARE(ConvtHexCharToInt('7'), 7);
        QCOMPARE(ConvtHexCharToInt('b'), 11);
        QCOMPARE(ConvtHexCharToInt('F'), 15);
        QCOMPARE(ConvtHexCharToInt('g'), 0);

        unsigned char bytes[8] = {};
        QCOMPARE(ConvtHexStrToChar(bytes, "0aFf"), size_t(2));
        QCOMPARE(bytes[0], 10);
        QCOMPARE(bytes[1], 255);
        QCOMPARE(ConvtHexStrToChar(bytes, "abc"), size_t(1));
        QCOMPARE(bytes[0], 171);
        QCOMPARE(ConvtHexStrToChar(bytes, "z1"), size_t(1));
        QCOMPARE(bytes[0], 1);
    }

    void upperCase()
    {
        char text[] = "ab-Cz\xe9!";
        UpperCase(text);
        QCOMPARE(QByteArray(text), QByteArray("AB-CZ\xe9!"));
    }
};

QTEST_APPLESS_MAIN(TestPortalStr)
#include "tst_portalstr.moc"
