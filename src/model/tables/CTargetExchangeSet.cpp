#include "model/tables/CTargetExchangeSet.h"

#include "model/units/NaviStrConvt.h"
#include "model/units/StringConvt.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <ctime>

using VudaviRirev::Target::CSensorInfo;
using VudaviRirev::Target::CTargetAisData;

namespace {

struct SItemColumn
{
    const char* header;
    const char* unit; // null: none
    CSortFilterProxyModel::SORT_T sortType;
};

const SItemColumn ItemColumns[CTargetExchangeSet::ItemCount] = {
    {QT_TRANSLATE_NOOP("QObject", "MMSI"), nullptr, CSortFilterProxyModel::SORT_STRING},
    {QT_TRANSLATE_NOOP("QObject", "Ship's Name"), nullptr, CSortFilterProxyModel::SORT_STRING},
    {QT_TRANSLATE_NOOP("QObject", "Call Sign"), nullptr, CSortFilterProxyModel::SORT_STRING},
    {QT_TRANSLATE_NOOP("QObject", "Class"), nullptr, CSortFilterProxyModel::SORT_STRING},
    {QT_TRANSLATE_NOOP("QObject", "Speed"), QT_TRANSLATE_NOOP("QObject", "Kn"), CSortFilterProxyModel::SORT_DOUBLE},
    {QT_TRANSLATE_NOOP("QObject", "Course"), nullptr, CSortFilterProxyModel::SORT_DOUBLE},
    {QT_TRANSLATE_NOOP("QObject", "Latitude"), nullptr, CSortFilterProxyModel::SORT_STRING},
    {QT_TRANSLATE_NOOP("QObject", "Longitude"), nullptr, CSortFilterProxyModel::SORT_STRING},
    {QT_TRANSLATE_NOOP("QObject", "Range"), QT_TRANSLATE_NOOP("QObject", "NM"), CSortFilterProxyModel::SORT_DOUBLE},
    {QT_TRANSLATE_NOOP("QObject", "Bearing"), "\xC2\xB0", CSortFilterProxyModel::SORT_DOUBLE},
    {QT_TRANSLATE_NOOP("QObject", "Report Age"), QT_TRANSLATE_NOOP("QObject", "s"), CSortFilterProxyModel::SORT_INT},
};

SysDebug* Log()
{
    return Pattern::Singleton<SysDebug>::Instance();
}

bool defined(int id)
{
    return id >= 0 && id < CTargetExchangeSet::ItemCount;
}

void logUndefined(const char* operation)
{
    Log()->dbgPrintf(DBG_ERROR, operation, 0, "%s", "Item's case is undefined!");
}

QString translated(const char* text)
{
    return QCoreApplication::translate("QObject", text);
}

template <size_t N>
QString fixedText(const char (&text)[N])
{
    return QString::fromLatin1(text, static_cast<int>(strnlen(text, N)));
}

QString cellText(CTargetExchangeSet::TG_ITEM_CELL id, const CTargetAisData& record, int64_t age)
{
    using NaviScope::NaviStrConvt;
    char text[64] = {};
    switch (id) {
    case CTargetExchangeSet::TG_ITEM_MMSI:
        StringConvt::formatStrID(text, record.mmsi, 9);
        break;
    case CTargetExchangeSet::TG_ITEM_NAME:
        return fixedText(record.name);
    case CTargetExchangeSet::TG_ITEM_CALL_SIGN:
        return fixedText(record.callSign);
    case CTargetExchangeSet::TG_ITEM_CLASS:
        NaviStrConvt::formatStrAisType(text, record.stationKind, Unit::FORMAT_S_SHORT);
        break;
    case CTargetExchangeSet::TG_ITEM_SPEED:
        NaviStrConvt::formatStrSOG(text, record.stationKind, record.sog, Unit::SPEED_UNIT_KN, false);
        break;
    case CTargetExchangeSet::TG_ITEM_COURSE:
        NaviStrConvt::formatStrCOG(text, record.stationKind, record.cog, false);
        break;
    case CTargetExchangeSet::TG_ITEM_LATITUDE:
        StringConvt::formatStrLat(text, record.position.lat, Unit::WORLD_POS_DEGREE_MIN_SEC, false);
        break;
    case CTargetExchangeSet::TG_ITEM_LONGITUDE:
        StringConvt::formatStrLon(text, record.position.lon, Unit::WORLD_POS_DEGREE_MIN_SEC, false);
        break;
    case CTargetExchangeSet::TG_ITEM_RANGE:
        StringConvt::formatStrRange(text, record.range, Unit::DIST_UNIT_NM, false);
        break;
    case CTargetExchangeSet::TG_ITEM_BEARING:
        StringConvt::formatStrBearing(text, record.displayBearing, Unit::BEARING_MEASURE_NONE, false);
        break;
    case CTargetExchangeSet::TG_ITEM_REPORT_AGE:
        return QString::number(age);
    }
    return QString::fromUtf8(text, static_cast<int>(strnlen(text, sizeof text)));
}

} // namespace

CTargetExchangeSet::CTargetExchangeSet()
{
    for (int i = 0; i < ItemCount; ++i) {
        m_ids[i] = static_cast<TG_ITEM_CELL>(-1);
        m_sortTypes[i] = CSortFilterProxyModel::SORT_STRING;
    }
    TG_ITEM_CELL sequence[ItemCount];
    for (int i = 0; i < ItemCount; ++i)
        sequence[i] = static_cast<TG_ITEM_CELL>(i);
    setItemSequence(ItemCount, sequence);
    m_proxyModel.setSourceModel(&m_gridModel);
}

void CTargetExchangeSet::setItemSequence(int count, const TG_ITEM_CELL* ids)
{
    SetSortType(count, ids, true);
    m_gridModel.setColumnCount(m_itemCount);
    for (int i = 0; i < m_itemCount; ++i)
        m_gridModel.setHeaderData(i, Qt::Horizontal, m_headers[i], Qt::EditRole);
    m_proxyModel.setColumnSortType(m_sortTypes, m_itemCount);
}

void CTargetExchangeSet::SetSortType(int count, const TG_ITEM_CELL* ids, bool withUnits)
{
    m_itemCount = ids && count > 0 ? std::min(count, ItemCount) : 0;
    for (int i = 0; i < m_itemCount; ++i)
        m_ids[i] = ids[i];
    SetHeaderString(withUnits);
    for (int i = 0; i < m_itemCount; ++i) {
        if (defined(m_ids[i]))
            m_sortTypes[i] = ItemColumns[m_ids[i]].sortType;
        else
            logUndefined("SetSortType");
    }
}

void CTargetExchangeSet::SetHeaderString(bool withUnits)
{
    for (int i = 0; i < m_itemCount; ++i) {
        if (!defined(m_ids[i])) {
            logUndefined("SetHeaderString");
            continue;
        }
        const SItemColumn& column = ItemColumns[m_ids[i]];
        m_headers[i] = translated(column.header);
        if (withUnits && column.unit)
            m_headers[i] += QStringLiteral(" (%1)").arg(translated(column.unit));
    }
}

// Rows ---------------------------------------------------------------------------------------

void CTargetExchangeSet::updateExchangeSet(const CSensorInfo* registry)
{
    if (!registry)
        return;
    const CSensorInfo::TargetMap targets = registry->copyTargets();
    if (targets.empty()) {
        m_gridModel.deleteAll();
        return;
    }
    const int64_t now = static_cast<int64_t>(std::time(nullptr));
    // Both walk in ascending MMSI. Adding a row leaves the grid's cursor valid; a row is
    // dropped only after the cursor has moved past it.
    CStringGridModel::ItemMap& rows = m_gridModel.itemMap();
    const auto dropRow = [this](CStringGridModel::ItemMap::iterator row) {
        const unsigned gone = row->first;
        ++row;
        m_gridModel.deleteItem(gone);
        return row;
    };
    auto row = rows.begin();
    for (const auto& [mmsi, target] : targets) {
        while (row != rows.end() && row->first < mmsi)
            row = dropRow(row);
        if (row != rows.end() && row->first == mmsi) {
            updateModelItem(&row->second, *target, now);
            ++row;
        } else {
            buildModelItem(mmsi, *target, now);
        }
    }
    while (row != rows.end())
        row = dropRow(row);
    if (targets.size() == rows.size() && rows.size() == static_cast<size_t>(m_gridModel.rowCount()))
        return;
    Log()->dbgPrintf(DBG_ERROR, "updateExchangeSet", 0, "%s", "Target's count is not match");
    rebuild(targets, now);
}

void CTargetExchangeSet::rebuild(const CSensorInfo::TargetMap& targets, int64_t now)
{
    m_gridModel.deleteAll();
    for (const auto& [mmsi, target] : targets)
        buildModelItem(mmsi, *target, now);
}

void CTargetExchangeSet::buildModelItem(unsigned mmsi, const CTargetMetaData& target, int64_t now)
{
    QStringList texts;
    buildItemString(&texts, target, now);
    QList<QIcon> noIcons;
    m_gridModel.addItem(mmsi, texts, noIcons);
}

void CTargetExchangeSet::updateModelItem(QList<QStandardItem*>* row, const CTargetMetaData& target, int64_t now)
{
    QStringList texts;
    buildItemString(&texts, target, now);
    QList<QIcon> noIcons;
    m_gridModel.updateItem(row, texts, noIcons);
}

// An undefined column gets an empty cell, so the cells after it stay in their columns.
void CTargetExchangeSet::buildItemString(QStringList* texts, const CTargetMetaData& target, int64_t now) const
{
    const CTargetAisData* record = target.aisData();
    const int64_t age = std::llabs(now - target.getUpdateTime());
    for (int i = 0; i < m_itemCount; ++i) {
        if (!defined(m_ids[i])) {
            logUndefined("buildItemString");
            texts->append(QString());
            continue;
        }
        texts->append(record ? cellText(m_ids[i], *record, age) : QString());
    }
}
