#include "mainwindow/AisConfiguration.h"
#include "mainwindow/CAisConfigurationView.h"
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
const QString ConnectingText = QStringLiteral("Determining the AIS Device Type...");
const QString DisconnectedText = QStringLiteral("Click to connect the device!");

// What the user types on the Configuration page.
struct SEntered
{
    QString typedName;
    QString name;
    QString typedCallSign;
    QString callSign;
    QString vesselType;
    QList<int> dimensions;
};

const SEntered Entered{"north wind", "NORTH WIND", "ab12cd", "AB12CD", "52 = Tug", {20, 5, 3, 4}};

} // namespace

// A user's first session: the port picked, Connect pressed, the device identified and its
// configuration read; the vessel's data changed and programmed; the device connected again and
// the new data read back.
class TestJourneyProgram : public QObject
{
    Q_OBJECT

private:
    WindowSimRig m_rig;
    std::unique_ptr<BoxAnswerer> m_boxes;
    Ui::AisConfiguration* m_ui = nullptr;
    int64_t m_now = WindowSimRig::Start;

    QList<QSpinBox*> dimensionBoxes() const
    {
        return {m_ui->spbxCfgVslDimA, m_ui->spbxCfgVslDimB, m_ui->spbxCfgVslDimC, m_ui->spbxCfgVslDimD};
    }

    // The Q-375's question about the Wi-Fi module's power, answered No, comes with every read.
    QStringList boxesOfRead(int model)
    {
        return model == 2 ? QStringList{m_rig.window().view()->msgText().powerSupplyNote} : QStringList{};
    }

    void typeInto(QLineEdit* field, const QString& text)
    {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }

    void typeInto(QSpinBox* box, int value)
    {
        box->selectAll();
        QTest::keyClicks(box, QString::number(value));
        QTest::keyClick(box, Qt::Key_Enter);
    }

    void checkHomeShows(const QString& name, const QString& callSign, const QString& vesselType, const QString& mmsi)
    {
        QCOMPARE(m_ui->tbwgMain->currentWidget(), m_ui->tabMainHome);
        QCOMPARE(m_ui->lblHomeShipName->text(), name);
        QCOMPARE(m_ui->lblHomeCallSign->text(), callSign);
        QCOMPARE(m_ui->lblHomeVesselType->text(), vesselType);
        QCOMPARE(m_ui->lblHomeMmsi->text(), mmsi);
    }

    void checkConfigurationShows(const QString& name, const QString& callSign, const QString& vesselType,
                                 const QList<int>& dimensions, const QString& mmsi)
    {
        QTest::mouseClick(m_ui->btnMMConfiguration, Qt::LeftButton);
        QCOMPARE(m_ui->tbwgMain->currentWidget(), m_ui->tabMainConfiguration);
        QCOMPARE(m_ui->edtCfgShipName->text(), name);
        QCOMPARE(m_ui->edtCfgCallSign->text(), callSign);
        QCOMPARE(m_ui->cbbxCfgVesselType->currentText(), vesselType);
        for (int i = 0; i < dimensions.size(); ++i)
            QCOMPARE(dimensionBoxes()[i]->value(), dimensions[i]);
        QCOMPARE(m_ui->edtCfgMmsi->text(), mmsi);
        // Programmed once, the MMSI is not offered for change.
        QVERIFY(!m_ui->edtCfgMmsi->isEnabled());
    }

private slots:
    void initTestCase()
    {
        Resources::registerCollections();
        LogCapture::start();
        m_boxes = std::make_unique<BoxAnswerer>();
    }

    void cleanup() { QVERIFY(m_rig.stop()); }

    void readProgramReadBack_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("nmea1InputLabel");
        QTest::addColumn<QString>("factoryVesselType");
        QTest::newRow("UNIT-K-42") << 1 << "NMEA 1 Input" << "37 = Vessel-Pleasure craft";
        QTest::newRow("Q-375") << 2 << "NMEA 1" << "36 = Vessel-Sailing";
    }

    void readProgramReadBack()
    {
        QFETCH(int, model);
        QFETCH(QString, nmea1InputLabel);
        QFETCH(QString, factoryVesselType);
        const auto factory = [model](const char* key) { return JourneySteps::factoryValue(model, key); };
        m_boxes->reset(QMessageBox::No);
        QVERIFY(m_rig.start(model));
        m_ui = m_rig.ui();
        QCOMPARE(m_ui->btnCommConnt->text(), QStringLiteral("Connect"));
        QCOMPARE(m_ui->lblConntStatus->text(), DisconnectedText);
        QVERIFY(!m_ui->wgMainMenu->isEnabled());

        // Connect: the button says what it will do next, the status what is going on.
        QVERIFY(m_rig.selectSimPort());
        QTest::mouseClick(m_ui->btnCommConnt, Qt::LeftButton);
        QCOMPARE(m_ui->btnCommConnt->text(), QStringLiteral("Disconnect"));
        QCOMPARE(m_ui->lblConntStatus->text(), ConnectingText);
        QVERIFY(QTest::qWaitFor([&] { return m_ui->btnCommConnt->isEnabled(); }, WaitMs));
        QVERIFY(!m_rig.window().view()->serialPortComboBox().isEnabled());
        m_now = WindowSimRig::Start;
        QVERIFY(m_rig.detect(&m_now));

        // Identified and read: the status line is done, the pages open, Home shows the vessel.
        QCOMPARE(m_boxes->texts, boxesOfRead(model));
        QVERIFY(m_ui->lblConntStatus->text().isEmpty());
        QVERIFY(m_ui->wgMainMenu->isEnabled());
        CHECK_STEP(checkHomeShows(factory("name"), factory("callsign"), factoryVesselType, factory("mmsi")));
        QCOMPARE(m_ui->lblHomeProductSNValue->text(), factory("serial"));
        QCOMPARE(m_ui->lblHomeProductFVValue->text(), factory("firmware"));
        const QList<int> factoryDimensions{factory("a").toInt(), factory("b").toInt(), factory("c").toInt(),
                                           factory("d").toInt()};
        CHECK_STEP(checkConfigurationShows(factory("name"), factory("callsign"), factoryVesselType, factoryDimensions,
                                           factory("mmsi")));
        QCOMPARE(m_ui->lblCfgNmea1Input->text(), nmea1InputLabel);

        // The user's changes; name and call sign are upper-cased as typed.
        typeInto(m_ui->edtCfgShipName, Entered.typedName);
        typeInto(m_ui->edtCfgCallSign, Entered.typedCallSign);
        QCOMPARE(m_ui->edtCfgShipName->text(), Entered.name);
        QCOMPARE(m_ui->edtCfgCallSign->text(), Entered.callSign);
        QVERIFY(JourneySteps::pickFromList(m_ui->cbbxCfgVesselType, Entered.vesselType));
        for (int i = 0; i < Entered.dimensions.size(); ++i) {
            typeInto(dimensionBoxes()[i], Entered.dimensions[i]);
            QCOMPARE(dimensionBoxes()[i]->value(), Entered.dimensions[i]);
        }

        m_boxes->reset(QMessageBox::Yes);
        QTest::mouseClick(m_ui->btnCfgProgramDev, Qt::LeftButton);
        QCOMPARE(m_boxes->titles, QStringList{"Configuration"});
        QCOMPARE(m_boxes->texts, QStringList{"Save settings to device?"});
        // The user waits while the device takes the settings and answers the read-back.
        QVERIFY(QTest::qWaitFor([&] { return m_rig.receivedCount("$PTST,,,,,16*") == 2; }, WaitMs));
        m_now += 3;
        m_rig.tickAt(m_now);
        QCOMPARE(m_boxes->texts.value(1), QStringLiteral("The device took the settings."));
        CHECK_STEP(checkConfigurationShows(Entered.name, Entered.callSign, Entered.vesselType, Entered.dimensions,
                                           factory("mmsi")));

        // Disconnect: the window forgets the device.
        QTest::mouseClick(m_ui->btnCommConnt, Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return m_ui->btnCommConnt->isEnabled(); }, WaitMs));
        QVERIFY(!m_ui->btnCommConnt->isChecked());
        QCOMPARE(m_ui->btnCommConnt->text(), QStringLiteral("Connect"));
        QCOMPARE(m_ui->lblConntStatus->text(), DisconnectedText);
        QVERIFY(!m_ui->wgMainMenu->isEnabled());
        CHECK_STEP(checkHomeShows(QString(), QString(), QString(), QString()));

        // Connect again: the device answers with what was programmed.
        m_boxes->reset(QMessageBox::No);
        m_now += 10;
        QVERIFY(JourneySteps::connectAndRead(m_rig, &m_now));
        QCOMPARE(m_boxes->texts, boxesOfRead(model));
        QVERIFY(m_ui->lblConntStatus->text().isEmpty());
        CHECK_STEP(checkHomeShows(Entered.name, Entered.callSign, Entered.vesselType, factory("mmsi")));
        CHECK_STEP(checkConfigurationShows(Entered.name, Entered.callSign, Entered.vesselType, Entered.dimensions,
                                           factory("mmsi")));
    }
};

QTEST_MAIN(TestJourneyProgram)
#include "tst_journeyprogram.moc"
