#include "codec/ais/AppData.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double DEGREES_PER_RADIAN = 57.29577950560105;
// A minute of arc of a great circle is 1852 m.
constexpr double METRES_PER_DEGREE = 1852.0 * 60.0;
constexpr uint32_t AREA3_POSITIONS_MAX = 9;

bool isOfNotice(const APP_DATA_FI22_HEADER& header)
{
    return RecordLinkId.linkId[0] == header.linkId && RecordLinkId.linkId[1] == header.notice;
}

void startNotice(const APPLICATION_DATA_FI22_AREA0& origin)
{
    RecordLinkId = FI22_LINKED_NOTICE{};
    RecordLinkId.linkId[0] = origin.header.linkId;
    RecordLinkId.linkId[1] = origin.header.notice;
    RecordLinkId.origin[0] = origin.longitude;
    RecordLinkId.origin[1] = origin.latitude;
    RecordLinkId.positionCount = 1;
    RecordLinkId.hasOrigin = 1;
}

// Ten to the power of a two-bit scale factor.
uint32_t scaleOf(uint8_t scale)
{
    static const uint32_t powers[] = {1, 10, 100, 1000};
    return powers[scale & 3u];
}

// The pairs are counted as they are taken, so the limit holds before each one: the arrays
// can never be passed, whatever the records bring.
void addPairs(const APPLICATION_DATA_FI22_AREA3& area, uint32_t positionLimit)
{
    if (!isOfNotice(area.header))
        return;
    const uint32_t limit = std::min(positionLimit, FI22_POSITIONS_MAX);
    for (const auto& point : area.points.points) {
        if (RecordLinkId.pairCount >= limit || (point[0] == 0 && point[1] == 0))
            break;
        uint32_t* pair = RecordLinkId.pairs[RecordLinkId.pairCount];
        pair[0] = point[0] / 2u; // half degrees, cut to whole ones
        pair[1] = point[1] * scaleOf(area.scale);
        ++RecordLinkId.pairCount;
        RecordLinkId.positionCount = RecordLinkId.pairCount + 1;
        RecordLinkId.hasPairs = 1;
    }
    CalAngDist2LatLon();
}

} // namespace

int RecordForLinkID_FI22(uint8_t shape)
{
    switch (shape) {
    case FI22_CIRCLE:
        if (RxAppDataFI22_Area0.radius == 0)
            startNotice(RxAppDataFI22_Area0);
        return 0;
    case FI22_POLYLINE:
    case FI22_POLYGON: {
        const APPLICATION_DATA_FI22_AREA3& area = shape == FI22_POLYLINE ? RxAppDataFI22_Area3 : RxAppDataFI22_Area4;
        // A sub-area of another notice neither chains nor decides the notice's shape.
        if (!isOfNotice(area.header))
            return 0;
        if (RecordLinkId.linkedShape == 0)
            RecordLinkId.linkedShape = shape;
        else if (RecordLinkId.linkedShape != shape)
            return 0;
        RecordFor_FI22(&area);
        return 0;
    }
    default:
        return 0;
    }
}

void RecordFor_FI22(const APPLICATION_DATA_FI22_AREA3* area)
{
    if (area)
        addPairs(*area, FI22_POSITIONS_MAX);
}

void RecordFor_FI22_Area3()
{
    addPairs(RxAppDataFI22_Area3, AREA3_POSITIONS_MAX);
}

void CalAngDist2LatLon()
{
    FI22_LINKED_NOTICE& notice = RecordLinkId;
    notice.positionCount = 1;
    const uint32_t count = std::min(notice.pairCount, FI22_POSITIONS_MAX);
    double longitude = notice.origin[0] / DEGREES_PER_RADIAN;
    double latitude = notice.origin[1] / DEGREES_PER_RADIAN;
    for (uint32_t i = 0; i < count; ++i) {
        const double distance = notice.pairs[i][1] / METRES_PER_DEGREE / DEGREES_PER_RADIAN;
        const double bearing = notice.pairs[i][0] / DEGREES_PER_RADIAN;
        const double next = std::asin(std::sin(latitude) * std::cos(distance)
                                      + std::cos(latitude) * std::sin(distance) * std::cos(bearing));
        const double east = std::sin(bearing) * std::sin(distance) * std::cos(latitude);
        const double north = std::cos(distance) - std::sin(latitude) * std::sin(next);
        // The plain arctangent of the quotient; no turn where there is no eastward part (which
        // also keeps 0/0 at a pole out).
        if (east != 0.0)
            longitude += std::atan(east / north);
        latitude = next;
        notice.positions[i][0] = static_cast<float>(longitude * DEGREES_PER_RADIAN);
        notice.positions[i][1] = static_cast<float>(latitude * DEGREES_PER_RADIAN);
    }
    notice.positionCount = count + 1;
}
