#include "mainwindow/AisConfiguration.h"
#include "mainwindow/CAisConfigurationView.h"
#include "mainwindow/ports/ExtraPorts.h"
#include "resources/ResourceCollections.h"
#include "ui_AisConfiguration.h"

#include "JourneySteps.h"
#include "LogCapture.h"
#include "WindowSimRig.h"

#include <QMessageBox>
#include <QtTest>
#include <memory>

namespace {

constexpr int WaitMs = WindowSimRig::WaitMs;

} // namespace

// The cable pulled while the device talks, then plugged in again: the window says the link is
// gone, shows nothing of the lost device, and connects to it again when asked.
class TestJourneyUnplug : public QObject
{
    Q_OBJECT

private:
    WindowSimRig m_rig;
    std::unique_ptr<BoxAnswerer> m_boxes;
    Ui::AisConfiguration* m_ui = nullptr;
    int64_t m_now = WindowSimRig::Start;

    int vesselRows() const { return m_ui->tbvwOtherVessels->model()->rowCount(); }
    int homeVesselRows() const { return m_ui->tbvwHomeOtherVessels->model()->rowCount(); }
    int homeSatellites() const { return JourneySteps::shownSatellites(m_ui->gpvwHomeSatelliteMap); }

    // Ticks the window's seconds until the device's traffic shows on Home.
    bool trafficShown()
    {
        return QTest::qWaitFor(
            [&] {
                m_rig.tickAt(++m_now);
                return homeVesselRows() > 0 && homeSatellites() > 0 && !m_ui->txbwSerialRx->toPlainText().isEmpty();
            },
            WaitMs);
    }

    void checkNothingOfTheDevice()
    {
        QCOMPARE(m_ui->tbwgMain->currentWidget(), m_ui->tabMainHome);
        for (QLabel* label : {m_ui->lblHomeShipName, m_ui->lblHomeCallSign, m_ui->lblHomeMmsi, m_ui->lblHomeVesselType,
                              m_ui->lblHomeProductSNValue, m_ui->lblHomeProductFVValue})
            QVERIFY2(label->text().isEmpty(), qPrintable(label->objectName() + ": " + label->text()));
        QCOMPARE(homeVesselRows(), 0);
        QCOMPARE(vesselRows(), 0);
        QCOMPARE(homeSatellites(), 0);
        QVERIFY(m_ui->txbwSerialRx->toPlainText().isEmpty());
    }

private slots:
    void initTestCase()
    {
        Resources::registerCollections();
        LogCapture::start();
        m_boxes = std::make_unique<BoxAnswerer>();
    }

    void cleanup() { QVERIFY(m_rig.stop()); }

    void unplugAndReplug_data()
    {
        QTest::addColumn<int>("model");
        QTest::newRow("UNIT-K-42") << 1;
        QTest::newRow("Q-375") << 2;
    }

    void unplugAndReplug()
    {
        QFETCH(int, model);
        const QString name = JourneySteps::factoryValue(model, "name");
        const QString mmsi = JourneySteps::factoryValue(model, "mmsi");
        // The Q-375's Wi-Fi power question is answered No.
        m_boxes->reset(QMessageBox::No);
        QVERIFY(m_rig.start(model));
        m_ui = m_rig.ui();
        m_now = WindowSimRig::Start;
        QVERIFY(JourneySteps::connectAndRead(m_rig, &m_now));
        QCOMPARE(m_ui->lblHomeShipName->text(), name);
        QVERIFY(trafficShown());
        QTest::mouseClick(m_ui->btnMMOtherVessels, Qt::LeftButton);
        QVERIFY(vesselRows() > 0);
        QTest::mouseClick(m_ui->btnMMHome, Qt::LeftButton);

        // Pulled mid-traffic: Connect is offered again, with the port list, and no box stops the user.
        m_boxes->reset(QMessageBox::No);
        m_rig.sim().command("unplug");
        QVERIFY(QTest::qWaitFor([&] { return !m_ui->btnCommConnt->isChecked(); }, WaitMs));
        QVERIFY(m_ui->btnCommConnt->isEnabled());
        QCOMPARE(m_ui->btnCommConnt->text(), QStringLiteral("Connect"));
        QCOMPARE(m_ui->lblConntStatus->text(), QStringLiteral("Click to connect the device!"));
        QVERIFY(m_rig.window().view()->serialPortComboBox().isEnabled());
        QVERIFY(!m_ui->wgMainMenu->isEnabled());
        QVERIFY(m_boxes->texts.isEmpty());
        CHECK_STEP(checkNothingOfTheDevice());

        // Seconds go by unplugged: nothing of the lost device comes back.
        for (int second = 0; second < 5; ++second)
            m_rig.tickAt(++m_now);
        CHECK_STEP(checkNothingOfTheDevice());

        // Plugged in again, the device gets a new port; the user picks it and connects.
        QVERIFY(m_rig.sim().stop());
        QVERIFY(m_rig.sim().start({"--model", QString::number(model)}));
        qputenv(ExtraPortsVariable, m_rig.sim().devicePath().toLocal8Bit());
        m_now += 10;
        QVERIFY(JourneySteps::connectAndRead(m_rig, &m_now));
        QVERIFY(m_ui->lblConntStatus->text().isEmpty());
        QCOMPARE(m_ui->lblHomeShipName->text(), name);
        QCOMPARE(m_ui->lblHomeMmsi->text(), mmsi);
        QVERIFY(trafficShown());
        QTest::mouseClick(m_ui->btnMMOtherVessels, Qt::LeftButton);
        QCOMPARE(m_ui->tbwgMain->currentWidget(), m_ui->tabMainOtherVessels);
        QVERIFY(vesselRows() > 0);
    }
};

QTEST_MAIN(TestJourneyUnplug)
#include "tst_journeyunplug.moc"
