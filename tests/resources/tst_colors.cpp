#include "LogCapture.h"

#include "resources/CHistogramColor.h"
#include "resources/CSatelliteMapColor.h"
#include "resources/LibraryColor.h"
#include "support/Singleton.h"

#include <QtTest>

using Shades = QVector<unsigned int>;

namespace {

// Mode-0 colours of the whole table, copied from the colour list the other screens rely on.
const unsigned int ModeZeroColors[] = {
    0xff0000, 0xb22222, 0xff0080, 0xdb7093, 0xff8000, 0xff7f50, 0xffff00, 0xffd700, 0xffdab9, 0xdaa520,
    0x800080, 0xff00ff, 0x6a5acd, 0x483d8b, 0x0a246a, 0x008000, 0x00ff00, 0x556b2f, 0x0000ff, 0x00ffff,
    0xb0c4de, 0xa6caf0, 0x1e90ff, 0x6495ed, 0x4169e1, 0x000080, 0x191970, 0xa52a2a, 0x800000, 0xffffff,
    0xfffbf0, 0x808080, 0x000000, 0x121212, 0x282828, 0x333333, 0x505050, 0x696969, 0xa9a9a9, 0xc0c0c0,
    0xececec,
};

Shades hexWords(const CColor& color)
{
    Shades shades;
    for (int k = 0; k < CColor::ShadeCount; ++k)
        shades << color.hex(k);
    return shades;
}

unsigned int rgbOf(const QColor& color)
{
    return color.rgb() & 0xFFFFFF;
}

} // namespace

class TestColors : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LogCapture::start(); }

    void shades_data()
    {
        QTest::addColumn<unsigned int>("hex");
        QTest::addColumn<Shades>("shades");
        QTest::addColumn<int>("hue");
        QTest::addColumn<int>("saturation");
        QTest::addColumn<int>("value");

        QTest::newRow("black stays black") << 0x000000u << Shades{0x000000, 0x000000, 0x000000, 0x000000, 0x000000}
                                           << 0 << 0 << 0;
        QTest::newRow("white") << 0xFFFFFFu << Shades{0xFFFFFF, 0xE6E6E6, 0xCDCDCD, 0xB4B4B4, 0x9B9B9B} << 0 << 0
                               << 255;
        QTest::newRow("red") << 0xFF0000u << Shades{0xFF0000, 0xE60000, 0xCD0000, 0xB40000, 0x9B0000} << 0 << 100
                             << 255;
        // The whole-percent saturation (88 rather than 88.2) makes these shades.
        QTest::newRow("dodger blue") << 0x1E90FFu << Shades{0x1E90FF, 0x1B84E6, 0x1875CD, 0x1567B4, 0x12599B}
                                     << 209 << 88 << 255;
        QTest::newRow("midnight blue turns black") << 0x191970u
                                                   << Shades{0x191970, 0x141457, 0x0E0E3E, 0x080825, 0x02020C}
                                                   << 240 << 77 << 112;
        // A hue past 255 degrees: kept in one byte it would wrap to green.
        QTest::newRow("rose, hue 329") << 0xFF0080u << Shades{0xFF0080, 0xE60076, 0xCD0069, 0xB4005C, 0x9B0050}
                                       << 329 << 100 << 255;
        QTest::newRow("purple, hue 300") << 0x800080u << Shades{0x800080, 0x670067, 0x4E004E, 0x350035, 0x1C001C}
                                         << 300 << 100 << 128;
        QTest::newRow("top byte cleared") << 0x12FF0000u << Shades{0xFF0000, 0xE60000, 0xCD0000, 0xB40000, 0x9B0000}
                                          << 0 << 100 << 255;
    }
    void shades()
    {
        QFETCH(unsigned int, hex);
        QFETCH(Shades, shades);
        QFETCH(int, hue);
        QFETCH(int, saturation);
        QFETCH(int, value);

        CColor color;
        color.setHex(hex, true);
        QCOMPARE(hexWords(color), shades);
        for (int k = 0; k < CColor::ShadeCount; ++k) {
            QCOMPARE(color.rgba(k) >> 8, shades[k]);
            const RGB_DATA rgb = std::get<RGB_DATA>(color.converted(k));
            QCOMPARE((unsigned(rgb.red) << 16) | (unsigned(rgb.green) << 8) | rgb.blue, shades[k]);
        }
        QCOMPARE(color.currentColor(), QColor(QRgb(shades[0])));

        color.convertTo(COLOR_SPACE_HSV, true);
        QCOMPARE(color.colorSpace(), COLOR_SPACE_RGB);
        const HSV_DATA hsv = std::get<HSV_DATA>(color.converted(0));
        QCOMPARE(int(hsv.hue), hue);
        QCOMPARE(int(hsv.saturation), saturation);
        QCOMPARE(int(hsv.value), value);
        QCOMPARE(int(hsv.alpha), 0xFF);
    }

    void setHexWithoutDerivingKeepsShades()
    {
        CColor color;
        color.setHex(0xFF0000, true);
        color.setHex(0x120000FF, false);
        QCOMPARE(hexWords(color), (Shades{0x120000FF, 0xE60000, 0xCD0000, 0xB40000, 0x9B0000}));
        QCOMPARE(color.rgba(0), 0x0000FFFFu);
        QCOMPARE(std::get<RGB_DATA>(color.converted(0)).blue, uint8_t(0xFF));

        color.setHex(0x010101, 0x020202, 0x030303, 0x040404, 0x050505);
        QCOMPARE(hexWords(color), (Shades{0x010101, 0x020202, 0x030303, 0x040404, 0x050505}));
        QCOMPARE(color.rgba(4), 0x050505FFu);
    }

    void alphaLeavesHexWords()
    {
        CColor color;
        color.setHex(0x1E90FF, true);
        color.convertTo(COLOR_SPACE_HSV, false);
        color.setAlpha(0x80);
        QCOMPARE(color.rgba(0), 0x1E90FF80u);
        QCOMPARE(color.rgba(1), 0x1B84E680u);
        QCOMPARE(std::get<HSV_DATA>(color.converted(0)).alpha, uint8_t(0x80));
        QCOMPARE(std::get<RGB_DATA>(color.converted(1)).alpha, uint8_t(0x80));
        QCOMPARE(color.hex(1), 0x1B84E6u);
        QCOMPARE(color.currentColor(), QColor(0x1E, 0x90, 0xFF));
    }

    void tableShowsModeZeroColors()
    {
        const ResourceColor table;
        const ResourceColor& library = *Pattern::Singleton<LibraryColor>::Instance();
        QCOMPARE(int(std::size(ModeZeroColors)), ResourceColor::ColorCount);
        for (int i = 0; i < ResourceColor::ColorCount; ++i) {
            const QByteArray entry = QByteArray::number(i);
            QVERIFY2(rgbOf(table.currentColor(i)) == ModeZeroColors[i], entry);
            QVERIFY2(rgbOf(library.currentColor(i)) == ModeZeroColors[i], entry);
            QVERIFY2(table.entry(i).brillMode() == COLOR_BRILL_0, entry);
        }
    }

    void indexOutsideTableGivesBlack()
    {
        const ResourceColor table;
        LogCapture::take();
        QCOMPARE(table.currentColor(ResourceColor::ColorCount), QColor(Qt::black));
        QCOMPARE(table.currentColor(-1), QColor(Qt::black));
        QCOMPARE(LogCapture::take().filter("is outside the table").size(), 2);
    }

    void brightnessSwitch()
    {
        CSatelliteMapColor map;
        QVERIFY(!map.inUseColor().isValid());
        map.updateColor();
        QCOMPARE(rgbOf(map.inUseColor()), 0x00FF00u);
        QCOMPARE(rgbOf(map.inViewColor()), 0x00FFFFu);

        map.switchColorBrill(COLOR_BRILL_1);
        QCOMPARE(rgbOf(map.inUseColor()), 0x00E600u);
        QCOMPARE(rgbOf(map.inViewColor()), 0x00E6E6u);
        QCOMPARE(rgbOf(map.symbolOutlineColor()), 0xE6E6E6u);
        QCOMPARE(rgbOf(map.numberTextColor()), 0x000000u);
        QCOMPARE(rgbOf(map.compassSquareColor()), 0x909090u);
        QCOMPARE(map.entry(2).hex(map.entry(2).brillMode()), 0xE60076u);

        // A mode past the last shade is refused.
        map.switchColorBrill(static_cast<COLOR_BRILL_M>(CColor::ShadeCount));
        QCOMPARE(rgbOf(map.inUseColor()), 0x00E600u);

        CHistogramColor chart;
        QVERIFY(!chart.axisColor().isValid());
        chart.updateColor();
        QCOMPARE(rgbOf(chart.axisColor()), 0xFFFBF0u);
        QCOMPARE(rgbOf(chart.valueTextColor()), 0x282828u);
        chart.switchColorBrill(COLOR_BRILL_4);
        QCOMPARE(rgbOf(chart.axisColor()), 0x9B9893u);
        QCOMPARE(rgbOf(chart.valueTextColor()), 0x000000u);
    }
};

QTEST_GUILESS_MAIN(TestColors)
#include "tst_colors.moc"
