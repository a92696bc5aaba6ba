#include "model/items/CNaviItem.h"

#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <algorithm>
#include <ctime>
#include <iterator>
#include <utility>

namespace NaviScope {

namespace {

constexpr const char* NotFound = "Not found item";

} // namespace

CNaviItem::CNaviItem()
    : m_creationTime(std::time(nullptr))
{
    initActivatedStatus();
}

CNaviItem::~CNaviItem() = default;

void CNaviItem::initFeatures(SNaviItemFeature*) {}

void CNaviItem::initNodeFeatures(SNaviNodeFeature*) {}

void CNaviItem::logFault(const char* operation, const char* text)
{
    Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(DBG_EXCEPTION, operation, 0, "%s", text);
}

bool CNaviItem::checkScreenWg() const
{
    if (m_screenWgCnt == ScreenWgCount && m_screenWgIdx < ScreenWgCount)
        return true;
    logFault("checkScreenWg", "The ScreenWgIdx and ScreenWgCnt value is wrang");
    return false;
}

Unit::SPointC2dI* CNaviItem::screenPoint(SNaviNodeData& node)
{
    if (m_screenWgIdx < 0 || m_screenWgIdx >= ScreenWgCount)
        return nullptr;
    return &node.screen[m_screenWgIdx];
}

bool CNaviItem::initial(int8_t screenWgCount, int8_t screenWgIdx)
{
    initFeatures(&m_feature);
    if (screenWgCount == ScreenWgCount && screenWgIdx < ScreenWgCount) {
        m_screenWgIdx = screenWgIdx;
        return true;
    }
    logFault("checkScreenWg", "The ScreenWgIdx and ScreenWgCnt value is wrang");
    return false;
}

void CNaviItem::setFeature(const SNaviItemFeature& feature)
{
    m_feature = feature;
}

void CNaviItem::initActivatedStatus()
{
    m_activatedValue = -1;
    m_activatedIdx = -1;
    m_activatedPos = Unit::SPointG2dD{};
    for (Unit::SPointC2dI& p : m_activatedScreen)
        p = {ScreenNone, ScreenNone};
}

void CNaviItem::initHolderStatus()
{
    m_holderValue = -1;
    m_holderNodeIdx = -1;
}

void CNaviItem::addNodes(int16_t count, int16_t position)
{
    if (count <= 0)
        return;
    if (count > MaxNodeCount - nodeCount()) {
        logFault("addNodes", "Too many nodes");
        return;
    }
    const int16_t at = position <= 0 ? 0 : (position >= nodeCount() ? nodeCount() : position);
    m_nodes.insert(m_nodes.begin() + at, static_cast<size_t>(count), SNaviNodeData{});
    for (int16_t i = at; i < at + count; ++i)
        initNodeFeatures(&m_nodes[static_cast<size_t>(i)].feature);
}

SNaviNodeData* CNaviItem::node()
{
    if (!validIndex(m_currentNodeIdx)) {
        logFault("node", NotFound);
        return nullptr;
    }
    return &m_nodes[static_cast<size_t>(m_currentNodeIdx)];
}

SNaviNodeData* CNaviItem::nodeData(int16_t index)
{
    if (!validIndex(index)) {
        logFault("nodeData", NotFound);
        return nullptr;
    }
    m_currentNodeIdx = index;
    return &m_nodes[static_cast<size_t>(index)];
}

bool CNaviItem::setNode(const Unit::SPointCG2dID& point, int16_t index)
{
    if (!validIndex(index)) {
        logFault("setNode", "Set item index is faild");
        return false;
    }
    SNaviNodeData& node = m_nodes[static_cast<size_t>(index)];
    node.position = point.geo;
    if (Unit::SPointC2dI* screen = screenPoint(node))
        *screen = point.screen;
    return true;
}

bool CNaviItem::setNodeScreen(const Unit::SPointC2dI& point, int16_t index)
{
    if (!validIndex(index)) {
        logFault("setNodeScreen", NotFound);
        return false;
    }
    Unit::SPointC2dI* screen = screenPoint(m_nodes[static_cast<size_t>(index)]);
    if (screen)
        *screen = point;
    return screen != nullptr;
}

bool CNaviItem::setNodeMeasureValue(const Unit::SVectorValueD& value, int16_t index)
{
    if (!validIndex(index)) {
        logFault("setNodeMeasureValue", NotFound);
        return false;
    }
    m_nodes[static_cast<size_t>(index)].measure = value;
    return true;
}

bool CNaviItem::setNodeData(SNaviNodeData data, int16_t index)
{
    if (!validIndex(index)) {
        logFault("setNodeData", NotFound);
        return false;
    }
    SNaviNodeData& node = m_nodes[static_cast<size_t>(index)];
    std::copy(std::begin(data.block), std::end(data.block), node.block);
    node.feature = data.feature;
    node.position = data.position;
    node.moving = data.moving;
    std::copy(std::begin(data.screen), std::end(data.screen), node.screen);
    node.measure = data.measure;
    node.description = std::move(data.description);
    return true;
}

bool CNaviItem::updateNode(SNaviNodeData data, int16_t index)
{
    if (index == -1)
        return false;
    return setNodeData(std::move(data), index);
}

bool CNaviItem::setNodeMoving(bool moving, int16_t index)
{
    if (!validIndex(index)) {
        logFault("setNodeMoving", NotFound);
        return false;
    }
    m_nodes[static_cast<size_t>(index)].moving = moving;
    m_currentNodeIdx = index;
    return true;
}

bool CNaviItem::isNodeMoving(int16_t index) const
{
    if (!validIndex(index)) {
        logFault("isNodeMoving", NotFound);
        return false;
    }
    return m_nodes[static_cast<size_t>(index)].moving;
}

void CNaviItem::finished()
{
    if (validIndex(m_currentNodeIdx))
        m_nodes[static_cast<size_t>(m_currentNodeIdx)].moving = false;
    m_currentNodeIdx = -1;
    m_screenWgIdx = -1;
}

void CNaviItem::setScreenMoveDelta(const Unit::SPointC2dI& delta, PRIMARY_ASSIGN slot)
{
    if (slot == PRIMARY_ASSIGN_PREV || slot == PRIMARY_ASSIGN_NEXT)
        m_screenMoveDelta[slot] = delta;
}

Unit::SPointC2dI CNaviItem::screenMoveDelta(PRIMARY_ASSIGN slot) const
{
    return slot == PRIMARY_ASSIGN_NEXT ? m_screenMoveDelta[1] : m_screenMoveDelta[0];
}

void CNaviItem::calNodeMovingDelta(int16_t from, int16_t to, int16_t slot)
{
    if (!checkScreenWg())
        return;
    if (!validIndex(from) || !validIndex(to) || (slot != PRIMARY_ASSIGN_PREV && slot != PRIMARY_ASSIGN_NEXT)) {
        logFault("calNodeMovingDelta", NotFound);
        return;
    }
    const Unit::SPointC2dI* a = screenPoint(m_nodes[static_cast<size_t>(from)]);
    const Unit::SPointC2dI* b = screenPoint(m_nodes[static_cast<size_t>(to)]);
    if (a && b)
        m_screenMoveDelta[slot] = {b->x - a->x, b->y - a->y};
}

void CNaviItem::calNodeDelta(int16_t index)
{
    if (index > 0)
        calNodeMovingDelta(static_cast<int16_t>(index - 1), index, PRIMARY_ASSIGN_PREV);
    if (index + 1 < nodeCount())
        calNodeMovingDelta(index, static_cast<int16_t>(index + 1), PRIMARY_ASSIGN_NEXT);
}

void CNaviItem::deleteItem(int16_t index)
{
    if (validIndex(index))
        m_nodes.erase(m_nodes.begin() + index);
}

void CNaviItem::deleteHoldItem()
{
    if (validIndex(m_holderNodeIdx))
        m_nodes.erase(m_nodes.begin() + m_holderNodeIdx);
    if (nodeCount() >= 2 && m_holderNodeIdx >= nodeCount())
        m_holderNodeIdx = static_cast<int16_t>(nodeCount() - 1);
}

void CNaviItem::cloneData(CNaviItem& target) const
{
    if (&target == this)
        return;
    target.m_creationTime = m_creationTime;
    target.m_naviType = m_naviType;
    target.m_visible = m_visible;
    target.m_feature = m_feature;
    target.m_nodes = m_nodes;
    target.m_screenMoveDelta[0] = m_screenMoveDelta[0];
    target.m_screenMoveDelta[1] = m_screenMoveDelta[1];
}

} // namespace NaviScope
