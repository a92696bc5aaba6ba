#include "device/CCommSpacesManage.h"
#include "mainwindow/AisConfiguration.h"
#include "mainwindow/CAisConfigurationView.h"
#include "resources/ResourceCollections.h"

#include "StandInPortLister.h"

#include <QtTest>
#include <memory>
#include <string>

namespace {

SSerialPortEntry port(const QString& name, const QString& description = QString(), bool busy = false)
{
    return {name, QStringLiteral("/dev/%1").arg(name), description, busy};
}

} // namespace

// The connection bar's port selector and the profile built from it, in the window as the
// program builds it, over ports a test lists.
class TestMainWindowPorts : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<CStandInPortLister> m_ports;
    std::unique_ptr<AisConfiguration> m_window;

    WgComboBox& selector() { return m_window->view()->serialPortComboBox(); }

    QStringList listed()
    {
        QStringList texts;
        for (int row = 0; row < selector().count(); ++row)
            texts << selector().itemText(row);
        return texts;
    }

    void build(const QVector<SSerialPortEntry>& ports)
    {
        m_window.reset();
        m_ports = std::make_shared<CStandInPortLister>(ports);
        m_window = std::make_unique<AisConfiguration>(nullptr, m_ports);
    }

    // As the user opens the list.
    void openList()
    {
        selector().showPopup();
        selector().hidePopup();
    }

private slots:
    void initTestCase() { Resources::registerCollections(); }
    void cleanup() { m_window.reset(); }

    void startUpThenRefreshOrder()
    {
        build({port("COM2", "Communications Port"), port("COM9", "USB Serial Port"), port("ttyUSB10"),
               port("ttyACM0"), port("ttyUSB2")});
        const QStringList atStart{"USB Serial Port (COM9)", "Communications Port (COM2)", "ttyACM0", "ttyUSB2",
                                  "ttyUSB10"};
        QCOMPARE(listed(), atStart);
        QCOMPARE(selector().currentIndex(), 0);
        QCOMPARE(selector().currentData(Qt::UserRole).toString(), QStringLiteral("/dev/COM9"));

        QSignalSpy changed(&selector(), &QComboBox::currentTextChanged);
        openList();
        QCOMPARE(listed(), QStringList({"Communications Port (COM2)", "USB Serial Port (COM9)", "ttyACM0",
                                        "ttyUSB2", "ttyUSB10"}));
        // The same ports keep the selection; the rebuild itself is silent.
        QCOMPARE(selector().currentText(), QStringLiteral("USB Serial Port (COM9)"));
        QCOMPARE(changed.count(), 0);
    }

    void busyPortLosesSelection()
    {
        build({port("COM2"), port("COM9")});
        selector().setCurrentIndex(1);
        m_ports->setPorts({port("COM2"), port("COM9", QString(), true)});
        openList();
        QCOMPARE(listed(), QStringList({"COM2", "COM9 - IN USE"}));
        QCOMPARE(selector().currentIndex(), 0);
    }

    void noPorts()
    {
        build({});
        QCOMPARE(selector().count(), 0);
        QCOMPARE(selector().currentIndex(), -1);
        const COMM::SCommConntProfile profile = m_window->view()->getConntProfile(0);
        QCOMPARE(profile.serialConfig.portName[0], '\0');
    }

    void profile_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<bool>("gone");
        QTest::addColumn<int>("baudIndex");
        QTest::addColumn<QString>("deviceName");
        QTest::addColumn<QString>("portName");
        QTest::addColumn<int>("baudInProfile");
        QTest::newRow("plain") << QString() << false << 2 << "ttyUSB0" << "ttyUSB0" << 2;
        QTest::newRow("31 characters named") << QString(21, 'x') << false << 7 << QString(21, 'x') + " (ttyUSB0)"
                                             << "ttyUSB0" << 7;
        // The port is still found by its location when the text is too long to name the link.
        QTest::newRow("32 characters unnamed") << QString(22, 'x') << false << 0 << QString() << "ttyUSB0" << 0;
        QTest::newRow("port gone") << QString() << true << 4 << "ttyUSB0" << QString() << 4;
        QTest::newRow("baud index 8") << QString() << false << 8 << "ttyUSB0" << "ttyUSB0" << -1;
    }

    void profile()
    {
        QFETCH(QString, description);
        QFETCH(bool, gone);
        QFETCH(int, baudIndex);
        QFETCH(QString, deviceName);
        QFETCH(QString, portName);
        QFETCH(int, baudInProfile);
        build({port("ttyUSB0", description)});
        if (gone)
            m_ports->setPorts({port("ttyUSB1")});
        const COMM::SCommConntProfile profile = m_window->view()->getConntProfile(baudIndex);
        QCOMPARE(profile.commType, COMM::COMM_TYPE_SERIAL);
        QCOMPARE(profile.conntSetting.sensorType, COMM::SENSOR_DEVICE_LINK);
        QVERIFY(profile.conntSetting.active);
        QVERIFY(profile.conntSetting.splitLines);
        QCOMPARE(QString::fromStdU32String(profile.conntSetting.devName), deviceName);
        QCOMPARE(QString::fromUtf8(profile.serialConfig.portName), portName);
        QCOMPARE(profile.serialConfig.baudIndex, baudInProfile);
    }
};

QTEST_MAIN(TestMainWindowPorts)
#include "tst_mainwindowports.moc"
