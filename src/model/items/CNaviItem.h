#pragma once

#include "model/items/NaviItemRecords.h"
#include "model/units/SPointCG2dID.h"

#include <cstdint>
#include <cstdio>
#include <deque>
#include <string>

namespace NaviScope {

// An editable navigation item (a route or a track): an ordered list of nodes with
// positions, per-screen points, measure values, feature blocks and descriptions, plus
// item-level type, visibility, feature and editing state. It writes itself to an item
// file and reads itself back. Node indices run from 0 to nodeCount() - 1; an operation
// given any other index logs and changes nothing.
class CNaviItem
{
public:
    static constexpr int16_t MaxNodeCount = INT16_MAX;
    // Longest description an item file may hold; longer ones are refused on both sides.
    static constexpr int32_t MaxDescriptionLength = 65536;

    CNaviItem();
    virtual ~CNaviItem();

    // Items are copied only on purpose, through cloneData.
    CNaviItem(const CNaviItem&) = delete;
    CNaviItem& operator=(const CNaviItem&) = delete;

    virtual void initFeatures(SNaviItemFeature* feature);
    virtual void initNodeFeatures(SNaviNodeFeature* feature);

    bool initial(int8_t screenWgCount, int8_t screenWgIdx);
    void setFeature(const SNaviItemFeature& feature);
    void setNaviType(NAVI_ITEM_T type) { m_naviType = type; }
    void setVisible(bool visible) { m_visible = visible; }
    void initActivatedStatus();
    void initHolderStatus();

    // Position 0 (or below) inserts at the front, a position at or past the count at the end.
    void addNodes(int16_t count, int16_t position);
    void addNode() { addNodes(1, 0); }

    SNaviNodeData* node();
    SNaviNodeData* nodeData(int16_t index);
    bool setNode(const Unit::SPointCG2dID& point, int16_t index);
    bool setNodeScreen(const Unit::SPointC2dI& point, int16_t index);
    bool setNodeMeasureValue(const Unit::SVectorValueD& value, int16_t index);
    bool setNodeData(SNaviNodeData data, int16_t index);
    bool updateNode(SNaviNodeData data, int16_t index);
    bool setNodeMoving(bool moving, int16_t index);
    bool isNodeMoving(int16_t index) const;
    void finished();

    void setScreenMoveDelta(const Unit::SPointC2dI& delta, PRIMARY_ASSIGN slot);
    void calNodeMovingDelta(int16_t from, int16_t to, int16_t slot);
    void calNodeDelta(int16_t index);

    void deleteItem(int16_t index);
    void deleteHoldItem();

    void cloneData(CNaviItem& target) const;

    bool exportItem(std::FILE* file) const;
    // Reads a whole item file; on any refusal the item is left as it was.
    bool importItem(std::FILE* file);
    static bool writeDescription(const std::string& text, std::FILE* file);
    static bool readDescription(std::string* text, std::FILE* file);

    int16_t nodeCount() const { return static_cast<int16_t>(m_nodes.size()); }
    uint16_t format() const { return m_format; }
    NAVI_ITEM_T naviType() const { return m_naviType; }
    bool isVisible() const { return m_visible; }
    int64_t creationTime() const { return m_creationTime; }
    const SNaviItemFeature& feature() const { return m_feature; }
    int16_t currentNodeIndex() const { return m_currentNodeIdx; }
    int8_t screenWgIdx() const { return m_screenWgIdx; }
    Unit::SPointC2dI screenMoveDelta(PRIMARY_ASSIGN slot) const;

private:
    bool validIndex(int16_t index) const { return index >= 0 && index < nodeCount(); }
    // The screen point of the node for the current widget index; null while there is none.
    Unit::SPointC2dI* screenPoint(SNaviNodeData& node);
    bool checkScreenWg() const;
    static void logFault(const char* operation, const char* text);

    std::deque<SNaviNodeData> m_nodes;

    uint16_t m_format = 1;
    NAVI_ITEM_T m_naviType = NAVI_ITEM_T_FIRST;
    bool m_visible = true;
    int64_t m_creationTime = 0;
    SNaviItemFeature m_feature;

    int32_t m_holderValue = -1;
    int16_t m_holderNodeIdx = -1;

    int32_t m_activatedValue = -1;
    int16_t m_activatedIdx = -1;
    Unit::SPointG2dD m_activatedPos;
    Unit::SPointC2dI m_activatedScreen[ScreenWgCount];

    int16_t m_currentNodeIdx = -1;
    int8_t m_screenWgIdx = -1;
    uint8_t m_screenWgCnt = ScreenWgCount;
    Unit::SPointC2dI m_screenMoveDelta[2] = {};
};

} // namespace NaviScope
