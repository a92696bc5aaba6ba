#include "FormatFixture.h"
#include "model/units/StringConvt.h"
#include "model/units/UnitConvt.h"

#include <QtTest>
#include <cmath>
#include <limits>

using namespace FormatFixture;
using namespace Unit;
using namespace StringConvt;

namespace {

const float NaN = std::numeric_limits<float>::quiet_NaN();

float toDisplay(const QString& kind, float value, int unit)
{
    if (kind == "speed")
        return speedValueConv(value, SPEED_UNIT(unit));
    if (kind == "dist")
        return distValueConv(value, DIST_UNIT(unit));
    if (kind == "depth")
        return depthValueConv(value, DEPTH_UNIT(unit));
    if (kind == "height")
        return heightValueConv(value, HEIGHT_UNIT(unit));
    return middleDistConv(value, MIDDLE_DIST_UNIT(unit));
}

float toBase(const QString& kind, float value, int unit)
{
    if (kind == "speed")
        return speedValue2Knot(value, SPEED_UNIT(unit));
    if (kind == "dist")
        return distValue2Nm(value, DIST_UNIT(unit));
    if (kind == "depth")
        return depthValue2Meter(value, DEPTH_UNIT(unit));
    if (kind == "height")
        return heightValue2Meter(value, HEIGHT_UNIT(unit));
    return middleDistValue2Meters(value, MIDDLE_DIST_UNIT(unit));
}

Rows valueRows()
{
    return {
        {"speed with unit", textOf([](CTextBuffer b) { formatStrSpeedValue(b, 12.3f, SPEED_UNIT_KN, true); }),
         "12.3 Kn"},
        {"speed in Km/h", textOf([](CTextBuffer b) { formatStrSpeedValue(b, 12.0f, SPEED_UNIT_KMH, false); }),
         "22.2"},
        {"speed unit outside table", textOf([](CTextBuffer b) { formatStrSpeedValue(b, 5.0f, SPEED_UNIT(9), true); }),
         "5 Kn"},
        {"distance with unit", textOf([](CTextBuffer b) { formatStrDistValue(b, 1.25f, DIST_UNIT_NM, true); }),
         "1.25 NM"},
        {"distance trimmed", textOf([](CTextBuffer b) { formatStrDistValue(b, 12.5f, DIST_UNIT_NM, false); }), "12.5"},
        {"degree word", textOf([](CTextBuffer b) { formatStrDegreeValue(b, 45.5f, DEGREE_UNIT_WORD, true); }),
         "45.5 deg"},
        {"degree sign after a blank",
         textOf([](CTextBuffer b) { formatStrDegreeValue(b, 45.0f, DEGREE_UNIT_SIGN, true); }), "45 °"},
        {"bearing value true",
         textOf([](CTextBuffer b) { formatStrBearingValue(b, 45.0f, BEARING_MEASURE_TRUE, DEGREE_UNIT_WORD, true); }),
         "45 deg T"},
        {"bearing value relative", textOf([](CTextBuffer b) {
             formatStrBearingValue(b, 45.0f, BEARING_MEASURE_RELATIVE, DEGREE_UNIT_SIGN, false);
         }),
         "45 R"},
        {"distance and bearing", textOf([](CTextBuffer b) {
             formatStrDistBearing(b, 1.25f, DIST_UNIT_NM, 45.0f, BEARING_MEASURE_TRUE, DEGREE_UNIT_SIGN);
         }),
         "45 ° T  1.25 NM"},
        {"bearing true", textOf([](CTextBuffer b) { formatStrBearing(b, 45.0f, BEARING_MEASURE_TRUE, true); }),
         "45° T"},
        {"bearing no measure", textOf([](CTextBuffer b) { formatStrBearing(b, 45.0f, BEARING_MEASURE_NONE, true); }),
         "45°"},
        {"bearing one decimal", textOf([](CTextBuffer b) { formatStrBearing(b, 359.94f, BEARING_MEASURE_NONE, false); }),
         "359.9"},
        {"bearing 360", textOf([](CTextBuffer b) { formatStrBearing(b, 360.0f, BEARING_MEASURE_TRUE, true); }), "--"},
        {"bearing no number", textOf([](CTextBuffer b) { formatStrBearing(b, NaN, BEARING_MEASURE_TRUE, true); }),
         "--"},
        {"range 0", textOf([](CTextBuffer b) { formatStrRange(b, 0.0f, DIST_UNIT_NM, false); }), "0"},
        {"range -1", textOf([](CTextBuffer b) { formatStrRange(b, -1.0f, DIST_UNIT_NM, true); }), "--"},
        {"range in metres", textOf([](CTextBuffer b) { formatStrRange(b, 1.5f, DIST_UNIT_M, true); }), "2778 m"},
        {"range no number", textOf([](CTextBuffer b) { formatStrRange(b, NaN, DIST_UNIT_NM, true); }), "--"},
        {"MMSI width 9", textOf([](CTextBuffer b) { formatStrID(b, 2711234, 9); }), "002711234"},
        {"ID width 0", textOf([](CTextBuffer b) { formatStrID(b, 2711234, 0); }), "2711234"},
        {"ID negative width", textOf([](CTextBuffer b) { formatStrID(b, 2711234, -4); }), "2711234"},
        {"ID above 2^31", textOf([](CTextBuffer b) { formatStrID(b, 4000000000u, 9); }), "4000000000"},
        {"name less blanks", textOf([](CTextBuffer b) { formatStrName(b, "ALPHA SEA   "); }), "ALPHA SEA"},
    };
}

Rows positionRows()
{
    const auto lat = [](double v, int format, bool fixed) {
        return textOf([=](CTextBuffer b) { formatStrLat(b, v, WORLD_POS_FORMAT(format), fixed); });
    };
    const auto lon = [](double v, int format, bool fixed) {
        return textOf([=](CTextBuffer b) { formatStrLon(b, v, WORLD_POS_FORMAT(format), fixed); });
    };
    return {
        {"degrees fixed", lat(22.5, 0, true), " 22.5000°N"},
        {"degrees", lat(22.5, 0, false), "22.5000°N"},
        {"minutes fixed", lat(22.5, 1, true), " 22°30.0000'N"},
        {"minutes", lat(22.5, 1, false), "22°30.0000'N"},
        {"seconds fixed", lat(22.5, 2, true), " 22°30' 0\"N"},
        {"west seconds fixed", lon(-122.25, 2, true), "122°15' 0\"W"},
        {"GGA latitude", lat(48.1173, 1, false), "48°7.0380'N"},
        {"GGA longitude", lon(11.516667, 1, false), "11°31.0000'E"},
        {"minutes carry into degrees", lat(22.9999995, 1, false), "23°0.0000'N"},
        {"minutes carry west", lon(-22.9999995, 1, false), "23°0.0000'W"},
        {"minutes carry below one degree", lat(-0.9999995, 1, false), "1°0.0000'S"},
        {"nudge lifts 29.9999999", lat(29.9999999, 2, false), "30°0'0\"N"},
        {"seconds truncated", lat(10.99999, 2, false), "10°59'59\"N"},
        {"south", lat(-33.8568, 1, false), "33°51.4080'S"},
        {"negative zero is north", lat(-0.0, 0, false), "0.0000°N"},
        {"latitude 91", lat(91.0, 1, true), "--"},
        {"latitude 91.5 is shown", lat(91.5, 0, false), "91.5000°N"},
        {"longitude 181", lon(181.0, 2, true), "--"},
        {"unknown format", lat(22.5, 3, true), ""},
        {"no number", lat(std::nan(""), 1, false), "--"},
        {"beyond 16-bit degrees", lon(1.0e300, 1, false), "--"},
    };
}

} // namespace

class TestUnitText : public QObject
{
    Q_OBJECT

private slots:
    void conversions_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("unit");
        QTest::addColumn<float>("base");
        QTest::addColumn<float>("display");
        QTest::newRow("knots") << "speed" << 0 << 10.0f << 10.0f;
        QTest::newRow("km/h") << "speed" << 1 << 10.0f << 18.52f;
        QTest::newRow("mph") << "speed" << 2 << 10.0f << 11.51f;
        QTest::newRow("speed outside table") << "speed" << 7 << 10.0f << 10.0f;
        QTest::newRow("km") << "dist" << 1 << 2.0f << 3.704f;
        QTest::newRow("m") << "dist" << 2 << 1.5f << 2778.0f;
        QTest::newRow("mile") << "dist" << 3 << 2.0f << 2.302f;
        QTest::newRow("ft") << "dist" << 4 << 1.0f << 6076.0f;
        QTest::newRow("dist below table") << "dist" << -1 << 1.0f << 1.0f;
        QTest::newRow("depth ft") << "depth" << 1 << 10.0f << 32.8f;
        QTest::newRow("fathoms") << "depth" << 2 << 18.288f << 10.0f;
        QTest::newRow("height ft") << "height" << 1 << 10.0f << 32.8f;
        QTest::newRow("height outside table") << "height" << 2 << 10.0f << 10.0f;
        QTest::newRow("middle ft") << "middle" << 1 << 10.0f << 32.8f;
    }
    void conversions()
    {
        QFETCH(QString, kind);
        QFETCH(int, unit);
        QFETCH(float, base);
        QFETCH(float, display);
        QCOMPARE(toDisplay(kind, base, unit), display);
        QCOMPARE(toBase(kind, display, unit), base);
    }

    void unitWords()
    {
        const auto word = [](auto get, int unit) {
            return textOf([&](CTextBuffer b) { get(b, unit); });
        };
        QCOMPARE(word([](CTextBuffer b, int u) { getSpeedUnitString(b, SPEED_UNIT(u)); }, 1), QString("Km/h"));
        QCOMPARE(word([](CTextBuffer b, int u) { getSpeedUnitString(b, SPEED_UNIT(u)); }, 9), QString("Kn"));
        QCOMPARE(word([](CTextBuffer b, int u) { getDistUnitString(b, DIST_UNIT(u)); }, 3), QString("mile"));
        QCOMPARE(word([](CTextBuffer b, int u) { getDistUnitString(b, DIST_UNIT(u)); }, -2), QString("NM"));
        QCOMPARE(word([](CTextBuffer b, int u) { getDepthUnitString(b, DEPTH_UNIT(u)); }, 2), QString("fm"));
        QCOMPARE(word([](CTextBuffer b, int u) { getHeightUnitString(b, HEIGHT_UNIT(u)); }, 1), QString("ft"));
        QCOMPARE(word([](CTextBuffer b, int u) { getDegreeUnitString(b, DEGREE_UNIT_S(u)); }, 1), QString("deg"));
        QCOMPARE(word([](CTextBuffer b, int u) { getDegreeUnitString(b, DEGREE_UNIT_S(u)); }, 5), QString("°"));
    }

    void valueTexts_data() { addRows(valueRows()); }
    void valueTexts() { compareRow(); }

    void positionTexts_data() { addRows(positionRows()); }
    void positionTexts() { compareRow(); }

    void positionParts()
    {
        const DEGREE_M west = pos2DegreeMin(-122.25);
        QCOMPARE(int(west.degree), -122);
        QCOMPARE(west.minute, 15.0f);
        const DEGREE_M carried = pos2DegreeMin(22.9999995);
        QCOMPARE(int(carried.degree), 23);
        QCOMPARE(carried.minute, 0.0f);
        const DEGREE_S south = pos2DegreeSec(-33.8568);
        QCOMPARE(int(south.degree), -33);
        QCOMPARE(int(south.minute), 51);
        QCOMPARE(int(south.second), 24);
    }

    void positionRange()
    {
        QVERIFY(checkPosLatFormat(90.9));
        QVERIFY(!checkPosLatFormat(91.0));
        QVERIFY(!checkPosLatFormat(-91.5));
        QVERIFY(checkPosLonFormat(-180.9));
        QVERIFY(!checkPosLonFormat(181.0));
        QVERIFY(!checkPosLonFormat(std::nan("")));
    }

    void bothHalvesOfAPosition()
    {
        char lat[32];
        char lon[32];
        formatStrLatLon(lat, lon, 91.0, -122.25, WORLD_POS_DEGREE_MIN, false);
        QCOMPARE(QString::fromUtf8(lat), QString("--"));
        QCOMPARE(QString::fromUtf8(lon), QString("122°15.0000'W"));
    }

    void trimsInPlace()
    {
        char text[] = "CALL--";
        QCOMPARE(trimRight(text, '-'), size_t(4));
        QCOMPARE(QByteArray(text), QByteArray("CALL"));
        char name[32];
        QCOMPARE(formatStrName(name, "   "), size_t(0));
    }

    void textsKeepThePointUnderADecimalComma()
    {
        verifyUnderDecimalComma([] {
            Rows rows = valueRows();
            const Rows positions = positionRows();
            rows.insert(rows.end(), positions.begin(), positions.end());
            return rows;
        });
    }

    void writersStayInTheirRoom()
    {
        CGuardedBuffer bearing(8); // a number cut short would show a wrong value
        formatStrDistBearing(bearing.buffer(), 1.25f, DIST_UNIT_NM, 45.0f, BEARING_MEASURE_TRUE, DEGREE_UNIT_SIGN);
        QCOMPARE(bearing.text(), QString("--"));
        QVERIFY(bearing.guardIntact());

        CGuardedBuffer id(16);
        formatStrID(id.buffer(), 1, 100);
        QCOMPARE(id.text(), QString("--"));
        QVERIFY(id.guardIntact());

        CGuardedBuffer position(6);
        formatStrLat(position.buffer(), -33.8568, WORLD_POS_DEGREE_MIN_SEC, true);
        QCOMPARE(position.text(), QString("--"));
        QVERIFY(position.guardIntact());

        CGuardedBuffer name(4); // a name is cut, not refused
        formatStrName(name.buffer(), "ALPHA SEA");
        QCOMPARE(name.text(), QString("ALP"));
        QVERIFY(name.guardIntact());

        CGuardedBuffer none(0);
        formatStrRange(none.buffer(), 1.0f, DIST_UNIT_NM, true);
        QVERIFY(none.guardIntact());

        char unterminated[4] = {'4', '5', '.', '5'}; // reads stop at the end, and the text is ended
        formatStrBearingMeasure(unterminated, BEARING_MEASURE_TRUE);
        QCOMPARE(QByteArray(unterminated), QByteArray("45."));
    }
};

QTEST_APPLESS_MAIN(TestUnitText)
#include "tst_unittext.moc"
