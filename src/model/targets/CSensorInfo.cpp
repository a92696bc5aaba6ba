#include "model/targets/CSensorInfo.h"

#include "codec/geometry/CpaGeometry.h"
#include "model/geodesy/AlgorithmGeodesy.h"
#include "model/targets/CAbstractSensorService.h"
#include "support/PortalTime.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <cmath>

namespace VudaviRirev::Target {

namespace {

constexpr int LISTENER_OTHER_SOURCE = 34;
constexpr uint64_t MS_PER_SECOND = 1000;

uint64_t ageMs(uint64_t nowMs, const CTargetMetaData& target)
{
    return nowMs > target.heardClockMs() ? nowMs - target.heardClockMs() : 0;
}

SysDebug* Log()
{
    return Pattern::Singleton<SysDebug>::Instance();
}

uint32_t presenceBitOf(int listener)
{
    switch (listener) {
    case I62_LISTENER_HDT:
    case I62_LISTENER_HDM:
        return SENSOR_SOURCE_HEADING;
    case I62_LISTENER_GSA:
    case I62_LISTENER_GBS_ZDA:
    case I62_LISTENER_POSITION:
        return SENSOR_SOURCE_GNSS;
    case I62_LISTENER_VDO:
    case I62_LISTENER_VDO_NOT_PRIMARY:
        return SENSOR_SOURCE_OWN_AIS;
    case LISTENER_OTHER_SOURCE:
        return SENSOR_SOURCE_OTHER;
    default:
        return 0;
    }
}

bool available(const Unit::SPointG2dD& position)
{
    return std::fabs(position.lat) < 91.0 && std::fabs(position.lon) < 181.0;
}

void setNotMeasured(CSensorTargetBase& record)
{
    record.range = CSensorTargetBase::NoRange;
    record.bearing = CSensorTargetBase::NoBearing;
    record.displayBearing = CSensorTargetBase::NoBearing;
    record.cpa = -1.0f;
    record.tcpa = 0.0f;
}

bool hasMotion(const CSensorTargetBase& record, AIS_TYPE kind)
{
    return record.cog < CSensorTargetBase::NoCog && record.sog < NoSogFrom(kind);
}

AIS_TYPE kindOf(const CTargetMetaData& target)
{
    return target.aisData() ? target.aisData()->stationKind : AIS_TYPE_NONE;
}

// Reports give speed in tenths of a knot and course in tenths of a degree. Velocities less than
// a step apart (a hair less, so that values one step apart differ however floats round them)
// are the same velocity: the ships keep their distance.
constexpr float SOG_STEP_KN = 0.1f;
constexpr double COG_STEP_DEG = 0.1;
constexpr double WITHIN_STEP = 0.99;

bool sameReportedVelocity(const CSensorTargetBase& own, const CSensorTargetBase& record)
{
    const double courseApart = std::fabs(std::remainder(static_cast<double>(own.cog) - record.cog, 360.0));
    return std::fabs(own.sog - record.sog) < SOG_STEP_KN * WITHIN_STEP && courseApart < COG_STEP_DEG * WITHIN_STEP;
}

// CPA and TCPA on the plane of the own ship: the target where the measured range and bearing
// put it, its course turned by the change of azimuth along the line between the two, so that
// the plane agrees with the range (a target that keeps its distance has its range as CPA).
// The turn, the meridians' convergence, must not give two ships that report the same motion a
// relative speed of thousandths of a knot, extrapolated over days.
void measureCpa(CSensorTargetBase& record, const CSensorTargetBase& own, const Unit::SPointG2dD& from,
                const Unit::SPointG2dD& to)
{
    if (sameReportedVelocity(own, record)) {
        record.cpa = record.range;
        record.tcpa = 0.0f;
        return;
    }
    const double turn = Algorithm::Cal2PointsFinalBearingVincenty(from.lat, from.lon, to.lat, to.lon) - record.bearing;
    const TRACK ownTrack{Vector_Polar(own.sog, own.cog), VECTOR{0.0f, 0.0f, 0.0f}};
    const TRACK targetTrack{Vector_Polar(record.sog, record.cog - turn), Vector_Polar(record.range, record.bearing)};
    CalTrackCpa(ownTrack, targetTrack, &record.cpa, &record.tcpa);
}

} // namespace

CSensorInfo::CSensorInfo(CAbstractSensorService* service)
    : m_service(service)
{
    m_ownNavi.assignTargetModel(SENSOR_TARGET_AIS, false, SAisFillSource{});
}

CSensorInfo::~CSensorInfo()
{
    clearAllTargets();
}

void CSensorInfo::initial()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_presence = 0;
}

void CSensorInfo::setSensorService(CAbstractSensorService* service)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_service = service;
}

void CSensorInfo::detectNewExtSensor(uint32_t sourceBits)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_presence |= sourceBits;
}

// Filling ------------------------------------------------------------------------------------

void CSensorInfo::fillAisOwnData(SENSOR_I62_LISTENER listener)
{
    const SAisFillSource source = CopyAisFillSource(false, listener);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_presence |= presenceBitOf(listener);
    if (m_ownVessel) {
        m_ownVessel->updateAisData(source);
        return;
    }
    m_ownVessel = std::make_unique<CTargetMetaData>();
    m_ownVessel->assignTargetModel(SENSOR_TARGET_AIS, false, source);
}

void CSensorInfo::fillAisTargetData(unsigned mmsi)
{
    if (mmsi == 0)
        return;
    const SAisFillSource source = CopyAisFillSource(true, I62_LISTENER_VDM);
    if (source.ship.mmsi != mmsi) {
        Log()->dbgPrintf(DBG_WARNING, "fillAisTargetData", 0, "MMSI %u not filled: the ship table now holds %llu",
                         mmsi, static_cast<unsigned long long>(source.ship.mmsi));
        return;
    }
    const uint64_t now = Portal::Time::Clock();
    std::lock_guard<std::mutex> lock(m_mutex);
    if (now - m_agedAtMs >= MS_PER_SECOND)
        dropAgedTargets(now);
    const auto found = m_targets.find(mmsi);
    if (found != m_targets.end()) {
        found->second->updateAisData(source);
        return;
    }
    if (m_targets.size() >= TargetCap)
        makeRoomForTarget(now);
    auto target = std::make_unique<CTargetMetaData>();
    target->assignTargetModel(SENSOR_TARGET_AIS, true, source);
    m_targets.emplace(mmsi, std::move(target));
}

// Measuring ----------------------------------------------------------------------------------

void CSensorInfo::updateOwnVslData()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_ownVessel)
        return;
    m_ownNavi.aisData()->assignData(m_ownVessel->aisData());
    m_ownNavi.updateTime(m_ownVessel->getUpdateTime());
    Unit::SPointC2dI screenPivots[CTargetNavi::ViewCount];
    for (int view = 0; view < CTargetNavi::ViewCount; ++view)
        screenPivots[view] = m_ownNavi.screenPivot(static_cast<char>(view));
    updateTargetPivotData(m_ownNavi, TARGET_SOURCE_OWN);
    m_ownNavi.setScreenPivot(screenPivots);
}

void CSensorInfo::calTargetSourcePivotScreenPoint(int mask)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if ((mask & TARGET_SOURCE_OWN) && m_ownVessel)
        updateTargetPivotData(*m_ownVessel, TARGET_SOURCE_OWN);
    if (mask & TARGET_SOURCE_AIS) {
        for (auto& entry : m_targets)
            updateTargetPivotData(*entry.second, TARGET_SOURCE_AIS);
    }
}

void CSensorInfo::updateTargetPivotData(CTargetMetaData& target, TARGET_SOURCE source)
{
    if (!target.outlineParameter().outline) {
        target.cancelOutline(target.getTargetPos());
        return;
    }
    switch (source) {
    case TARGET_SOURCE_OWN:
        target.updatePivotPos(m_ownVslSetting.base().dimension, target.getTargetOffsetCourseDeg(),
                              target.getTargetPos());
        break;
    case TARGET_SOURCE_AIS:
        target.updatePivotPos(target.aisData() ? target.aisData()->dimension : AIS_REF_POINT_DIMENSION{},
                              target.getTargetOffsetCourseDeg(), target.getTargetPos());
        break;
    case TARGET_SOURCE_ARPA: // radar targets have no known hull
        target.updatePivotPos(AIS_REF_POINT_DIMENSION{}, 0, target.getTargetPos());
        break;
    }
    if (m_service)
        m_service->calTargetNaviPivotScreenPoint(&target);
}

void CSensorInfo::updateAllTargetMeasureValue()
{
    const uint64_t now = Portal::Time::Clock();
    std::lock_guard<std::mutex> lock(m_mutex);
    dropAgedTargets(now);
    updateAisMeasureValue();
}

void CSensorInfo::updateAisMeasureValue()
{
    for (auto& entry : m_targets)
        updateMeasureValue(*entry.second);
}

void CSensorInfo::updateMeasureValue(CTargetMetaData& target)
{
    CSensorTargetBase* record = target.modelRecord();
    if (!record)
        return;
    const CTargetAisData& own = *m_ownNavi.aisData();
    Unit::SPointG2dD from = m_ownNavi.positionPivot();
    Unit::SPointG2dD to = target.positionPivot();
    if (!available(own.position) || !available(record->position) || !available(from) || !available(to)) {
        setNotMeasured(*record);
        return;
    }
    Unit::SVectorValueD value;
    if (m_service)
        m_service->calMeasureValue(&value, &m_ownNavi, &from, &to);
    record->range = static_cast<float>(value.range);
    record->bearing = static_cast<float>(value.bearing);
    record->displayBearing = static_cast<float>(value.bearing2);

    record->cpa = -1.0f;
    record->tcpa = 0.0f;
    if (record->range >= 0.0f && hasMotion(own, own.stationKind) && hasMotion(*record, kindOf(target)))
        measureCpa(*record, own, from, to);
}

// Clearing -----------------------------------------------------------------------------------

void CSensorInfo::clearAllTargets()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    clearTargets();
}

void CSensorInfo::dropAgedTargets(uint64_t nowMs)
{
    m_agedAtMs = nowMs;
    const uint64_t ageingMs = static_cast<uint64_t>(m_targetSetting.timeOut().deleteSeconds) * MS_PER_SECOND;
    size_t dropped = 0;
    for (auto it = m_targets.begin(); it != m_targets.end();) {
        if (ageMs(nowMs, *it->second) >= ageingMs) {
            it = m_targets.erase(it);
            ++dropped;
        } else {
            ++it;
        }
    }
    if (dropped > 0)
        Log()->dbgPrintf(DBG_INFO, "dropAgedTargets", 0, "%zu vessel(s) not heard for %d s forgotten", dropped,
                         static_cast<int>(m_targetSetting.timeOut().deleteSeconds));
}

void CSensorInfo::makeRoomForTarget(uint64_t nowMs)
{
    auto oldest = m_targets.begin();
    for (auto it = m_targets.begin(); it != m_targets.end(); ++it) {
        if (it->second->heardClockMs() < oldest->second->heardClockMs())
            oldest = it;
    }
    Log()->dbgPrintf(DBG_WARNING, "fillAisTargetData", 0,
                     "%zu vessels kept already: MMSI %u, not heard for %llu s, forgotten for a new one",
                     m_targets.size(), oldest->first,
                     static_cast<unsigned long long>(ageMs(nowMs, *oldest->second) / MS_PER_SECOND));
    m_targets.erase(oldest);
}

void CSensorInfo::clearTargets()
{
    m_targets.clear();
    Log()->dbgPrintf(DBG_INFO, "clearAllTargets", 0, "%s", "");
}

void CSensorInfo::reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_presence = 0;
    clearTargets();
    Log()->dbgPrintf(DBG_INFO, "reset", 0, "%s", "");
    if (!m_ownVessel)
        return;
    CTargetAisData* vessel = m_ownVessel->aisData();
    const Unit::SPointG2dD kept = vessel->position;
    vessel->resetData();
    m_ownNavi.aisData()->resetData();
    vessel->setLatLonChecking(kept.lat, kept.lon);
}

// Reading ------------------------------------------------------------------------------------

CSensorInfo::TargetMap CSensorInfo::copyTargets() const
{
    TargetMap copies;
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto& entry : m_targets) {
        auto copy = std::make_unique<CTargetMetaData>();
        if (copy->assignData(entry.second.get()))
            copies.emplace(entry.first, std::move(copy));
    }
    return copies;
}

size_t CSensorInfo::targetCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_targets.size();
}

uint32_t CSensorInfo::presenceMask() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_presence;
}

bool CSensorInfo::copyOwnVessel(CTargetAisData* copy) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!copy || !m_ownVessel)
        return false;
    *copy = *m_ownVessel->aisData();
    return true;
}

CTargetAisData CSensorInfo::copyOwnNavi() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return *m_ownNavi.aisData();
}

} // namespace VudaviRirev::Target
