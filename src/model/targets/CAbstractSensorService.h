#pragma once

#include "model/units/SPointG2dD.h"
#include "model/units/SVectorValueD.h"

namespace VudaviRirev {

namespace Target {
class CTargetMetaData;
class CTargetNavi;
} // namespace Target

// What the target registry asks of the program: the measurement between two positions and
// the screen points of a target's pivot. The registry calls these under its lock, so an
// implementation must not call back into the registry.
class CAbstractSensorService
{
public:
    virtual ~CAbstractSensorService() = default;

    virtual void calTargetNaviPivotScreenPoint(Target::CTargetNavi* navi) = 0;
    // Range (nautical miles) and both bearings (degrees true, [0, 360)) from one position to
    // another; the vector comes preset to not available.
    virtual void calMeasureValue(Unit::SVectorValueD* value, Target::CTargetMetaData* own,
                                 const Unit::SPointG2dD* from, const Unit::SPointG2dD* to) = 0;
};

} // namespace VudaviRirev
