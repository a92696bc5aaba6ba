#pragma once

namespace VudaviRirev {

// Class B unit data: the vendor ID of message 24 part B and the flags of message 18.
struct AIS_CLASS_B_DATA
{
    char vendorId[8]; // NUL-terminated
    bool modeFlag;
    bool unitFlag;
    bool displayFlag;
    bool dscFlag;
    bool bandFlag;
    bool message22Flag;
};

} // namespace VudaviRirev
