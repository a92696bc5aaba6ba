#include "mainwindow/CDetectionWatch.h"

#include <cstdlib>

bool CDetectionWatch::expired(int64_t now, COMM_VELK_DEV_STATE state, bool versionReplied)
{
    const bool detecting = state == DEV_STATE_LINK_SAVED || state == DEV_STATE_MODEL_KNOWN;
    const bool answered = state == DEV_STATE_MODEL_KNOWN || versionReplied;
    if (!detecting || !answered) {
        m_since.reset();
        return false;
    }
    if (!m_since)
        m_since = now;
    // Measured both ways, as the window's other waits are: a clock set back does not hold it.
    return std::llabs(now - *m_since) >= LimitSeconds;
}
