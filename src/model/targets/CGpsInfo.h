#pragma once

#include "model/targets/CGpsData.h"

namespace VudaviRirev::Gps {

// The GPS status the device protocol owns and fills from the sentence handler's GPS signal.
class CGpsInfo : public CGpsData
{
public:
    // On a device reset.
    void initGpsInfo() { initGpsData(); }
    // The sentence kind; whether it is other than ZDA and whether it came from a log replay
    // change nothing in the record.
    void fillGpsData(int kind, bool, bool) { setGpsData(kind); }
};

} // namespace VudaviRirev::Gps
