// The item file: export and import of a navigation item, little-endian, parts back to back.
#include "model/items/CNaviItem.h"
#include "model/items/ItemFileStream.h"

#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <cstring>
#include <deque>

namespace NaviScope {

namespace {

constexpr size_t HeaderSize = 16;
constexpr size_t ItemBlockSize = 128;
constexpr size_t ItemBlockUsed = 16; // type, visible flag, padding, creation time
constexpr size_t AddressSize = 8;    // the feature's pointer; written as zero, ignored on reading

bool refuse(const char* operation, const char* reason)
{
    Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(DBG_WARNING, operation, 0, "Item file refused: %s", reason);
    return false;
}

void writeNode(ItemFileStream& out, const SNaviNodeData& node)
{
    out.writeBytes(node.block, sizeof node.block);
    out.writeZeros(AddressSize);
    out.writeFloat(node.feature.sog);
    out.writeFloat(node.feature.cog);
    out.writeFloat(node.feature.heading);
    out.writeBytes(node.feature.rest, sizeof node.feature.rest);
    out.writeDouble(node.position.lat);
    out.writeDouble(node.position.lon);
    out.writeBytes(node.reserved, sizeof node.reserved);
}

// Reads one node up to its description; false with a log line when it is refused.
bool readNode(ItemFileStream& in, SNaviNodeData* node)
{
    in.readBytes(node->block, sizeof node->block);
    in.skip(AddressSize);
    node->feature.sog = in.readFloat();
    node->feature.cog = in.readFloat();
    node->feature.heading = in.readFloat();
    in.readBytes(node->feature.rest, sizeof node->feature.rest);
    node->position.lat = in.readDouble();
    node->position.lon = in.readDouble();
    in.readBytes(node->reserved, sizeof node->reserved);
    if (!in.ok())
        return refuse("importItem", "node cut short");
    if (!std::memchr(node->name(), '\0', SNaviNodeData::NameRoom))
        return refuse("importItem", "node name too long");
    const Unit::SPointG2dD& p = node->position;
    if (!(p.lat > -91.0 && p.lat < 91.0 && p.lon > -181.0 && p.lon < 181.0))
        return refuse("importItem", "node position out of range");
    return true;
}

} // namespace

bool CNaviItem::writeDescription(const std::string& text, std::FILE* file)
{
    if (text.size() > static_cast<size_t>(MaxDescriptionLength))
        return refuse("writeDescription", "description too long");
    ItemFileStream out(file);
    out.writeU32(static_cast<uint32_t>(text.size()));
    out.writeBytes(text.data(), text.size());
    return out.ok();
}

bool CNaviItem::readDescription(std::string* text, std::FILE* file)
{
    ItemFileStream in(file);
    const int32_t length = static_cast<int32_t>(in.readU32());
    if (!in.ok())
        return refuse("readDescription", "description length cut short");
    if (length < 0 || length > MaxDescriptionLength)
        return refuse("readDescription", "description length out of range");
    std::string read(static_cast<size_t>(length), '\0');
    in.readBytes(read.data(), read.size());
    if (!in.ok())
        return refuse("readDescription", "description cut short");
    // The description is a text: it ends at its first NUL.
    read.resize(std::strlen(read.c_str()));
    *text = std::move(read);
    return true;
}

bool CNaviItem::exportItem(std::FILE* file) const
{
    ItemFileStream out(file);
    out.writeU16(m_format);
    out.writeZeros(HeaderSize - 2);

    out.writeU32(static_cast<uint32_t>(m_naviType));
    const uint8_t visible = m_visible ? 1 : 0;
    out.writeBytes(&visible, 1);
    out.writeZeros(3);
    out.writeU64(static_cast<uint64_t>(m_creationTime));
    out.writeZeros(ItemBlockSize - ItemBlockUsed);

    out.writeZeros(AddressSize);
    out.writeBytes(m_feature.content, sizeof m_feature.content);

    out.writeU16(static_cast<uint16_t>(nodeCount()));
    for (const SNaviNodeData& node : m_nodes) {
        writeNode(out, node);
        if (!out.ok() || !writeDescription(node.description, file))
            return false;
    }
    return out.ok();
}

bool CNaviItem::importItem(std::FILE* file)
{
    ItemFileStream in(file);
    uint8_t header[HeaderSize];
    in.readBytes(header, sizeof header);
    if (!in.ok())
        return refuse("importItem", "header cut short");
    const uint16_t format = static_cast<uint16_t>(header[0] | header[1] << 8);
    if (format != 1)
        return refuse("importItem", "unknown format");

    const int32_t type = static_cast<int32_t>(in.readU32());
    uint8_t visible = 0;
    in.readBytes(&visible, 1);
    in.skip(3);
    const int64_t creationTime = static_cast<int64_t>(in.readU64());
    in.skip(ItemBlockSize - ItemBlockUsed);
    if (!in.ok())
        return refuse("importItem", "item block cut short");
    if (type < NAVI_ITEM_T_FIRST || type > NAVI_ITEM_T_LAST)
        return refuse("importItem", "unknown item type");
    if (creationTime < 0)
        return refuse("importItem", "negative creation time");

    SNaviItemFeature feature;
    in.skip(AddressSize);
    in.readBytes(feature.content, sizeof feature.content);
    const int16_t count = static_cast<int16_t>(in.readU16());
    if (!in.ok())
        return refuse("importItem", "feature or node count cut short");
    if (count < 0 || count > MaxNodeCount - nodeCount())
        return refuse("importItem", "node count out of range");

    // Nodes are collected first so that a refused file leaves the item untouched.
    std::deque<SNaviNodeData> nodes;
    for (int16_t i = 0; i < count; ++i) {
        SNaviNodeData node;
        if (!readNode(in, &node) || !readDescription(&node.description, file))
            return false;
        nodes.push_back(std::move(node));
    }

    m_format = format;
    m_naviType = static_cast<NAVI_ITEM_T>(type);
    m_visible = visible != 0;
    m_creationTime = creationTime;
    setFeature(feature);
    addNodes(count, 0);
    for (int16_t i = 0; i < count; ++i)
        setNodeData(std::move(nodes[static_cast<size_t>(i)]), i);
    return true;
}

} // namespace NaviScope
