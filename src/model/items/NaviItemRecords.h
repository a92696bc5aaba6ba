#pragma once

#include "model/units/SPointC2dI.h"
#include "model/units/SPointG2dD.h"
#include "model/units/SVectorValueD.h"

#include <cstdint>
#include <string>

namespace NaviScope {

// Navigation item kind, stored as 32 bits; item files accept 0 to NAVI_ITEM_T_LAST.
enum NAVI_ITEM_T : int32_t { NAVI_ITEM_T_FIRST = 0, NAVI_ITEM_T_LAST = 7 };

// Slot of a screen move delta: toward the previous node and toward the next one.
enum PRIMARY_ASSIGN : int { PRIMARY_ASSIGN_PREV = 0, PRIMARY_ASSIGN_NEXT = 1 };

constexpr int ScreenWgCount = 4;
constexpr int32_t ScreenNone = 999999999;

// A record whose first member points at the record itself. A copy points at the copy,
// so records can be copied and moved (inside a deque, too) without pointing at another.
template <typename T>
struct SSelfPointer
{
    SSelfPointer()
        : data(static_cast<T*>(this))
    {
    }
    SSelfPointer(const SSelfPointer&)
        : data(static_cast<T*>(this))
    {
    }
    SSelfPointer& operator=(const SSelfPointer&) { return *this; }

    T* data;
};

// Item-level feature data; the item kind fills the content.
struct SNaviItemFeature : SSelfPointer<SNaviItemFeature>
{
    static constexpr int ContentSize = 248;
    uint8_t content[ContentSize] = {};
};

// Node-level feature data; the track kind fills SOG, COG and heading.
struct SNaviNodeFeature : SSelfPointer<SNaviNodeFeature>
{
    static constexpr int RestSize = 12;
    float sog = 0.0f;
    float cog = 0.0f;
    float heading = 0.0f;
    uint8_t rest[RestSize] = {};
};

// One node of a navigation item. Plain value: copies carry their own description.
struct SNaviNodeData
{
    static constexpr int BlockSize = 128;
    static constexpr int NameOffset = 1;
    static constexpr int NameRoom = 32; // at most 31 characters and the NUL
    static constexpr int ReservedSize = 112;

    const char* name() const { return block + NameOffset; }
    void setName(const char* text);

    char block[BlockSize] = {};
    SNaviNodeFeature feature;
    Unit::SPointG2dD position;
    uint8_t reserved[ReservedSize] = {};
    bool moving = false;
    Unit::SPointC2dI screen[ScreenWgCount] = {
        {ScreenNone, ScreenNone}, {ScreenNone, ScreenNone}, {ScreenNone, ScreenNone}, {ScreenNone, ScreenNone}};
    Unit::SVectorValueD measure;
    std::string description; // empty: none
};

} // namespace NaviScope
