#include "device/CCommSpacesManage.h"
#include "mainwindow/AisConfiguration.h"
#include "mainwindow/CAisConfigurationView.h"
#include "resources/ResourceCollections.h"
#include "ui_AisConfiguration.h"

#include "LogCapture.h"
#include "WindowSimRig.h"

#include <QDeadlineTimer>
#include <QMessageBox>
#include <QScopeGuard>
#include <QTabWidget>
#include <QtTest>
#include <memory>

namespace {

constexpr int WaitMs = WindowSimRig::WaitMs;
constexpr int64_t Start = WindowSimRig::Start;

} // namespace

// The refresh loop against the simulated transponder, ticked by the test.
class TestMainWindowRefresh : public QObject
{
    Q_OBJECT

private:
    WindowSimRig m_rig;
    std::unique_ptr<BoxAnswerer> m_boxes;
    AisConfiguration* m_window = nullptr;
    Ui::AisConfiguration* m_ui = nullptr;

    CAisSentenceHandle& handle() { return m_rig.handle(); }
    COMM_VELK_DEV_STATE state() { return m_rig.state(); }
    void tickAt(int64_t seconds) { m_rig.tickAt(seconds); }
    QList<QByteArray> received(const QByteArray& from) { return m_rig.received(from); }
    int receivedCount(const QByteArray& part) { return m_rig.receivedCount(part); }
    bool detect(int64_t* now) { return m_rig.detect(now); }

    bool connectSim(int model, const QStringList& extra = {})
    {
        const bool connected = m_rig.connectSim(model, extra);
        m_window = &m_rig.window();
        m_ui = m_rig.ui();
        return connected;
    }

private slots:
    void initTestCase()
    {
        Resources::registerCollections();
        LogCapture::start();
        m_boxes = std::make_unique<BoxAnswerer>();
    }

    void init() { m_boxes->reset(); }

    void cleanup() { QVERIFY(m_rig.stop()); }

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
        QVERIFY(m_rig.sim().waitForLog("in", "$AIAIQ,VER*3C\\r\\n", WaitMs));
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
        QVERIFY(m_rig.sim().waitForLog("in", "$PTST,,,,,16*", WaitMs));
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
        m_boxes->answer = QMessageBox::StandardButton(answer);
        QVERIFY(connectSim(model));
        int64_t now = Start;
        QVERIFY(detect(&now));
        QVERIFY(handle().getShownConfig().wifiModule);
        QCOMPARE(m_boxes->texts, QStringList{m_window->view()->msgText().powerSupplyNote});
        CWiFiConfig& wifi = m_window->commSpaces()->getDeviceComm().getWiFiConfig();
        QCOMPARE(wifi.powerConfirmed, wifiShown);
        QCOMPARE(!m_ui->btnMMWiFi->isHidden(), wifiShown);
        if (!wifiShown)
            QCOMPARE(wifi.snapshot().mainState, int32_t(WiFiScope::WIFI_MAIN_POWER_FAIL));

        // A later take-over does not ask again.
        QVERIFY(m_window->enableDebugPortView(16, false));
        tickAt(now + 3);
        QCOMPARE(m_window->lastQueryTime(), int64_t(0));
        QCOMPARE(m_boxes->texts.size(), 1);
    }

    // The port lost while the question is open: the late Ok is dropped, not kept for the next device.
    void powerAnswerAfterLostPortDropped()
    {
        // The box is answered here, late; the usual answerer comes back however the test ends.
        m_boxes.reset();
        const auto answererBack = qScopeGuard([this] { m_boxes = std::make_unique<BoxAnswerer>(); });
        QVERIFY(connectSim(2));
        bool unplugged = false;
        bool lossMissed = false;
        QDeadlineTimer lossDeadline;
        QTimer answerLate;
        answerLate.setInterval(20);
        connect(&answerLate, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            if (!unplugged) {
                unplugged = true;
                m_rig.sim().command("unplug");
                lossDeadline.setRemainingTime(WindowSimRig::WaitMs);
            } else if (!m_ui->btnCommConnt->isChecked()) {
                box->button(QMessageBox::Ok)->click();
            } else if (lossDeadline.hasExpired()) {
                // Never left open: the test fails on the loss not seen.
                lossMissed = true;
                box->button(QMessageBox::Ok)->click();
            }
        });
        answerLate.start();
        int64_t now = Start;
        QVERIFY(!detect(&now));
        answerLate.stop();
        QVERIFY(unplugged);
        QVERIFY2(!lossMissed, "the lost port was not seen while the box was open");
        QVERIFY(!m_ui->btnCommConnt->isChecked());
        const CWiFiConfig& wifi = m_window->commSpaces()->getDeviceComm().getWiFiConfig();
        QVERIFY(!wifi.powerConfirmed);
        QVERIFY(!wifi.powerNoticeShown);
        QVERIFY(m_ui->btnMMWiFi->isHidden());
    }

    void noPowerQuestionWithoutModule()
    {
        QVERIFY(connectSim(1));
        int64_t now = Start;
        QVERIFY(detect(&now));
        QVERIFY(!handle().getShownConfig().wifiModule);
        QVERIFY(m_boxes->texts.isEmpty());
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

    void detectionGivenUp_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QStringList>("fault");
        QTest::addColumn<QByteArray>("healing");
        QTest::addColumn<bool>("modelKnown");
        QTest::newRow("system data without end") << 1 << QStringList{"--no-dump-end"} << QByteArray("no-dump-end off")
                                                 << true;
        QTest::newRow("version cut short") << 1 << QStringList{"--cut-version"} << QByteArray("cut-version off")
                                           << false;
        QTest::newRow("version with a wrong checksum") << 1 << QStringList{"--bad-checksums"}
                                                       << QByteArray("bad-checksums off") << false;
        QTest::newRow("model the program does not know") << 0 << QStringList() << QByteArray("model 1") << false;
    }

    // A device that answers, but never so that its detection ends, is given up after the limit:
    // the link is closed, the window goes back and says so, and Connect works again.
    void detectionGivenUp()
    {
        QFETCH(int, model);
        QFETCH(QStringList, fault);
        QFETCH(QByteArray, healing);
        QFETCH(bool, modelKnown);
        QVERIFY(connectSim(model, fault));
        tickAt(Start);
        QTRY_VERIFY_WITH_TIMEOUT(modelKnown ? state() == DEV_STATE_MODEL_KNOWN : handle().hasVersionReply(), WaitMs);
        // The wait starts at the first tick that finds the answer.
        const int64_t answered = Start + 1;
        for (int64_t second = answered; second < answered + CDetectionWatch::LimitSeconds; ++second)
            tickAt(second);
        QCOMPARE(state(), modelKnown ? DEV_STATE_MODEL_KNOWN : DEV_STATE_LINK_SAVED);
        QVERIFY(m_ui->btnCommConnt->isChecked());
        QVERIFY(m_boxes->texts.isEmpty());

        tickAt(answered + CDetectionWatch::LimitSeconds);
        const SMsgTextResource& text = m_window->view()->msgText();
        QTRY_COMPARE_WITH_TIMEOUT(m_boxes->texts.size(), 1, WaitMs);
        QCOMPARE(m_boxes->texts.first(), text.deviceNoAnswer.arg(modelKnown ? text.dumpNoEnd : text.versionUnread));
        QCOMPARE(m_boxes->titles, QStringList{text.warning});
        QVERIFY(!m_ui->btnCommConnt->isChecked());
        QVERIFY(m_ui->btnCommConnt->isEnabled());
        QCOMPARE(m_ui->lblConntStatus->text(), text.disconnectTip);
        QCOMPARE(state(), DEV_STATE_INITIAL);

        // The same port, the device healed: Connect finds it.
        m_rig.sim().command(healing);
        QVERIFY(m_rig.sim().waitForLog("note", "command: " + healing, WaitMs));
        QTest::mouseClick(m_ui->btnCommConnt, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(m_ui->btnCommConnt->isEnabled(), WaitMs);
        QCOMPARE(state(), DEV_STATE_LINK_SAVED);
        int64_t now = answered + CDetectionWatch::LimitSeconds + 2;
        QVERIFY(detect(&now));
        QCOMPARE(m_boxes->texts.size(), 1);
    }

    // A device that stays silent is probed on, however long: it may be switched on late.
    void silentDeviceNotGivenUp()
    {
        QVERIFY(connectSim(1, {"--silence"}));
        // Sparse ticks: each probe queued must still go out before the device is heard.
        int64_t now = Start;
        for (; now <= Start + 2 * CDetectionWatch::LimitSeconds; now += CDetectionWatch::LimitSeconds)
            tickAt(now);
        QCOMPARE(state(), DEV_STATE_LINK_SAVED);
        QVERIFY(m_ui->btnCommConnt->isChecked());
        m_rig.sim().command("silence off");
        QVERIFY(m_rig.sim().waitForLog("note", "command: silence off", WaitMs));
        QVERIFY(detect(&now));
        QVERIFY(m_boxes->texts.isEmpty());
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
