#pragma once

#include "model/targets/AIS_ATON_DATA.h"
#include "model/targets/AIS_CLASS_A_DATA.h"
#include "model/targets/AIS_CLASS_B_DATA.h"
#include "model/targets/AIS_SART_DATA.h"
#include "model/targets/AIS_SAR_AIRCRAFT_DATA.h"

namespace VudaviRirev {

// The data of one station kind: a target is only ever one of these.
union AIS_STATION_KIND_DATA
{
    AIS_CLASS_A_DATA classA;
    AIS_CLASS_B_DATA classB;
    AIS_ATON_DATA aton;
    AIS_SART_DATA sart;
    AIS_SAR_AIRCRAFT_DATA sarAircraft;
};

static_assert(sizeof(AIS_CLASS_A_DATA) == 48, "the Class A part is cleared as 48 bytes");
static_assert(sizeof(AIS_ATON_DATA) == 20, "the AtoN part is cleared as 20 bytes");

} // namespace VudaviRirev
