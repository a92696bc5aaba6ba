#include "DeviceFixture.h"
#include "LogCapture.h"
#include "device/DeviceFields.h"

#include <QtTest>
#include <iterator>
#include <limits>

using namespace DeviceFixture;

namespace {

// Lines of the system-data text fed one by one, each closed with CR LF as received.
CSensorConfig dumpOf(const QByteArrayList& lines)
{
    CSensorConfig config;
    for (const QByteArray& line : lines)
        config.updateConfigData((line + "\r\n").constData());
    return config;
}

// The warnings logged since the last call, without the operation names.
QStringList warnings()
{
    QStringList found;
    for (const QString& line : LogCapture::take()) {
        const int at = line.indexOf("[W]");
        if (at >= 0)
            found << line.mid(at + 3);
    }
    return found;
}

void verifyWarned(const QString& expected)
{
    const QStringList logged = warnings();
    if (expected.isEmpty())
        QVERIFY2(logged.isEmpty(), qPrintable(logged.join('\n')));
    else
        QVERIFY2(logged.size() == 1 && logged.first().contains(expected), qPrintable(logged.join('\n')));
}

} // namespace

class TestSensorConfig : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LogCapture::start(); }
    void init() { LogCapture::take(); }

    // Read as atoi reads, but a number outside the range is refused, however long.
    void readInt_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<qlonglong>("min");
        QTest::addColumn<qlonglong>("max");
        QTest::addColumn<QString>("expected"); // the number, or "refused"

        const qlonglong i32min = std::numeric_limits<int32_t>::min();
        const qlonglong i32max = std::numeric_limits<int32_t>::max();
        const qlonglong i64min = std::numeric_limits<qlonglong>::min();
        const qlonglong i64max = std::numeric_limits<qlonglong>::max();
        QTest::newRow("digits then text") << QByteArray(" \t+42)\r\n") << i32min << i32max << "42";
        QTest::newRow("no digits") << QByteArray("x1") << i32min << i32max << "0";
        QTest::newRow("null") << QByteArray() << i32min << i32max << "0";
        QTest::newRow("32-bit top") << QByteArray("2147483647") << i32min << i32max << "2147483647";
        QTest::newRow("past the 32-bit top") << QByteArray("2147483648") << i32min << i32max << "refused";
        QTest::newRow("32-bit bottom") << QByteArray("-2147483648") << i32min << i32max << "-2147483648";
        QTest::newRow("64-bit top") << QByteArray("9223372036854775807") << i64min << i64max << "9223372036854775807";
        QTest::newRow("past the 64-bit top") << QByteArray("9223372036854775808") << i64min << i64max << "refused";
        QTest::newRow("64-bit bottom") << QByteArray("-9223372036854775808") << i64min << i64max
                                       << "-9223372036854775808";
        QTest::newRow("past the 64-bit bottom") << QByteArray("-9223372036854775809") << i64min << i64max
                                                << "refused";
        QTest::newRow("digits that would wrap") << QByteArray("92233720368547758080") << i64min << i64max
                                                << "refused";
        QTest::newRow("a hundred digits") << QByteArray(100, '9') << i64min << i64max << "refused";
        QTest::newRow("leading zeros") << QByteArray(40, '0') + "7" << 0LL << 9LL << "7";
    }

    void readInt()
    {
        QFETCH(QByteArray, text);
        QFETCH(qlonglong, min);
        QFETCH(qlonglong, max);
        QFETCH(QString, expected);
        int64_t value = 12345;
        const bool read = DeviceField::ReadInt(text.isNull() ? nullptr : text.constData(), min, max, &value);
        QCOMPARE(read ? QString::number(value) : QString("refused"), expected);
        if (!read)
            QCOMPARE(value, int64_t(12345));
    }

    // A number and nothing else, within the given length.
    void readNumber_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("expected"); // the number, or "refused"

        QTest::newRow("digits") << QByteArray("235104870") << 9 << "235104870";
        QTest::newRow("blanks around, a sign") << QByteArray("  -42 ") << 6 << "-42";
        QTest::newRow("the length ends it") << QByteArray("42)junk") << 2 << "42";
        QTest::newRow("a letter after") << QByteArray("23510487X") << 9 << "refused";
        QTest::newRow("a blank inside") << QByteArray("1 2") << 3 << "refused";
        QTest::newRow("a tab") << QByteArray("\t7") << 2 << "refused";
        QTest::newRow("empty") << QByteArray("") << 0 << "refused";
        QTest::newRow("a sign alone") << QByteArray("+") << 1 << "refused";
        QTest::newRow("a NUL within the length") << QByteArray("4\0" "2", 3) << 3 << "refused";
        QTest::newRow("leading zeros past nineteen digits") << QByteArray(30, '0') + "7" << 31 << "7";
        QTest::newRow("past the range") << QByteArray("1000000000") << 10 << "refused";
        QTest::newRow("past 64 bits") << QByteArray(25, '9') << 25 << "refused";
    }

    void readNumber()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, length);
        QFETCH(QString, expected);
        int64_t value = 12345;
        const bool read = DeviceField::ReadNumber(text.constData(), size_t(length), -999999999, 999999999, &value);
        QCOMPARE(read ? QString::number(value) : QString("refused"), expected);
        if (!read)
            QCOMPARE(value, int64_t(12345));
    }

    void dumpLines_data()
    {
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("warned");

        const QByteArray longText(40, 'W');
        QTest::newRow("name after a word") << QByteArrayList{"Ship Name:(BLUE WATER)"} << "shipName" << "BLUE WATER" << "";
        QTest::newRow("name key at the line's start copies nothing")
            << QByteArrayList{"Ship Name:(OLD)", "Name:(NEW)"} << "shipName" << "" << "";
        QTest::newRow("name end before its key refused")
            << QByteArrayList{"Vessel (A) Name:(BLUE)"} << "shipName" << ""
            << "value of Name:( refused, its end is missing or before the key";
        QTest::newRow("name longer than its field refused")
            << QByteArrayList{"Ship Name:(" + longText + ")"} << "shipName" << ""
            << "value of Name:( refused, longer than its field";
        QTest::newRow("name that fills its field")
            << QByteArrayList{"Ship Name:(" + longText.left(22) + ")"} << "shipName" << QString(22, 'W') << "";
        QTest::newRow("shorter name after a longer")
            << QByteArrayList{"Ship Name:(BLUE WATER)", "Ship Name:(SEA)"} << "shipName" << "SEA" << "";
        QTest::newRow("call sign") << QByteArrayList{"Call Sign:(SIMK42)"} << "callSign" << "SIMK42" << "";
        QTest::newRow("call sign without its end refused")
            << QByteArrayList{"Call Sign:(SIMK42)", "Call Sign:(AB"} << "callSign" << ""
            << "value of Call Sign:( refused, its end is missing or before the key";
        QTest::newRow("call sign longer than its field refused")
            << QByteArrayList{"Call Sign:(ABCDEFGHIJKL)"} << "callSign" << ""
            << "value of Call Sign:( refused, longer than its field";
        QTest::newRow("cargo type") << QByteArrayList{"Ship Cargo Type:(37) A:(10) B:(5) C:(3) D:(2)"} << "shipType"
                                    << "37" << "";
        QTest::newRow("A to D on the cargo line")
            << QByteArrayList{"Ship Cargo Type:(37) A:(10) B:(5) C:(3) D:(2)"} << "dimensions" << "10 5 3 2" << "";
        QTest::newRow("A to D, some of them") << QByteArrayList{"Ship Cargo Type:(70) B:(8)"} << "dimensions"
                                              << "0 8 0 0" << "";
        QTest::newRow("A to D only on a cargo line") << QByteArrayList{"A:(10) B:(5) C:(3) D:(2)"} << "dimensions"
                                                     << "0 0 0 0" << "";
        QTest::newRow("MMSI nine digits") << QByteArrayList{"MMSI:(366123001)"} << "mmsi" << "366123001" << "";
        QTest::newRow("MMSI present") << QByteArrayList{"MMSI:(366123001)"} << "mmsiValid" << "1" << "";
        QTest::newRow("MMSI 0") << QByteArrayList{"MMSI:(366123001)", "MMSI:(0)"} << "mmsi" << "0" << "";
        QTest::newRow("MMSI 0 not present") << QByteArrayList{"MMSI:(366123001)", "MMSI:(0)"} << "mmsiValid" << "0"
                                            << "";
        QTest::newRow("MMSI past 32 bits refused")
            << QByteArrayList{"MMSI:(366123001)", "MMSI:(99999999999)"} << "mmsi" << "0"
            << "value of MMSI:( refused, not a number in its range";
        QTest::newRow("MMSI negative refused") << QByteArrayList{"MMSI:(-5)"} << "mmsi" << "0"
                                               << "value of MMSI:( refused, not a number in its range";
        QTest::newRow("serial number") << QByteArrayList{"S/N:(0000001)"} << "serialNumber" << "0000001" << "";
        QTest::newRow("shorter firmware after a longer")
            << QByteArrayList{"Firmware:1.00 build 15", "Firmware:2.1"} << "firmware" << "2.1" << "";
        QTest::newRow("firmware longer than its field refused")
            << QByteArrayList{"Firmware:" + longText} << "firmware" << ""
            << "value of Firmware: refused, longer than its field";
        QTest::newRow("DSC monitoring") << QByteArrayList{"Set DSC Monitor:(1)"} << "dscMonitor" << "1" << "";
        QTest::newRow("DSC of two characters refused") << QByteArrayList{"Set DSC Monitor:(10)"} << "dscMonitor" << ""
                                                       << "value of DSC Monitor:( refused, longer than its field";
        QTest::newRow("empty DSC after one") << QByteArrayList{"Set DSC Monitor:(1)", "Set DSC Monitor:()"}
                                             << "dscMonitor" << "" << "";
        QTest::newRow("DSC key at the line's start copies nothing")
            << QByteArrayList{"Set DSC Monitor:(1)", "DSC Monitor:(0)"} << "dscMonitor" << "" << "";
        QTest::newRow("shorter firmware version after a longer")
            << QByteArrayList{"[FwVersion]=1.00.15", "[FwVersion]=2"} << "fwVersion" << "2" << "";
        QTest::newRow("Wi-Fi module 2") << QByteArrayList{"[WiFiModule]=2"} << "wifiModule" << "1" << "";
        QTest::newRow("Wi-Fi module 1") << QByteArrayList{"[WiFiModule]=2", "[WiFiModule]=1"} << "wifiModule" << "0"
                                        << "";
        QTest::newRow("GPS on") << QByteArrayList{"[GPS_OnOff]=1"} << "gpsOn" << "1" << "";
        QTest::newRow("GPS on, second copy") << QByteArrayList{"[GPS_OnOff]=1"} << "gpsOnCopy" << "1" << "";
        QTest::newRow("GPS off") << QByteArrayList{"[GPS_OnOff]=1", "[GPS_OnOff]=0"} << "gpsOnCopy" << "0" << "";
        QTest::newRow("update rate before GPS on") << QByteArrayList{"[GPS_RI]=3", "[GPS_OnOff]=1"} << "gpsUpdateRate"
                                                   << "0" << "";
        QTest::newRow("update rate after GPS on") << QByteArrayList{"[GPS_OnOff]=1", "[GPS_RI]=3"} << "gpsUpdateRate"
                                                  << "3" << "";
        QTest::newRow("update rate while GPS off")
            << QByteArrayList{"[GPS_OnOff]=1", "[GPS_RI]=3", "[GPS_OnOff]=0", "[GPS_RI]=4"} << "gpsUpdateRate" << "0"
            << "";
        QTest::newRow("multiple baud rate") << QByteArrayList{"[MultipleBaudRate]=1"} << "multipleBaudRate" << "1"
                                            << "";
        QTest::newRow("dynamic model") << QByteArrayList{"[GPS_NAV5_dynModel]=5"} << "gpsDynModel" << "5" << "";
        QTest::newRow("number past 32 bits refused")
            << QByteArrayList{"[GPS_NAV5_dynModel]=4", "[GPS_NAV5_dynModel]=4294967300"} << "gpsDynModel" << "4"
            << "value of [GPS_NAV5_dynModel]= refused, not a number in its range";
    }

    void dumpLines()
    {
        QFETCH(QByteArrayList, lines);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        QFETCH(QString, warned);
        QCOMPARE(DeviceFixture::field(dumpOf(lines), field), expected);
        verifyWarned(warned);
    }

    // A value that is not what its key promises is refused: logged, its field marked (a text
    // or the MMSI cleared, any other number kept), until the key brings a sound value.
    void hostileValues_data()
    {
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<uint>("value");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("warned");

        const uint mmsi = CSensorConfig::VALUE_MMSI;
        const uint name = CSensorConfig::VALUE_SHIP_NAME;
        QTest::newRow("MMSI with a letter") << QByteArrayList{"MMSI:(23510487X)"} << mmsi << "mmsi" << "0"
                                            << "value of MMSI:( refused, not a number in its range: \"23510487X\"";
        QTest::newRow("MMSI of ten digits") << QByteArrayList{"MMSI:(4294967295)"} << mmsi << "mmsiValid" << "0"
                                            << "value of MMSI:( refused, not a number in its range";
        QTest::newRow("MMSI without its end") << QByteArrayList{"MMSI:(235104870"} << mmsi << "mmsi" << "0"
                                              << "value of MMSI:( refused, its end is missing";
        QTest::newRow("MMSI with leading zero and blanks")
            << QByteArrayList{"MMSI:( 023510487 )"} << 0u << "mmsi" << "23510487" << "";
        QTest::newRow("a sound MMSI ends the refusal")
            << QByteArrayList{"MMSI:(23510487X)", "MMSI:(235104870)"} << 0u << "mmsi" << "235104870"
            << "value of MMSI:( refused";
        QTest::newRow("name with an escape sequence")
            << QByteArrayList{"Ship Name:(SEA\x1b[2JWOLF)"} << name << "shipName" << ""
            << "value of Name:( refused, a control character: \"SEA\\x1B[2JWOLF\"";
        QTest::newRow("name with an 8-bit control introducer")
            << QByteArrayList{"Ship Name:(SEA\x9b" "2JWOLF)"} << name << "shipName" << "" << "a control character";
        QTest::newRow("name of 10 kB") << QByteArrayList{"Ship Name:(" + QByteArray(10000, 'A') + ")"} << name
                                       << "shipName" << "" << "value of Name:( refused, longer than its field";
        QTest::newRow("name in Latin-1") << QByteArrayList{"Ship Name:(CAF\xc9 DU PORT)"} << 0u << "shipName"
                                         << QString::fromUtf8("CAF\u00c9 DU PORT") << "";
        QTest::newRow("call sign with a bell") << QByteArrayList{"Call Sign:(AB\x07" "CD)"}
                                               << uint(CSensorConfig::VALUE_CALL_SIGN) << "callSign" << ""
                                               << "a control character";
        QTest::newRow("serial number with a backspace") << QByteArrayList{"S/N:(12\x08" "34)"}
                                                        << uint(CSensorConfig::VALUE_SERIAL_NUMBER) << "serialNumber"
                                                        << "" << "a control character";
        QTest::newRow("firmware with a title sequence") << QByteArrayList{"Firmware:2.0\x1b]0;x\x07"}
                                                        << uint(CSensorConfig::VALUE_FIRMWARE) << "firmware" << ""
                                                        << "a control character";
        QTest::newRow("firmware version with a delete") << QByteArrayList{"[FwVersion]=2.0\x7f"}
                                                        << uint(CSensorConfig::VALUE_FW_VERSION) << "fwVersion" << ""
                                                        << "a control character";
        QTest::newRow("cargo type past 255, kept")
            << QByteArrayList{"Ship Cargo Type:(36)", "Ship Cargo Type:(300)"} << uint(CSensorConfig::VALUE_SHIP_TYPE)
            << "shipType" << "36" << "value of Ship Cargo Type:( refused, not a number in its range";
        QTest::newRow("bow distance past 511, kept")
            << QByteArrayList{"Ship Cargo Type:(36) A:(600)"} << uint(CSensorConfig::VALUE_DIM_A) << "dimensions"
            << "0 0 0 0" << "value of A:( refused";
        QTest::newRow("side distance past 63, kept")
            << QByteArrayList{"Ship Cargo Type:(36) C:(64)"} << uint(CSensorConfig::VALUE_DIM_C) << "dimensions"
            << "0 0 0 0" << "value of C:( refused";
        QTest::newRow("update rate with a letter, kept")
            << QByteArrayList{"[GPS_OnOff]=1", "[GPS_RI]=2", "[GPS_RI]=1x"}
            << uint(CSensorConfig::VALUE_GPS_UPDATE_RATE)
            << "gpsUpdateRate" << "2" << "value of [GPS_RI]= refused, not a number in its range: \"1x\"";
        QTest::newRow("GPS switch without a number, kept")
            << QByteArrayList{"[GPS_OnOff]=1", "[GPS_OnOff]="} << uint(CSensorConfig::VALUE_GPS_ON) << "gpsOn" << "1"
            << "value of [GPS_OnOff]= refused";
    }

    void hostileValues()
    {
        QFETCH(QByteArrayList, lines);
        QFETCH(uint, value);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        QFETCH(QString, warned);
        const CSensorConfig config = dumpOf(lines);
        QCOMPARE(DeviceFixture::field(config, field), expected);
        QCOMPARE(config.refusedValues, uint32_t(value));
        verifyWarned(warned);
    }

    void dumpEndOnlyAtItsKey()
    {
        CSensorConfig config;
        QVERIFY(!config.updateConfigData("[GPS_NAV5_dynModel]=4\r\n"));
        QVERIFY(config.updateConfigData("[SYSTEM DATA END]\r\n"));
        QVERIFY(config.updateConfigData("  [SYSTEM DATA END]"));
        QVERIFY(!config.updateConfigData(nullptr));
    }

    // A whole reply as received, applied for a model.
    void replies_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QByteArray>("sentence");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("warned");

        const int none = MACHINE_UNKNOWN;
        const int m1 = MACHINE_UNIT_K_42;
        const int m2 = MACHINE_Q_375;
        QTest::newRow("ALR item 108 value 0") << m1 << closed("$PQLX,R,CFG,108,6,0,") << "alrOutput" << "1" << "";
        QTest::newRow("ALR item 108 value 1") << m1 << closed("$PQLX,R,CFG,108,6,1,") << "alrOutput" << "0" << "";
        QTest::newRow("ALR item 31 on model 2") << m2 << closed("$PQLX,R,CFG,31,7,0,") << "alrOutput" << "1" << "";
        QTest::newRow("ALR item 31 on model 1") << m1 << closed("$PQLX,R,CFG,31,7,0,") << "alrOutput" << "0" << "";
        QTest::newRow("instance 200 on model 2") << m2 << closed("$PQLX,R,CFG,183,2000,200,") << "nmea2000Instance"
                                                 << "200" << "";
        QTest::newRow("instance 300 on model 2") << m2 << closed("$PQLX,R,CFG,183,2000,300,") << "nmea2000Instance"
                                                 << "0" << "";
        QTest::newRow("instance 200 on model 1") << m1 << closed("$PQLX,R,CFG,183,2000,200,") << "nmea2000Instance"
                                                 << "0" << "";
        QTest::newRow("port 1 input, code 5") << m1 << closed("$PQLX,R,CFG,183,11,5,") << "bauds" << "0 9600 0 0"
                                              << "";
        QTest::newRow("port 1 input, code 9") << m1 << closed("$PQLX,R,CFG,183,11,9,") << "bauds" << "0 115200 0 0"
                                              << "Baud Value = 9";
        QTest::newRow("negative code") << m1 << closed("$PQLX,R,CFG,183,10,-1,") << "bauds" << "115200 0 0 0"
                                       << "Baud Value = -1";
        QTest::newRow("blank value") << m1 << closed("$PQLX,R,CFG,183,20, ,") << "bauds" << "0 0 115200 0"
                                     << "Baud Value = 255";
        QTest::newRow("empty value") << m1 << closed("$PQLX,R,CFG,183,21,,") << "bauds" << "0 0 0 115200"
                                     << "Baud Value = 255";
        QTest::newRow("model 2 port 1") << m2 << closed("$PQLX,R,CFG,183,1,2,") << "bauds" << "38400 38400 0 0" << "";
        QTest::newRow("model 2 port 2") << m2 << closed("$PQLX,R,CFG,183,2,6,") << "bauds" << "0 0 4800 4800" << "";
        QTest::newRow("model 1 port 1 output") << m1 << closed("$PQLX,R,CFG,183,10,5,") << "bauds" << "9600 0 0 0"
                                               << "";
        QTest::newRow("model 1 sub-item 12") << m1 << closed("$PQLX,R,CFG,183,12,5,") << "bauds" << "0 0 0 0" << "";
        QTest::newRow("model 2 sub-item 10") << m2 << closed("$PQLX,R,CFG,183,10,5,") << "bauds" << "0 0 0 0" << "";
        QTest::newRow("model unknown") << none << closed("$PQLX,R,CFG,183,10,5,") << "bauds" << "0 0 0 0" << "";
        QTest::newRow("Wi-Fi module item") << m2 << closed("$PQLX,R,CFG,600,11,1,") << "wifiModule" << "1" << "";
        QTest::newRow("status 3, 12, 345") << m1 << closed("$PQLX,R,CFG,8117,12,345,3") << "statusFlags"
                                           << "3 4 5 -1 -1" << "";
        QTest::newRow("status 2, 34, 56") << m1 << closed("$PQLX,R,CFG,8117,34,56,2") << "statusFlags"
                                          << "-1 -1 -1 5 6" << "";
        QTest::newRow("status of the simulator") << m2 << closed("$PQLX,R,CFG,8117,1234,1000,4") << "statusFlags"
                                                 << "-1 1 0 0 0" << "";
        QTest::newRow("status 0 positions") << m1 << closed("$PQLX,R,CFG,8117,1,1,0") << "statusFlags"
                                            << "-1 -1 -1 -1 -1" << "";
        QTest::newRow("status 10 positions") << m1 << closed("$PQLX,R,CFG,8117,1000000000,1000000000,10")
                                             << "statusFlags" << "0 1 -1 -1 -1" << "";
        QTest::newRow("status 11 positions refused") << m1 << closed("$PQLX,R,CFG,8117,1,1,11") << "statusFlags"
                                                     << "-1 -1 -1 -1 -1" << "CFG 8117 ignored";
        QTest::newRow("status positions not digits") << m1 << closed("$PQLX,R,CFG,8117,1,1,1a") << "statusFlags"
                                                     << "-1 -1 -1 -1 -1" << "CFG 8117 ignored";
        QTest::newRow("status C") << m1 << closed("$PQLX,C,CFG,108,6,0,") << "alrOutput" << "0" << "";
        QTest::newRow("missing fields") << m1 << closed("$PQLX,R,CFG,108,6") << "alrOutput" << "0"
                                        << "reply with missing fields ignored";
        QTest::newRow("number past 32 bits") << m1 << closed("$PQLX,R,CFG,108,6,4294967296,") << "alrOutput" << "0"
                                             << "no number in its range";
        QTest::newRow("value with a letter") << m2 << closed("$PQLX,R,CFG,183,1,2X,") << "bauds" << "0 0 0 0"
                                             << "no number in its range";
        QTest::newRow("sub-item with a letter") << m2 << closed("$PQLX,R,CFG,600,11a,1,") << "wifiModule" << "0"
                                                << "no number in its range";
        QTest::newRow("wrong checksum") << m1 << wrongSum("$PQLX,R,CFG,108,6,0,") << "alrOutput" << "0" << "";
        QTest::newRow("property 109") << m2 << closed("$AIEPV,R,AI,123456789,109,75") << "lrChannels" << "75 0" << "";
        QTest::newRow("property 110") << m2 << closed("$AIEPV,R,AI,123456789,110,76") << "lrChannels" << "0 76" << "";
        QTest::newRow("property other") << m2 << closed("$AIEPV,R,AI,123456789,111,76") << "lrChannels" << "0 0" << "";
        QTest::newRow("property status C") << m2 << closed("$AIEPV,C,AI,123456789,109,75") << "lrChannels" << "0 0"
                                           << "";
        QTest::newRow("property with six commas") << m2 << closed("$AIEPV,R,AI,123456789,109,75,") << "lrChannels"
                                                  << "0 0" << "";
        QTest::newRow("property id past 32 bits") << m2 << closed("$AIEPV,R,AI,4294967296,109,75") << "lrChannels"
                                                  << "0 0" << "no number in its range";
        QTest::newRow("property value with a letter") << m2 << closed("$AIEPV,R,AI,123456789,109,75X") << "lrChannels"
                                                      << "0 0" << "no number in its range";
        QTest::newRow("property wrong checksum") << m2 << wrongSum("$AIEPV,R,AI,123456789,109,75") << "lrChannels"
                                                 << "0 0" << "";
    }

    void replies()
    {
        QFETCH(int, model);
        QFETCH(QByteArray, sentence);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        QFETCH(QString, warned);
        CSensorConfig config;
        QVERIFY(!config.updateConfigDataForStd(sentence.constData(), MACHINE_TYPE(model)));
        QCOMPARE(DeviceFixture::field(config, field), expected);
        verifyWarned(warned);
    }

    void configReplyFields_data()
    {
        QTest::addColumn<QByteArray>("sentence");
        QTest::addColumn<QString>("expected"); // item, sub-item, value, text

        QTest::newRow("whole") << closed("$PQLX,R,CFG,8117,1234,1000,4") << "8117 1234 1000 4";
        QTest::newRow("blank fields") << closed("$PQLX,R,CFG, , , , ") << "0 0 255 ";
        QTest::newRow("leading blanks") << closed("$PQLX,R,CFG, 108, 6, 0, AB") << "108 6 0 AB";
        QTest::newRow("status other than R") << closed("$PQLX,Q,CFG,108,6,0,") << "0 0 0 ";
        QTest::newRow("text cut to 99") << closed("$PQLX,R,CFG,1,2,3," + QByteArray(150, 'T')) << "1 2 3 " + QString(99, 'T');
        QTest::newRow("no star") << QByteArray("$PQLX,R,CFG,108,6,0,\r\n") << "0 0 0 ";
    }

    void configReplyFields()
    {
        QFETCH(QByteArray, sentence);
        QFETCH(QString, expected);
        const CFG_CMD_S cmd = CSensorConfig::getCFGCommandData(sentence.constData());
        QCOMPARE(QString("%1 %2 %3 %4").arg(cmd.id).arg(cmd.subId).arg(cmd.value).arg(text(cmd.text)), expected);
    }

    void clearingKeepsWhatItShould()
    {
        CSensorConfig config;
        config.updateConfigDataForStd(closed("$PQLX,R,CFG,8117,12,345,3").constData(), MACHINE_UNIT_K_42);
        for (const QByteArray& line : transcriptLines(MACHINE_UNIT_K_42))
            config.updateConfigData((line + "\r\n").constData());

        CSensorConfig cleared = config;
        cleared.initial();
        QCOMPARE(field(cleared, "statusFlags"), QString("3 4 5 -1 -1"));
        CSensorConfig blank;
        std::copy(std::begin(config.statusFlags), std::end(config.statusFlags), blank.statusFlags);
        QVERIFY(cleared == blank);

        CSensorConfig diagnose = config;
        diagnose.initDiagnoseInfo();
        QCOMPARE(field(diagnose, "statusFlags"), QString("-1 -1 -1 -1 -1"));
        QCOMPARE(field(diagnose, "mmsiValid"), QString("0"));
        QCOMPARE(field(diagnose, "serialNumber"), QString());
        QCOMPARE(field(diagnose, "firmware"), QString());
        QCOMPARE(field(diagnose, "shipName"), field(config, "shipName"));

        CSensorConfig copy;
        copy.assign(&config);
        QVERIFY(copy == config);
    }

    // What the Configuration page shows: the status slots and MMSI present do not count, the
    // ALR setting only as zero or not.
    void differsOnPage()
    {
        CSensorConfig a;
        CSensorConfig b;
        b.statusFlags[1] = 1;
        b.mmsiValid = true;
        QVERIFY(!a.differsOnPage(b));
        QVERIFY(a != b);
        a.alrOutput = 1;
        b.alrOutput = 7;
        QVERIFY(!a.differsOnPage(b));
        b.alrOutput = 0;
        QVERIFY(a.differsOnPage(b));
        b = a;
        b.firmware[20] = 'x'; // past an earlier NUL, still a difference
        QVERIFY(b.differsOnPage(a));
        b = a;
        b.gpsOnCopy = true;
        QVERIFY(b.differsOnPage(a));
    }
};

QTEST_MAIN(TestSensorConfig)
#include "tst_sensorconfig.moc"
