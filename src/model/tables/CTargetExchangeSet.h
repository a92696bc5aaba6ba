#pragma once

#include "model/tables/CSortFilterProxyModel.h"
#include "model/tables/CStringGridModel.h"
#include "model/targets/CSensorInfo.h"

#include <QString>
#include <cstdint>

// The rows of the Other Vessels table: one per other vessel in the registry, keyed by MMSI,
// eleven text columns sorted by the proxy model with not-available cells last. Numbers are
// bare (the unit is in the column header) so that they sort by value. GUI thread only.
class CTargetExchangeSet
{
public:
    enum TG_ITEM_CELL : int {
        TG_ITEM_MMSI = 0,
        TG_ITEM_NAME = 1,
        TG_ITEM_CALL_SIGN = 2,
        TG_ITEM_CLASS = 3,
        TG_ITEM_SPEED = 4,
        TG_ITEM_COURSE = 5,
        TG_ITEM_LATITUDE = 6,
        TG_ITEM_LONGITUDE = 7,
        TG_ITEM_RANGE = 8,
        TG_ITEM_BEARING = 9,
        TG_ITEM_REPORT_AGE = 10,
    };
    static constexpr int ItemCount = 11;

    CTargetExchangeSet();
    CTargetExchangeSet(const CTargetExchangeSet&) = delete;
    CTargetExchangeSet& operator=(const CTargetExchangeSet&) = delete;

    // The columns in order; at most ItemCount are kept.
    void setItemSequence(int count, const TG_ITEM_CELL* ids);
    // Updates the rows in place, adds the new vessels' rows and drops the rows of vessels no
    // longer in the registry. Reads a copy of the registry's targets, so the communication
    // thread may fill it meanwhile.
    void updateExchangeSet(const VudaviRirev::Target::CSensorInfo* registry);

    CStringGridModel* gridModel() { return &m_gridModel; }
    CSortFilterProxyModel* proxyModel() { return &m_proxyModel; }

private:
    using CTargetMetaData = VudaviRirev::Target::CTargetMetaData;

    void SetSortType(int count, const TG_ITEM_CELL* ids, bool withUnits);
    void SetHeaderString(bool withUnits);
    void buildModelItem(unsigned mmsi, const CTargetMetaData& target, int64_t now);
    void updateModelItem(QList<QStandardItem*>* row, const CTargetMetaData& target, int64_t now);
    void buildItemString(QStringList* texts, const CTargetMetaData& target, int64_t now) const;
    void rebuild(const VudaviRirev::Target::CSensorInfo::TargetMap& targets, int64_t now);

    CStringGridModel m_gridModel;
    CSortFilterProxyModel m_proxyModel;
    int m_itemCount = 0;
    QString m_headers[ItemCount];
    TG_ITEM_CELL m_ids[ItemCount];
    CSortFilterProxyModel::SORT_T m_sortTypes[ItemCount];
};
