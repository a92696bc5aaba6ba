#include "model/targets/CArpaData.h"

namespace VudaviRirev {

void CArpaData::setAcquisitionType(char type)
{
    switch (type) {
    case 'A':
        acquisitionType = 0;
        break;
    case 'M':
        acquisitionType = 1;
        break;
    case 'R':
        acquisitionType = 3;
        break;
    default:
        acquisitionType = -1;
        break;
    }
}

} // namespace VudaviRirev
