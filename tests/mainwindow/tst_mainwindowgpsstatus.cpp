#include "device/CCommSpacesManage.h"
#include "mainwindow/AisConfiguration.h"
#include "mainwindow/CAisConfigurationView.h"
#include "resources/LibraryColor.h"
#include "resources/ResourceCollections.h"
#include "support/Singleton.h"
#include "ui_AisConfiguration.h"
#include "widgets/ModSatelliteMap.h"

#include "StandInPortLister.h"
#include "WindowDeviceFeed.h"

#include <QGraphicsEllipseItem>
#include <QImage>
#include <QtTest>
#include <clocale>
#include <memory>

namespace {

constexpr int64_t FixTime = 1796990400; // 2026-12-11 12:00:00 UTC
const QByteArray FixRmc = "$GPRMC,120000.00,A,5400.0000,N,01030.0000,E,12.5,359.96,111226,,,A";

QString localClock(int64_t seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::LocalTime).toString(QStringLiteral("hh:mm:ss"));
}

// "$GPGSA" with the first used PRNs 1 to `used` (at most 12), 3D fix, HDOP 1.2.
QByteArray gsa(int used)
{
    QByteArray body = "$GPGSA,A,3";
    for (int i = 1; i <= 12; ++i)
        body += ',' + (i <= used ? QByteArray::number(i).rightJustified(2, '0') : QByteArray());
    return CWindowDeviceFeed::closed(body + ",1.8,1.2,1.5");
}

// A GSV group of PRNs 1 to `inView`, four to a message; the untracked PRN has no SNR.
QByteArray gsvGroup(int inView, int untracked)
{
    const int messages = qMax(1, (inView + 3) / 4);
    QByteArray lines;
    for (int m = 0; m < messages; ++m) {
        QByteArray body = "$GPGSV," + QByteArray::number(messages) + ',' + QByteArray::number(m + 1) + ','
                          + QByteArray::number(inView).rightJustified(2, '0');
        for (int prn = 4 * m + 1; prn <= qMin(inView, 4 * m + 4); ++prn) {
            const QByteArray snr = prn == untracked ? QByteArray() : QByteArray::number(20 + prn % 30);
            body += ',' + QByteArray::number(prn).rightJustified(2, '0') + ',' + QByteArray::number(10 + prn * 2)
                    + ',' + QByteArray::number(prn * 12 % 360).rightJustified(3, '0') + ',' + snr;
        }
        lines += CWindowDeviceFeed::closed(body);
    }
    return lines;
}

} // namespace

// The GPS Status page: its texts under a decimal-comma locale, the 5 s hold of the fix time,
// and the sky view and signal chart of GPS records that the device's own receive road filled.
class TestMainWindowGpsStatus : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AisConfiguration> m_window;
    std::unique_ptr<CWindowDeviceFeed> m_feed;
    Ui::AisConfiguration* m_ui = nullptr;

    CDeviceComm& device() { return m_window->commSpaces()->getDeviceComm(); }

    void tickAt(int64_t seconds)
    {
        m_window->secondsSource().set(seconds);
        m_window->onTimerRefresh();
    }

    int shownSymbols()
    {
        int shown = 0;
        for (QGraphicsItem* item : m_window->view()->satelliteMap()->items()) {
            if (qgraphicsitem_cast<QGraphicsEllipseItem*>(item) && !item->parentItem() && item->isVisible())
                ++shown;
        }
        return shown;
    }

    // Bars of one colour, counted as runs along a row just above the chart's x axis.
    int barsOf(int colorEntry)
    {
        QImage chart(1250, 200, QImage::Format_ARGB32);
        chart.fill(Qt::transparent);
        m_window->view()->snrHistogram().paint(&chart);
        const QRgb color = Pattern::Singleton<LibraryColor>::Instance()->currentColor(colorEntry).rgb();
        const int row = chart.height() - 34;
        int runs = 0;
        bool inRun = false;
        for (int x = 0; x < chart.width(); ++x) {
            const bool match = chart.pixel(x, row) == color;
            runs += match && !inRun ? 1 : 0;
            inRun = match;
        }
        return runs;
    }

    void updateStatus(int fixMode, bool timeValid, int64_t fixTime, double lat, double lon, float cog, float sog,
                      float hdop, int64_t now)
    {
        m_window->view()->updateSatelliteStatusDisp(true, fixMode, timeValid, fixTime, Unit::SPointG2dD{lat, lon},
                                                    Unit::WORLD_POS_DEGREE_MIN, cog, sog, hdop, now);
    }

private slots:
    void initTestCase()
    {
        Resources::registerCollections();
        // A decimal comma wherever the program would let the locale in.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    }

    void init()
    {
        m_window = std::make_unique<AisConfiguration>(nullptr, std::make_shared<CStandInPortLister>());
        m_window->refreshTimer()->stop();
        m_ui = m_window->form();
        m_feed = std::make_unique<CWindowDeviceFeed>(device());
        device().getSentenceHandle().setDevDetectState(DEV_STATE_CONFIG_SHOWN);
    }

    void cleanup()
    {
        m_feed.reset();
        m_window.reset();
    }

    void statusTexts_data()
    {
        QTest::addColumn<int>("fixMode");
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("lon");
        QTest::addColumn<float>("cog");
        QTest::addColumn<float>("sog");
        QTest::addColumn<float>("hdop");
        QTest::addColumn<QStringList>("texts"); // fix, latitude, longitude, COG, SOG, HDOP

        QTest::newRow("nothing available") << 1 << 91.0 << 181.0 << 360.0f << 102.3f << 99.9f
                                           << QStringList{"Lost", "--", "--", "--", "--", "--"};
        QTest::newRow("fix 0") << 0 << 91.0 << 181.0 << 360.0f << 102.3f << 99.9f
                               << QStringList{"Lost", "--", "--", "--", "--", "--"};
        QTest::newRow("2D") << 2 << 25.0 + 3.1234 / 60 << -121.5 << 359.96f << 0.0f << 1.2f
                            << QStringList{"2D", "25°3.1234'N", "121°30.0000'W", "360°", "0 Kn", " 1.2"};
        QTest::newRow("3D") << 3 << -33.5 << 10.25 << 45.26f << 12.5f << 12.34f
                            << QStringList{"3D", "33°30.0000'S", "10°15.0000'E", "45.3°", "12.5 Kn", "12.3"};
        QTest::newRow("latitude alone missing") << 3 << 91.0 << 10.25 << 0.0f << 102.2f << 99.8f
                                                << QStringList{"3D", "--", "10°15.0000'E", "0°", "102.2 Kn", "99.8"};
    }

    void statusTexts()
    {
        QFETCH(int, fixMode);
        QFETCH(double, lat);
        QFETCH(double, lon);
        QFETCH(float, cog);
        QFETCH(float, sog);
        QFETCH(float, hdop);
        QFETCH(QStringList, texts);
        updateStatus(fixMode, false, 0, lat, lon, cog, sog, hdop, 1000);
        const QStringList shown{m_ui->lblSatelliteFixText->text(), m_ui->lblSatelliteLatText->text(),
                                m_ui->lblSatelliteLonText->text(), m_ui->lblSatelliteCogText->text(),
                                m_ui->lblSatelliteSogText->text(), m_ui->lblSatelliteHdopText->text()};
        QCOMPARE(shown, texts);
        QCOMPARE(m_ui->lblSatelliteUtcText->text(), QStringLiteral("--"));
    }

    // Once shown, the fix time stays while calls follow within 5 s, whatever the valid flag.
    void utcHold()
    {
        const auto time = [this](bool valid, int64_t fixTime, int64_t now) {
            updateStatus(3, valid, fixTime, 91, 181, 360, 102.3f, 99.9f, now);
            return m_ui->lblSatelliteUtcText->text();
        };
        QCOMPARE(time(false, FixTime, 1000), QStringLiteral("--"));
        QVERIFY(time(true, FixTime, 1000).endsWith(localClock(FixTime)));
        QVERIFY(time(false, FixTime + 1, 1004).endsWith(localClock(FixTime + 1)));
        QVERIFY(time(false, FixTime + 2, 1008).endsWith(localClock(FixTime + 2)));
        QCOMPARE(time(true, 0, 1009), QStringLiteral("--"));
        QCOMPARE(time(false, FixTime + 3, 1013), QStringLiteral("--"));
        QVERIFY(time(true, FixTime + 4, 1014).endsWith(localClock(FixTime + 4)));
    }

    // The tick shows the record as the receive road left it; the hold runs on the window's seconds.
    void statusFromDevice()
    {
        m_feed->receive(gsa(12) + gsvGroup(12, 0) + CWindowDeviceFeed::closed(FixRmc));
        tickAt(5000);
        QCOMPARE(m_ui->lblSatelliteFixText->text(), QStringLiteral("3D"));
        QCOMPARE(m_ui->lblSatelliteLatText->text(), QStringLiteral("54°0.0000'N"));
        QCOMPARE(m_ui->lblSatelliteLonText->text(), QStringLiteral("10°30.0000'E"));
        QCOMPARE(m_ui->lblSatelliteCogText->text(), QStringLiteral("360°"));
        QCOMPARE(m_ui->lblSatelliteSogText->text(), QStringLiteral("12.5 Kn"));
        QCOMPARE(m_ui->lblSatelliteHdopText->text(), QStringLiteral(" 1.2"));
        QVERIFY(m_ui->lblSatelliteUtcText->text().endsWith(localClock(FixTime)));

        // A position without a time leaves the fix time not valid: held for 5 s only.
        m_feed->receive(CWindowDeviceFeed::closed("$GPGGA,,5400.0000,N,01030.0000,E,1,08,1.2,10.0,M,40.0,M,,"));
        QVERIFY(!device().getGpsInfo().snapshot().utcTimeValid);
        tickAt(5004);
        QVERIFY(m_ui->lblSatelliteUtcText->text().endsWith(localClock(FixTime)));
        tickAt(5009);
        QCOMPARE(m_ui->lblSatelliteUtcText->text(), QStringLiteral("--"));
    }

    void satellites_data()
    {
        QTest::addColumn<int>("inView");
        QTest::addColumn<int>("untracked");
        QTest::addColumn<int>("symbols");
        QTest::addColumn<int>("inUseBars");
        QTest::addColumn<int>("inViewBars");
        QTest::newRow("30 in view") << 30 << 0 << 24 << 12 << 12;
        QTest::newRow("30 in view, one at SNR 0") << 30 << 5 << 23 << 11 << 12;
        QTest::newRow("8 in view") << 8 << 0 << 8 << 8 << 0;
        QTest::newRow("none in view") << 0 << 0 << 0 << 0 << 0;
    }

    void satellites()
    {
        QFETCH(int, inView);
        QFETCH(int, untracked);
        QFETCH(int, symbols);
        QFETCH(int, inUseBars);
        QFETCH(int, inViewBars);
        // Some satellites first, so that an empty sky must clear them.
        m_feed->receive(gsa(12) + gsvGroup(4, 0) + CWindowDeviceFeed::closed(FixRmc));
        tickAt(5000);
        m_feed->receive(gsa(12) + gsvGroup(inView, untracked) + CWindowDeviceFeed::closed(FixRmc));
        tickAt(5001);
        QCOMPARE(shownSymbols(), symbols);
        QCOMPARE(barsOf(16), inUseBars);
        QCOMPARE(barsOf(22), inViewBars);
    }
};

QTEST_MAIN(TestMainWindowGpsStatus)
#include "tst_mainwindowgpsstatus.moc"
