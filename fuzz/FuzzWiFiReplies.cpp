// Arbitrary bytes in arbitrary chunks from the Wi-Fi module: cut into lines as the device link
// cuts them, each line through the Wi-Fi mode check and into the reply parser, as the device
// link hands them on. Beyond crashes and hangs it checks what the Wi-Fi pages rely on: the
// scanned access points form one group per SSID, each group's members share its SSID and come
// strongest first, only the first group may be marked linked and then at one of its members,
// the linked BSSID is in upper case and the link status is one of its three values.
#include "FuzzChunks.h"
#include "FuzzLog.h"

#include "comm/CRawDataHandle.h"
#include "device/CKTRWiFiPaser.h"
#include "device/CWiFiConfig.h"

#include <cstdio>
#include <cstdlib>
#include <set>

namespace {

[[noreturn]] void fail(const char* what, long value)
{
    std::fprintf(stderr, "Wi-Fi replies: %s (%ld)\n", what, value);
    std::abort();
}

void checkGroup(const WiFiScope::SClientAPInfoStruct& group, bool first)
{
    if (group.members.empty())
        fail("group without members", 0);
    if (group.connectedIndex < -1 || group.connectedIndex >= int32_t(group.members.size()))
        fail("linked member outside the group", long(group.connectedIndex));
    if (!first && group.connectedIndex >= 0)
        fail("a linked group that is not the first", long(group.connectedIndex));
    for (size_t i = 0; i < group.members.size(); ++i) {
        if (group.members[i].ssid != group.ssid)
            fail("member of another SSID in the group", long(i));
        if (i > 0 && group.members[i].rssi > group.members[i - 1].rssi)
            fail("member stronger than the one before it", long(i));
    }
}

void checkState(const WiFiScope::SCmdProcData& state)
{
    std::set<std::string> ssids;
    for (size_t i = 0; i < state.apList.size(); ++i) {
        checkGroup(state.apList[i], i == 0);
        if (!ssids.insert(state.apList[i].ssid).second)
            fail("two groups of one SSID", long(i));
    }
    for (char c : state.linkedBssid)
        if (c >= 'a' && c <= 'z')
            fail("linked BSSID not in upper case", long(c));
    if (state.linkStatus < 0 || state.linkStatus > 2)
        fail("link status outside 0 to 2", long(state.linkStatus));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzLog::start();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The mode check keeps its state process-wide: an exit and its answer clear it, so that
    // each input starts alike.
    CKTRWiFiPaser::checkCfgModeEnable(">AT+EXIT\r\n");
    CKTRWiFiPaser::checkCfgModeEnable("+ok\r\n");

    COMM::CRawDataHandle lines;
    CWiFiConfig config;
    FuzzChunks::ForEach(data, size, [&](const std::string& chunk, bool) {
        for (const std::string& line : lines.retrieveString(chunk)) {
            // The parser takes every line here, not only those of configuration mode, so that
            // inputs need not switch the mode on first.
            CKTRWiFiPaser::checkModuleLine(line.c_str(), config.isReplyOpen());
            config.cmdProc(line.c_str());
        }
        checkState(config.snapshot());
    });
    return 0;
}
