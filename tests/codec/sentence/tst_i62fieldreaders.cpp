#include "codec/sentence/I62FieldReaders.h"
#include "codec/sentence/I62Syntax.h"

#include <QtTest>
#include <cstring>

// The readers run inside a walk: a parser has taken the first field of the group.
namespace {

I62_DEGREE readPosition(const char* fields, QByteArray* next)
{
    char text[128];
    std::snprintf(text, sizeof text, "$X,%s*00", fields);
    I62_PreParse(text, sizeof text);
    StrToken(text, ",");
    I62_DEGREE position{};
    *next = QByteArray(I62_GetDegree(StrToken(nullptr, ","), &position));
    return position;
}

char* firstField(char* text)
{
    StrToken(text, ",");
    return StrToken(nullptr, ",");
}

} // namespace

class TestI62FieldReaders : public QObject
{
    Q_OBJECT

private slots:
    void position_data()
    {
        QTest::addColumn<QByteArray>("fields");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        // Published GLL and GGA decodes
        QTest::newRow("north-west") << QByteArray("4916.45,N,12311.12,W,next,") << 49.274167 << -123.185333;
        QTest::newRow("north-east") << QByteArray("4807.038,N,01131.000,E,next,") << 48.1173 << 11.516667;
        QTest::newRow("south") << QByteArray("3747.0873,S,17518.8938,E,next,") << -37.784788 << 175.314897;
        QTest::newRow("empty, S and W") << QByteArray(",S,,W,next,") << -91.0 << -181.0;
        QTest::newRow("empty") << QByteArray(",,,,next,") << 91.0 << 181.0;
        QTest::newRow("beyond the poles") << QByteArray("9100.0,N,18100.0,E,next,") << 91.0 << 181.0;
        QTest::newRow("negative text") << QByteArray("-4807.038,N,-01131.000,E,next,") << 91.0 << 181.0;
        QTest::newRow("not finite") << QByteArray("nan,N,inf,E,next,") << 91.0 << 181.0;
        QTest::newRow("beyond single precision") << QByteArray("1,N,1e39,E,next,") << 0.01 / 0.6 << 181.0;
    }
    void position()
    {
        QFETCH(QByteArray, fields);
        QByteArray next;
        const I62_DEGREE position = readPosition(fields.constData(), &next);
        QCOMPARE(next, QByteArray("next"));
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        // The longitude passes through single precision: about 1e-5 degree near 180.
        QVERIFY2(qAbs(position.latitude - latitude) < 1e-6, qPrintable(QString::number(position.latitude, 'f', 9)));
        QVERIFY2(qAbs(position.longitude - longitude) < 2e-5, qPrintable(QString::number(position.longitude, 'f', 9)));
    }

    void longRangePositionSwapsPrecisions()
    {
        // Here the latitude goes through single precision and the longitude does not.
        char text[] = "$X,4807.0381234,N,01131.0001234,E,*00";
        I62_DEGREE position{};
        I62_GetLRngDegree(firstField(text), &position);
        const double latitudeError = qAbs(position.latitude - (48 + 7.0381234 / 60));
        QVERIFY(latitudeError > 1e-7 && latitudeError < 1e-5);
        QVERIFY(qAbs(position.longitude - (11 + 31.0001234 / 60)) < 1e-12);
    }

    void time_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("hundredths");
        QTest::newRow("published") << QByteArray("123519") << 12 << 35 << 19 << 0;
        QTest::newRow("leap second") << QByteArray("235960.5") << 23 << 59 << 60 << 50;
        // A single-precision ceiling read these as 13 and 61 hundredths.
        QTest::newRow("twelve hundredths") << QByteArray("123519.12") << 12 << 35 << 19 << 12;
        QTest::newRow("sixty hundredths") << QByteArray("132820.60") << 13 << 28 << 20 << 60;
        QTest::newRow("milliseconds") << QByteArray("150119.004") << 15 << 1 << 19 << 0;
        QTest::newRow("rounds, never carries") << QByteArray("235959.999") << 23 << 59 << 59 << 99;
        QTest::newRow("empty") << QByteArray(" ") << 24 << 60 << 60 << 0;
        QTest::newRow("negative") << QByteArray("-1") << 24 << 60 << 60 << 0;
        QTest::newRow("too large") << QByteArray("1e300") << 24 << 60 << 60 << 0;
    }
    void time()
    {
        QFETCH(QByteArray, field);
        I62_UTC_TIME time{1, 2, 3, 4};
        QCOMPARE(I62_GetTime(field.data(), &time), field.data());
        QTEST(int(time.hour), "hour");
        QTEST(int(time.minute), "minute");
        QTEST(int(time.second), "second");
        QTEST(int(time.hundredths), "hundredths");
    }

    void dates()
    {
        char text[] = "$X,010203,next,*00";
        I62_DATE date{9, 9, 9};
        QCOMPARE(QByteArray(I62_GetDate(firstField(text), &date)), QByteArray("next"));
        QCOMPARE(int(date.day), 1);
        QCOMPARE(int(date.month), 2);
        QCOMPARE(int(date.year), 2003);

        char blank[] = "$X, ,next,*00";
        QCOMPARE(QByteArray(I62_GetDate(firstField(blank), &date)), QByteArray("next"));
        QCOMPARE(int(date.year) + date.month + date.day, 0);

        char longRange[] = "$X,31122019,next,*00";
        LRng_DATE lrDate{};
        QCOMPARE(QByteArray(I62_GetLRngDate(firstField(longRange), &lrDate)), QByteArray("next"));
        QCOMPARE(int(lrDate.day), 31);
        QCOMPARE(int(lrDate.month), 12);
        QCOMPARE(int(lrDate.year), 2019);
    }

    void degreeConversions()
    {
        QCOMPARE(I62_Conv2Deg(4500.0, 90), 45.0);
        QCOMPARE(I62_Conv2Deg(9030.0, 90), 91.0);
        QCOMPARE(I62_Conv2Deg(17959.0, 180), 179 + 59.0 / 60);
        QCOMPARE(I62_Conv2Deg(18001.0, 180), 181.0);

        uint16_t degrees = 0, minutes = 0;
        uint64_t fraction = 0;
        // 7.038 minutes: the fraction is cut, in single precision, so it may come out a unit low.
        const uint64_t cut = I62_Deg2DegMin(48.1173, &degrees, &minutes, &fraction);
        QVERIFY(cut == 3799 || cut == 3800);
        QCOMPARE(fraction, cut);
        QCOMPARE(int(degrees), 48);
        QCOMPARE(int(minutes), 7);
        I62_Deg2DegMin(-123.185333, &degrees, &minutes, &fraction);
        QCOMPARE(int(degrees), 123);
        QCOMPARE(int(minutes), 11);
        QVERIFY(fraction >= 11990 && fraction <= 11999); // truncated, not rounded
        // Just below a whole minute the fraction stays within five digits.
        I62_Deg2DegMin(10 + 0.999999999 / 60, &degrees, &minutes, &fraction);
        QCOMPARE(int(minutes), 0);
        QCOMPARE(fraction, uint64_t(99999));
        I62_Deg2DegMin(qQNaN(), &degrees, &minutes, &fraction);
        QCOMPARE(int(degrees) + minutes + int(fraction), 0);
    }
};

QTEST_GUILESS_MAIN(TestI62FieldReaders)
#include "tst_i62fieldreaders.moc"
