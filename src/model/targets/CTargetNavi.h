#pragma once

#include "model/targets/AIS_REF_POINT_DIMENSION.h"
#include "model/units/SPointC2dI.h"
#include "model/units/SPointG2dD.h"

#include <cstdint>

namespace VudaviRirev::Target {

struct STargetNavigationStatus
{
    int64_t activatedTime = 0;
    // Shared by the motion and the danger flags.
    int64_t stateTime = 0;
    int32_t state = 0;
    bool lost = false;
    bool toDelete = false;
    uint32_t rotDirection = 0;
};

struct STargetOutlineParameter
{
    bool outline = false;
    double factors[4] = {1.0, 1.0, 1.0, 1.0};
};

// How a target is shown and where its pivot lies: its point on each of the four views, the
// pivot (the centre of the hull when the outline is drawn, else the reported position) and its
// navigation state, which stays at its initial values in this program. A plain record; the
// registry's lock guards it.
class CTargetNavi
{
public:
    static constexpr int ViewCount = 4;
    static constexpr int32_t NoScreen = 999999999;

    void assignNavi(const CTargetNavi& from) { *this = from; }
    // All initial values but the colour.
    void resetData();

    void setColor(uint32_t rgb) { m_color = rgb; }
    void setOutlineParameter(const STargetOutlineParameter& parameter) { m_outline = parameter; }
    void updateTime(int64_t time) { m_updateTime = time; }

    void setPositionPivot(const Unit::SPointG2dD& position) { m_pivot = position; }
    // Views 0 to 3; any other is ignored.
    void setScreen(char view, const Unit::SPointC2dI& point);
    void setScreenPivot(char view, const Unit::SPointC2dI& point);
    void setScreenPivot(const Unit::SPointC2dI (&points)[ViewCount]);
    // False for a view outside 0 to 3.
    bool checkScreenPivotValid(char view) const;

    // No outline: the pivot is the position and the pivot points are the screen points.
    void cancelOutline(const Unit::SPointG2dD& position);
    // The pivot at the centre of the hull, from the reference point's distances (metres) and
    // the heading. A position that is not available, or a hull of no size, leaves the pivot
    // at the position.
    void updatePivotPos(const AIS_REF_POINT_DIMENSION& dimension, int courseDeg, const Unit::SPointG2dD& position);

    uint32_t color() const { return m_color; }
    const STargetOutlineParameter& outlineParameter() const { return m_outline; }
    int64_t getUpdateTime() const { return m_updateTime; }
    const Unit::SPointG2dD& positionPivot() const { return m_pivot; }
    // The point of a view; none (999999999) for a view outside 0 to 3.
    Unit::SPointC2dI screen(char view) const;
    Unit::SPointC2dI screenPivot(char view) const;

private:
    static bool validView(char view) { return view >= 0 && view < ViewCount; }

    uint32_t m_color = 0; // 0xRRGGBB
    Unit::SPointC2dI m_screens[ViewCount] = {
        {NoScreen, NoScreen}, {NoScreen, NoScreen}, {NoScreen, NoScreen}, {NoScreen, NoScreen}};
    Unit::SPointG2dD m_pivot;
    Unit::SPointC2dI m_screenPivots[ViewCount] = {
        {NoScreen, NoScreen}, {NoScreen, NoScreen}, {NoScreen, NoScreen}, {NoScreen, NoScreen}};
    STargetNavigationStatus m_status;
    STargetOutlineParameter m_outline;
    int64_t m_updateTime = 0; // seconds since 1970
};

} // namespace VudaviRirev::Target
