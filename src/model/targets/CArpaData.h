#pragma once

#include "model/targets/CSensorTargetBase.h"

#include <cstdint>

namespace VudaviRirev {

// A radar target. Carried by the registry as a member; nothing in this system fills one.
class CArpaData : public CSensorTargetBase
{
public:
    // "A" automatic 0, "M" manual 1, "R" reported 3; anything else -1 (none).
    void setAcquisitionType(char type);

    char status[3] = {'T', 'T', 'N'};
    int32_t acquisitionType = -1;
};

namespace Target {

class CTargetArpaData : public CArpaData
{
};

} // namespace Target

} // namespace VudaviRirev
