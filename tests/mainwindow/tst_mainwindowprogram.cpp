#include "device/CCommSpacesManage.h"
#include "device/DeviceSettings.h"
#include "mainwindow/AisConfiguration.h"
#include "mainwindow/CAisConfigurationView.h"
#include "resources/ResourceCollections.h"
#include "ui_AisConfiguration.h"

#include "LogCapture.h"
#include "WindowSimRig.h"

#include <QMessageBox>
#include <QtTest>
#include <cstring>
#include <functional>
#include <memory>

namespace {

constexpr int WaitMs = WindowSimRig::WaitMs;
const QStringList WithoutMmsi{"--mmsi", "0"};

// Changes the record the page shows before it is shown again.
using RecordEdit = std::function<void(CSensorConfig&)>;

enum REFUSAL : int
{
    REFUSAL_NONE,
    REFUSAL_NAME,
    REFUSAL_CALL_SIGN,
    REFUSAL_MMSI,
    REFUSAL_BAUD,
};

} // namespace

Q_DECLARE_METATYPE(RecordEdit)

namespace {

// Types each character as a key press that carries it, as a keyboard or input method would;
// QTest's key clicks take Latin-1 only.
void typeText(QWidget* field, const QString& text)
{
    for (const uint codePoint : text.toUcs4()) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUcs4(&codePoint, 1));
        QApplication::sendEvent(field, &press);
    }
}

} // namespace

// Program Device on the simulated transponder: the page written in the device's series, read
// back by the next take-over, and the checks that refuse before anything is sent.
class TestMainWindowProgram : public QObject
{
    Q_OBJECT

private:
    WindowSimRig m_rig;
    std::unique_ptr<BoxAnswerer> m_boxes;
    AisConfiguration* m_window = nullptr;
    Ui::AisConfiguration* m_ui = nullptr;
    int64_t m_now = WindowSimRig::Start;

    CAisSentenceHandle& handle() { return m_rig.handle(); }
    CSensorConfig& shown() { return handle().getShownConfig(); }

    // Connected, identified and read, the Configuration page open. The Q-375's power question
    // is answered No: its pages then open without waiting for the Wi-Fi module.
    bool readDevice(int model, const QStringList& simArguments = {})
    {
        m_boxes->reset(QMessageBox::No);
        if (!m_rig.connectSim(model, simArguments))
            return false;
        m_window = &m_rig.window();
        m_ui = m_rig.ui();
        m_now = WindowSimRig::Start;
        if (!m_rig.detect(&m_now))
            return false;
        m_window->updateCurPageDisp(1);
        return m_ui->tbwgMain->currentWidget() == m_ui->tabMainConfiguration;
    }

    void programDevice(QMessageBox::StandardButton answer)
    {
        m_boxes->reset(answer);
        QTest::mouseClick(m_ui->btnCfgProgramDev, Qt::LeftButton);
    }

    // Sentences leave in order: once this one arrived, everything queued before it has too.
    bool sendMarker()
    {
        return m_window->sendPTSTSentToCommPort(77) && m_rig.sim().waitForLog("in", "$PTST,,,,,77*", WaitMs);
    }

private slots:
    void initTestCase()
    {
        Resources::registerCollections();
        LogCapture::start();
        m_boxes = std::make_unique<BoxAnswerer>();
    }

    void cleanup() { QVERIFY(m_rig.stop()); }

    void programAndReadBack_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QStringList>("page"); // name, call sign, vessel type, A, B, C, D, NMEA 1 row
        QTest::addColumn<QList<QByteArray>>("series");
        QTest::newRow("UNIT-K-42")
            << 1 << QStringList{"SIM SEAGULL", "SIMK042", "37", "8", "4", "2", "3", "38400"}
            << QList<QByteArray>{"$ECSSD,SIMK042,TEST^2CSHIP,8,4,2,3,,*", "$PQLX,C,MID,235000001*",
                                 "$ECVSD,37,,,,,,,,*",                   "$PDBG,101,1,50,0,51,2,703,4,*",
                                 "$PQLX,C,CFG,108,6,0,*",                "$PDBG,42,5,40,2,39,6,38,5,*",
                                 "$PQLX,Q,CFG,8117,,,*"};
        QTest::newRow("Q-375") << 2 << QStringList{"SIM CORMORANT", "SIMQ375", "36", "12", "3", "2", "2", "38400"}
                               << QList<QByteArray>{"$ECSSD,SIMQ375,TEST^2CSHIP,12,3,2,2,,*",
                                                    "$PQLX,C,MID,235000001*",
                                                    "$ECVSD,36,,,,,,,,*",
                                                    "$PDBG,101,0,50,0,51,1,703,5,*",
                                                    "$PQLX,C,CFG,31,7,0,*",
                                                    "$PQLX,C,DBG,40,2,41,6,,,,,*",
                                                    "$PQLX,C,CFG,183,2000,3,*",
                                                    "$AIEPV,C,AI,235000001,109,75*",
                                                    "$AIEPV,C,AI,235000001,110,76*",
                                                    "$PQLX,Q,CFG,8117,,,*"};
    }

    // The demo: identify, read, change the MMSI of a device without one and the name, program,
    // and read the same values back from the device.
    void programAndReadBack()
    {
        QFETCH(int, model);
        QFETCH(QStringList, page);
        QFETCH(QList<QByteArray>, series);
        QVERIFY(readDevice(model, WithoutMmsi));

        // The page shows the device's configuration.
        QCOMPARE(m_ui->edtCfgShipName->text(), page[0]);
        QCOMPARE(m_ui->edtCfgCallSign->text(), page[1]);
        QCOMPARE(m_window->view()->getShipTypeCode(m_ui->cbbxCfgVesselType->currentIndex()), page[2].toInt());
        const QList<QSpinBox*> dims{m_ui->spbxCfgVslDimA, m_ui->spbxCfgVslDimB, m_ui->spbxCfgVslDimC,
                                    m_ui->spbxCfgVslDimD};
        for (int i = 0; i < dims.size(); ++i)
            QCOMPARE(dims[i]->value(), page[3 + i].toInt());
        QCOMPARE(m_ui->cbbxCfgNmea1Input->currentText(), page[7]);
        QVERIFY(m_ui->edtCfgMmsi->text().isEmpty());
        QVERIFY(m_ui->edtCfgMmsi->isEnabled());

        m_ui->edtCfgShipName->clear();
        QTest::keyClicks(m_ui->edtCfgShipName, QStringLiteral("TEST,SHIP"));
        QTest::keyClicks(m_ui->edtCfgMmsi, QStringLiteral("235000001"));
        const int64_t programmed = m_now;
        programDevice(QMessageBox::Yes);
        QCOMPARE(m_boxes->titles, QStringList{"Configuration"});
        QCOMPARE(m_boxes->texts, QStringList{m_window->view()->msgText().deviceConfirmText});
        QCOMPARE(m_window->lastQueryTime(), programmed);

        // The read-back query set closes as the detection's did.
        QVERIFY(QTest::qWaitFor([&] { return m_rig.receivedCount("$PTST,,,,,16*") == 2; }, WaitMs));
        const QList<QByteArray> sent = m_rig.received("$ECSSD");
        QVERIFY2(sent.size() >= series.size(), sent.join(' ').constData());
        for (int i = 0; i < series.size(); ++i)
            QVERIFY2(sent[i].startsWith(series[i]), sent[i].constData());

        // The device's own answers carry the new values; the take-over 3 s on shows them.
        QVERIFY(QTest::qWaitFor(
            [&] {
                const CSensorConfig current = handle().getCurrentConfig();
                return current.mmsi == 235000001u && std::strcmp(current.shipName, "TEST,SHIP") == 0
                       && !current.differsOnPage(shown());
            },
            WaitMs));
        m_rig.tickAt(programmed + 3);
        QCOMPARE(m_window->lastQueryTime(), int64_t(0));
        QCOMPARE(m_boxes->texts.value(1), QStringLiteral("The device took the settings."));
        QVERIFY(handle().getCurrentConfig() == shown());
        QCOMPARE(m_ui->edtCfgShipName->text(), QStringLiteral("TEST,SHIP"));
        QCOMPARE(m_ui->edtCfgMmsi->text(), QStringLiteral("235000001"));
        QVERIFY(!m_ui->edtCfgMmsi->isEnabled());
        m_window->updateCurPageDisp(1);
        QCOMPARE(m_ui->edtCfgCallSign->text(), page[1]);
        QCOMPARE(m_ui->cbbxCfgNmea1Input->currentText(), page[7]);
    }

    void answeringNoSendsNothing()
    {
        QVERIFY(readDevice(1));
        const CSensorConfig before = shown();
        m_ui->edtCfgShipName->setText(QStringLiteral("OTHER NAME"));
        programDevice(QMessageBox::No);
        QCOMPARE(m_boxes->texts, QStringList{m_window->view()->msgText().deviceConfirmText});
        QVERIFY(sendMarker());
        QCOMPARE(m_rig.receivedCount("$ECSSD"), 0);
        QCOMPARE(m_rig.receivedCount("8117"), 1);
        QVERIFY(shown() == before);
    }

    void checksBeforeSending_data()
    {
        QTest::addColumn<QString>("shipName");
        QTest::addColumn<QString>("callSign");
        QTest::addColumn<QString>("mmsi");
        QTest::addColumn<int>("nmea1InBaud"); // set in the record, 0 to keep the device's
        QTest::addColumn<int>("refusal");
        QTest::addColumn<QByteArray>("sentence");
        QTest::newRow("name blank") << "" << "SIMK042" << "" << 0 << int(REFUSAL_NAME) << QByteArray();
        QTest::newRow("call sign blank") << "SHIP" << "" << "" << 0 << int(REFUSAL_CALL_SIGN) << QByteArray();
        QTest::newRow("MMSI 199999999") << "SHIP" << "SIMK042" << "199999999" << 0 << int(REFUSAL_MMSI)
                                        << QByteArray();
        QTest::newRow("MMSI 200000000") << "SHIP" << "SIMK042" << "200000000" << 0 << int(REFUSAL_NONE)
                                        << QByteArray("$PQLX,C,MID,200000000*");
        QTest::newRow("MMSI 799999999") << "SHIP" << "SIMK042" << "799999999" << 0 << int(REFUSAL_NONE)
                                        << QByteArray("$PQLX,C,MID,799999999*");
        QTest::newRow("MMSI 800000000") << "SHIP" << "SIMK042" << "800000000" << 0 << int(REFUSAL_MMSI)
                                        << QByteArray();
        QTest::newRow("no MMSI entered") << "SHIP" << "SIMK042" << "" << 0 << int(REFUSAL_NONE)
                                         << QByteArray("$ECSSD,SIMK042,SHIP,");
        // A rate the device has no code for: not one it could have reported.
        QTest::newRow("NMEA 1 input at 1200") << "SHIP" << "SIMK042" << "" << 1200 << int(REFUSAL_BAUD)
                                              << QByteArray();
    }

    // On a device without an MMSI: each check refuses with its box before anything is sent.
    void checksBeforeSending()
    {
        QFETCH(QString, shipName);
        QFETCH(QString, callSign);
        QFETCH(QString, mmsi);
        QFETCH(int, nmea1InBaud);
        QFETCH(int, refusal);
        QFETCH(QByteArray, sentence);
        QVERIFY(readDevice(1, WithoutMmsi));
        if (nmea1InBaud != 0) {
            shown().nmea1InBaud = nmea1InBaud;
            m_window->updateCurPageDisp(1);
            QCOMPARE(m_ui->cbbxCfgNmea1Input->currentIndex(), -1);
        }
        m_ui->edtCfgShipName->setText(shipName);
        m_ui->edtCfgCallSign->setText(callSign);
        m_ui->edtCfgMmsi->setText(mmsi);
        const CSensorConfig before = shown();
        programDevice(QMessageBox::Yes);
        QVERIFY(sendMarker());
        QCOMPARE(m_boxes->titles, QStringList{"Configuration"});
        const SMsgTextResource& text = m_window->view()->msgText();
        const QString expected[] = {text.deviceConfirmText, text.invalidShipNameTip, text.invalidCallSignTip,
                                    text.invalidMmsiTip};
        if (refusal == REFUSAL_BAUD)
            QVERIFY2(m_boxes->texts.value(0).contains(QStringLiteral("“NMEA 1 Input”")), qPrintable(m_boxes->texts.value(0)));
        else
            QCOMPARE(m_boxes->texts, QStringList{expected[refusal]});
        if (refusal == REFUSAL_NONE) {
            QCOMPARE(m_rig.receivedCount(sentence), 1);
            QCOMPARE(m_rig.receivedCount("$PQLX,C,MID,"), mmsi.isEmpty() ? 0 : 1);
        } else {
            QCOMPARE(m_rig.receivedCount("$ECSSD"), 0);
            QCOMPARE(m_rig.receivedCount("$PQLX,C,MID,"), 0);
            QVERIFY(shown() == before);
        }
    }

    // A device value that its selector does not offer shows no selection (or the entry that
    // stands for it) and goes back to the device as it came while the user leaves the selector;
    // only the ship's name is changed.
    void untouchedSelectorsKept_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QStringList>("simArguments");
        QTest::addColumn<RecordEdit>("edit");
        QTest::addColumn<QByteArrayList>("sent");
        const RecordEdit none = [](CSensorConfig&) {};
        QTest::newRow("GPS update rate 99 from the device")
            << 1 << QStringList{"--dump-value", "GPS_RI=99"} << none << QByteArrayList{",50,0,51,99,703,"};
        QTest::newRow("GPS mode 6 from the device")
            << 1 << QStringList{"--dump-value", "GPS_NAV5_dynModel=6"} << none << QByteArrayList{",703,6,*"};
        QTest::newRow("vessel type 99") << 1 << QStringList{} << RecordEdit([](CSensorConfig& c) { c.shipType = 99; })
                                        << QByteArrayList{"$ECVSD,99,,,,,,,,*"};
        QTest::newRow("UNIT-K-42 rates off the list")
            << 1 << QStringList{} << RecordEdit([](CSensorConfig& c) {
                   c.nmea1InBaud = 115200;
                   c.nmea2OutBaud = 19200;
               })
            << QByteArrayList{",40,0,39,3,"};
        QTest::newRow("Q-375 port, instance and Message 27 off the list")
            << 2 << QStringList{} << RecordEdit([](CSensorConfig& c) {
                   c.nmea2InBaud = c.nmea2OutBaud = 57600;
                   c.nmea2000Instance = 300;
                   c.lrChannel1 = MSG27_CHANNEL_A;
                   c.lrChannel2 = 0;
               })
            << QByteArrayList{",41,1,,,,,*", "$PQLX,C,CFG,183,2000,300,*", ",109,75*", ",110,0*"};
    }

    void untouchedSelectorsKept()
    {
        QFETCH(int, model);
        QFETCH(QStringList, simArguments);
        QFETCH(RecordEdit, edit);
        QFETCH(QByteArrayList, sent);
        QVERIFY(readDevice(model, simArguments));
        edit(shown());
        m_window->updateCurPageDisp(1);
        m_ui->edtCfgShipName->clear();
        QTest::keyClicks(m_ui->edtCfgShipName, QStringLiteral("OTHER NAME"));
        programDevice(QMessageBox::Yes);
        QVERIFY(sendMarker());
        QCOMPARE(m_boxes->texts, QStringList{m_window->view()->msgText().deviceConfirmText});
        QCOMPARE(m_rig.receivedCount(",OTHER NAME,"), 1);
        for (const QByteArray& part : sent)
            QVERIFY2(m_rig.receivedCount(part) == 1, part.constData());
    }

    // The device's name goes back byte for byte while the user leaves it; one the field cannot
    // hold is shown whole, and once edited it must fit before anything is sent.
    void untouchedNameKept_data()
    {
        QTest::addColumn<QByteArray>("deviceName"); // escaped as ^hh for the simulator
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("backspaces"); // 0 leaves the name, the call sign is edited then
        QTest::addColumn<QByteArray>("sent"); // empty when refused
        QTest::newRow("Latin-1 name left") << QByteArray("CAF^C9 DU PORT") << QStringLiteral("CAF\u00C9 DU PORT") << 0
                                           << QByteArray("$ECSSD,NEWCS,CAF\xC9 DU PORT,");
        QTest::newRow("22 characters left") << QByteArray("ABCDEFGHIJKLMNOPQRSTUV")
                                            << QStringLiteral("ABCDEFGHIJKLMNOPQRSTUV") << 0
                                            << QByteArray("$ECSSD,NEWCS,ABCDEFGHIJKLMNOPQRSTUV,");
        QTest::newRow("22 characters, one taken off") << QByteArray("ABCDEFGHIJKLMNOPQRSTUV")
                                                      << QStringLiteral("ABCDEFGHIJKLMNOPQRSTUV") << 1 << QByteArray();
        QTest::newRow("22 characters cut to 20 by the user")
            << QByteArray("ABCDEFGHIJKLMNOPQRSTUV") << QStringLiteral("ABCDEFGHIJKLMNOPQRSTUV") << 2
            << QByteArray("$ECSSD,SIMK042,ABCDEFGHIJKLMNOPQRST,");
        QTest::newRow("Latin-1 name edited") << QByteArray("CAF^C9 DU PORT") << QStringLiteral("CAF\u00C9 DU PORT")
                                             << 1 << QByteArray();
    }

    void untouchedNameKept()
    {
        QFETCH(QByteArray, deviceName);
        QFETCH(QString, shown);
        QFETCH(int, backspaces);
        QFETCH(QByteArray, sent);
        QVERIFY(readDevice(1, {"--dump-value", "Ship Name=" + QString::fromLatin1(deviceName)}));
        QCOMPARE(m_ui->edtCfgShipName->text(), shown);
        if (backspaces == 0) {
            m_ui->edtCfgCallSign->clear();
            QTest::keyClicks(m_ui->edtCfgCallSign, QStringLiteral("newcs"));
        }
        m_ui->edtCfgShipName->end(false);
        for (int i = 0; i < backspaces; ++i)
            QTest::keyClick(m_ui->edtCfgShipName, Qt::Key_Backspace);
        programDevice(QMessageBox::Yes);
        QVERIFY(sendMarker());
        const QByteArray wire = m_rig.sim().loggedBytes("in");
        if (sent.isEmpty()) {
            QVERIFY2(m_boxes->texts.value(0).contains(QStringLiteral("“Ship's Name” takes at most 20 characters")),
                     qPrintable(m_boxes->texts.value(0)));
            QVERIFY(!wire.contains("$ECSSD"));
        } else {
            QCOMPARE(m_boxes->texts, QStringList{m_window->view()->msgText().deviceConfirmText});
            QVERIFY2(wire.contains(sent), wire.mid(wire.indexOf("$ECSSD"), 60).constData());
        }
    }

    // The name and call sign take what the device stores as the user types, and a static data
    // sentence longer than a sentence may be once escaped is not sent.
    void typedTextsFit()
    {
        QVERIFY(readDevice(1));
        m_ui->edtCfgShipName->clear();
        typeText(m_ui->edtCfgShipName, QStringLiteral("sea \u00E9mu~\U0001F600 ,,,,,,,,,,,,,,,,,,,,"));
        QCOMPARE(m_ui->edtCfgShipName->text(), QStringLiteral("SEA MU ") + QString(13, ','));
        m_ui->edtCfgCallSign->clear();
        QTest::keyClicks(m_ui->edtCfgCallSign, QStringLiteral("a$$$$$$$$"));
        QCOMPARE(m_ui->edtCfgCallSign->text(), QStringLiteral("A$$$$$$"));
        programDevice(QMessageBox::Yes);
        QVERIFY(sendMarker());
        QCOMPARE(m_boxes->texts.size(), 1);
        QVERIFY2(m_boxes->texts[0].contains(QStringLiteral("“Ship's Name”, “Call Sign”"))
                     && m_boxes->texts[0].contains(QStringLiteral("82")),
                 qPrintable(m_boxes->texts[0]));
        QCOMPARE(m_rig.receivedCount("$ECSSD"), 0);
    }

    // A device that ignores the settings: its read-back names what it did not take.
    void ignoredSettingsNamed()
    {
        QVERIFY(readDevice(1, {"--ignore-settings"}));
        m_ui->edtCfgShipName->clear();
        QTest::keyClicks(m_ui->edtCfgShipName, QStringLiteral("OTHER NAME"));
        m_ui->cbbxCfgGpsUpdateRate->setCurrentIndex((m_ui->cbbxCfgGpsUpdateRate->currentIndex() + 1) % 11);
        const uint32_t dumps = handle().dumpEnds();
        const int64_t programmed = m_now;
        programDevice(QMessageBox::Yes);
        QVERIFY(QTest::qWaitFor([&] { return handle().dumpEnds() > dumps; }, WaitMs));
        m_rig.tickAt(programmed + 3);
        QCOMPARE(m_boxes->texts.value(1),
                 QStringLiteral("The device did not take these settings: “Ship's Name”, “GPS Update Rate”"));
        QCOMPARE(m_ui->edtCfgShipName->text(), QStringLiteral("SIM SEAGULL"));
    }

    // A read-back that brings no system data: the user is told the device did not answer.
    void unansweredReadBack()
    {
        QVERIFY(readDevice(1));
        m_rig.sim().command("silence on");
        const int64_t programmed = m_now;
        programDevice(QMessageBox::Yes);
        QVERIFY(QTest::qWaitFor([&] { return m_rig.receivedCount("$PTST,,,,,16*") == 2; }, WaitMs));
        m_rig.tickAt(programmed + 3);
        QCOMPARE(m_boxes->texts.value(1),
                 QStringLiteral("The device did not answer the read-back: it may not have taken the settings."));
    }

    // The link lost in the middle of the series: said, and the typed values stay on the page.
    void linkLostWhileProgramming()
    {
        QVERIFY(readDevice(1));
        m_ui->edtCfgShipName->clear();
        QTest::keyClicks(m_ui->edtCfgShipName, QStringLiteral("TYPED NAME"));
        m_ui->spbxCfgVslDimA->setValue(77);
        programDevice(QMessageBox::Yes);
        QVERIFY(m_rig.sim().waitForLog("in", "$ECSSD", WaitMs));
        m_rig.sim().command("unplug");
        const QString lost =
            QStringLiteral("The link to the device was lost while programming: it may not have taken the settings.");
        QTRY_VERIFY_WITH_TIMEOUT(m_boxes->texts.contains(lost), WaitMs);
        QCOMPARE(m_boxes->texts.count(lost), 1);
        QVERIFY(!m_ui->btnCommConnt->isChecked());
        QCOMPARE(m_ui->edtCfgShipName->text(), QStringLiteral("TYPED NAME"));
        QCOMPARE(m_ui->spbxCfgVslDimA->value(), 77);
        m_rig.tickAt(m_now + 10);
        QCOMPARE(m_ui->edtCfgShipName->text(), QStringLiteral("TYPED NAME"));
    }

    // Only a device whose configuration was taken over, on a connected link, is programmed.
    void onlyWhenReadAndConnected()
    {
        m_boxes->reset(QMessageBox::Yes);
        QVERIFY(m_rig.connectSim(1));
        m_window = &m_rig.window();
        m_ui = m_rig.ui();
        m_window->onCfgProgramDev();
        QVERIFY(m_boxes->texts.isEmpty());

        int64_t now = WindowSimRig::Start;
        QVERIFY(m_rig.detect(&now));
        m_ui->btnCommConnt->setChecked(false);
        m_window->onCfgProgramDev();
        m_ui->btnCommConnt->setChecked(true);
        QVERIFY(m_boxes->texts.isEmpty());
        QVERIFY(sendMarker());
        QCOMPARE(m_rig.receivedCount("$ECSSD"), 0);
    }
};

QTEST_MAIN(TestMainWindowProgram)
#include "tst_mainwindowprogram.moc"
