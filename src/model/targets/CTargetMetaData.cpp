#include "model/targets/CTargetMetaData.h"

#include "support/PortalTime.h"

#include <ctime>

namespace VudaviRirev::Target {

namespace {

int64_t now()
{
    return static_cast<int64_t>(std::time(nullptr));
}

} // namespace

CTargetMetaData::CTargetMetaData() = default;
CTargetMetaData::~CTargetMetaData() = default;

void CTargetMetaData::assignTargetModel(SENSOR_TARGET_TYPE model, bool isOther, const SAisFillSource& source)
{
    m_model = model;
    switch (model) {
    case SENSOR_TARGET_ARPA:
        if (isOther)
            setColor(ArpaColor);
        if (!m_arpa)
            m_arpa = std::make_unique<CTargetArpaData>();
        break;
    case SENSOR_TARGET_AIS:
        if (isOther)
            setColor(AisColor);
        if (!m_ais)
            m_ais = std::make_unique<CTargetAisData>();
        stampReport();
        m_ais->updateData(source);
        break;
    default:
        break;
    }
}

void CTargetMetaData::updateAisData(const SAisFillSource& source)
{
    if (m_model != SENSOR_TARGET_AIS || !m_ais)
        return;
    stampReport();
    m_ais->updateData(source);
}

void CTargetMetaData::stampReport()
{
    updateTime(now());
    m_heardClockMs = Portal::Time::Clock();
}

bool CTargetMetaData::assignData(const CTargetMetaData* from)
{
    if (!from || !from->modelRecord())
        return false;
    m_model = from->m_model;
    if (m_model == SENSOR_TARGET_AIS)
        m_ais = std::make_unique<CTargetAisData>(*from->m_ais);
    else
        m_arpa = std::make_unique<CTargetArpaData>(*from->m_arpa);
    assignNavi(*from);
    m_heardClockMs = from->m_heardClockMs;
    return true;
}

Unit::SPointG2dD CTargetMetaData::getTargetPos() const
{
    const CSensorTargetBase* record = modelRecord();
    return record ? record->position : Unit::SPointG2dD{};
}

int CTargetMetaData::getTargetOffsetCourseDeg() const
{
    return m_model == SENSOR_TARGET_AIS && m_ais ? m_ais->getCourseDeg(false) : 0;
}

CSensorTargetBase* CTargetMetaData::modelRecord()
{
    return const_cast<CSensorTargetBase*>(static_cast<const CTargetMetaData*>(this)->modelRecord());
}

const CSensorTargetBase* CTargetMetaData::modelRecord() const
{
    switch (m_model) {
    case SENSOR_TARGET_AIS:
        return m_ais.get();
    case SENSOR_TARGET_ARPA:
        return m_arpa.get();
    default:
        return nullptr;
    }
}

} // namespace VudaviRirev::Target
