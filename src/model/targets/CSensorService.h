#pragma once

#include "model/targets/CAbstractSensorService.h"

namespace VudaviRirev {

// The program's service: it draws nothing, so only the measurement does any work.
class CSensorService : public CAbstractSensorService
{
public:
    void calTargetNaviPivotScreenPoint(Target::CTargetNavi*) override {}
    // Vincenty distance and initial bearing on the WGS-84 ellipsoid.
    void calMeasureValue(Unit::SVectorValueD* value, Target::CTargetMetaData* own, const Unit::SPointG2dD* from,
                         const Unit::SPointG2dD* to) override;
};

} // namespace VudaviRirev
