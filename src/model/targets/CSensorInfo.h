#pragma once

#include "codec/SensorListener.h"
#include "model/targets/COwnVslSetting.h"
#include "model/targets/CTargetMetaData.h"
#include "model/targets/CTargetSetting.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>

namespace VudaviRirev {

class CAbstractSensorService;

namespace Target {

enum TARGET_SOURCE : int {
    TARGET_SOURCE_OWN = 1,
    TARGET_SOURCE_AIS = 16,
    TARGET_SOURCE_ARPA = 256,
};

// Bits of the presence mask: the kinds of own data seen.
enum SENSOR_SOURCE : uint32_t {
    SENSOR_SOURCE_GNSS = 0x1,
    SENSOR_SOURCE_HEADING = 0x10,
    SENSOR_SOURCE_OWN_AIS = 0x100,
    SENSOR_SOURCE_OTHER = 0x1000,
};

// The registry of the own vessel and of the other vessels heard over AIS, keyed by MMSI, and
// their measurement from the own vessel. The communication thread fills it from the sentence
// handler's signals; the GUI thread measures it once a second and reads it through copies.
// One non-recursive lock guards everything; it comes after the codec lock, so a fill copies
// out of the codec before taking it, and the service is called with it held.
class CSensorInfo
{
public:
    using TargetMap = std::map<uint32_t, std::unique_ptr<CTargetMetaData>>;
    // A vessel not heard for the target setting's delete time-out is forgotten; beyond this
    // many vessels, the one heard longest ago makes room for a new one.
    static constexpr size_t TargetCap = 2000;

    explicit CSensorInfo(CAbstractSensorService* service);
    ~CSensorInfo();
    CSensorInfo(const CSensorInfo&) = delete;
    CSensorInfo& operator=(const CSensorInfo&) = delete;

    void initial();
    // Not owned; the registry calls it under its lock.
    void setSensorService(CAbstractSensorService* service);
    void detectNewExtSensor(uint32_t sourceBits);

    // Communication thread; never with the codec lock or the registry's lock held.
    void fillAisOwnData(SENSOR_I62_LISTENER listener);
    // A decoded VDM: the station in ship-table entry 1 under its MMSI. Ignored when the entry
    // holds another station by the time it is copied (the ship table was reset meanwhile).
    // Vessels not heard for the ageing time are forgotten first, once a second at most.
    void fillAisTargetData(unsigned mmsi);

    // GUI thread, once a second, in this order: the own vessel, the pivots (TARGET_SOURCE
    // bits 0x1 and 0x10), the measurement.
    void updateOwnVslData();
    void calTargetSourcePivotScreenPoint(int mask);
    // Targets whose pivot is not yet set (inserted since the pivot pass) are shown as not
    // measured until the next pass. Vessels not heard for the ageing time are forgotten first.
    void updateAllTargetMeasureValue();

    // Forgets the other vessels and the presence mask; the own vessel keeps only its position.
    void reset();
    void clearAllTargets();

    // Copies for readers in any thread, taken under the lock.
    TargetMap copyTargets() const;
    size_t targetCount() const;
    uint32_t presenceMask() const;
    // The own vessel as received; false (copy untouched) before any own data.
    bool copyOwnVessel(CTargetAisData* copy) const;
    // The own vessel as measured from.
    CTargetAisData copyOwnNavi() const;
    // Defaults that never change: read without the lock.
    const COwnVslSetting& ownVslSetting() const { return m_ownVslSetting; }
    const CTargetSetting& targetSetting() const { return m_targetSetting; }

private:
    void clearTargets();
    void dropAgedTargets(uint64_t nowMs);
    void makeRoomForTarget(uint64_t nowMs);
    void updateTargetPivotData(CTargetMetaData& target, TARGET_SOURCE source);
    void updateAisMeasureValue();
    void updateMeasureValue(CTargetMetaData& target);

    mutable std::mutex m_mutex;
    CAbstractSensorService* m_service;
    std::unique_ptr<CTargetMetaData> m_ownVessel;
    CTargetMetaData m_ownNavi;
    TargetMap m_targets;
    const COwnVslSetting m_ownVslSetting;
    const CTargetSetting m_targetSetting;
    uint32_t m_presence = 0;
    uint64_t m_agedAtMs = 0; // the monotonic clock at the last ageing pass
};

} // namespace Target

} // namespace VudaviRirev
