// How the Wi-Fi reply parser reads a query reply into the Wi-Fi state record.
#include "device/CKTRWiFiPaser.h"
#include "device/DeviceFields.h"

#include "support/PortalStr.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

using WiFiScope::SCmdProcData;
using WiFiScope::SWiFiData;
using AT = SATCommandSet;

namespace {

SysDebug* Log()
{
    return Pattern::Singleton<SysDebug>::Instance();
}

// The value's fields between commas; empty fields are skipped.
std::vector<std::string> SplitFields(const std::string& value)
{
    std::vector<std::string> fields;
    size_t start = 0;
    while (start <= value.size()) {
        size_t end = value.find(',', start);
        if (end == std::string::npos)
            end = value.size();
        if (end > start)
            fields.push_back(value.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

std::string UpperCase(std::string text)
{
    Portal::Str::UpperCase(text.data());
    return text;
}

void LogCut(const std::string& command, size_t length, size_t kept)
{
    Log()->dbgPrintf(DBG_WARNING, "queryATResp", 0, "%s: a value of %d characters cut to %d", command.c_str(),
                     int(length), int(kept));
}

bool IsQuery(int index)
{
    return index != AT::AT_WAPPLY && index != AT::AT_STA && index != AT::AT_SYSAPPLY && index != AT::AT_FACTDEF
           && index != AT::AT_APPLY;
}

} // namespace

void CKTRWiFiPaser::queryATResp(const std::string& reply, int linesCut, SCmdProcData* state) const
{
    if (reply.empty() || reply[0] != '>') {
        Log()->dbgPrintf(DBG_INFO, "queryATResp", 0, "%s", "Not resopnse sentence:");
        return;
    }
    const std::string copy = reply.substr(1);
    // The echo names the command; a value further down (an SSID "AT+SYSIP") names none.
    const size_t echoEnd = copy.find_first_of("\r\n");
    const std::string echo = copy.substr(0, echoEnd);
    const int index = findCommand(echo);
    if (index < 0 || !IsQuery(index)) {
        Log()->dbgPrintf(DBG_INFO, "queryATResp", 0, "Can`t recognize command %s", reply.c_str());
        if (index >= 0)
            state->queryReplied[index] = false;
        return;
    }
    const AT::INDEX command = AT::INDEX(index);
    std::string value;
    const bool found = delimDataRead(&value, copy, echo.find(m_commands[command]), "+ok=");
    bool& replied = state->queryReplied[command];
    replied = found;
    if (command == AT::AT_WLANEN) {
        int32_t on = 0;
        state->wlanEnabled = found && readInt(value, command, &on) && on == 1;
        return;
    }
    if (!found)
        return;

    switch (command) {
    case AT::AT_SYSIPSET: {
        const std::vector<std::string> fields = SplitFields(workArea(value, command));
        if (fields.size() > 0)
            storeText(state->apSettings.ip, fields[0], command);
        if (fields.size() > 1)
            storeText(state->apSettings.mask, fields[1], command);
        break;
    }
    case AT::AT_SYSIP: {
        const std::vector<std::string> fields = SplitFields(workArea(value, command));
        if (fields.size() > 0)
            state->sysIp = fields.front();
        if (fields.size() > 1)
            state->sysIpMore = fields.back();
        break;
    }
    case AT::AT_APSSID:
        storeText(state->apSettings.ssid, value, command);
        break;
    case AT::AT_SECMODE:
        storeText(state->apSettings.security, value, command);
        break;
    case AT::AT_PSK: {
        // The first field names the key type.
        const std::vector<std::string> fields = SplitFields(workArea(value, command));
        if (fields.size() > 1)
            storeText(state->apSettings.password, fields[1], command);
        break;
    }
    case AT::AT_VER:
        storeText(state->version, value, command);
        break;
    case AT::AT_OPMODE:
        replied = readInt(value, command, &state->opMode);
        break;
    case AT::AT_APCHAN:
        replied = readInt(value, command, &state->apSettings.channel);
        break;
    case AT::AT_DHCPDEN:
        replied = readInt(value, command, &state->dhcpServer);
        break;
    case AT::AT_DHCPCEN:
        replied = readInt(value, command, &state->dhcpClient);
        break;
    case AT::AT_TCPPORT:
        replied = readInt(value, command, &state->apSettings.port);
        break;
    case AT::AT_STALINK:
        stationLinkResp(copy, found, value, state);
        break;
    case AT::AT_SCAN:
        scanResp(copy.c_str() + copy.find(m_commands[command]), linesCut, state);
        break;
    default:
        break;
    }
}

void CKTRWiFiPaser::stationLinkResp(const std::string& reply, bool found, const std::string& value,
                                    SCmdProcData* state) const
{
    if (reply.find("Not-Associated") != std::string::npos) {
        state->linkStatus = WiFiScope::WIFI_LINK_NOT_ASSOCIATED;
        state->linkCheck = false;
        state->queryReplied[AT::AT_STALINK] = false;
        cientAPCntStatus(nullptr, state);
        return;
    }
    state->linkStatus = WiFiScope::WIFI_LINK_ASSOCIATED;
    state->queryReplied[AT::AT_STALINK] = found;
    const std::vector<std::string> fields = SplitFields(workArea(value, AT::AT_STALINK));
    // After a "Not-Associated" in this job no access point is marked until the next job.
    cientAPCntStatus(!fields.empty() && state->linkCheck ? fields.front().c_str() : nullptr, state);
}

void CKTRWiFiPaser::cientAPCntStatus(const char* value, SWiFiData* data) const
{
    for (WiFiScope::SClientAPInfoStruct& group : data->apList)
        group.connectedIndex = -1;
    if (!value)
        return;
    const std::vector<std::string> fields = SplitFields(value);
    if (fields.empty())
        return;
    const std::string bssid = UpperCase(fields.front());

    std::vector<WiFiScope::SClientAPInfoStruct>& groups = data->apList;
    for (size_t group = 0; group < groups.size(); ++group) {
        const std::vector<WiFiScope::SClientAPData>& members = groups[group].members;
        for (size_t member = 0; member < members.size(); ++member) {
            if (UpperCase(members[member].bssid) != bssid)
                continue;
            data->linkedBssid = bssid;
            groups[group].connectedIndex = int32_t(member);
            const auto linked = groups.begin() + std::ptrdiff_t(group);
            std::rotate(groups.begin(), linked, linked + 1);
            Log()->dbgPrintf(DBG_INFO, "cientAPCntStatus", 0, "AP info idx = %d\nSub Idx = %d", int(group), int(member));
            return;
        }
    }
    Log()->dbgPrintf(DBG_INFO, "cientAPCntStatus", 0, "AP info idx = %d\nSub Idx = %d", -1, -1);
}

bool CKTRWiFiPaser::readInt(const std::string& value, AT::INDEX command, int32_t* out) const
{
    if (DeviceField::ReadInt(value.c_str(), std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(),
                             out))
        return true;
    Log()->dbgPrintf(DBG_WARNING, "queryATResp", 0, "%s: the value is no 32-bit number:%s",
                     m_commands[command].c_str(), value.c_str());
    return false;
}

std::string CKTRWiFiPaser::workArea(const std::string& value, AT::INDEX command) const
{
    if (value.size() < FieldWorkAreaSize)
        return value;
    LogCut(m_commands[command], value.size(), FieldWorkAreaSize - 1);
    return value.substr(0, FieldWorkAreaSize - 1);
}

void CKTRWiFiPaser::storeText(char* field, size_t size, const std::string& value, AT::INDEX command) const
{
    // A text that fills the field has no NUL: readers stop at the field's end.
    std::memset(field, 0, size);
    std::memcpy(field, value.data(), std::min(size, value.size()));
    if (value.size() > size)
        LogCut(m_commands[command], value.size(), size);
}
