#include "DeviceProgramming.h"

#include "DeviceState.h"
#include "Sentence.h"
#include "SimLog.h"

namespace Sim {

namespace {

// The device keeps as many characters as an AIS message carries.
constexpr int NameLength = 20;
constexpr int CallSignLength = 7;

// Where a settings pair of "$PDBG" or "$PQLX,C,DBG" writes a port's baud code: item 183 and
// this sub-item, on the model that has it.
struct SBaudPair
{
    int id;
    int sub;
};
constexpr SBaudPair SettingsBauds[] = {{42, 10}, {40, 11}, {39, 20}, {38, 21}};
constexpr SBaudPair DbgBauds[] = {{40, 1}, {41, 2}};

void setText(QByteArray& target, const QByteArray& field, int length, const char* what)
{
    if (field.isEmpty())
        return;
    target = Sentence::unescape(field);
    if (target.size() > length) {
        target.truncate(length);
        Log::note(QStringLiteral("%1 cut to %2 characters").arg(QLatin1String(what)).arg(length));
    }
}

void setNumber(int& target, const QByteArray& field)
{
    bool ok = false;
    const int value = field.toInt(&ok);
    if (ok)
        target = value;
}

void setCfg(SDeviceState& state, int item, int sub, int value)
{
    if (SCfgEntry* entry = state.findCfg(item, sub))
        entry->value = value;
    else
        Log::note(QStringLiteral("no item %1, sub-item %2 on this model: ignored").arg(item).arg(sub));
}

template <size_t N>
bool applyBaud(SDeviceState& state, int id, int value, const SBaudPair (&pairs)[N])
{
    for (const SBaudPair& pair : pairs) {
        if (pair.id == id) {
            setCfg(state, 183, pair.sub, value);
            return true;
        }
    }
    return false;
}

void applySetting(SDeviceState& state, int id, int value)
{
    if (applyBaud(state, id, value, SettingsBauds))
        return;
    switch (id) {
    case 101:
        state.dsc = value;
        break;
    case 50:
        // The value is 1 when the GPS is to be switched off.
        state.gpsOn = value != 1;
        break;
    case 51:
        state.gpsRate = value;
        break;
    case 703:
        state.dynModel = value;
        break;
    default:
        Log::note(QStringLiteral("unknown settings identifier %1: ignored").arg(id));
    }
}

void applyDbg(SDeviceState& state, int id, int value)
{
    if (!applyBaud(state, id, value, DbgBauds))
        Log::note(QStringLiteral("unknown DBG identifier %1: ignored").arg(id));
}

// The settings pairs from the given field on: identifier, value, identifier, value...; a pair
// of empty fields is unused.
void applyPairs(SDeviceState& state, const QByteArrayList& fields, int first, void (*apply)(SDeviceState&, int, int))
{
    for (int i = first; i + 1 < fields.size(); i += 2) {
        if (fields[i].isEmpty() && fields[i + 1].isEmpty())
            continue;
        bool idOk = false;
        bool valueOk = false;
        const int id = fields[i].toInt(&idOk);
        const int value = fields[i + 1].toInt(&valueOk);
        if (idOk && valueOk)
            apply(state, id, value);
        else
            Log::note(QStringLiteral("settings pair \"%1,%2\" is not two numbers: ignored")
                          .arg(QString::fromLatin1(fields[i]), QString::fromLatin1(fields[i + 1])));
    }
}

void applyMid(SDeviceState& state, const QByteArray& field)
{
    bool ok = false;
    const uint32_t mmsi = field.toUInt(&ok);
    if (!ok || mmsi == 0)
        Log::note(QStringLiteral("MID without an MMSI: ignored"));
    else if (state.mmsi != 0)
        Log::note(QStringLiteral("MID ignored: the MMSI is %1 already").arg(state.mmsi));
    else
        state.mmsi = mmsi;
}

void applyEpv(SDeviceState& state, const QByteArrayList& fields)
{
    bool propertyOk = false;
    bool valueOk = false;
    const int property = fields[4].toInt(&propertyOk);
    const int value = fields[5].toInt(&valueOk);
    SEpvEntry* entry = propertyOk ? state.findEpv(property) : nullptr;
    if (entry && valueOk)
        entry->value = value;
    else
        Log::note(QStringLiteral("no property %1 on this model: ignored").arg(QString::fromLatin1(fields[4])));
}

} // namespace

bool ApplyProgramming(SDeviceState& state, const QByteArray& sentence)
{
    const QByteArrayList fields = sentence.mid(1).split(',');
    const QByteArray& address = fields[0];
    if (address == "ECSSD" && fields.size() >= 7) {
        setText(state.callSign, fields[1], CallSignLength, "call sign");
        setText(state.name, fields[2], NameLength, "name");
        setNumber(state.a, fields[3]);
        setNumber(state.b, fields[4]);
        setNumber(state.c, fields[5]);
        setNumber(state.d, fields[6]);
    } else if (address == "ECVSD" && fields.size() >= 2) {
        setNumber(state.shipType, fields[1]);
    } else if (address == "PDBG") {
        applyPairs(state, fields, 1, applySetting);
    } else if (address == "PQLX" && fields.size() >= 4 && fields[1] == "C") {
        if (fields[2] == "MID") {
            applyMid(state, fields[3]);
        } else if (fields[2] == "DBG") {
            applyPairs(state, fields, 3, applyDbg);
        } else if (fields[2] == "CFG" && fields.size() >= 6) {
            bool ok[3] = {};
            const int item = fields[3].toInt(&ok[0]);
            const int sub = fields[4].toInt(&ok[1]);
            const int value = fields[5].toInt(&ok[2]);
            if (ok[0] && ok[1] && ok[2])
                setCfg(state, item, sub, value);
            else
                Log::note(QStringLiteral("CFG command without item, sub-item and value: ignored"));
        } else {
            return false;
        }
    } else if (address == "AIEPV" && fields.size() == 6 && fields[1] == "C") {
        applyEpv(state, fields);
    } else {
        return false;
    }
    return true;
}

} // namespace Sim
