#include "device/CWiFiConfig.h"

#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <algorithm>
#include <iterator>
#include <utility>

using WiFiScope::SCmdProcData;

CWiFiConfig::CWiFiConfig()
    : m_state(initialState())
{
}

SCmdProcData CWiFiConfig::initialState()
{
    SCmdProcData state;
    for (SATCommandSet::INDEX query : BASIC_INFO_QUERIES)
        state.queryWanted[query] = true;
    return state;
}

void CWiFiConfig::cmdProc(const char* line)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_parser.cmdProc(line, &m_state);
}

bool CWiFiConfig::isReplyOpen() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_parser.isReplyOpen();
}

void CWiFiConfig::dropReply()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_parser.init();
}

bool CWiFiConfig::isQueryDataReady() const
{
    bool wanted[SATCommandSet::COMMAND_COUNT];
    bool replied[SATCommandSet::COMMAND_COUNT];
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        std::copy(std::begin(m_state.queryWanted), std::end(m_state.queryWanted), wanted);
        std::copy(std::begin(m_state.queryReplied), std::end(m_state.queryReplied), replied);
    }
    bool ready = true;
    for (int index = 0; index < SATCommandSet::COMMAND_COUNT; ++index) {
        if (!wanted[index] || replied[index])
            continue;
        Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(DBG_INFO, "isQueryDataReady", 0, "%s is %d",
                                                            m_commandSet[SATCommandSet::INDEX(index)].c_str(),
                                                            int(replied[index]));
        ready = false;
    }
    return ready;
}

void CWiFiConfig::reset()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_parser.init();
        SCmdProcData fresh = initialState();
        fresh.linkedBssid = std::move(m_state.linkedBssid);
        fresh.sysIp = std::move(m_state.sysIp);
        fresh.sysIpMore = std::move(m_state.sysIpMore);
        m_state = std::move(fresh);
    }
    infoReadOnce = false;
    autoScanStarted = false;
    runGivenUp = false;
    powerNoticeShown = false;
    powerConfirmed = false;
    m_sysMode = WiFiScope::WIFI_SYS_MODE_UNKNOWN;
}

SCmdProcData CWiFiConfig::snapshot() const
{
    SCmdProcData copy;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        copy = m_state;
    }
    copy.sysMode = m_sysMode;
    return copy;
}

void CWiFiConfig::update(const std::function<void(SCmdProcData&)>& change)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_state.sysMode = m_sysMode;
    change(m_state);
}
