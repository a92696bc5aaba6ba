#pragma once

namespace Unit {

// A geographic position in degrees, north and east positive; 91 and 181 mean not available.
struct SPointG2dD
{
    double lat = 91.0;
    double lon = 181.0;
};

} // namespace Unit
