#include "device/CCommSpacesManage.h"
#include "mainwindow/AisConfiguration.h"
#include "mainwindow/CAisConfigurationView.h"
#include "mainwindow/ports/ExtraPorts.h"
#include "resources/ResourceCollections.h"
#include "ui_AisConfiguration.h"

#include "LogCapture.h"
#include "SimProcess.h"
#include "TestEnv.h"

#include <QApplication>
#include <QMessageBox>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace {

constexpr int WaitMs = 10000;
constexpr int64_t Start = 100000;

} // namespace

// The refresh loop against the simulated transponder: the window's own ticks are stopped and
// the test ticks with the window's seconds set, so pacing is seen without waiting real seconds.
class TestMainWindowRefresh : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestEnv::ScopedWorkDir> m_dir;
    std::unique_ptr<TestEnv::SimProcess> m_sim;
    std::unique_ptr<AisConfiguration> m_window;
    Ui::AisConfiguration* m_ui = nullptr;

    // Boxes are answered as a user would, from a timer while the box runs its own loop.
    QTimer m_boxAnswerer;
    QMessageBox::StandardButton m_answer = QMessageBox::Ok;
    QStringList m_boxTexts;

    CAisSentenceHandle& handle() { return m_window->commSpaces()->getDeviceComm().getSentenceHandle(); }
    COMM_VELK_DEV_STATE state() { return handle().getDevDetectState(); }

    void tickAt(int64_t seconds)
    {
        m_window->secondsSource().set(seconds);
        m_window->onTimerRefresh();
    }

    // The lines the simulator received, from the first that starts with the given text on.
    QList<QByteArray> received(const QByteArray& from)
    {
        QList<QByteArray> lines;
        for (const TestEnv::SimProcess::SLogLine& line : m_sim->log()) {
            if (line.kind == "in" && (!lines.isEmpty() || line.text.startsWith(from)))
                lines.append(line.text);
        }
        return lines;
    }

    int receivedCount(const QByteArray& part)
    {
        int count = 0;
        for (const TestEnv::SimProcess::SLogLine& line : m_sim->log())
            count += line.kind == "in" && line.text.contains(part) ? 1 : 0;
        return count;
    }

    bool connectSim(int model, const QStringList& extra = {})
    {
        m_dir = std::make_unique<TestEnv::ScopedWorkDir>();
        m_sim = std::make_unique<TestEnv::SimProcess>();
        if (!m_sim->start(QStringList{"--model", QString::number(model)} + extra))
            return false;
        qputenv(ExtraPortsVariable, m_sim->devicePath().toLocal8Bit());
        m_window = std::make_unique<AisConfiguration>();
        m_ui = m_window->form();
        if (!m_window->refreshTimer()->isActive())
            return false;
        m_window->refreshTimer()->stop();
        m_window->secondsSource().set(Start);
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window.get()))
            return false;
        WgComboBox& selector = m_window->view()->serialPortComboBox();
        selector.showPopup();
        selector.hidePopup();
        selector.setCurrentIndex(selector.findData(m_sim->devicePath(), Qt::UserRole));
        QTest::mouseClick(m_ui->btnCommConnt, Qt::LeftButton);
        return QTest::qWaitFor([&] { return m_ui->btnCommConnt->isEnabled(); }, WaitMs)
               && state() == DEV_STATE_LINK_SAVED;
    }

    // Probe, model, query set and take-over, each at the earliest second the loop allows.
    bool detect(int64_t* now)
    {
        tickAt(*now);
        if (!QTest::qWaitFor([&] { return state() == DEV_STATE_MODEL_KNOWN; }, WaitMs))
            return false;
        *now += 5;
        tickAt(*now);
        if (!QTest::qWaitFor([&] { return state() == DEV_STATE_SYSTEM_DATA_END; }, WaitMs))
            return false;
        *now += 3;
        tickAt(*now);
        return state() == DEV_STATE_CONFIG_SHOWN;
    }

private slots:
    void initTestCase()
    {
        Resources::registerCollections();
        LogCapture::start();
        m_boxAnswerer.setInterval(20);
        connect(&m_boxAnswerer, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            m_boxTexts.append(box->text());
            box->button(m_answer)->click();
        });
        m_boxAnswerer.start();
    }

    void init()
    {
        m_answer = QMessageBox::Ok;
        m_boxTexts.clear();
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

    void detectionAndTakeOver_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QList<QByteArray>>("querySet");
        QTest::addColumn<QString>("nmea1Input");
        QTest::newRow("UNIT-K-42") << 1
                                   << QList<QByteArray>{"$PQLX,Q,CFG,8117,,,*", "$PQLX,Q,CFG,108,,,*",
                                                        "$PQLX,Q,CFG,183,,,*", "$PTST,,,,,16*"}
                                   << "NMEA 1 Input";
        QTest::newRow("Q-375") << 2
                               << QList<QByteArray>{"$PQLX,Q,CFG,8117,,,*", "$PQLX,Q,CFG,600,,,*",
                                                    "$PQLX,Q,CFG,183,,,*", "!AIAIQ,EPV*",
                                                    "$PQLX,Q,CFG,31,,,*", "$PTST,,,,,16*"}
                               << "NMEA 1";
    }

    void detectionAndTakeOver()
    {
        QFETCH(int, model);
        QFETCH(QList<QByteArray>, querySet);
        QFETCH(QString, nmea1Input);
        QVERIFY(connectSim(model));

        tickAt(Start);
        QVERIFY(m_sim->waitForLog("in", "$AIAIQ,VER*3C\\r\\n", WaitMs));
        const QList<QByteArray> probe = received("$PDBG,163,0,");
        QVERIFY2(probe.size() >= 2, probe.join(' ').constData());
        // The link closes it by the device's mode as it last knew it.
        QVERIFY2(probe[0].startsWith("$PDBG,163,0,,,,,,*15\\"), probe[0].constData());
        QCOMPARE(probe[1], QByteArray("$AIAIQ,VER*3C\\r\\n"));
        QCOMPARE(m_window->lastQueryTime(), Start);
        QVERIFY(QTest::qWaitFor([&] { return state() == DEV_STATE_MODEL_KNOWN; }, WaitMs));

        // Model shown at once; the full query waits 5 s from the probe.
        tickAt(Start + 4);
        QCOMPARE(m_ui->lblCfgNmea1Input->text(), nmea1Input);
        QCOMPARE(m_window->lastQueryTime(), Start);
        tickAt(Start + 5);
        QCOMPARE(m_window->lastQueryTime(), Start + 5);
        QVERIFY(m_sim->waitForLog("in", "$PTST,,,,,16*", WaitMs));
        const QList<QByteArray> sent = received("$PQLX,Q,CFG,8117");
        QCOMPARE(sent.size(), querySet.size());
        for (int i = 0; i < querySet.size(); ++i)
            QVERIFY2(sent[i].startsWith(querySet[i]), sent[i].constData());

        QVERIFY(QTest::qWaitFor([&] { return state() == DEV_STATE_SYSTEM_DATA_END; }, WaitMs));
        // The replies are in, but taken over only 3 s after the query.
        tickAt(Start + 7);
        QCOMPARE(state(), DEV_STATE_SYSTEM_DATA_END);
        QVERIFY(handle().getCurrentConfig() != handle().getShownConfig());
        tickAt(Start + 8);
        QCOMPARE(state(), DEV_STATE_CONFIG_SHOWN);
        QCOMPARE(m_window->lastQueryTime(), int64_t(0));
        QVERIFY(handle().getCurrentConfig() == handle().getShownConfig());
        QCOMPARE(m_ui->lblConntStatus->text(), QString());
        // The Wi-Fi module's model waits for its module's first read once its power was confirmed.
        QCOMPARE(m_ui->wgMainMenu->isEnabled(), model == 1);
    }

    void powerQuestionOncePerConnection_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("wifiShown");
        QTest::newRow("Q-375, Ok") << 2 << int(QMessageBox::Ok) << true;
        QTest::newRow("Q-375, No") << 2 << int(QMessageBox::No) << false;
    }

    void powerQuestionOncePerConnection()
    {
        QFETCH(int, model);
        QFETCH(int, answer);
        QFETCH(bool, wifiShown);
        m_answer = QMessageBox::StandardButton(answer);
        QVERIFY(connectSim(model));
        int64_t now = Start;
        QVERIFY(detect(&now));
        QVERIFY(handle().getShownConfig().wifiModule);
        QCOMPARE(m_boxTexts, QStringList{m_window->view()->msgText().powerSupplyNote});
        CWiFiConfig& wifi = m_window->commSpaces()->getDeviceComm().getWiFiConfig();
        QCOMPARE(wifi.powerConfirmed, wifiShown);
        QCOMPARE(!m_ui->btnMMWiFi->isHidden(), wifiShown);
        if (!wifiShown)
            QCOMPARE(wifi.snapshot().mainState, int32_t(WiFiScope::WIFI_MAIN_POWER_FAIL));

        // A later take-over does not ask again.
        QVERIFY(m_window->enableDebugPortView(16, false));
        tickAt(now + 3);
        QCOMPARE(m_window->lastQueryTime(), int64_t(0));
        QCOMPARE(m_boxTexts.size(), 1);
    }

    void noPowerQuestionWithoutModule()
    {
        QVERIFY(connectSim(1));
        int64_t now = Start;
        QVERIFY(detect(&now));
        QVERIFY(!handle().getShownConfig().wifiModule);
        QVERIFY(m_boxTexts.isEmpty());
    }

    // A device that never answers is probed about every second tick, each time told first to
    // leave Wi-Fi configuration mode.
    void silentDeviceProbedEveryTwoSeconds()
    {
        QVERIFY(connectSim(1, {"--silence"}));
        for (int64_t second = Start; second <= Start + 5; ++second)
            tickAt(second);
        QVERIFY(QTest::qWaitFor([&] { return receivedCount("$AIAIQ,VER") == 3; }, WaitMs));
        QCOMPARE(receivedCount("$PDBG,163,0,"), 3);
        QCOMPARE(state(), DEV_STATE_LINK_SAVED);
        QCOMPARE(m_window->lastQueryTime(), Start + 4);
    }

    // The status query goes out only while the Diagnostics page shows, every 5 s or more, and
    // its reply is taken over 3 s later.
    void statusQueryOnDiagnosticsPage()
    {
        QVERIFY(connectSim(1));
        int64_t now = Start;
        QVERIFY(detect(&now));
        QCOMPARE(receivedCount("8117"), 1);

        m_window->updateCurPageDisp(3);
        QCOMPARE(m_ui->tbwgMain->currentWidget(), m_ui->tabMainDiagnostics);
        tickAt(++now);
        QCOMPARE(m_window->lastQueryTime(), now);
        QVERIFY(QTest::qWaitFor([&] { return receivedCount("8117") == 2; }, WaitMs));
        const int64_t queried = now;
        tickAt(queried + 3);
        QCOMPARE(m_window->lastQueryTime(), int64_t(0));
        tickAt(queried + 4);
        QCOMPARE(m_window->lastQueryTime(), int64_t(0));
        tickAt(queried + 5);
        QCOMPARE(m_window->lastQueryTime(), queried + 5);
        QVERIFY(QTest::qWaitFor([&] { return receivedCount("8117") == 3; }, WaitMs));

        m_window->updateCurPageDisp(0);
        for (int64_t second = queried + 8; second <= queried + 20; ++second)
            tickAt(second);
        QCOMPARE(m_window->lastQueryTime(), int64_t(0));
    }
};

QTEST_MAIN(TestMainWindowRefresh)
#include "tst_mainwindowrefresh.moc"
