#include "mainwindow/AisConfiguration.h"

#include "device/CCommSpacesManage.h"
#include "device/DeviceQueryPlan.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <string>

bool AisConfiguration::queueSentence(const std::string& line)
{
    return !line.empty() && m_commSpaces->sendCommand(line.data(), int(line.size()));
}

void AisConfiguration::leaveWiFiCfgMode()
{
    m_commSpaces->sendCmdToSwitchWiFiMode(WiFiScope::WIFI_SYS_MODE_NMEA);
}

bool AisConfiguration::sendAIVER()
{
    m_lastQueryTime = m_seconds.now();
    return queueSentence(DeviceSentence::versionQuery());
}

bool AisConfiguration::sendAIAIQSentToCommPort()
{
    return queueSentence(DeviceSentence::propertyQuery());
}

bool AisConfiguration::sendPTSTSentToCommPort(unsigned short id)
{
    return queueSentence(DeviceSentence::systemDataQuery(id));
}

bool AisConfiguration::sendPQLXCfgSentToCommPort(bool command, int item, CFG_DEVICE_MODEL sub, int value)
{
    return queueSentence(DeviceSentence::cfgSentence(command, item, sub, value));
}

bool AisConfiguration::enableDebugPortView(unsigned short closing, bool automatic)
{
    std::string what = "Check device information";
    if (automatic)
        what += "(DiagDiagnosis Auto)";
    Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(DBG_INFO, "enableDebugPortView", 0, "%s, time: %d",
                                                         what.c_str(), int(m_seconds.now()));
    const MACHINE_TYPE model = m_commSpaces->getDeviceComm().getSentenceHandle().getMachineType();
    // The first sentence that is not queued ends the set, and no take-over waits for it.
    for (const std::string& line : DeviceQuery::querySet(model, closing, automatic)) {
        if (!queueSentence(line))
            return false;
    }
    m_lastQueryTime = m_seconds.now();
    return true;
}

bool AisConfiguration::recomposeSentForReservedChar(char* out, size_t outSize, const char* in)
{
    return DeviceSentence::escapeReserved(out, outSize, in);
}

bool AisConfiguration::sendPQLXDbgSentToCommPort(bool command, const DBG_CMD_PARAM* params, int count)
{
    return queueSentence(DeviceSentence::dbgSentence(command, *params, count));
}

bool AisConfiguration::sendPDBGSentToCommPort(const DBG_CMD_PARAM* params)
{
    return queueSentence(DeviceSentence::settingsSentence(*params));
}

bool AisConfiguration::sendPQLXMidSentToCommPort(int mmsi)
{
    return queueSentence(DeviceSentence::mmsiSentence(mmsi));
}

bool AisConfiguration::sendPMIDSentToCommPort(int mmsi)
{
    return queueSentence(DeviceSentence::pmidSentence(mmsi));
}

bool AisConfiguration::sendECSSDSentToCommPort(const char* shipName, const char* callSign, int a, int b, int c, int d)
{
    return queueSentence(DeviceSentence::staticDataSentence(callSign, shipName, a, b, c, d));
}

bool AisConfiguration::sendECVSDSentToCommPort(int shipType)
{
    return queueSentence(DeviceSentence::shipTypeSentence(shipType));
}

bool AisConfiguration::sendAIEPVSentToCommPort(int mmsi, int property, int value)
{
    return queueSentence(DeviceSentence::propertySentence(mmsi, property, value));
}
