#include "codec/sentence/I62Syntax.h"
#include "device/CCommSpacesManage.h"
#include "mainwindow/AisConfiguration.h"
#include "mainwindow/CAisConfigurationView.h"
#include "resources/ResourceCollections.h"
#include "ui_AisConfiguration.h"

#include "LogCapture.h"
#include "WindowSimRig.h"

#include <QLabel>
#include <QLineEdit>
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

    // A device value that is not what its key promises shows as not available on every page
    // that shows it, a sound one the same everywhere, and no control character reaches a label.
    void hostileValuesShow_data()
    {
        QTest::addColumn<QString>("dumpValue");
        QTest::addColumn<QStringList>("widgets"); // Home, Configuration and Diagnostics widgets of the value
        QTest::addColumn<QString>("shown");

        const QString na = QStringLiteral("N/A");
        const QStringList mmsi{"lblHomeMmsi", "edtCfgMmsi"};
        const QStringList name{"lblHomeShipName", "edtCfgShipName"};
        QTest::newRow("MMSI with a letter") << "MMSI=23510487X" << mmsi << na;
        QTest::newRow("MMSI of ten digits") << "MMSI=4294967295" << mmsi << na;
        QTest::newRow("MMSI with a leading zero") << "MMSI=023510487" << mmsi << "023510487";
        QTest::newRow("name with an escape sequence") << "Ship Name=SEA^1B[2J^1B]0;OWNED^07WOLF" << name << na;
        QTest::newRow("name of 10 kB") << "Ship Name=" + QString(10000, 'A') << name << na;
        QTest::newRow("call sign with a C1 control") << "Call Sign=AB^9BCD"
                                                     << QStringList{"lblHomeCallSign", "edtCfgCallSign"} << na;
        QTest::newRow("serial number with a backspace")
            << "S/N=12^0834" << QStringList{"lblHomeProductSNValue", "lblDiagProductSNValue"} << na;
        QTest::newRow("cargo type of 300") << "Ship Cargo Type=300" << QStringList{"lblHomeVesselType"} << na;
    }

    void hostileValuesShow()
    {
        QFETCH(QString, dumpValue);
        QFETCH(QStringList, widgets);
        QFETCH(QString, shown);
        // The UNIT-K-42 asks nothing on the way; a box that shows all the same is answered.
        BoxAnswerer boxes;
        QVERIFY(m_rig.connectSim(1, {"--dump-value", dumpValue}));
        m_window = &m_rig.window();
        m_ui = m_rig.ui();
        int64_t now = WindowSimRig::Start;
        QVERIFY(m_rig.detect(&now));
        m_rig.tickAt(++now);

        for (const QString& name : widgets) {
            // Each page shows what it shows when it is the page shown.
            const int page = name.startsWith("lblHome") ? 0 : name.startsWith("edtCfg") ? 1 : 3;
            m_window->updateCurPageDisp(page);
            m_rig.tickAt(++now);
            auto* widget = m_window->findChild<QWidget*>(name);
            QVERIFY2(widget, qPrintable(name));
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                QCOMPARE(label->text(), shown);
            } else {
                // An edit holds no "N/A" that Program Device would send: it says so empty.
                auto* edit = qobject_cast<QLineEdit*>(widget);
                QVERIFY2(edit, qPrintable(name));
                QCOMPARE(edit->text().isEmpty() ? edit->placeholderText() : edit->text(), shown);
                QCOMPARE(edit->text().isEmpty(), shown == QStringLiteral("N/A"));
            }
        }
        QStringList controls;
        for (const QLabel* label : m_window->findChildren<QLabel*>()) {
            // The program's own texts break their lines; nothing else is a control.
            for (const QChar c : label->text()) {
                if (c.category() == QChar::Other_Control && c != QLatin1Char('\n'))
                    controls << label->objectName();
            }
        }
        QVERIFY2(controls.isEmpty(), qPrintable(controls.join(' ')));
        QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join('\n')));
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
