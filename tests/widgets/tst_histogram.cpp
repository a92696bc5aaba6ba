#include "widgets/WgHistogram.h"

#include <QImage>
#include <QtTest>

namespace {

const QColor Background(Qt::black);
const QColor Red(0xff0000);
const QColor Blue(0x0000ff);
const QColor Green(0x00ff00);

// The chart as the GPS page shows it: 400 by 200.
QImage paintChart(WgHistogram& chart)
{
    QImage image(400, 200, QImage::Format_RGB32);
    image.fill(Background);
    chart.paint(&image);
    return image;
}

struct Run
{
    int start;
    int width;
    QRgb color;
};

// Runs of bar colour (anything but the background, the axis and the value texts) along a row.
QVector<Run> barRuns(const QImage& image, int row, const QList<QColor>& barColors)
{
    QVector<Run> runs;
    for (int x = 0; x < image.width(); ++x) {
        const QRgb pixel = image.pixel(x, row);
        const bool isBar = std::any_of(barColors.begin(), barColors.end(), [&](const QColor& c) { return c.rgb() == pixel; });
        if (!isBar)
            continue;
        if (!runs.isEmpty() && runs.last().start + runs.last().width == x && runs.last().color == pixel)
            ++runs.last().width;
        else
            runs.append({x, 1, pixel});
    }
    return runs;
}

// First and last row holding the colour between the columns, and whether every row between does.
struct Rows
{
    int first = -1;
    int last = -1;
    bool contiguous = true;
};

Rows rowsWith(const QImage& image, const QColor& color, int left, int right)
{
    Rows rows;
    for (int y = 0; y < image.height(); ++y) {
        bool found = false;
        for (int x = left; x <= right && !found; ++x)
            found = image.pixel(x, y) == color.rgb();
        if (!found)
            continue;
        if (rows.first < 0)
            rows.first = y;
        else if (rows.last != y - 1)
            rows.contiguous = false;
        rows.last = y;
    }
    return rows;
}

} // namespace

class TstHistogram : public QObject
{
    Q_OBJECT

private slots:
    // A bar's rectangle is B wide; Qt strokes its one-pixel outline just right of it and below it,
    // so B + 1 columns show, and the row below lands on the x axis, which is drawn over it.
    void barLayout_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("firstLeft");
        QTest::addColumn<int>("barWidth");

        QTest::newRow("twelve bars") << 12 << 47 << 15;
        QTest::newRow("one bar, width capped") << 1 << 188 << 64;
        QTest::newRow("two bars") << 2 << 124 << 64;
    }

    void barLayout()
    {
        QFETCH(int, count);
        QFETCH(int, firstLeft);
        QFETCH(int, barWidth);
        WgHistogram chart(nullptr);
        chart.setMaxValue(50);
        for (int i = 0; i < count; ++i)
            chart.addItem(QString::number(i + 1), 45, Red, i);
        const QImage image = paintChart(chart);

        const QVector<Run> runs = barRuns(image, 167, {Red});
        QCOMPARE(runs.size(), count);
        for (int i = 0; i < count; ++i) {
            QCOMPARE(runs[i].start, firstLeft + 2 * barWidth * i);
            QCOMPARE(runs[i].width, barWidth + 1);
        }
        // 45 of 50 on a scale of 152 pixels: 136 rows above the axis at 168.
        const Rows rows = rowsWith(image, Red, firstLeft, firstLeft + barWidth);
        QCOMPARE(rows.first, 32);
        QCOMPARE(rows.last, 167);
        QVERIFY(rows.contiguous);
    }

    void itemOrder()
    {
        WgHistogram chart(nullptr);
        chart.addItem("1", 20, Red, 0);      // index equal to the count: appended
        chart.addItem("2", 20, Red, 5);      // past the count: appended
        chart.addItem("3", 20, Blue, 0);     // inserted first
        chart.addItem("4", 20, Green, 99);
        chart.addItem("5", 20, Blue, -3);    // a negative index counts as the front
        const QVector<Run> runs = barRuns(paintChart(chart), 167, {Red, Blue, Green});
        QVector<QRgb> colors;
        for (const Run& run : runs)
            colors << run.color;
        QCOMPARE(colors, (QVector<QRgb>{Blue.rgb(), Blue.rgb(), Red.rgb(), Red.rgb(), Green.rgb()}));

        chart.clear();
        QVERIFY(barRuns(paintChart(chart), 167, {Red, Blue, Green}).isEmpty());
    }

    // A fresh chart draws against a maximum of 50; a maximum of 0 draws axes and scale only.
    void maximum_data()
    {
        QTest::addColumn<int>("maximum");  // -1: never set
        QTest::addColumn<int>("barTop");   // -1: no bar

        QTest::newRow("never set") << -1 << 32;
        QTest::newRow("zero") << 0 << -1;
    }

    void maximum()
    {
        QFETCH(int, maximum);
        QFETCH(int, barTop);
        WgHistogram chart(nullptr);
        if (maximum >= 0)
            chart.setMaxValue(unsigned(maximum));
        chart.addItem("7", 45, Red, 0);
        chart.addItem("9", 12, Blue, 1);
        const QImage image = paintChart(chart);

        QCOMPARE(rowsWith(image, Red, 45, 399).first, barTop);
        const QColor axis = image.pixelColor(40, 100);
        QVERIFY(axis != Background);
        QCOMPARE(image.pixelColor(200, 168), axis);
        if (barTop < 0) {
            // Neither bars nor value texts anywhere above the x axis, right of the y axis.
            for (int y = 0; y < 168; ++y) {
                for (int x = 45; x < 400; ++x)
                    QVERIFY2(image.pixelColor(x, y) == Background, qPrintable(QString("%1,%2").arg(x).arg(y)));
            }
        }
    }
};

QTEST_MAIN(TstHistogram)
#include "tst_histogram.moc"
