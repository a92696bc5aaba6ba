#include "device/CCommSpacesManage.h"
#include "device/CSensorConfig.h"
#include "mainwindow/AisConfiguration.h"
#include "mainwindow/CAisConfigurationView.h"
#include "resources/ResourceCollections.h"
#include "ui_AisConfiguration.h"

#include "StandInPortLister.h"

#include <QTextCodec>
#include <QtTest>
#include <cstring>
#include <memory>

// The Configuration page filled from a record the test sets and read back into a record.
class TestMainWindowConfigPage : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AisConfiguration> m_window;
    Ui::AisConfiguration* m_ui = nullptr;
    CAisConfigurationView* m_view = nullptr;

    CSensorConfig& shown() { return m_window->commSpaces()->getDeviceComm().getSentenceHandle().getShownConfig(); }

    // The page read back over a copy of the shown record, as Program Device reads it.
    CSensorConfig readBack(MACHINE_TYPE model)
    {
        CSensorConfig target;
        target.assign(&shown());
        m_view->getConfigData(&target, model);
        return target;
    }

    QList<int> baudPositions() const
    {
        return {m_ui->cbbxCfgNmea1Input->currentIndex(), m_ui->cbbxCfgNmea1Output->currentIndex(),
                m_ui->cbbxCfgNmea2Input->currentIndex(), m_ui->cbbxCfgNmea2Output->currentIndex()};
    }

private slots:
    void initTestCase()
    {
        Resources::registerCollections();
        // Device texts are Latin-1; the record gets the local 8-bit encoding, here UTF-8.
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    }

    void init()
    {
        m_window = std::make_unique<AisConfiguration>(nullptr, std::make_shared<CStandInPortLister>());
        m_ui = m_window->form();
        m_view = m_window->view();
    }

    void cleanup() { m_window.reset(); }

    void baudListPosition_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("position");
        QTest::newRow("38400") << 38400 << 0;
        QTest::newRow("9600") << 9600 << 1;
        QTest::newRow("4800") << 4800 << 2;
        QTest::newRow("115200") << 115200 << -1;
        QTest::newRow("57600") << 57600 << -1;
        QTest::newRow("19200") << 19200 << -1;
        QTest::newRow("14400, no rate of the link") << 14400 << -1;
        QTest::newRow("1200") << 1200 << -1;
        QTest::newRow("0") << 0 << -1;
    }

    void baudListPosition()
    {
        QFETCH(int, rate);
        QFETCH(int, position);
        QCOMPARE(CAisConfigurationView::getBuadRateIndex(rate), position);
        if (position >= 0)
            QCOMPARE(m_ui->cbbxCfgNmea1Input->itemText(position), QString::number(rate));
    }

    void mmsiField_data()
    {
        QTest::addColumn<uint>("mmsi");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("editable");
        QTest::newRow("none yet") << 0u << QString() << true;
        QTest::newRow("short") << 12345u << "000012345" << false;
        QTest::newRow("full") << 235000001u << "235000001" << false;
    }

    // The field follows the record at every display, whatever it showed before.
    void mmsiField()
    {
        QFETCH(uint, mmsi);
        QFETCH(QString, text);
        QFETCH(bool, editable);
        for (uint before : {0u, 987654321u}) {
            shown().mmsi = before;
            m_view->updateConfigurationMMSIInfo();
            shown().mmsi = mmsi;
            m_view->updateConfigurationMMSIInfo();
            QCOMPARE(m_ui->edtCfgMmsi->text(), text);
            QCOMPARE(m_ui->edtCfgMmsi->isEnabled(), editable);
            QCOMPARE(readBack(MACHINE_UNIT_K_42).mmsi, uint32_t(mmsi));
        }
        m_ui->edtCfgMmsi->setText(QStringLiteral("x"));
        QCOMPARE(readBack(MACHINE_UNIT_K_42).mmsi, uint32_t(0));
    }

    void bauds_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QList<int>>("rates"); // nmea1 in, nmea1 out, nmea2 in, nmea2 out
        QTest::addColumn<QList<int>>("positions");
        QTest::addColumn<QList<int>>("readBack");
        QTest::newRow("UNIT-K-42") << 1 << QList<int>{38400, 4800, 9600, 38400} << QList<int>{0, 2, 1, 0}
                                   << QList<int>{38400, 4800, 9600, 38400};
        // Rates the lists do not offer show no selection and go back as the device gave them.
        QTest::newRow("UNIT-K-42, rates not offered") << 1 << QList<int>{115200, 19200, 0, 9600}
                                                      << QList<int>{-1, -1, -1, 1} << QList<int>{115200, 19200, 0, 9600};
        // Each port has one rate, shown in the first two rows and read back into both fields.
        QTest::newRow("Q-375") << 2 << QList<int>{4800, 4800, 38400, 38400} << QList<int>{2, 0, 1, 1}
                               << QList<int>{4800, 4800, 38400, 38400};
        QTest::newRow("Q-375, second port not offered") << 2 << QList<int>{4800, 4800, 57600, 57600}
                                                        << QList<int>{2, -1, 1, 1} << QList<int>{4800, 4800, 57600, 57600};
        QTest::newRow("unknown model") << 0 << QList<int>{115200, 4800, 9600, 38400} << QList<int>{1, 1, 1, 1}
                                       << QList<int>{115200, 4800, 9600, 38400};
    }

    void bauds()
    {
        QFETCH(int, model);
        QFETCH(QList<int>, rates);
        QFETCH(QList<int>, positions);
        QFETCH(QList<int>, readBack);
        for (QComboBox* box : {m_ui->cbbxCfgNmea1Input, m_ui->cbbxCfgNmea1Output, m_ui->cbbxCfgNmea2Input,
                               m_ui->cbbxCfgNmea2Output})
            box->setCurrentIndex(1);
        CSensorConfig& config = shown();
        config.nmea1InBaud = rates[0];
        config.nmea1OutBaud = rates[1];
        config.nmea2InBaud = rates[2];
        config.nmea2OutBaud = rates[3];
        m_view->updateConfigurationInfo(MACHINE_TYPE(model));
        QCOMPARE(baudPositions(), positions);
        const CSensorConfig read = this->readBack(MACHINE_TYPE(model));
        QCOMPARE((QList<int>{read.nmea1InBaud, read.nmea1OutBaud, read.nmea2InBaud, read.nmea2OutBaud}), readBack);
    }

    // A code the list does not offer shows no selection and is kept, not replaced by the first
    // entry's 20.
    void vesselType_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("listed");
        QTest::newRow("first entry") << 20 << true;
        QTest::newRow("sailing") << 36 << true;
        QTest::newRow("not offered") << 99 << false;
    }

    void vesselType()
    {
        QFETCH(int, code);
        QFETCH(bool, listed);
        shown().shipType = code;
        m_view->updateConfigurationInfo(MACHINE_UNIT_K_42);
        const int index = m_ui->cbbxCfgVesselType->currentIndex();
        QCOMPARE(index >= 0, listed);
        if (listed)
            QCOMPARE(m_view->getShipTypeCode(index), code);
        QCOMPARE(readBack(MACHINE_UNIT_K_42).shipType, code);
    }

    void gpsMode_data()
    {
        QTest::addColumn<int>("dynModel");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("other"); // read back once the user picks the other entry
        QTest::newRow("4") << 4 << 0 << 5;
        QTest::newRow("5") << 5 << 1 << 4;
        QTest::newRow("6") << 6 << 1 << 4;
        QTest::newRow("0") << 0 << 1 << 4;
    }

    void gpsMode()
    {
        QFETCH(int, dynModel);
        QFETCH(int, position);
        QFETCH(int, other);
        shown().gpsDynModel = dynModel;
        m_view->updateConfigurationInfo(MACHINE_Q_375);
        QCOMPARE(m_ui->cbbxCfgGpsMode->currentIndex(), position);
        if (position == 1)
            QCOMPARE(m_ui->cbbxCfgGpsMode->currentText(), QStringLiteral("At sea level"));
        // Left as shown, the device's own model goes back.
        QCOMPARE(readBack(MACHINE_Q_375).gpsDynModel, dynModel);
        m_ui->cbbxCfgGpsMode->setCurrentIndex(1 - position);
        QCOMPARE(readBack(MACHINE_Q_375).gpsDynModel, other);
    }

    // Model 2's own settings: an instance outside the list shows no entry. Left as shown,
    // the device's values go back whatever they are; the user's choice goes back as chosen.
    void deviceInstanceAndMessage27_data()
    {
        QTest::addColumn<int>("instance");
        QTest::addColumn<int>("channelA");
        QTest::addColumn<int>("channelB");
        QTest::addColumn<QString>("shownInstance");
        QTest::addColumn<bool>("msg27");
        QTest::newRow("7, on") << 7 << 75 << 76 << "7" << true;
        QTest::newRow("255, one channel") << 255 << 75 << 0 << "255" << false;
        QTest::newRow("instance 300") << 300 << 0 << 0 << "" << false;
        QTest::newRow("instance -1") << -1 << 0 << 76 << "" << false;
    }

    void deviceInstanceAndMessage27()
    {
        QFETCH(int, instance);
        QFETCH(int, channelA);
        QFETCH(int, channelB);
        QFETCH(QString, shownInstance);
        QFETCH(bool, msg27);
        m_ui->cbbxCfgNMEADevInst->setCurrentIndex(3);
        m_ui->chbxCfgMsg27->setChecked(!msg27);
        CSensorConfig& config = shown();
        config.nmea2000Instance = instance;
        config.lrChannel1 = channelA;
        config.lrChannel2 = channelB;
        m_view->updateConfigurationInfo(MACHINE_Q_375);
        QCOMPARE(m_ui->cbbxCfgNMEADevInst->currentText(), shownInstance);
        QCOMPARE(m_ui->chbxCfgMsg27->isChecked(), msg27);
        const CSensorConfig left = readBack(MACHINE_Q_375);
        QCOMPARE((QList<int>{left.nmea2000Instance, left.lrChannel1, left.lrChannel2}),
                 (QList<int>{instance, channelA, channelB}));

        m_ui->cbbxCfgNMEADevInst->setCurrentIndex(9);
        m_ui->chbxCfgMsg27->setChecked(!msg27);
        const CSensorConfig chosen = readBack(MACHINE_Q_375);
        QCOMPARE((QList<int>{chosen.nmea2000Instance, chosen.lrChannel1, chosen.lrChannel2}),
                 (QList<int>{9, msg27 ? 0 : 75, msg27 ? 0 : 76}));
    }

    // The UNIT-K-42 neither shows nor writes model 2's settings.
    void unitK42KeepsModel2Settings()
    {
        m_ui->cbbxCfgNMEADevInst->setCurrentIndex(3);
        CSensorConfig& config = shown();
        config.nmea2000Instance = 7;
        config.lrChannel1 = 75;
        config.lrChannel2 = 0;
        m_view->updateConfigurationInfo(MACHINE_UNIT_K_42);
        QCOMPARE(m_ui->cbbxCfgNMEADevInst->currentIndex(), 3);
        const CSensorConfig read = readBack(MACHINE_UNIT_K_42);
        QCOMPARE((QList<int>{read.nmea2000Instance, read.lrChannel1, read.lrChannel2}), (QList<int>{7, 75, 0}));
    }

    // DSC, GPS rate and ALR as positions, for every model, and the form's own values back.
    void onOffSettings_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QByteArray>("dsc");
        QTest::addColumn<int>("gpsRate");
        QTest::addColumn<int>("alr");
        QTest::newRow("UNIT-K-42, all on") << 1 << QByteArray("1") << 10 << 1;
        QTest::newRow("Q-375, all off") << 2 << QByteArray("0") << 0 << 0;
        QTest::newRow("unknown model, DSC text not 1") << 0 << QByteArray("2") << 3 << 1;
    }

    void onOffSettings()
    {
        QFETCH(int, model);
        QFETCH(QByteArray, dsc);
        QFETCH(int, gpsRate);
        QFETCH(int, alr);
        CSensorConfig& config = shown();
        config.dscMonitor[0] = dsc[0];
        config.gpsUpdateRate = gpsRate;
        config.alrOutput = alr;
        m_view->updateConfigurationInfo(MACHINE_TYPE(model));
        const bool dscOn = dsc == "1";
        QCOMPARE(m_ui->cbbxCfgDscMonitoring->currentIndex(), dscOn ? 1 : 0);
        QCOMPARE(m_ui->cbbxCfgGpsUpdateRate->currentText(),
                 gpsRate == 0 ? QStringLiteral("OFF") : QStringLiteral("%1s").arg(gpsRate));
        QCOMPARE(m_ui->cbbxCfgAlrSentence->currentText(), alr ? QStringLiteral("ON") : QStringLiteral("OFF"));
        const CSensorConfig read = readBack(MACHINE_TYPE(model));
        // Left as shown: the device's own DSC text goes back, "2" too.
        QCOMPARE(QByteArray(read.dscMonitor), dsc);
        QCOMPARE(read.gpsUpdateRate, gpsRate);
        QCOMPARE(read.alrOutput, alr);

        // Nothing selected is nothing chosen: the device's rate stays.
        m_ui->cbbxCfgGpsUpdateRate->setCurrentIndex(-1);
        QCOMPARE(readBack(MACHINE_TYPE(model)).gpsUpdateRate, gpsRate);
        m_ui->cbbxCfgDscMonitoring->setCurrentIndex(dscOn ? 0 : 1);
        QCOMPARE(QByteArray(readBack(MACHINE_TYPE(model)).dscMonitor), QByteArray(dscOn ? "0" : "1"));
    }

    void vesselDataRoundTrip()
    {
        CSensorConfig& config = shown();
        std::strcpy(config.shipName, "SIM SEAGULL");
        std::strcpy(config.callSign, "SIMK042");
        config.dimA = 511;
        config.dimB = 4;
        config.dimC = 63;
        config.dimD = 0;
        m_view->updateConfigurationInfo(MACHINE_UNIT_K_42);
        QCOMPARE(m_ui->edtCfgShipName->text(), QStringLiteral("SIM SEAGULL"));
        QCOMPARE(m_ui->edtCfgCallSign->text(), QStringLiteral("SIMK042"));
        const CSensorConfig read = readBack(MACHINE_UNIT_K_42);
        QCOMPARE(QByteArray(read.shipName), QByteArray("SIM SEAGULL"));
        QCOMPARE(QByteArray(read.callSign), QByteArray("SIMK042"));
        QCOMPARE((QList<int>{read.dimA, read.dimB, read.dimC, read.dimD}), (QList<int>{511, 4, 63, 0}));

        // A shorter name leaves nothing of the longer one behind: records compare byte by byte.
        m_ui->edtCfgShipName->setText(QStringLiteral("AB"));
        const CSensorConfig shorter = readBack(MACHINE_UNIT_K_42);
        QCOMPARE(QByteArray(shorter.shipName, sizeof shorter.shipName), QByteArray("AB").leftJustified(23, '\0'));
        m_ui->edtCfgShipName->clear();
        QCOMPARE(readBack(MACHINE_UNIT_K_42).shipName[0], '\0');
    }

    // Texts from the device longer than the user may type, in Latin-1: shown whole as they
    // came, and back byte for byte while left; an edited text that grows in UTF-8 comes back
    // cut to the record's field, terminated, and is named as not fitting.
    void deviceTextsComeBackBounded()
    {
        CSensorConfig& config = shown();
        std::memset(config.shipName, '\xE9', sizeof config.shipName - 1);
        std::memset(config.callSign, '\xE9', sizeof config.callSign - 1);
        const CSensorConfig device = config;
        m_view->updateConfigurationInfo(MACHINE_UNIT_K_42);
        QCOMPARE(m_ui->edtCfgShipName->text(), QString(22, QChar(0xE9)));
        QCOMPARE(m_ui->edtCfgCallSign->text(), QString(8, QChar(0xE9)));
        const CSensorConfig read = readBack(MACHINE_UNIT_K_42);
        QCOMPARE(QByteArray(read.shipName, sizeof read.shipName),
                 QByteArray(device.shipName, sizeof device.shipName));
        QCOMPARE(QByteArray(read.callSign, sizeof read.callSign),
                 QByteArray(device.callSign, sizeof device.callSign));
        QVERIFY(!m_view->unfitTextField());

        m_ui->edtCfgShipName->setText(QString(20, QChar(0xC9)));
        const CSensorConfig edited = readBack(MACHINE_UNIT_K_42);
        QCOMPARE(strnlen(edited.shipName, sizeof edited.shipName), sizeof edited.shipName - 1);
        QVERIFY(QByteArray(edited.shipName).startsWith(QString(11, QChar(0xC9)).toUtf8()));
        QCOMPARE(m_view->unfitTextField(), m_ui->edtCfgShipName);
    }
};

QTEST_MAIN(TestMainWindowConfigPage)
#include "tst_mainwindowconfigpage.moc"
