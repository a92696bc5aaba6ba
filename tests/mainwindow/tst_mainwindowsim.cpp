#include "codec/sentence/I62Syntax.h"
#include "device/CCommSpacesManage.h"
#include "mainwindow/AisConfiguration.h"
#include "mainwindow/CAisConfigurationView.h"
#include "mainwindow/ports/ExtraPorts.h"
#include "resources/ResourceCollections.h"
#include "ui_AisConfiguration.h"

#include "LogCapture.h"
#include "SimProcess.h"
#include "TestEnv.h"

#include <QtTest>
#include <cstring>
#include <memory>

namespace {

constexpr int WaitMs = 10000;

} // namespace

// The program's window on the simulated transponder: its pseudo-terminal listed through the
// extra-ports variable, Connect pressed as a user would, the device asked for its model.
class TestMainWindowSim : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestEnv::ScopedWorkDir> m_dir;
    std::unique_ptr<TestEnv::SimProcess> m_sim;
    std::unique_ptr<AisConfiguration> m_window;
    Ui::AisConfiguration* m_ui = nullptr;

    CDeviceComm& device() { return m_window->commSpaces()->getDeviceComm(); }
    COMM_VELK_DEV_STATE state() { return device().getSentenceHandle().getDevDetectState(); }

    bool start(int model)
    {
        m_dir = std::make_unique<TestEnv::ScopedWorkDir>();
        m_sim = std::make_unique<TestEnv::SimProcess>();
        if (!m_sim->start({"--model", QString::number(model)}))
            return false;
        qputenv(ExtraPortsVariable, m_sim->devicePath().toLocal8Bit());
        m_window = std::make_unique<AisConfiguration>();
        m_ui = m_window->form();
        m_window->show();
        return QTest::qWaitForWindowExposed(m_window.get());
    }

    bool selectSimPort()
    {
        WgComboBox& selector = m_window->view()->serialPortComboBox();
        // The user opens the list and picks the simulator's port.
        selector.showPopup();
        selector.hidePopup();
        const int row = selector.findData(m_sim->devicePath(), Qt::UserRole);
        selector.setCurrentIndex(row);
        return row >= 0 && selector.currentText() == m_sim->devicePath();
    }

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

    void cleanup()
    {
        m_window.reset();
        if (m_sim)
            QVERIFY(m_sim->stop());
        m_sim.reset();
        m_dir.reset();
        qunsetenv(ExtraPortsVariable);
    }

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
        QVERIFY(m_sim->waitForLog("in", "$AIAIQ,VER", WaitMs));
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
        m_window.reset();
        const QStringList logged = LogCapture::take();
        const int begun = logged.indexOf(QStringLiteral("~AisConfiguration [L]Start"));
        const int ended = logged.indexOf(QStringLiteral("~AisConfiguration [L]End"));
        QVERIFY2(begun >= 0 && ended > begun, qPrintable(logged.join('\n')));
        // The link was let go: the simulator sees its terminal closed and carries on.
        QVERIFY(m_sim->stop());
        m_sim.reset();
    }
};

QTEST_MAIN(TestMainWindowSim)
#include "tst_mainwindowsim.moc"
