#pragma once

namespace VudaviRirev {

// A search and rescue aircraft's altitude (message 9).
struct AIS_SAR_AIRCRAFT_DATA
{
    float altitude; // metres
};

} // namespace VudaviRirev
