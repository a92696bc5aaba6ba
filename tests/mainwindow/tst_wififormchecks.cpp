#include "LogCapture.h"
#include "device/CWiFiAPExchangeSet.h"
#include "device/CWiFiConfig.h"
#include "mainwindow/wifi/ClientAPChoice.h"
#include "mainwindow/wifi/WiFiAPForm.h"
#include "mainwindow/wifi/WiFiFormChecks.h"

#include <QtTest>
#include <algorithm>
#include <cstring>

using namespace WiFiForm;
using namespace WiFiScope;

namespace {

// A form that passes every check; each row spoils one field.
SWiFiFormInput goodForm()
{
    SWiFiFormInput form;
    form.ssid = "Harbour";
    form.password = "12345678";
    form.channel = "Auto Select";
    form.ip = "192.168.4.1";
    form.mask = "255.255.255.0";
    form.port = "8080";
    return form;
}

SClientAPInfoStruct group(const std::string& ssid, const std::string& security, int rssi)
{
    SClientAPInfoStruct one;
    one.ssid = ssid;
    one.members.push_back({ssid, "0C:80:63:1A:2B:01", 6, rssi, security});
    return one;
}

} // namespace

class TestWiFiFormChecks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LogCapture::start(); }
    void init() { LogCapture::take(); }

    void addressRule_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("part above 255") << "192.168.1.256" << false;
        QTest::newRow("all zero") << "0.0.0.0" << true;
        QTest::newRow("three parts") << "192.168.1" << false;
        QTest::newRow("empty part") << "192.168..1" << false;
        QTest::newRow("part without digits reads 0") << "10.a.0.1" << true;
        QTest::newRow("dots only") << "..." << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("negative part") << "10.-1.0.1" << false;
        QTest::newRow("digits then letters") << "10.1x.0.1" << true;
        QTest::newRow("text after a fourth dot") << "10.0.0.1.999" << true;
        QTest::newRow("overlong part") << "10.99999999999999999999.0.1" << false;
        QTest::newRow("mask") << "255.255.255.0" << true;
    }

    void addressRule()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QCOMPARE(checkWiFiIPSets(text), accepted);
    }

    void portRule_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("above range") << "65536" << false;
        QTest::newRow("zero") << "0" << true;
        QTest::newRow("top") << "65535" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("negative") << "-1" << false;
        QTest::newRow("too long to be an int") << "99999999999" << false;
    }

    void portRule()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QCOMPARE(checkWiFiPort(text), accepted);
    }

    void channelRule_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("Auto Select") << "Auto Select" << true;
        QTest::newRow("1") << "1" << true;
        QTest::newRow("11") << "11" << true;
        QTest::newRow("12") << "12" << false;
        QTest::newRow("negative") << "-1" << false;
    }

    void channelRule()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QCOMPARE(checkWiFiChannel(text), accepted);
    }

    // The first fault wins; the rows run the checks' order.
    void firstFault_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("noPassword");
        QTest::addColumn<int>("fault");
        QTest::newRow("all good") << "" << "" << false << int(WIFI_FORM_OK);
        QTest::newRow("no SSID, bad IP too") << "ssid" << "" << false << int(WIFI_FORM_NO_SSID);
        QTest::newRow("empty password fails check 2") << "password" << "" << false << int(WIFI_FORM_NO_PASSWORD);
        QTest::newRow("empty password, none ticked") << "password" << "" << true << int(WIFI_FORM_OK);
        QTest::newRow("7 characters") << "password" << "1234567" << false << int(WIFI_FORM_PASSWORD_LENGTH);
        QTest::newRow("8 characters") << "password" << "12345678" << false << int(WIFI_FORM_OK);
        QTest::newRow("63 characters") << "password" << QString(63, 'p') << false << int(WIFI_FORM_OK);
        QTest::newRow("64 characters") << "password" << QString(64, 'p') << false << int(WIFI_FORM_PASSWORD_LENGTH);
        QTest::newRow("7 characters, none ticked") << "password" << "1234567" << true << int(WIFI_FORM_OK);
        QTest::newRow("channel 12") << "channel" << "12" << false << int(WIFI_FORM_CHANNEL);
        QTest::newRow("bad IP") << "ip" << "192.168.1" << false << int(WIFI_FORM_IP_ADDRESS);
        QTest::newRow("bad mask") << "mask" << "255.255..0" << false << int(WIFI_FORM_SUBNET_MASK);
        QTest::newRow("bad port") << "port" << "65536" << false << int(WIFI_FORM_PORT);
        QTest::newRow("empty port") << "port" << "" << false << int(WIFI_FORM_PORT);
    }

    void firstFault()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(bool, noPassword);
        QFETCH(int, fault);
        SWiFiFormInput form = goodForm();
        form.noPassword = noPassword;
        if (field == "ssid") {
            form.ssid = value;
            form.ip = "1.2.3";
        } else if (field == "password") {
            form.password = value;
        } else if (field == "channel") {
            form.channel = value;
        } else if (field == "ip") {
            form.ip = value;
        } else if (field == "mask") {
            form.mask = value;
        } else if (field == "port") {
            form.port = value;
        }
        QCOMPARE(int(checkInputRule(form)), fault);
    }

    // Each text is cut to its field: a full SSID has no NUL and leaves the address intact.
    void formToRecord_data()
    {
        QTest::addColumn<int>("ssidLength");
        QTest::addColumn<bool>("noPassword");
        QTest::addColumn<QString>("ssid");
        QTest::addColumn<QString>("security");
        QTest::addColumn<QString>("password");
        QTest::newRow("short, with password") << 7 << false << "SSSSSSS" << "WPA2-PSK" << "12345678";
        QTest::newRow("full field") << 32 << false << QString(32, 'S') << "WPA2-PSK" << "12345678";
        QTest::newRow("longer than the field") << 40 << true << QString(32, 'S') << "NONE" << "";
    }

    void formToRecord()
    {
        QFETCH(int, ssidLength);
        QFETCH(bool, noPassword);
        QFETCH(QString, ssid);
        QFETCH(QString, security);
        QFETCH(QString, password);
        SWiFiFormInput form = goodForm();
        form.ssid = QString(ssidLength, 'S');
        form.noPassword = noPassword;
        // Stale bytes in every field: what is not cleared shows.
        SAPData record;
        std::fill_n(reinterpret_cast<char*>(&record), sizeof record, '\x7f');
        fillWiFiAPData(form, &record);
        const auto text = [](const char* field, size_t size) { return QString::fromLatin1(field, int(strnlen(field, size))); };
        QCOMPARE(text(record.ssid, sizeof record.ssid), ssid);
        QCOMPARE(text(record.ip, sizeof record.ip), QString("192.168.4.1"));
        QCOMPARE(text(record.mask, sizeof record.mask), QString("255.255.255.0"));
        QCOMPARE(record.port, 8080);
        QCOMPARE(record.channel, 0);
        QCOMPARE(text(record.security, sizeof record.security), security);
        QCOMPARE(text(record.password, sizeof record.password), password);
    }

    // A click on a row of the table, through its proxy as the page shows it.
    void accessPointChoice()
    {
        CWiFiConfig wifi;
        wifi.update([](SCmdProcData& s) {
            s.apList = {group("Dock", "WPA2-PSK", -50), group("Marina", "NONE", -60), group("Dock", "WPA2-PSK", -70)};
        });
        CWiFiAPExchangeSet table;
        table.updateExchangeSet(wifi);
        QAbstractItemModel* shown = table.proxyModel();
        const int ssidColumn = table.getCellSeqIndex(CWiFiAPExchangeSet::AP_ITEM_SSID);

        SClintAPCntData chosen;
        chosen.password = "left over";
        const std::vector<SClientAPInfoStruct> list = wifi.snapshot().apList;
        for (int row = 0; row < shown->rowCount(); ++row) {
            const QModelIndex clicked = shown->index(row, 0);
            QVERIFY(getClientAPListData(clicked, table, list, &chosen));
            const QString ssid = shown->index(row, ssidColumn).data().toString();
            QCOMPARE(QString::fromStdString(chosen.ssid), ssid);
            QVERIFY(chosen.password.empty());
            if (ssid == "Marina") {
                QCOMPARE(chosen.security, std::string("NONE"));
                QCOMPARE(chosen.apIndex, 1);
            } else {
                // The SSID stands in two groups: the later one is taken.
                QCOMPARE(chosen.security, std::string("WPA2-PSK"));
                QCOMPARE(chosen.apIndex, 2);
            }
        }
        QVERIFY(LogCapture::take().join('\n').contains("Get Clint AP list data : Marina, NONE"));

        // Not on the scan list any more: chosen, with no group.
        QVERIFY(getClientAPListData(shown->index(0, 0), table, {}, &chosen));
        QCOMPARE(chosen.apIndex, -1);
        QVERIFY(LogCapture::take().join('\n').contains("is not on the list !"));

        // No row there: refused, the record cleared.
        QVERIFY(!getClientAPListData(shown->index(7, 0), table, list, &chosen));
        QVERIFY(chosen.ssid.empty() && chosen.security.empty());
        QCOMPARE(chosen.apIndex, -1);
    }
};

QTEST_MAIN(TestWiFiFormChecks)
#include "tst_wififormchecks.moc"
