#include "model/geodesy/AlgorithmExtent.h"

#include <algorithm>
#include <cmath>

namespace Algorithm {

int GetLonLineThMode(double lon1, double lon2, char withDirection)
{
    const bool oppositeSigns = (lon1 > 0.0 && lon2 < 0.0) || (lon1 < 0.0 && lon2 > 0.0);
    if (!oppositeSigns)
        return 0;
    const bool eastward = lon2 > lon1;
    if (360.0 - std::fabs(lon1 - lon2) > 180.0) {
        if (!withDirection)
            return -1;
        return eastward ? -2 : -3;
    }
    if (!withDirection)
        return 1;
    return eastward ? 3 : 2;
}

void InitialNumValueLL(double (&pair)[2])
{
    pair[0] = -181.0;
    pair[1] = 181.0;
}

void CompareLatValue(double (&pair)[2], double value)
{
    pair[0] = std::max(pair[0], value);
    pair[1] = std::min(pair[1], value);
}

void CompareLonValuePN(double (&positive)[2], double (&negative)[2], bool (&seen)[2], double lon)
{
    if (lon > 0.0) {
        CompareLatValue(positive, lon);
        seen[0] = true;
    } else {
        CompareLatValue(negative, lon);
        seen[1] = true;
    }
}

void GetLonValueCompareResult(double (&result)[2], const double (&positive)[2], const double (&negative)[2],
                              const bool (&seen)[2], char mode)
{
    if (mode < 1) {
        result[0] = seen[0] ? positive[0] : negative[0];
        result[1] = seen[1] ? negative[1] : positive[1];
    } else {
        result[0] = positive[1];
        result[1] = negative[0];
    }
}

void CalLineCenterLL(double* lat, double* lon, double lat1, double lat2, double lon1, double lon2, char mode)
{
    double lonDifference = lon2 - lon1;
    if (mode >= 1)
        lonDifference += 360.0;
    *lat = lat1 + (lat2 - lat1) / 2.0;
    *lon = lon1 + lonDifference / 2.0;
}

} // namespace Algorithm
