#include "DeviceReplies.h"

#include "DeviceState.h"
#include "Knobs.h"

namespace Sim {

namespace {

// The query that closes the program's query set; the device answers it with its system data.
const QByteArray SystemDataQuery = "PTST,,,,,16";

QByteArray number(int value)
{
    return QByteArray::number(value);
}

QByteArrayList configurationItem(const SDeviceState& state, const QByteArrayList& fields)
{
    bool itemOk = false;
    const int item = fields.value(3).toInt(&itemOk);
    bool subOk = false;
    const int sub = fields.value(4).toInt(&subOk);
    QByteArrayList lines;
    if (!itemOk)
        return lines;
    for (const SCfgEntry& entry : state.cfg) {
        if (entry.item == item && (!subOk || entry.sub == sub))
            lines += "$PQLX,R,CFG," + number(entry.item) + ',' + number(entry.sub) + ',' + number(entry.value) + ','
                     + entry.text;
    }
    return lines;
}

QByteArrayList equipmentProperties(const SDeviceState& state)
{
    QByteArrayList lines;
    const QByteArray mmsi = QByteArray::number(state.mmsi).rightJustified(9, '0');
    for (const SEpvEntry& entry : state.epv)
        lines += "$AIEPV,R,AI," + mmsi + ',' + number(entry.property) + ',' + number(entry.value);
    return lines;
}

const QByteArrayList DumpKeys = {"MMSI",        "Ship Name", "Call Sign",       "Ship Cargo Type", "A",
                                  "B",           "C",         "D",               "S/N",             "Firmware",
                                  "Set DSC Monitor", "FwVersion", "WiFiModule",  "GPS_OnOff",       "MultipleBaudRate",
                                  "GPS_RI",      "GPS_NAV5_dynModel"};

// The system-data dump: one key a line, in the order the device prints them.
QByteArrayList systemDataDump(const SDeviceState& state, const SSimKnobs& knobs)
{
    // The device's own value, or the raw one a knob sets.
    const auto value = [&knobs](const QByteArray& key, const QByteArray& own) {
        for (const auto& raw : knobs.dumpValues) {
            if (raw.first == key)
                return raw.second;
        }
        return own;
    };
    QByteArrayList lines = {
        "MMSI:(" + value("MMSI", QByteArray::number(state.mmsi)) + ')',
        "Ship Name:(" + value("Ship Name", state.name) + ')',
        "Call Sign:(" + value("Call Sign", state.callSign) + ')',
        "Ship Cargo Type:(" + value("Ship Cargo Type", number(state.shipType)) + ") A:(" + value("A", number(state.a))
            + ") B:(" + value("B", number(state.b)) + ") C:(" + value("C", number(state.c)) + ") D:("
            + value("D", number(state.d)) + ')',
        "S/N:(" + value("S/N", state.serial) + ')',
        "Firmware:" + value("Firmware", state.firmware),
        "Set DSC Monitor:(" + value("Set DSC Monitor", number(state.dsc)) + ')',
        "[FwVersion]=" + value("FwVersion", state.fwVersion),
        "[WiFiModule]=" + value("WiFiModule", number(state.hasWiFiModule() ? 2 : 0)),
        "[GPS_OnOff]=" + value("GPS_OnOff", number(state.gpsOn ? 1 : 0)),
        "[MultipleBaudRate]=" + value("MultipleBaudRate", number(state.multipleBaudRate)),
        "[GPS_RI]=" + value("GPS_RI", number(state.gpsRate)),
        "[GPS_NAV5_dynModel]=" + value("GPS_NAV5_dynModel", number(state.dynModel)),
    };
    if (!knobs.noDumpEnd)
        lines += "[SYSTEM DATA END]";
    return lines;
}

} // namespace

QByteArrayList AnswerQuery(const SDeviceState& state, const QByteArray& sentence, const SSimKnobs& knobs)
{
    const QByteArray content = sentence.mid(1);
    if (content == "AIAIQ,VER")
        return {"$AIVER," + (knobs.cutVersion ? state.version.left(state.version.indexOf(',')) : state.version)};
    if (content == "AIAIQ,EPV")
        return equipmentProperties(state);
    if (content == SystemDataQuery)
        return systemDataDump(state, knobs);
    const QByteArrayList fields = content.split(',');
    if (fields.size() == 7 && fields[0] == "PQLX" && fields[1] == "Q" && fields[2] == "CFG")
        return configurationItem(state, fields);
    return {};
}

bool IsDumpKey(const QByteArray& key)
{
    return DumpKeys.contains(key);
}

} // namespace Sim
