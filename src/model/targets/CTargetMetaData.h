#pragma once

#include "model/items/CTrackItem.h"
#include "model/targets/AisFillSource.h"
#include "model/targets/CArpaData.h"
#include "model/targets/CTargetAisData.h"
#include "model/targets/CTargetNavi.h"

#include <cstdint>
#include <memory>

namespace VudaviRirev {

enum SENSOR_TARGET_TYPE : uint32_t {
    SENSOR_TARGET_NONE = 0,
    SENSOR_TARGET_AIS = 1,
    SENSOR_TARGET_ARPA = 2,
};

namespace Target {

// One entry of the target registry: how the target is shown, its model (AIS or radar), the
// record of that model and its track. Owns its records, so it is never copied: assignData
// copies the record and the navigation state on purpose.
class CTargetMetaData : public CTargetNavi
{
public:
    static constexpr uint32_t AisColor = 0x4C87E3;
    static constexpr uint32_t ArpaColor = 0x40AAA5;

    CTargetMetaData();
    ~CTargetMetaData();
    CTargetMetaData(const CTargetMetaData&) = delete;
    CTargetMetaData& operator=(const CTargetMetaData&) = delete;

    // Sets the model and creates its record when missing; the AIS model then takes the source
    // (copied out of the codec for its listener before the registry's lock was taken) and
    // stamps the update time. Other vessels get the colour of their model.
    void assignTargetModel(SENSOR_TARGET_TYPE model, bool isOther, const SAisFillSource& source);
    // For the AIS model: stamps the update time and takes the source.
    void updateAisData(const SAisFillSource& source);
    // When the last report was taken, on the monotonic clock (milliseconds): what the registry
    // ages targets by.
    uint64_t heardClockMs() const { return m_heardClockMs; }
    // Copies the model, its record and the navigation state; false when from has no record of
    // its model.
    bool assignData(const CTargetMetaData* from);

    // The record's position; 91/181 without a record.
    Unit::SPointG2dD getTargetPos() const;
    // The AIS record's true heading in whole degrees, 0 when not available or not AIS.
    int getTargetOffsetCourseDeg() const;

    SENSOR_TARGET_TYPE targetModel() const { return m_model; }
    CTargetAisData* aisData() { return m_ais.get(); }
    const CTargetAisData* aisData() const { return m_ais.get(); }
    // The record of the model: the AIS or the radar record; null for no model.
    CSensorTargetBase* modelRecord();
    const CSensorTargetBase* modelRecord() const;
    const NaviScope::CTrackItem& track() const { return m_track; }

private:
    void stampReport();

    SENSOR_TARGET_TYPE m_model = SENSOR_TARGET_NONE;
    std::unique_ptr<CTargetAisData> m_ais;
    std::unique_ptr<CTargetArpaData> m_arpa;
    NaviScope::CTrackItem m_track;
    uint64_t m_heardClockMs = 0;
};

} // namespace Target

} // namespace VudaviRirev
