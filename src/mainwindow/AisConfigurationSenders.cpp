#include "mainwindow/AisConfiguration.h"

#include "codec/sentence/I62Syntax.h"
#include "device/CCommSpacesManage.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <cstdio>
#include <string>
#include <cstring>

namespace {

constexpr size_t SentenceSize = 256;
const char* const LeaveWiFiCfgModeSentence = "$PDBG,163,0,,,,,,*15";

} // namespace

bool AisConfiguration::sendCommWithCheckSum(char* text, size_t size)
{
    if (!I62_Compose_CheckSum(text, size))
        return false;
    return m_commSpaces->sendCommand(text, int(strnlen(text, size)));
}

void AisConfiguration::leaveWiFiCfgMode()
{
    m_commSpaces->getDeviceComm().sendCommand(LeaveWiFiCfgModeSentence, nullptr);
}

bool AisConfiguration::sendAIVER()
{
    char sentence[SentenceSize] = "$AIAIQ,VER";
    m_lastQueryTime = m_seconds.now();
    return sendCommWithCheckSum(sentence, sizeof sentence);
}

bool AisConfiguration::sendAIAIQSentToCommPort()
{
    char sentence[SentenceSize] = "!AIAIQ,EPV";
    return sendCommWithCheckSum(sentence, sizeof sentence);
}

bool AisConfiguration::sendPTSTSentToCommPort(unsigned short id)
{
    char sentence[SentenceSize];
    std::snprintf(sentence, sizeof sentence, "$PTST,,,,,%d", int(id));
    return sendCommWithCheckSum(sentence, sizeof sentence);
}

bool AisConfiguration::sendPQLXCfgSentToCommPort(bool command, int item, CFG_DEVICE_MODEL sub, int value)
{
    char sentence[SentenceSize];
    int length = std::snprintf(sentence, sizeof sentence, command ? "$PQLX,C,CFG,%d," : "$PQLX,Q,CFG,%d,", item);
    if (sub == CFG_SUB_NONE)
        std::snprintf(sentence + length, sizeof sentence - size_t(length), ",,");
    else
        std::snprintf(sentence + length, sizeof sentence - size_t(length), "%d,%d,", int(sub), value);
    return sendCommWithCheckSum(sentence, sizeof sentence);
}

bool AisConfiguration::enableDebugPortView(unsigned short closing, bool automatic)
{
    std::string what = "Check device information";
    if (automatic)
        what += "(DiagDiagnosis Auto)";
    Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(DBG_INFO, "enableDebugPortView", 0, "%s, time: %d",
                                                         what.c_str(), int(m_seconds.now()));
    constexpr int StatusItem = 8117;
    if (!sendPQLXCfgSentToCommPort(false, StatusItem, CFG_SUB_NONE, 0))
        return false;
    if (!automatic) {
        const CAisSentenceHandle& handle = m_commSpaces->getDeviceComm().getSentenceHandle();
        const bool q375 = handle.getMachineType() == MACHINE_Q_375;
        constexpr int PortsItem = 183;
        constexpr int Q375SettingsItem = 31;
        if (!sendPQLXCfgSentToCommPort(false, handle.getModelNumber(), CFG_SUB_NONE, 0)
            || !sendPQLXCfgSentToCommPort(false, PortsItem, CFG_SUB_NONE, 0)
            || (q375
                && (!sendAIAIQSentToCommPort()
                    || !sendPQLXCfgSentToCommPort(false, Q375SettingsItem, CFG_SUB_NONE, 0)))
            || !sendPTSTSentToCommPort(closing))
            return false;
    }
    m_lastQueryTime = m_seconds.now();
    return true;
}

bool AisConfiguration::recomposeSentForReservedChar(char* out, size_t outSize, const char* in)
{
    static const char Reserved[] = "!$*,\\^~";
    if (outSize == 0)
        return false;
    size_t used = 0;
    for (; *in; ++in) {
        const bool reserved = std::strchr(Reserved, *in) != nullptr;
        const size_t width = reserved ? 3 : 1;
        if (used + width >= outSize) {
            out[used] = '\0';
            return false;
        }
        if (reserved)
            std::snprintf(out + used, outSize - used, "^%02X", unsigned(static_cast<unsigned char>(*in)));
        else
            out[used] = *in;
        used += width;
    }
    out[used] = '\0';
    return true;
}

bool AisConfiguration::sendPQLXDbgSentToCommPort(bool command, const DBG_CMD_PARAM* params, int count)
{
    char sentence[SentenceSize];
    size_t length = size_t(std::snprintf(sentence, sizeof sentence, command ? "$PQLX,C,DBG," : "$PQLX,Q,DBG,"));
    for (int pair = 0; pair < DBG_CMD_PARAM::PairCount; ++pair) {
        if (pair < count)
            length += size_t(std::snprintf(sentence + length, sizeof sentence - length, "%d,%d,",
                                           int(params->param[2 * pair]), int(params->param[2 * pair + 1])));
        else
            length += size_t(std::snprintf(sentence + length, sizeof sentence - length, ",,"));
    }
    return sendCommWithCheckSum(sentence, sizeof sentence);
}

bool AisConfiguration::sendPDBGSentToCommPort(const DBG_CMD_PARAM* params)
{
    const int32_t* p = params->param;
    char sentence[SentenceSize];
    std::snprintf(sentence, sizeof sentence, "$PDBG,%d,%d,%d,%d,%d,%d,%d,%d,", int(p[0]), int(p[1]), int(p[2]),
                  int(p[3]), int(p[4]), int(p[5]), int(p[6]), int(p[7]));
    return sendCommWithCheckSum(sentence, sizeof sentence);
}

bool AisConfiguration::sendPQLXMidSentToCommPort(int mmsi)
{
    char sentence[SentenceSize];
    std::snprintf(sentence, sizeof sentence, "$PQLX,C,MID,%d", mmsi);
    return sendCommWithCheckSum(sentence, sizeof sentence);
}

bool AisConfiguration::sendPMIDSentToCommPort(int mmsi)
{
    char sentence[SentenceSize];
    std::snprintf(sentence, sizeof sentence, "$PMID,%d,", mmsi);
    return sendCommWithCheckSum(sentence, sizeof sentence);
}

bool AisConfiguration::sendECSSDSentToCommPort(const char* shipName, const char* callSign, int a, int b, int c, int d)
{
    // Every character may become three.
    char name[SentenceSize];
    char call[SentenceSize];
    if (!recomposeSentForReservedChar(name, sizeof name, shipName)
        || !recomposeSentForReservedChar(call, sizeof call, callSign))
        return false;
    char sentence[SentenceSize];
    const int length = std::snprintf(sentence, sizeof sentence, "$ECSSD,%s,%s,%d,%d,%d,%d,,", call, name, a, b, c, d);
    // A cut sentence would carry a wrong name.
    if (length < 0 || size_t(length) >= sizeof sentence)
        return false;
    return sendCommWithCheckSum(sentence, sizeof sentence);
}

bool AisConfiguration::sendECVSDSentToCommPort(int shipType)
{
    char sentence[SentenceSize];
    std::snprintf(sentence, sizeof sentence, "$ECVSD,%d,,,,,,,,", shipType);
    return sendCommWithCheckSum(sentence, sizeof sentence);
}

bool AisConfiguration::sendAIEPVSentToCommPort(int mmsi, int property, int value)
{
    char sentence[SentenceSize];
    std::snprintf(sentence, sizeof sentence, "$AIEPV,C,AI,%09d,%d,%d", mmsi, property, value);
    return sendCommWithCheckSum(sentence, sizeof sentence);
}
