#include "device/CDeviceComm.h"

#include "device/DeviceSentences.h"
#include "support/PortalStr.h"
#include "support/PortalTime.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <algorithm>
#include <cstring>

using WiFiScope::SAPData;
using AT = SATCommandSet;

namespace {

SysDebug* Log()
{
    return Pattern::Singleton<SysDebug>::Instance();
}

bool HoldsLineEnd(const std::string& text)
{
    return text.find_first_of("\r\n") != std::string::npos;
}

// A text field of the settings record, up to its first NUL and never past its end.
template <size_t N>
std::string FieldText(const char (&field)[N])
{
    return std::string(field, strnlen(field, N));
}

// sendCommand ends the line as the link's mode wants.
std::string WithoutLineEnd(std::string line)
{
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    return line;
}

std::string Decimal(int value)
{
    char text[16];
    Portal::Str::ConvtIntToChar(text, value);
    return text;
}

} // namespace

bool CDeviceComm::sendCommand(const std::string& text, const COMM::SResponseInform* awaited)
{
    const size_t length = std::min(text.find('\0'), text.size());
    const bool carriageReturn = m_wifiConfig.getSystemMode() == WiFiScope::WIFI_SYS_MODE_NMEA;
    const size_t lineEnd = carriageReturn ? 2 : 1;
    if (length + lineEnd > COMM::STxPackage::DataSize) {
        Log()->dbgPrintf(DBG_ERROR, "sendCommand", 0, "a line of %d characters does not fit a package of %d: not sent",
                         int(length + lineEnd), COMM::STxPackage::DataSize);
        return false;
    }
    COMM::STxPackage package;
    std::memcpy(package.data, text.data(), length);
    size_t end = length;
    if (carriageReturn)
        package.data[end++] = '\r';
    package.data[end++] = '\n';
    package.len = int32_t(end);
    package.spacing = CommandSpacingMs;
    package.created = int64_t(Portal::Time::Clock());
    if (awaited)
        package.response = *awaited;
    return appendToLink(package, false);
}

std::string CDeviceComm::composeWiFiCfgCmd(const std::string& command, const std::string& parameter)
{
    return command + "=" + parameter;
}

bool CDeviceComm::sendCmdRespPass(int timeoutMs, const std::string& expected, const std::string& command,
                                  const std::string& parameter)
{
    if (HoldsLineEnd(command) || HoldsLineEnd(parameter)) {
        Log()->dbgPrintf(DBG_WARNING, "sendCmdRespPass", 0, "%s: a line end in the command line, not sent",
                         command.c_str());
        return false;
    }
    COMM::SResponseInform awaited;
    awaited.timeout = timeoutMs;
    awaited.setExpected(expected.c_str());
    return sendCommand(parameter.empty() ? command : composeWiFiCfgCmd(command, parameter), &awaited);
}

bool CDeviceComm::sendATSeries(const char* operation, const std::vector<SATLine>& lines)
{
    const SATCommandSet& commands = m_wifiConfig.commandSet();
    for (const SATLine& line : lines) {
        if (HoldsLineEnd(line.parameter)) {
            Log()->dbgPrintf(DBG_WARNING, operation, 0, "the parameter of %s holds a line end: nothing sent",
                             commands[line.command].c_str());
            return false;
        }
    }
    for (const SATLine& line : lines)
        sendCmdRespPass(ReplyTimeoutMs, commands[AT::REPLY_OK], commands[line.command], line.parameter);
    return true;
}

void CDeviceComm::sendCmdToSwitchWiFiMode(WiFiScope::WIFI_SYS_MODE mode)
{
    if (mode != WiFiScope::WIFI_SYS_MODE_CONFIG && mode != WiFiScope::WIFI_SYS_MODE_NMEA) {
        Log()->dbgPrintf(DBG_INFO, "sendCmdToSwitchWiFiMode", 0, "%s", "No such command");
        return;
    }
    sendCommand(WithoutLineEnd(DeviceSentence::wifiCfgModeSentence(mode == WiFiScope::WIFI_SYS_MODE_CONFIG)), nullptr);
}

void CDeviceComm::sendWiFiBasicInfoQueryCmd()
{
    std::vector<SATLine> lines;
    for (AT::INDEX query : BASIC_INFO_QUERIES)
        lines.push_back({query, std::string()});
    sendATSeries("sendWiFiBasicInfoQueryCmd", lines);
}

void CDeviceComm::sendWiFiCfgCmd(const SAPData* settings)
{
    if (!settings)
        return;
    const bool open = FieldText(settings->security) == "NONE";
    std::vector<SATLine> lines{
        {AT::AT_APSSID, FieldText(settings->ssid)},
        {AT::AT_APCHAN, Decimal(settings->channel)},
        {AT::AT_SYSIPSET, FieldText(settings->ip) + "," + FieldText(settings->mask)},
        {AT::AT_TCPPORT, Decimal(settings->port)},
        {AT::AT_SECMODE, open ? "NONE" : "WPA2-PSK"},
    };
    if (!open)
        lines.push_back({AT::AT_PSK, "2," + FieldText(settings->password)});
    lines.push_back({AT::AT_WAPPLY, std::string()});
    sendATSeries("sendWiFiCfgCmd", lines);
}

void CDeviceComm::sendWiFiModeCtrlCmd(bool enable, WiFiScope::WIFI_OPERATION_MODE mode)
{
    const auto flag = [](bool on) { return std::string(on ? "1" : "0"); };
    std::vector<SATLine> lines{{AT::AT_WLANEN, flag(enable)}};
    if (enable) {
        lines.push_back({AT::AT_DHCPCEN, flag(mode == WiFiScope::WIFI_OP_MODE_CLIENT)});
        lines.push_back({AT::AT_DHCPDEN, flag(mode == WiFiScope::WIFI_OP_MODE_ACCESS_POINT)});
        lines.push_back({AT::AT_OPMODE, flag(mode == WiFiScope::WIFI_OP_MODE_CLIENT)});
    }
    lines.push_back({AT::AT_SYSAPPLY, std::string()});
    lines.push_back({AT::AT_WAPPLY, std::string()});
    sendATSeries("sendWiFiModeCtrlCmd", lines);
}

void CDeviceComm::sendWiFiFactoryRstCmd()
{
    sendATSeries("sendWiFiFactoryRstCmd", {{AT::AT_FACTDEF, std::string()}, {AT::AT_APPLY, std::string()}});
}

void CDeviceComm::sendWiFiClientScanCmd()
{
    sendATSeries("sendWiFiClientScanCmd", {{AT::AT_SCAN, std::string()}});
    // The module ends its scan answer with this line; the queue sends it once the scan has
    // been answered or has timed out.
    sendCommand("WiFiScanEnd", nullptr);
}

void CDeviceComm::sendWiFiClientAPCntCmd(const WiFiScope::SClintAPCntData* target)
{
    if (!target)
        return;
    std::string security = target->security;
    if (security == "WPA" || security == "WPA2")
        security += "-PSK";
    std::vector<SATLine> lines{{AT::AT_STA, target->ssid}, {AT::AT_SECMODE, security}};
    if (security != "NONE")
        lines.push_back({AT::AT_PSK, "2," + target->password});
    lines.push_back({AT::AT_WAPPLY, std::string()});
    sendATSeries("sendWiFiClientAPCntCmd", lines);
}

void CDeviceComm::sendWiFiClientAPCntStatusCmd()
{
    sendATSeries("sendWiFiClientAPCntStatusCmd", {{AT::AT_STALINK, std::string()}});
}
