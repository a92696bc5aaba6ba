#pragma once

namespace VudaviRirev {

// Distances in metres from the position reference point: A to bow, B to stern, C to port,
// D to starboard. All zero when not known.
struct AIS_REF_POINT_DIMENSION
{
    float a = 0.0f;
    float b = 0.0f;
    float c = 0.0f;
    float d = 0.0f;
};

} // namespace VudaviRirev
