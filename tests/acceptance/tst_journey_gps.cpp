#include "mainwindow/AisConfiguration.h"
#include "resources/ResourceCollections.h"
#include "ui_AisConfiguration.h"
#include "widgets/WgHistogram.h"

#include "LogCapture.h"
#include "SimTrafficFreeze.h"
#include "WindowSimRig.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsTextItem>
#include <QImage>
#include <QLineF>
#include <QSet>
#include <QtTest>
#include <algorithm>
#include <cmath>

namespace {

constexpr int WaitMs = WindowSimRig::WaitMs;
constexpr double DegreeToRadian = 3.14159265358979 / 180;
// How far a symbol may stand from where its azimuth and elevation put it: whole-pixel placing.
constexpr double SkyTolerancePx = 5;

// One satellite of the simulator's GSV sentences.
struct SSatellite
{
    QString prn;
    int elevation = 0;
    int azimuth = 0;
    int snr = 0;
    bool used = false;
};

QList<SSatellite> satellitesOf(const QList<QByteArray>& second)
{
    QByteArrayList used;
    QList<SSatellite> satellites;
    for (const QByteArray& line : second) {
        const QByteArrayList fields = SimTrafficFreeze::fields(line);
        if (fields[0] == "GPGSA")
            used = fields.mid(3, 12);
        if (fields[0] != "GPGSV")
            continue;
        for (int at = 4; at + 3 < fields.size(); at += 4) {
            satellites.append({QString::number(fields[at].toInt()), fields[at + 1].toInt(), fields[at + 2].toInt(),
                               fields[at + 3].toInt(), false});
        }
    }
    for (SSatellite& satellite : satellites)
        satellite.used = used.contains(QByteArray::number(satellite.prn.toInt()).rightJustified(2, '0'));
    return satellites;
}

// "4333.0123","N" as the page writes it: "43°33.0123'N".
QString angleText(const QByteArray& value, const QByteArray& hemisphere, int degreeDigits)
{
    return QStringLiteral("%1°%2'%3")
        .arg(value.left(degreeDigits).toInt())
        .arg(value.mid(degreeDigits).toDouble(), 0, 'f', 4)
        .arg(QString::fromLatin1(hemisphere));
}

// One decimal, none when it is 0.
QString shortNumber(const QByteArray& value)
{
    QString text = QString::number(value.toDouble(), 'f', 1);
    if (text.endsWith(QLatin1String(".0")))
        text.chop(2);
    return text;
}

// The page's texts as the simulator's second gives them: fix, latitude, longitude, COG, SOG,
// HDOP and the clock of the fix time in local time.
QStringList expectedTexts(const QList<QByteArray>& second)
{
    const QByteArray rmc = SimTrafficFreeze::lineOf(second, "$GPRMC");
    const QByteArrayList fix = SimTrafficFreeze::fields(rmc);
    const QByteArrayList gsa = SimTrafficFreeze::fields(SimTrafficFreeze::lineOf(second, "$GPGSA"));
    const QString clock = SimTrafficFreeze::utcOf(rmc).toLocalTime().toString(QStringLiteral("hh:mm:ss"));
    return {gsa.value(2) + "D",
            angleText(fix.value(3), fix.value(4), 2),
            angleText(fix.value(5), fix.value(6), 3),
            shortNumber(fix.value(8)) + "°",
            shortNumber(fix.value(7)) + " Kn",
            QString::number(gsa.value(16).toDouble(), 'f', 1).rightJustified(4),
            clock};
}

// A bar of the signal chart: its colour and its height in pixels.
struct SBar
{
    QRgb color;
    int height;
};

} // namespace

// GPS Status on the simulated transponder: the user opens the page and sees the fix, the
// position, the time, the sky and the signal bars of what the device last sent, second after
// second.
class TestJourneyGps : public QObject
{
    Q_OBJECT

private:
    WindowSimRig m_rig;
    // Model 2 asks once about the power supply for its Wi-Fi set-up; not setting up Wi-Fi, the
    // user answers No.
    BoxAnswerer m_boxes;
    int64_t m_now = WindowSimRig::Start;

    QStringList shownTexts()
    {
        const Ui::AisConfiguration* ui = m_rig.ui();
        const QString utc = ui->lblSatelliteUtcText->text();
        return {ui->lblSatelliteFixText->text(), ui->lblSatelliteLatText->text(), ui->lblSatelliteLonText->text(),
                ui->lblSatelliteCogText->text(),  ui->lblSatelliteSogText->text(), ui->lblSatelliteHdopText->text(),
                utc.mid(utc.lastIndexOf(' ') + 1)};
    }

    QStringList tickedTexts()
    {
        m_rig.tickAt(++m_now);
        return shownTexts();
    }

    // The sky view as drawn: each shown number with the symbol under it.
    void checkSky(const QList<SSatellite>& satellites)
    {
        QGraphicsScene* sky = m_rig.ui()->gpvwSatelliteMap->scene();
        QVERIFY(sky);
        const QRectF area = sky->sceneRect();
        QVERIFY(area.width() > 4 * SkyTolerancePx);
        QStringList shown;
        QSet<QRgb> usedFills;
        QSet<QRgb> unusedFills;
        for (QGraphicsItem* item : sky->items()) {
            auto* number = qgraphicsitem_cast<QGraphicsTextItem*>(item);
            if (!number || number->parentItem() || !number->isVisible())
                continue;
            const QString prn = number->toPlainText();
            shown.append(prn);
            const QPointF at = number->sceneBoundingRect().center();
            QGraphicsEllipseItem* symbol = nullptr;
            for (QGraphicsItem* under : sky->items(at)) {
                auto* disc = qgraphicsitem_cast<QGraphicsEllipseItem*>(under);
                if (disc && !disc->parentItem() && disc->isVisible())
                    symbol = disc;
            }
            QVERIFY2(symbol, qPrintable(prn));
            const auto satellite = std::find_if(satellites.begin(), satellites.end(),
                                                [&](const SSatellite& s) { return s.prn == prn; });
            QVERIFY2(satellite != satellites.end(), qPrintable(prn));
            const double radius = area.width() / 2 * (1 - satellite->elevation / 90.0);
            const double azimuth = satellite->azimuth * DegreeToRadian;
            const QPointF expected =
                area.center() + QPointF(radius * std::sin(azimuth), -radius * std::cos(azimuth));
            const double off = QLineF(expected, symbol->sceneBoundingRect().center()).length();
            QVERIFY2(off <= SkyTolerancePx, qPrintable(QStringLiteral("%1 off by %2 px").arg(prn).arg(off)));
            (satellite->used ? usedFills : unusedFills).insert(symbol->brush().color().rgb());
        }
        QStringList sent;
        for (const SSatellite& satellite : satellites)
            sent.append(satellite.prn);
        shown.sort();
        sent.sort();
        QCOMPARE(shown, sent);
        QCOMPARE(usedFills.size(), 1);
        QCOMPARE(unusedFills.size(), 1);
        QVERIFY(usedFills != unusedFills);
    }

    // The chart painted on an image of its own: one bar per satellite heard, in the order sent,
    // as high as its SNR, coloured by whether it is used.
    void checkBars(const QList<SSatellite>& satellites)
    {
        auto* chart = m_rig.ui()->tabMainGPSStatus->findChild<WgHistogram*>();
        QVERIFY(chart);
        QImage image(800, 250, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        chart->paint(&image);
        // Two rows above the x axis, right of the y axis: only bars are there.
        const int row = image.height() - 34;
        QList<SBar> bars;
        for (int x = 41; x < image.width(); ++x) {
            const QRgb color = image.pixel(x, row);
            if (qAlpha(color) == 0 || image.pixel(x - 1, row) == color)
                continue;
            int top = row;
            while (top > 0 && image.pixel(x, top - 1) == color)
                --top;
            bars.append({color, row + 2 - top});
        }
        QList<SSatellite> heard;
        for (const SSatellite& satellite : satellites) {
            if (satellite.snr > 0)
                heard.append(satellite);
        }
        QCOMPARE(bars.size(), heard.size());
        const auto strongest = std::max_element(heard.begin(), heard.end(),
                                                [](const SSatellite& a, const SSatellite& b) { return a.snr < b.snr; });
        const int tallest = bars[int(strongest - heard.begin())].height;
        QVERIFY(tallest > 50);
        QSet<QRgb> usedColors;
        QSet<QRgb> unusedColors;
        for (int i = 0; i < bars.size(); ++i) {
            const double expected = double(tallest) * heard[i].snr / strongest->snr;
            QVERIFY2(std::abs(bars[i].height - expected) <= 2,
                     qPrintable(QStringLiteral("%1: %2 px for SNR %3").arg(heard[i].prn).arg(bars[i].height).arg(
                         heard[i].snr)));
            (heard[i].used ? usedColors : unusedColors).insert(bars[i].color);
        }
        QCOMPARE(usedColors.size(), 1);
        QCOMPARE(unusedColors.size(), 1);
        QVERIFY(usedColors != unusedColors);
    }

private slots:
    void initTestCase()
    {
        Resources::registerCollections();
        LogCapture::start();
    }

    void init() { m_boxes.reset(QMessageBox::No); }

    void cleanup() { QVERIFY(m_rig.stop()); }

    void gpsStatusFollowsSimulator_data()
    {
        QTest::addColumn<int>("model");
        QTest::newRow("UNIT-K-42") << 1;
        QTest::newRow("Q-375") << 2;
    }

    void gpsStatusFollowsSimulator()
    {
        QFETCH(int, model);
        QVERIFY(m_rig.connectSim(model));
        m_now = WindowSimRig::Start;
        QVERIFY(m_rig.detect(&m_now));
        Ui::AisConfiguration* ui = m_rig.ui();
        QTest::mouseClick(ui->btnMMGPSStatus, Qt::LeftButton);
        QCOMPARE(ui->tbwgMain->currentWidget(), ui->tabMainGPSStatus);

        QStringList before;
        for (int pass = 0; pass < 2; ++pass) {
            if (pass > 0)
                QVERIFY(SimTrafficFreeze::resume(m_rig.sim()));
            const QList<QByteArray> second = SimTrafficFreeze::freeze(m_rig.sim());
            QVERIFY(!second.isEmpty());
            const QStringList expected = expectedTexts(second);
            QTRY_COMPARE_WITH_TIMEOUT(tickedTexts(), expected, WaitMs);
            const QList<SSatellite> satellites = satellitesOf(second);
            QVERIFY(satellites.size() > 4);
            checkSky(satellites);
            checkBars(satellites);
            // The next second moved the vessel and the clock on.
            if (pass > 0) {
                QVERIFY(expected[1] != before[1] || expected[2] != before[2]);
                QVERIFY(expected[6] != before[6]);
            }
            before = expected;
        }
    }
};

QTEST_MAIN(TestJourneyGps)
#include "tst_journey_gps.moc"
