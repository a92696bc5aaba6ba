#pragma once

#include "device/SATCommandSet.h"

#include <cstdint>
#include <string>
#include <vector>

// The records that carry the Wi-Fi module's data between the device link, the reply parser and
// the main window. Character arrays hold text without a NUL when the text fills them: read
// them up to the first NUL and never past their size.
namespace WiFiScope {

enum WIFI_SYS_MODE : int32_t
{
    WIFI_SYS_MODE_UNKNOWN = -1,
    WIFI_SYS_MODE_NMEA = 0,   // the link carries sentences
    WIFI_SYS_MODE_CONFIG = 1, // the device passes text lines to and from its Wi-Fi module
};

enum WIFI_OPERATION_MODE : int32_t
{
    WIFI_OP_MODE_ACCESS_POINT = 0,
    WIFI_OP_MODE_CLIENT = 1,
};

// Main state of the main window's Wi-Fi job procedures.
enum WIFI_MAIN_PROC_S : int32_t
{
    WIFI_MAIN_START = 1,
    WIFI_MAIN_ENTER_CFG_MODE = 2,
    WIFI_MAIN_RUN_JOB = 3,
    WIFI_MAIN_RESET = 4,
    WIFI_MAIN_PENDING = 5,
    WIFI_MAIN_POWER_FAIL = 6,
};

enum WIFI_CFG_TYPE : int32_t
{
    WIFI_CFG_NONE = 0,
    WIFI_CFG_QUERY = 1,
    WIFI_CFG_AP_SETUP = 2,
    WIFI_CFG_CLIENT_SCAN = 3,
    WIFI_CFG_CLIENT_CONNECT = 4,
    WIFI_CFG_MODE_CTRL = 5,
    WIFI_CFG_FACTORY_RESET = 6,
};

// Access point settings: those sent to the module, and those read back from it.
struct SAPData
{
    char ssid[32] = {};
    char ip[16] = {};
    char mask[16] = {};
    int32_t port = 0;
    int32_t channel = 0;
    char security[16] = {}; // "NONE" is an open network
    char password[64] = {};
};

// The access point that the module's client is to join. The record keeps the name that the
// senders' interface gives it; code of our own calls it by the alias below.
struct SClintAPCntData
{
    std::string ssid;
    std::string security;
    std::string password;
    int32_t apIndex = -1; // of the SSID's group in the scanned list; -1 when not on it
};
using SJoinRequest = SClintAPCntData;

// The module's answer to the link status query.
enum WIFI_LINK_STATUS : int32_t
{
    WIFI_LINK_NO_REPLY = 0,
    WIFI_LINK_ASSOCIATED = 1,
    WIFI_LINK_NOT_ASSOCIATED = 2,
};

// One access point of a scan.
struct SClientAPData
{
    std::string ssid;
    std::string bssid;
    int32_t field3 = 0;
    int32_t rssi = 0;
    std::string security;
};

// The scanned access points that share one SSID, strongest first.
struct SClientAPInfoStruct
{
    std::string ssid;
    int32_t connectedIndex = -1; // the member the client is linked to
    std::vector<SClientAPData> members;
};

// The module's data.
struct SWiFiData
{
    char version[32] = {};
    bool wlanEnabled = false;
    int32_t opMode = -1; // a WIFI_OPERATION_MODE, -1 until the module reports it
    int32_t dhcpServer = 0;
    int32_t dhcpClient = 0;
    SAPData apSettings;
    std::string linkedBssid; // upper case
    std::string sysIp;
    std::string sysIpMore;
    std::vector<SClientAPInfoStruct> apList; // one group per SSID; the linked group first
    // The last scan reply passed the parser's bounds: apList holds only the access points that
    // came before the cut.
    bool apListCut = false;
};

// The Wi-Fi state record: the module's data, the reply flags per command index, and the state
// of the Wi-Fi job that runs.
struct SCmdProcData : SWiFiData
{
    bool queryReplied[SATCommandSet::COMMAND_COUNT] = {};
    bool settingAcked[SATCommandSet::COMMAND_COUNT] = {}; // only AT+WAPPLY, AT+SYSAPPLY, AT+APPLY
    bool scanDone = false;
    int32_t linkStatus = WIFI_LINK_NO_REPLY; // a WIFI_LINK_STATUS
    bool linkCheck = true;  // cleared by a "Not-Associated" reply
    bool queryWanted[SATCommandSet::COMMAND_COUNT] = {};
    int32_t mainState = WIFI_MAIN_START;
    int32_t cfgType = WIFI_CFG_QUERY;
    int32_t subState = 0;
    int64_t jobStartTime = 0; // seconds of time(); 0 none
    int64_t stepTime = 0;
    int32_t enterTries = 0;
    int32_t pollCount = 0;
    int32_t timeoutCount = 0;
    int32_t sysMode = WIFI_SYS_MODE_UNKNOWN;
};

} // namespace WiFiScope
