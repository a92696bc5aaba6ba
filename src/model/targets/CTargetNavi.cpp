#include "model/targets/CTargetNavi.h"

#include "support/NewMath.h"
#include "support/Singleton.h"

#include <cmath>

namespace VudaviRirev::Target {

namespace {

constexpr double DegreesPerMetre = 0.00899928 * 0.001;
constexpr double DegToRad = 0.017453292519943295;

bool available(const Unit::SPointG2dD& position)
{
    return std::fabs(position.lat) < 91.0 && std::fabs(position.lon) < 181.0;
}

} // namespace

void CTargetNavi::resetData()
{
    const uint32_t color = m_color;
    *this = CTargetNavi();
    m_color = color;
}

void CTargetNavi::setScreen(char view, const Unit::SPointC2dI& point)
{
    if (validView(view))
        m_screens[static_cast<int>(view)] = point;
}

void CTargetNavi::setScreenPivot(char view, const Unit::SPointC2dI& point)
{
    if (validView(view))
        m_screenPivots[static_cast<int>(view)] = point;
}

void CTargetNavi::setScreenPivot(const Unit::SPointC2dI (&points)[ViewCount])
{
    for (int view = 0; view < ViewCount; ++view)
        m_screenPivots[view] = points[view];
}

bool CTargetNavi::checkScreenPivotValid(char view) const
{
    if (!validView(view))
        return false;
    const Unit::SPointC2dI& point = m_screenPivots[static_cast<int>(view)];
    return point.x != NoScreen && point.y != NoScreen;
}

Unit::SPointC2dI CTargetNavi::screen(char view) const
{
    return validView(view) ? m_screens[static_cast<int>(view)] : Unit::SPointC2dI{NoScreen, NoScreen};
}

Unit::SPointC2dI CTargetNavi::screenPivot(char view) const
{
    return validView(view) ? m_screenPivots[static_cast<int>(view)] : Unit::SPointC2dI{NoScreen, NoScreen};
}

void CTargetNavi::cancelOutline(const Unit::SPointG2dD& position)
{
    m_pivot = position;
    setScreenPivot(m_screens);
}

void CTargetNavi::updatePivotPos(const AIS_REF_POINT_DIMENSION& dimension, int courseDeg,
                                 const Unit::SPointG2dD& position)
{
    const double cosLatitude = std::cos(position.lat * DegToRad);
    const bool noHull = !(dimension.a + dimension.b > 0.0f) && !(dimension.c + dimension.d > 0.0f);
    // Near a pole the longitude offset has no meaning.
    if (noHull || !available(position) || std::fabs(cosLatitude) < 1e-9) {
        m_pivot = position;
        return;
    }
    float sine = 0.0f;
    float cosine = 0.0f;
    Pattern::Singleton<Portal::Math::NewMath>::Instance()->calSinCosTheta(&sine, &cosine,
                                                                         static_cast<float>(courseDeg));
    // Offsets of the centre from the reference point: u to port, w towards the stern.
    const double u = dimension.c - (dimension.c + dimension.d) / 2.0;
    const double w = (dimension.a + dimension.b) / 2.0 - dimension.a;
    m_pivot.lat = position.lat + (u * sine - w * cosine) * DegreesPerMetre;
    m_pivot.lon = position.lon - (w * sine + u * cosine) / cosLatitude * DegreesPerMetre;
}

} // namespace VudaviRirev::Target
