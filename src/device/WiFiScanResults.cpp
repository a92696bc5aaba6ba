// How the Wi-Fi reply parser reads the scan reply into the list of access points.
#include "device/CKTRWiFiPaser.h"
#include "device/DeviceFields.h"

#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <algorithm>
#include <cstring>
#include <limits>

using WiFiScope::SClientAPData;
using WiFiScope::SClientAPInfoStruct;
using WiFiScope::SCmdProcData;
using WiFiScope::SWiFiData;

namespace {

SysDebug* Log()
{
    return Pattern::Singleton<SysDebug>::Instance();
}

// Lines of the reply that carry no access point. Only these: an SSID such as "Terrace Marina"
// may hold any other text.
const char* const NoAccessPoint[] = {"AT+SCAN", "+ok=", "WiFiScanEnd", "+err"};
// SSID, BSSID, a number, RSSI and security need four commas.
constexpr long FieldCommas = 4;

// The field that starts at the position, up to the next comma or the end; the position moves
// past the comma.
std::string NextField(const std::string& line, size_t* position)
{
    const size_t start = std::min(*position, line.size());
    size_t end = line.find(',', start);
    if (end == std::string::npos)
        end = line.size();
    *position = end + 1;
    return line.substr(start, end - start);
}

bool ReadInt(const std::string& text, int32_t* out)
{
    return DeviceField::ReadInt(text.c_str(), std::numeric_limits<int32_t>::min(),
                                std::numeric_limits<int32_t>::max(), out);
}

} // namespace

void CKTRWiFiPaser::scanResp(const char* reply, int linesCut, SCmdProcData* state) const
{
    std::queue<std::string> lines;
    std::queue<SClientAPData> points;
    segmentSentence(reply, lines);
    scanDataPaser(lines, points);
    const size_t listed = points.size();
    classifyScanData(std::move(points), state);
    state->apListCut = linesCut > 0;
    if (state->apListCut)
        Log()->dbgPrintf(DBG_WARNING, "scanResp", 0,
                         "Scan reply cut at %d lines or %d bytes: %d access points listed, %d lines dropped",
                         ReplyLineLimit, int(ReplyByteLimit), int(listed), linesCut);
    state->scanDone = true;
    state->queryReplied[SATCommandSet::AT_SCAN] = false;
}

void CKTRWiFiPaser::segmentSentence(const char* reply, std::queue<std::string>& lines)
{
    if (!reply)
        return;
    const char* start = reply;
    while (const char* end = std::strstr(start, "\r\n")) {
        lines.emplace(start, size_t(end - start) + 2);
        start = end + 2;
    }
}

void CKTRWiFiPaser::scanDataPaser(std::queue<std::string>& lines, std::queue<SClientAPData>& points)
{
    for (; !lines.empty(); lines.pop()) {
        const std::string& line = lines.front();
        size_t position = 0;
        const std::string ssid = NextField(line, &position);
        const auto marks = [&ssid](const char* part) { return ssid.find(part) != std::string::npos; };
        if (std::any_of(std::begin(NoAccessPoint), std::end(NoAccessPoint), marks))
            continue;
        if (std::count(line.begin(), line.end(), ',') < FieldCommas) {
            Log()->dbgPrintf(DBG_INFO, "scanDataPaser", 0, "Not an access point:%s", line.c_str());
            continue;
        }
        SClientAPData point;
        point.ssid = ssid;
        point.bssid = NextField(line, &position);
        const bool numbers = ReadInt(NextField(line, &position), &point.field3)
                             && ReadInt(NextField(line, &position), &point.rssi);
        if (!numbers) {
            Log()->dbgPrintf(DBG_WARNING, "scanDataPaser", 0, "Access point with a number out of range:%s",
                             line.c_str());
            continue;
        }
        const std::string security = NextField(line, &position);
        point.security = security.substr(0, security.find_first_of("\r\n"));
        points.push(std::move(point));
    }
}

void CKTRWiFiPaser::classifyScanData(std::queue<SClientAPData> points, SWiFiData* data)
{
    if (!data)
        return;
    std::vector<SClientAPInfoStruct>& groups = data->apList;
    groups.clear();
    for (; !points.empty(); points.pop()) {
        SClientAPData& point = points.front();
        const auto group = std::find_if(groups.begin(), groups.end(),
                                        [&point](const SClientAPInfoStruct& each) { return each.ssid == point.ssid; });
        if (group == groups.end()) {
            SClientAPInfoStruct fresh;
            fresh.ssid = point.ssid;
            fresh.members.push_back(std::move(point));
            groups.push_back(std::move(fresh));
            continue;
        }
        // Strongest first; the later of two equal ones goes first.
        std::vector<SClientAPData>& members = group->members;
        const auto stronger = std::count_if(members.begin(), members.end(),
                                            [&point](const SClientAPData& each) { return each.rssi > point.rssi; });
        members.insert(members.begin() + stronger, std::move(point));
    }
}
