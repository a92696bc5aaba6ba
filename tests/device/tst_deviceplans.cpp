#include "device/DeviceProgramPlan.h"
#include "device/DeviceQueryPlan.h"
#include "device/DeviceSettings.h"

#include "DeviceProgramming.h"
#include "DeviceReplies.h"
#include "DeviceState.h"
#include "FactoryRecord.h"
#include "Knobs.h"
#include "Sentence.h"
#include "SimProcess.h"

#include <QtTest>
#include <cstring>
#include <functional>

namespace {

// Changes the device's record (shown) and the page's (written) for one case.
using Edit = std::function<void(CSensorConfig& shown, CSensorConfig& written)>;

QByteArrayList lines(const std::vector<std::string>& plan)
{
    QByteArrayList out;
    for (const std::string& line : plan)
        out += QByteArray::fromStdString(line);
    return out;
}

QByteArrayList finished(const QByteArrayList& texts)
{
    QByteArrayList out;
    for (const QByteArray& text : texts)
        out += Sim::Sentence::finish(text);
    return out;
}

template <size_t N>
void setText(char (&field)[N], const char* text)
{
    std::memset(field, 0, N);
    std::strncpy(field, text, N - 1);
}

// A record as the Configuration page leaves it: every field the page covers set, the port rates
// among those the page offers.
CSensorConfig pageRecord(MACHINE_TYPE model)
{
    CSensorConfig c;
    setText(c.shipName, "TEST,SHIP");
    setText(c.callSign, "AB*1");
    c.mmsi = 235000001;
    c.shipType = 37;
    c.dimA = 10;
    c.dimB = 20;
    c.dimC = 3;
    c.dimD = 4;
    setText(c.dscMonitor, "1");
    c.gpsUpdateRate = 3;
    c.gpsOn = c.gpsOnCopy = true;
    c.gpsDynModel = GPS_DYN_MODEL_SEA_LEVEL;
    c.alrOutput = 1;
    if (model == MACHINE_Q_375) {
        c.nmea1OutBaud = c.nmea1InBaud = 9600;
        c.nmea2OutBaud = c.nmea2InBaud = 4800;
    } else {
        c.nmea1OutBaud = 4800;
        c.nmea1InBaud = 38400;
        c.nmea2OutBaud = 9600;
        c.nmea2InBaud = 38400;
    }
    c.nmea2000Instance = 3;
    return c;
}

struct SRecords
{
    CSensorConfig shown;
    CSensorConfig written;
};

// Both records as the page leaves them, then changed for the case.
SRecords editedRecords(MACHINE_TYPE model, const Edit& edit)
{
    SRecords records{pageRecord(model), pageRecord(model)};
    edit(records.shown, records.written);
    return records;
}

// Another of the rates the page offers.
int32_t otherRate(int32_t rate)
{
    return rate == 38400 ? 9600 : rate == 9600 ? 4800 : 38400;
}

QString baudFieldName(int32_t CSensorConfig::*field)
{
    if (field == &CSensorConfig::nmea1OutBaud)
        return "nmea1OutBaud";
    if (field == &CSensorConfig::nmea1InBaud)
        return "nmea1InBaud";
    if (field == &CSensorConfig::nmea2OutBaud)
        return "nmea2OutBaud";
    if (field == &CSensorConfig::nmea2InBaud)
        return "nmea2InBaud";
    return field ? "another field" : QString();
}

// The simulated transponder of the model in its factory state.
Sim::SDeviceState factoryDevice(int model)
{
    Sim::CFactorySettings settings;
    Sim::SDeviceState device;
    QString error;
    if (!settings.load(TestEnv::SimProcess::factorySettingsPath(), &error)
        || !Sim::LoadDeviceState(settings, model, &device, &error))
        qFatal("%s", qPrintable(error));
    return device;
}

// The line as the simulated device checks it; empty when it finds it wrong.
QByteArray checkedText(const std::string& line)
{
    const QByteArray bytes = QByteArray::fromStdString(line);
    QByteArray text;
    if (!bytes.endsWith("\r\n")
        || Sim::Sentence::check(bytes.chopped(2), &text) != Sim::Sentence::CHECK_RESULT::VALID)
        return QByteArray();
    return text;
}

// The record that the device's answers to the query set fill in; false when the device found
// a query wrong or did not answer one.
bool readBack(const Sim::SDeviceState& device, MACHINE_TYPE model, CSensorConfig* record)
{
    for (const std::string& line : DeviceQuery::querySet(model, QUERY_CLOSING_NUMBER, false)) {
        const QByteArray query = checkedText(line);
        const QByteArrayList answers = Sim::AnswerQuery(device, query, Sim::SSimKnobs{});
        if (query.isEmpty() || answers.isEmpty())
            return false;
        for (const QByteArray& answer : answers) {
            if (answer.startsWith('$') || answer.startsWith('!'))
                record->updateConfigDataForStd(Sim::Sentence::finish(answer).constData(), model);
            else
                record->updateConfigData((answer + "\r\n").constData());
        }
    }
    return true;
}

} // namespace

Q_DECLARE_METATYPE(Edit)

// The query set and Program Device as the device layer plans them: the sentences of each
// model, what is refused before anything is sent, and the plans played against the simulated
// transponder, which shares no code with the program.
class TestDevicePlans : public QObject
{
    Q_OBJECT

private slots:
    void querySet_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<int>("closing");
        QTest::addColumn<QByteArrayList>("texts");
        QTest::newRow("UNIT-K-42") << int(MACHINE_UNIT_K_42) << false << 16
                                   << QByteArrayList{"$PQLX,Q,CFG,8117,,,", "$PQLX,Q,CFG,108,,,",
                                                     "$PQLX,Q,CFG,183,,,", "$PTST,,,,,16"};
        QTest::newRow("Q-375") << int(MACHINE_Q_375) << false << 16
                               << QByteArrayList{"$PQLX,Q,CFG,8117,,,", "$PQLX,Q,CFG,600,,,", "$PQLX,Q,CFG,183,,,",
                                                 "!AIAIQ,EPV",          "$PQLX,Q,CFG,31,,,", "$PTST,,,,,16"};
        QTest::newRow("automatic: the status only")
            << int(MACHINE_Q_375) << true << 16 << QByteArrayList{"$PQLX,Q,CFG,8117,,,"};
        QTest::newRow("closing number") << int(MACHINE_UNIT_K_42) << false << 77
                                        << QByteArrayList{"$PQLX,Q,CFG,8117,,,", "$PQLX,Q,CFG,108,,,",
                                                          "$PQLX,Q,CFG,183,,,", "$PTST,,,,,77"};
    }

    void querySet()
    {
        QFETCH(int, model);
        QFETCH(bool, automatic);
        QFETCH(int, closing);
        QFETCH(QByteArrayList, texts);
        QCOMPARE(lines(DeviceQuery::querySet(MACHINE_TYPE(model), static_cast<unsigned short>(closing), automatic)),
                 finished(texts));
    }

    void programPlan_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QByteArrayList>("texts");
        QTest::newRow("UNIT-K-42: ALR on, GPS every 3 s")
            << int(MACHINE_UNIT_K_42) << Edit([](CSensorConfig&, CSensorConfig&) {})
            << QByteArrayList{"$ECSSD,AB^2A1,TEST^2CSHIP,10,20,3,4,,", "$ECVSD,37,,,,,,,,",
                              "$PDBG,101,1,50,0,51,3,703,5,", "$PQLX,C,CFG,108,6,0,", "$PDBG,42,6,40,2,39,5,38,2,"};
        QTest::newRow("UNIT-K-42: MMSI written once, ALR and GPS off")
            << int(MACHINE_UNIT_K_42) << Edit([](CSensorConfig& shown, CSensorConfig& written) {
                   shown.mmsi = 0;
                   written.alrOutput = 0;
                   written.gpsUpdateRate = 0;
                   written.gpsDynModel = GPS_DYN_MODEL_HIGH_ALTITUDE;
                   setText(written.dscMonitor, "0");
               })
            << QByteArrayList{"$ECSSD,AB^2A1,TEST^2CSHIP,10,20,3,4,,", "$PQLX,C,MID,235000001", "$ECVSD,37,,,,,,,,",
                              "$PDBG,101,0,50,1,51,0,703,4,", "$PQLX,C,CFG,108,6,1,", "$PDBG,42,6,40,2,39,5,38,2,"};
        QTest::newRow("Q-375: Message 27 on, a short MMSI in nine digits")
            << int(MACHINE_Q_375) << Edit([](CSensorConfig& shown, CSensorConfig& written) {
                   shown.mmsi = written.mmsi = 12345;
                   written.lrChannel1 = MSG27_CHANNEL_A;
                   written.lrChannel2 = MSG27_CHANNEL_B;
               })
            << QByteArrayList{"$ECSSD,AB^2A1,TEST^2CSHIP,10,20,3,4,,", "$ECVSD,37,,,,,,,,",
                              "$PDBG,101,1,50,0,51,3,703,5,", "$PQLX,C,CFG,31,7,0,", "$PQLX,C,DBG,40,5,41,6,,,,,",
                              "$PQLX,C,CFG,183,2000,3,", "$AIEPV,C,AI,000012345,109,75",
                              "$AIEPV,C,AI,000012345,110,76"};
        QTest::newRow("Q-375: no MMSI on either side")
            << int(MACHINE_Q_375) << Edit([](CSensorConfig& shown, CSensorConfig& written) {
                   shown.mmsi = written.mmsi = 0;
                   written.alrOutput = 0;
               })
            << QByteArrayList{"$ECSSD,AB^2A1,TEST^2CSHIP,10,20,3,4,,", "$ECVSD,37,,,,,,,,",
                              "$PDBG,101,1,50,0,51,3,703,5,", "$PQLX,C,CFG,31,7,1,", "$PQLX,C,DBG,40,5,41,6,,,,,",
                              "$PQLX,C,CFG,183,2000,3,", "$AIEPV,C,AI,000000000,109,0", "$AIEPV,C,AI,000000000,110,0"};
        QTest::newRow("unknown model: the common part only")
            << int(MACHINE_UNKNOWN) << Edit([](CSensorConfig&, CSensorConfig&) {})
            << QByteArrayList{"$ECSSD,AB^2A1,TEST^2CSHIP,10,20,3,4,,", "$ECVSD,37,,,,,,,,",
                              "$PDBG,101,1,50,0,51,3,703,5,"};
    }

    void programPlan()
    {
        QFETCH(int, model);
        QFETCH(Edit, edit);
        QFETCH(QByteArrayList, texts);
        const auto machine = MACHINE_TYPE(model);
        const SRecords records = editedRecords(machine, edit);
        QCOMPARE(lines(DeviceProgram::plan(machine, records.shown, records.written)), finished(texts));
    }

    void check_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<int>("refusal");
        QTest::addColumn<QString>("baudField");
        const auto none = int(DeviceProgram::REFUSAL_NONE);
        const auto name = int(DeviceProgram::REFUSAL_SHIP_NAME_BLANK);
        const auto callSign = int(DeviceProgram::REFUSAL_CALL_SIGN_BLANK);
        const auto mmsi = int(DeviceProgram::REFUSAL_MMSI_RANGE);
        const auto baud = int(DeviceProgram::REFUSAL_BAUD_RATE);
        const auto k42 = int(MACHINE_UNIT_K_42);
        const auto q375 = int(MACHINE_Q_375);
        const auto newMmsi = [](uint32_t value) {
            return Edit([value](CSensorConfig& shown, CSensorConfig& written) {
                shown.mmsi = 0;
                written.mmsi = value;
            });
        };
        QTest::newRow("all given") << k42 << Edit([](CSensorConfig&, CSensorConfig&) {}) << none << QString();
        QTest::newRow("name blanked") << k42 << Edit([](CSensorConfig&, CSensorConfig& w) { setText(w.shipName, ""); })
                                      << name << QString();
        QTest::newRow("name blank on both") << k42 << Edit([](CSensorConfig& s, CSensorConfig& w) {
            setText(s.shipName, "");
            setText(w.shipName, "");
        }) << none << QString();
        QTest::newRow("call sign blanked")
            << k42 << Edit([](CSensorConfig&, CSensorConfig& w) { setText(w.callSign, ""); }) << callSign << QString();
        QTest::newRow("name before call sign") << k42 << Edit([](CSensorConfig&, CSensorConfig& w) {
            setText(w.shipName, "");
            setText(w.callSign, "");
        }) << name << QString();
        QTest::newRow("MMSI 199999999") << k42 << newMmsi(199999999) << mmsi << QString();
        QTest::newRow("MMSI 200000000") << k42 << newMmsi(200000000) << none << QString();
        QTest::newRow("MMSI 799999999") << k42 << newMmsi(799999999) << none << QString();
        QTest::newRow("MMSI 800000000") << k42 << newMmsi(800000000) << mmsi << QString();
        QTest::newRow("MMSI left empty") << k42 << newMmsi(0) << none << QString();
        QTest::newRow("the device's MMSI is not checked")
            << k42 << Edit([](CSensorConfig&, CSensorConfig& w) { w.mmsi = 12345; }) << none << QString();
        QTest::newRow("UNIT-K-42 rate without a code")
            << k42 << Edit([](CSensorConfig&, CSensorConfig& w) { w.nmea2OutBaud = 1200; }) << baud
            << "nmea2OutBaud";
        // A rate the device reported goes back with its code, though the page does not offer it.
        QTest::newRow("device's own rates") << k42 << Edit([](CSensorConfig&, CSensorConfig& w) {
            w.nmea1OutBaud = 115200;
            w.nmea1InBaud = 57600;
            w.nmea2OutBaud = 19200;
            w.nmea2InBaud = 14400;
        }) << none << QString();
        QTest::newRow("rates in the order written") << k42 << Edit([](CSensorConfig&, CSensorConfig& w) {
            w.nmea2InBaud = 0;
            w.nmea1OutBaud = 2400;
        }) << baud << "nmea1OutBaud";
        QTest::newRow("MMSI before rates") << k42 << Edit([](CSensorConfig& s, CSensorConfig& w) {
            s.mmsi = 0;
            w.mmsi = 1;
            w.nmea1InBaud = 0;
        }) << mmsi << QString();
        QTest::newRow("Q-375 writes its input rates only")
            << q375 << Edit([](CSensorConfig&, CSensorConfig& w) { w.nmea1OutBaud = w.nmea2OutBaud = 19200; })
            << none << QString();
        QTest::newRow("Q-375 second port without a code")
            << q375 << Edit([](CSensorConfig&, CSensorConfig& w) { w.nmea2InBaud = 2400; }) << baud << "nmea2InBaud";
        QTest::newRow("unknown model writes no rates")
            << int(MACHINE_UNKNOWN) << Edit([](CSensorConfig&, CSensorConfig& w) { w.nmea1InBaud = 0; }) << none
            << QString();
    }

    void check()
    {
        QFETCH(int, model);
        QFETCH(Edit, edit);
        QFETCH(int, refusal);
        QFETCH(QString, baudField);
        const auto machine = MACHINE_TYPE(model);
        const SRecords records = editedRecords(machine, edit);
        const DeviceProgram::SCheck result = DeviceProgram::check(machine, records.shown, records.written);
        QCOMPARE(int(result.refusal), refusal);
        QCOMPARE(baudFieldName(result.baudField), baudField);
    }

    // The static data sentence, from "$" to CR LF, is 25 characters and the two escaped texts
    // with the page record's antenna position.
    void sentenceTooLong_data()
    {
        QTest::addColumn<QString>("callSign");
        QTest::addColumn<QString>("shipName");
        QTest::addColumn<int>("refusal");
        QTest::addColumn<QList<int>>("named");
        const auto none = int(DeviceProgram::REFUSAL_NONE);
        const auto tooLong = int(DeviceProgram::REFUSAL_TOO_LONG);
        const int name = DeviceProgram::SETTING_SHIP_NAME;
        const int callSign = DeviceProgram::SETTING_CALL_SIGN;
        QTest::newRow("82 characters") << "*******" << "$$$$$$$$ABCDEFGHIJKL" << none << QList<int>{};
        QTest::newRow("84 characters, both escaped")
            << "*******" << "$$$$$$$$\\BCDEFGHIJK" << tooLong << QList<int>{name, callSign};
        QTest::newRow("the name only") << "ABC" << ",,,,,,,,,,,,,,,,,,,," << tooLong << QList<int>{name};
        QTest::newRow("the device's long name with the call sign escaped")
            << "!!!!!!!!" << "ABCDEFGHIJKLMNOPQRSTUV" << none << QList<int>{};
        QTest::newRow("longest texts without escapes") << "ABCDEFGH" << "ABCDEFGHIJKLMNOPQRSTUV" << none
                                                       << QList<int>{};
    }

    void sentenceTooLong()
    {
        QFETCH(QString, callSign);
        QFETCH(QString, shipName);
        QFETCH(int, refusal);
        QFETCH(QList<int>, named);
        const SRecords records = editedRecords(MACHINE_UNIT_K_42, [&](CSensorConfig&, CSensorConfig& w) {
            setText(w.callSign, qPrintable(callSign));
            setText(w.shipName, qPrintable(shipName));
        });
        const DeviceProgram::SCheck result = DeviceProgram::check(MACHINE_UNIT_K_42, records.shown, records.written);
        QCOMPARE(int(result.refusal), refusal);
        QList<int> escaped;
        for (const DeviceProgram::SETTING setting : result.escapedTexts)
            escaped << setting;
        QCOMPARE(escaped, named);
        if (refusal == int(DeviceProgram::REFUSAL_NONE))
            QVERIFY(DeviceProgram::plan(MACHINE_UNIT_K_42, records.shown, records.written)[0].size()
                    <= DeviceProgram::MaxSentenceLength);
    }

    // The settings the read-back does not hold, named as the plan writes them.
    void untaken_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<Edit>("edit"); // shown and read back (written is the page record)
        QTest::addColumn<QStringList>("settings");
        const auto k42 = int(MACHINE_UNIT_K_42);
        const auto q375 = int(MACHINE_Q_375);
        QTest::newRow("all taken") << k42 << Edit([](CSensorConfig&, CSensorConfig&) {}) << QStringList{};
        QTest::newRow("device kept its name and GPS rate") << k42 << Edit([](CSensorConfig&, CSensorConfig& r) {
            setText(r.shipName, "OLD NAME");
            r.gpsUpdateRate = 0;
        }) << QStringList{"SETTING_SHIP_NAME", "SETTING_GPS_UPDATE_RATE"};
        QTest::newRow("one byte of the name differs")
            << k42 << Edit([](CSensorConfig&, CSensorConfig& r) { r.shipName[1] = char(0xC9); })
            << QStringList{"SETTING_SHIP_NAME"};
        QTest::newRow("ALR read as zero or not")
            << k42 << Edit([](CSensorConfig&, CSensorConfig& r) { r.alrOutput = 2; }) << QStringList{};
        QTest::newRow("an MMSI not written is not checked")
            << k42 << Edit([](CSensorConfig&, CSensorConfig& r) { r.mmsi = 0; }) << QStringList{};
        QTest::newRow("an MMSI written and not taken") << k42 << Edit([](CSensorConfig& s, CSensorConfig& r) {
            s.mmsi = 0;
            r.mmsi = 0;
        }) << QStringList{"SETTING_MMSI"};
        QTest::newRow("UNIT-K-42 rate, type and antenna")
            << k42 << Edit([](CSensorConfig&, CSensorConfig& r) {
                   r.nmea2OutBaud = 4800;
                   r.shipType = 30;
                   r.dimD = 0;
               })
            << QStringList{"SETTING_SHIP_TYPE", "SETTING_DIM_D", "SETTING_PORT_BAUD nmea2OutBaud"};
        QTest::newRow("UNIT-K-42 writes no instance or Message 27")
            << k42 << Edit([](CSensorConfig&, CSensorConfig& r) {
                   r.nmea2000Instance = 9;
                   r.lrChannel1 = MSG27_CHANNEL_A;
               })
            << QStringList{};
        QTest::newRow("Q-375 port, instance and Message 27")
            << q375 << Edit([](CSensorConfig&, CSensorConfig& r) {
                   r.nmea2InBaud = 38400;
                   r.nmea2000Instance = 9;
                   r.lrChannel2 = MSG27_CHANNEL_B;
                   setText(r.dscMonitor, "0");
                   r.gpsDynModel = GPS_DYN_MODEL_HIGH_ALTITUDE;
               })
            << QStringList{"SETTING_DSC_MONITOR", "SETTING_GPS_DYN_MODEL", "SETTING_PORT_BAUD nmea2InBaud",
                           "SETTING_NMEA2000_INSTANCE", "SETTING_MSG27"};
    }

    void untaken()
    {
        QFETCH(int, model);
        QFETCH(Edit, edit);
        QFETCH(QStringList, settings);
        const auto machine = MACHINE_TYPE(model);
        CSensorConfig shown = pageRecord(machine);
        const CSensorConfig written = pageRecord(machine);
        CSensorConfig read = pageRecord(machine);
        edit(shown, read);
        static const char* const Names[] = {
            "SETTING_SHIP_NAME",     "SETTING_CALL_SIGN",     "SETTING_MMSI",  "SETTING_SHIP_TYPE",
            "SETTING_DIM_A",         "SETTING_DIM_B",         "SETTING_DIM_C", "SETTING_DIM_D",
            "SETTING_DSC_MONITOR",   "SETTING_GPS_UPDATE_RATE", "SETTING_GPS_DYN_MODEL", "SETTING_ALR",
            "SETTING_PORT_BAUD",     "SETTING_NMEA2000_INSTANCE", "SETTING_MSG27"};
        QStringList names;
        for (const DeviceProgram::SSetting& setting : DeviceProgram::untaken(machine, shown, written, read)) {
            QString name = QString::fromLatin1(Names[setting.setting]);
            if (setting.setting == DeviceProgram::SETTING_PORT_BAUD)
                name += ' ' + baudFieldName(setting.baudField);
            names << name;
        }
        QCOMPARE(names, settings);
    }

    // Program Device on the simulated transponder, then the query set: the device reports what
    // the page wrote.
    void writtenIsReadBack_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("deviceHasMmsi");
        QTest::addColumn<int>("gpsRate");
        QTest::newRow("UNIT-K-42") << int(MACHINE_UNIT_K_42) << true << 7;
        QTest::newRow("UNIT-K-42 without MMSI, GPS off") << int(MACHINE_UNIT_K_42) << false << 0;
        QTest::newRow("Q-375") << int(MACHINE_Q_375) << true << 7;
        QTest::newRow("Q-375 without MMSI, GPS off") << int(MACHINE_Q_375) << false << 0;
    }

    void writtenIsReadBack()
    {
        QFETCH(int, model);
        QFETCH(bool, deviceHasMmsi);
        QFETCH(int, gpsRate);
        const auto machine = MACHINE_TYPE(model);
        Sim::SDeviceState device = factoryDevice(model);
        if (!deviceHasMmsi)
            device.mmsi = 0;
        CSensorConfig shown;
        QVERIFY(readBack(device, machine, &shown));
        QCOMPARE(shown.mmsi, deviceHasMmsi ? device.mmsi : 0u);

        // Every value the page covers differs from the factory's.
        CSensorConfig written;
        written.assign(&shown);
        const CSensorConfig page = pageRecord(machine);
        setText(written.shipName, "NEW,NAME*1");
        setText(written.callSign, "NEW^CS");
        if (!deviceHasMmsi)
            written.mmsi = page.mmsi;
        written.shipType = 52;
        written.dimA = 11;
        written.dimB = 22;
        written.dimC = 5;
        written.dimD = 6;
        setText(written.dscMonitor, shown.dscMonitor[0] == '1' ? "0" : "1");
        written.gpsUpdateRate = gpsRate;
        written.gpsOn = written.gpsOnCopy = gpsRate != 0;
        written.gpsDynModel =
            shown.gpsDynModel == GPS_DYN_MODEL_SEA_LEVEL ? GPS_DYN_MODEL_HIGH_ALTITUDE : GPS_DYN_MODEL_SEA_LEVEL;
        written.alrOutput = shown.alrOutput == 0 ? 1 : 0;
        written.nmea1OutBaud = otherRate(shown.nmea1OutBaud);
        written.nmea1InBaud = otherRate(shown.nmea1InBaud);
        written.nmea2OutBaud = otherRate(shown.nmea2OutBaud);
        written.nmea2InBaud = otherRate(shown.nmea2InBaud);
        written.nmea2000Instance = 200;
        const bool msg27 = shown.lrChannel1 == 0;
        written.lrChannel1 = msg27 ? MSG27_CHANNEL_A : 0;
        written.lrChannel2 = msg27 ? MSG27_CHANNEL_B : 0;
        QVERIFY(DeviceProgram::check(machine, shown, written).refusal == DeviceProgram::REFUSAL_NONE);

        for (const std::string& line : DeviceProgram::plan(machine, shown, written)) {
            const QByteArray text = checkedText(line);
            QVERIFY2(!text.isEmpty() && Sim::ApplyProgramming(device, text), line.c_str());
        }
        CSensorConfig read;
        QVERIFY(readBack(device, machine, &read));

        QStringList keys{"mmsi",          "shipName",    "callSign",  "shipType", "dimensions", "dscMonitor",
                         "gpsUpdateRate", "gpsDynModel", "alrOutput", "bauds",    "gpsOn"};
        if (machine == MACHINE_Q_375)
            keys << "nmea2000Instance"
                 << "lrChannels";
        const QMap<QString, QString> expected = DeviceFixture::fields(written);
        QMap<QString, QString> wanted;
        for (const QString& key : keys)
            wanted[key] = expected.value(key);
        const QString differences = DeviceFixture::differences(read, wanted);
        QVERIFY2(differences.isEmpty(), qPrintable(differences));
        QVERIFY(DeviceProgram::untaken(machine, shown, written, read).empty());

        // A device that takes nothing shows every setting the page changed as not taken.
        const std::vector<DeviceProgram::SSetting> none = DeviceProgram::untaken(machine, shown, written, shown);
        // Names, type, antenna, DSC, GPS rate and mode, ALR, and the rates, instance and Message 27
        // of the model: 15 on either model, with the MMSI when it is written.
        QCOMPARE(int(none.size()), 15 + (deviceHasMmsi ? 0 : 1) - (gpsRate == shown.gpsUpdateRate ? 1 : 0));
    }
};

QTEST_APPLESS_MAIN(TestDevicePlans)
#include "tst_deviceplans.moc"
