#pragma once

#include "device/DeviceTypes.h"

#include <cstdint>
#include <optional>

// Gives up on a device that answers the probe but not as detection needs: a version sentence
// the program cannot read, or system data that never ends. A device that stays silent is not
// given up, so that one switched on late is still found.
class CDetectionWatch
{
public:
    static constexpr int64_t LimitSeconds = 30;

    // One look per refresh tick. The wait starts at the first look that finds the device
    // answering; true once it has lasted the limit while detection is still under way.
    [[nodiscard]] bool expired(int64_t now, COMM_VELK_DEV_STATE state, bool versionReplied);
    void reset() { m_since.reset(); }

private:
    std::optional<int64_t> m_since;
};
