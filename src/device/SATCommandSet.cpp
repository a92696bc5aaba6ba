#include "device/SATCommandSet.h"

SATCommandSet::SATCommandSet()
    : texts{"AT+SYSIPSET", "AT+SYSIP",   "AT+WLANEN",  "AT+OPMODE",   "AT+WAPPLY",   "AT+APSSID", "AT+SECMODE",
            "AT+PSK",      "AT+APCHAN",  "AT+STALINK", "AT+STA",      "AT+SCAN",     "AT+DHCPDEN", "AT+DHCPCEN",
            "AT+TCPPORT",  "AT+SYSAPPLY", "AT+FACTDEF", "AT+VER",     "AT+APPLY",    "+ok",       "+err"}
{
}
