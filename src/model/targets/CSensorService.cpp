#include "model/targets/CSensorService.h"

#include "model/geodesy/AlgorithmGeodesy.h"

namespace VudaviRirev {

namespace {

// A bearing a hair west of north rounds to 360 in single precision.
double bearingInRange(double degrees)
{
    if (degrees >= 360.0)
        return degrees - 360.0;
    if (degrees < 0.0)
        return degrees + 360.0;
    return degrees;
}

} // namespace

void CSensorService::calMeasureValue(Unit::SVectorValueD* value, Target::CTargetMetaData*,
                                     const Unit::SPointG2dD* from, const Unit::SPointG2dD* to)
{
    if (!value || !from || !to)
        return;
    value->range = Algorithm::Cal2PointsDistVincenty(from->lat, from->lon, to->lat, to->lon);
    value->bearing = bearingInRange(Algorithm::Cal2PointsBearingVincenty(from->lat, from->lon, to->lat, to->lon));
    value->bearing2 = value->bearing;
}

} // namespace VudaviRirev
