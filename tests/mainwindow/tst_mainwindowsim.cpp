#include "codec/sentence/I62Syntax.h"
#include "device/CCommSpacesManage.h"
#include "mainwindow/AisConfiguration.h"
#include "mainwindow/CAisConfigurationView.h"
#include "resources/ResourceCollections.h"
#include "ui_AisConfiguration.h"

#include "LogCapture.h"
#include "WindowSimRig.h"

#include <QtTest>
#include <cstring>
#include <memory>

namespace {

constexpr int WaitMs = WindowSimRig::WaitMs;

} // namespace

// The program's window on the simulated transponder: Connect pressed as a user would, the
// device asked for its model.
class TestMainWindowSim : public QObject
{
    Q_OBJECT

private:
    WindowSimRig m_rig;
    AisConfiguration* m_window = nullptr;
    Ui::AisConfiguration* m_ui = nullptr;

    CDeviceComm& device() { return m_rig.device(); }
    COMM_VELK_DEV_STATE state() { return m_rig.state(); }

    bool start(int model)
    {
        const bool started = m_rig.start(model);
        m_window = &m_rig.window();
        m_ui = m_rig.ui();
        return started;
    }

    bool selectSimPort() { return m_rig.selectSimPort(); }

    // What the refresh loop sends first to learn the model.
    bool sendIdentificationQuery()
    {
        char sentence[64] = "$AIAIQ,VER";
        return I62_Compose_CheckSum(sentence, sizeof sentence)
               && m_window->commSpaces()->sendCommand(sentence, int(std::strlen(sentence)));
    }

private slots:
    void initTestCase()
    {
        Resources::registerCollections();
        LogCapture::start();
    }

    void cleanup() { QVERIFY(m_rig.stop()); }

    void connectAndShowModel_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("nmea1Input");
        QTest::newRow("model 2 hides the second port") << 2 << "NMEA 1";
        QTest::newRow("model 1 shows it") << 1 << "NMEA 1 Input";
    }

    void connectAndShowModel()
    {
        QFETCH(int, model);
        QFETCH(QString, nmea1Input);
        QVERIFY(start(model));
        QVERIFY(selectSimPort());

        QSignalSpy saved(m_window->commSpaces(), &CCommSpaces::signalCommDataSaved);
        QTest::mouseClick(m_ui->btnCommConnt, Qt::LeftButton);
        QVERIFY(m_ui->btnCommConnt->isChecked());
        QVERIFY(!m_ui->btnCommConnt->isEnabled());
        QVERIFY(!m_window->view()->serialPortComboBox().isEnabled());
        QCOMPARE(m_ui->btnCommConnt->text(), QStringLiteral("Disconnect"));
        QCOMPARE(m_ui->lblConntStatus->text(), QStringLiteral("Determining the AIS Device Type..."));

        QVERIFY(QTest::qWaitFor([&] { return m_ui->btnCommConnt->isEnabled(); }, WaitMs));
        QCOMPARE(saved.count(), 1);
        QCOMPARE(state(), DEV_STATE_LINK_SAVED);
        QVERIFY(device().getLink());

        QVERIFY(sendIdentificationQuery());
        QVERIFY(m_rig.sim().waitForLog("in", "$AIAIQ,VER", WaitMs));
        QVERIFY(QTest::qWaitFor([&] { return state() == DEV_STATE_MODEL_KNOWN; }, WaitMs));
        const MACHINE_TYPE known = device().getSentenceHandle().getMachineType();
        QCOMPARE(int(known), model);
        m_window->view()->updateMachineDisp(known);
        QCOMPARE(m_ui->lblCfgNmea1Input->text(), nmea1Input);
        const bool secondPort = model == 1;
        for (QWidget* widget : {static_cast<QWidget*>(m_ui->cbbxCfgNmea2Input), m_ui->wgDiagStatus,
                                static_cast<QWidget*>(m_ui->lblDiagCheckExtPwr)})
            QCOMPARE(widget->isHidden(), !secondPort);
    }

    // The communication thread ends before the display objects go, between the two lines.
    void destroyWhileConnected()
    {
        QVERIFY(start(2));
        QVERIFY(selectSimPort());
        QTest::mouseClick(m_ui->btnCommConnt, Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return m_ui->btnCommConnt->isEnabled(); }, WaitMs));
        QVERIFY(device().getLink());
        LogCapture::take();
        m_rig.closeWindow();
        const QStringList logged = LogCapture::take();
        const int begun = logged.indexOf(QStringLiteral("~AisConfiguration [L]Start"));
        const int ended = logged.indexOf(QStringLiteral("~AisConfiguration [L]End"));
        QVERIFY2(begun >= 0 && ended > begun, qPrintable(logged.join('\n')));
        // The link was let go: the simulator sees its terminal closed and carries on.
        QVERIFY(m_rig.stop());
    }
};

QTEST_MAIN(TestMainWindowSim)
#include "tst_mainwindowsim.moc"
