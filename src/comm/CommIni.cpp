#include "comm/CommIni.h"

#include "support/Constants.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <QRegularExpression>
#include <QSettings>
#include <algorithm>
#include <cstdint>

namespace COMM {

namespace {

const QString TotalKey = QStringLiteral("/ConnectHead/Total");

bool InUnsignedRange(int32_t value, uint32_t maxValue)
{
    return static_cast<uint32_t>(value) <= maxValue;
}

// The highest group number present.
int LastGroupNumber(const QSettings& settings)
{
    static const QRegularExpression pattern(QStringLiteral("^Connect([0-9]{1,9})$"));
    int last = 0;
    for (const QString& group : settings.childGroups()) {
        const QRegularExpressionMatch match = pattern.match(group);
        if (match.hasMatch())
            last = std::max(last, match.captured(1).toInt());
    }
    return last;
}

} // namespace

QString CommIniPath(const QString& envPath)
{
    return envPath + QString::fromStdString(Constants::CommIniFile);
}

QString CommIniGroup(int number)
{
    return QStringLiteral("/Connect%1/").arg(number);
}

SCommConntProfile ReadCommIni(QSettings* settings, const QString& group)
{
    SCommConntProfile profile;
    const auto value = [&](const char* key, const QVariant& fallback) {
        return settings->value(group + QLatin1String(key), fallback);
    };

    const std::u32string name = value("DevName", QString()).toString().toStdU32String();
    const COMM_CONNT_SETTING link = BuildConntLink(
        value("SensorType", 0).toInt(), name.c_str(),
        static_cast<PRIMARY_POS_DEV>(value("DevPrimaryPos", PRIMARY_POS_UNDEFINED).toInt()),
        value("Active", false).toBool());
    profile.conntSetting.sensorType = link.sensorType;
    std::copy(std::begin(link.devName), std::end(link.devName), profile.conntSetting.devName);
    profile.conntSetting.devPrimaryPos = link.devPrimaryPos;
    profile.conntSetting.active = link.active;

    profile.commType = static_cast<COMM_TYPE>(value("CommType", COMM_TYPE_NONE).toInt());
    if (profile.commType == COMM_TYPE_NETWORK) {
        profile.networkConfig = BuildNetworkConfig(value("Parm3", 0).toInt(),
                                                   value("Parm1", QString()).toString().toUtf8().toStdString(),
                                                   value("Parm2", 0).toInt());
    } else if (profile.commType == COMM_TYPE_SERIAL) {
        const QByteArray portName = value("Parm1", QString()).toString().toLatin1();
        profile.serialConfig = BuildSerialConfig(portName.constData(), value("Parm2", 0).toInt());
    }

    profile.debugConfig.isString = value("DebugIsString", false).toBool();
    profile.debugConfig.msgOut = value("DebugMsgOut", 0).toInt();
    return profile;
}

void WriteCommIni(QSettings* settings, const QString& group, const SCommConntProfile& profile)
{
    const auto set = [&](const char* key, const QVariant& v) { settings->setValue(group + QLatin1String(key), v); };
    const std::u32string name = DevNameText(profile.conntSetting);

    set("CommType", static_cast<int>(profile.commType));
    set("SensorType", static_cast<int>(profile.conntSetting.sensorType));
    set("DevName", QString::fromUcs4(name.data(), static_cast<int>(name.size())));
    set("DevPrimaryPos", static_cast<int>(profile.conntSetting.devPrimaryPos));
    set("Active", profile.conntSetting.active);
    if (profile.commType == COMM_TYPE_NETWORK) {
        const SNetworkConntConfig& net = profile.networkConfig;
        set("Parm1", QString::fromUtf8(net.ip, static_cast<int>(strnlen(net.ip, sizeof net.ip))));
        set("Parm2", net.port);
        set("Parm3", static_cast<int>(net.socketType));
    } else if (profile.commType == COMM_TYPE_SERIAL) {
        const SSerialConntConfig& serial = profile.serialConfig;
        set("Parm1", QString::fromLatin1(serial.portName,
                                         static_cast<int>(strnlen(serial.portName, sizeof serial.portName))));
        set("Parm2", serial.baudIndex);
        set("Parm3", QString());
    }
}

bool IsValidCommProfile(const SCommConntProfile& profile)
{
    const COMM_CONNT_SETTING& link = profile.conntSetting;
    if (!InUnsignedRange(link.sensorType, SENSOR_DEVICE_COUNT - 1))
        return false;
    if (static_cast<uint32_t>(link.devPrimaryPos) + 1u >= 4u)  // -1 to 2
        return false;
    if (!InUnsignedRange(profile.commType, COMM_TYPE_NETWORK))
        return false;
    if (profile.commType == COMM_TYPE_NETWORK)
        return InUnsignedRange(profile.networkConfig.socketType, SOCKET_UDP_CLIENT) &&
               InUnsignedRange(profile.networkConfig.port, MaxPort);
    if (profile.commType == COMM_TYPE_SERIAL)
        return InUnsignedRange(profile.serialConfig.baudIndex, BaudIndexCount - 1);
    return true;
}

std::vector<SCommConntProfile> ReadCommConnect(const QString& filePath)
{
    std::vector<SCommConntProfile> profiles;
    QSettings settings(filePath, QSettings::IniFormat);
    const int total = settings.value(TotalKey, 0).toInt();
    const int last = LastGroupNumber(settings);
    for (int n = 1; n <= total; ++n) {
        // A missing group is refused like any bad entry, but a total far past the last
        // group stops after the first missing one.
        if (n > last + 1) {
            Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(
                DBG_WARNING, "readCommConnect", 0, "Total %d, but the file ends with group %d.", total, last);
            break;
        }
        const QString group = CommIniGroup(n);
        const SCommConntProfile profile = ReadCommIni(&settings, group);
        if (!IsValidCommProfile(profile)) {
            Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(DBG_EXCEPTION, "readCommConnect", 0,
                                                                "Read the %s is failed.",
                                                                group.toUtf8().constData());
            continue;
        }
        if (profile.conntSetting.sensorType == SENSOR_NOT_CONNECTED)
            continue;
        profiles.push_back(profile);
    }
    return profiles;
}

void WriteCommConnect(const QString& filePath, const std::vector<SCommConntProfile>& profiles)
{
    QSettings settings(filePath, QSettings::IniFormat);
    int count = 0;
    for (const SCommConntProfile& profile : profiles)
        WriteCommIni(&settings, CommIniGroup(++count), profile);
    settings.setValue(TotalKey, count);
}

} // namespace COMM
