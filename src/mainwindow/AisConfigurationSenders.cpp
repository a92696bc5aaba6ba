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
