#pragma once

#include "model/targets/AIS_REF_POINT_DIMENSION.h"
#include "model/targets/AIS_STATION_KIND_DATA.h"
#include "model/targets/AIS_TYPE.h"
#include "model/targets/CSensorTargetBase.h"

#include <cstdint>

struct GENERIC_SHIP_DATA;
struct GPS_Data;
struct GNSS_Data;

namespace VudaviRirev {

// What AIS tells of one station (the own vessel or another), filled from copies of the codec's
// ship-table entry, GNSS slot and heading record. Copies, not the codec's globals: the caller
// takes them under the codec lock before it takes the lock that guards this record.
class CAisData : public CSensorTargetBase
{
public:
    static constexpr float NoHeading = 511.0f;
    static constexpr int CallSignRoom = 8;

    // Back to the initial values, the measurement included.
    void resetData() { *this = CAisData(); }
    // Copies the whole record; false when from is null.
    bool assignData(const CAisData* from);

    // Takes what the entry's last message carries. Position, SOG and COG only when kinematics
    // are allowed and the message has them. True when a position was taken.
    bool setAisData(const GENERIC_SHIP_DATA& entry, bool kinematicsAllowed);
    // Own position and motion from the GNSS slot in use, when it holds a valid position.
    void setGpsData(const GPS_Data& slot);
    // True heading from HDT, else from HDM, else unchanged.
    void setCompassData(const GNSS_Data& sensors);
    // Stores a position inside the earth's range and marks it valid; else 91/181, invalid.
    bool setLatLonChecking(double latitude, double longitude);

    AIS_TYPE stationKind = AIS_TYPE_NONE;
    bool positionValid = false;
    int64_t firstReportTime = 0; // seconds since 1970, when the kind data was first prepared
    uint8_t lastMessageId = 0;
    uint8_t epfsType = 0;        // 4 bits
    uint8_t navStatus = 0;       // 4 bits
    bool positionAccuracy = false;
    bool raim = false;
    bool dte = true;
    float trueHeading = NoHeading; // degrees
    char callSign[CallSignRoom] = {};
    uint8_t shipType = 0;
    AIS_REF_POINT_DIMENSION dimension;
    // Only the member of stationKind is meaningful.
    AIS_STATION_KIND_DATA kindData{};
    bool kindDataPrepared = false;

private:
    void prepareKindData(AIS_TYPE entryKind);
    void takeMessage(const GENERIC_SHIP_DATA& entry);
    void takeKinematics(const GENERIC_SHIP_DATA& entry, bool withMotion);
};

} // namespace VudaviRirev
