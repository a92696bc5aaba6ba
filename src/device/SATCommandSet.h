#pragma once

#include <array>
#include <string>

// The Wi-Fi module's AT vocabulary in command index order, then its two reply texts. The index
// of a command numbers its flags in the Wi-Fi state record. A longer name stands before every
// name that begins it ("AT+SYSIPSET" before "AT+SYSIP"), so a search in index order finds it.
struct SATCommandSet
{
    enum INDEX : int
    {
        AT_SYSIPSET = 0,
        AT_SYSIP = 1,
        AT_WLANEN = 2,
        AT_OPMODE = 3,
        AT_WAPPLY = 4,
        AT_APSSID = 5,
        AT_SECMODE = 6,
        AT_PSK = 7,
        AT_APCHAN = 8,
        AT_STALINK = 9,
        AT_STA = 10,
        AT_SCAN = 11,
        AT_DHCPDEN = 12,
        AT_DHCPCEN = 13,
        AT_TCPPORT = 14,
        AT_SYSAPPLY = 15,
        AT_FACTDEF = 16,
        AT_VER = 17,
        AT_APPLY = 18,
        REPLY_OK = 19,
        REPLY_ERR = 20,
    };
    static constexpr int COMMAND_COUNT = REPLY_OK;
    static constexpr int TEXT_COUNT = REPLY_ERR + 1;

    SATCommandSet();
    const std::string& operator[](INDEX index) const { return texts.at(index); }

    std::array<std::string, TEXT_COUNT> texts;
};

// The queries whose replies make the module's data complete, in the order they are sent.
constexpr SATCommandSet::INDEX BASIC_INFO_QUERIES[] = {
    SATCommandSet::AT_WLANEN,   SATCommandSet::AT_OPMODE,  SATCommandSet::AT_APSSID,  SATCommandSet::AT_SECMODE,
    SATCommandSet::AT_PSK,      SATCommandSet::AT_SYSIPSET, SATCommandSet::AT_TCPPORT, SATCommandSet::AT_APCHAN,
    SATCommandSet::AT_VER,      SATCommandSet::AT_SYSIP,   SATCommandSet::AT_DHCPDEN, SATCommandSet::AT_DHCPCEN,
};
