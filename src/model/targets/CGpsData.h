#pragma once

#include "model/targets/GpsStatus.h"

#include <mutex>

struct GPS_Data;
struct GPS_SATELLITES_IN_VIEW;

namespace VudaviRirev {

// The GPS status, following the codec's GNSS slot sentence by sentence. The communication
// thread fills it, the GUI reads snapshots: both through the record's own lock, which comes
// after the codec lock (the slot is copied out before the record's lock is taken).
class CGpsData
{
public:
    // Sentence kinds, as the codec numbers the GNSS formatters.
    enum SENTENCE_KIND : int {
        KIND_GGA = 1,
        KIND_GLL = 2,
        KIND_GBS = 3,
        KIND_GSA = 4,
        KIND_GSV = 5,
        KIND_RMC = 6,
        KIND_VTG = 7,
        KIND_ZDA = 8,
        KIND_DTM = 9,
    };

    // Clears the codec's GNSS slots: must not be called with the codec lock held.
    CGpsData();
    CGpsData(const CGpsData&) = delete;
    CGpsData& operator=(const CGpsData&) = delete;

    // Clears the codec's GNSS slots and returns every field to its initial value.
    void initGpsData();
    // Takes the slot in use after the codec stored a GNSS sentence of this kind.
    void setGpsData(int kind);
    SGpsStatus snapshot() const;

private:
    void takeSlot(int kind, const GPS_Data& slot, int64_t now);
    void takeCogSog(const GPS_Data& slot, int64_t now);
    void takePosition(const GPS_Data& slot, int64_t now);
    void takeUsedSatellites(const GPS_Data& slot);
    bool updateGsvRelayData(const GPS_SATELLITES_IN_VIEW& message);
    void storeGsvRelay(const GPS_SATELLITES_IN_VIEW& message);
    void publishSatellites();
    void takeUtcTime(const GPS_Data& slot, int64_t now);

    mutable std::mutex m_mutex;
    SGpsStatus m_status;
};

} // namespace VudaviRirev
