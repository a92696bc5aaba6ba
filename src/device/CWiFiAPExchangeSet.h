#pragma once

#include "device/WiFiTypes.h"
#include "model/tables/CSortFilterProxyModel.h"
#include "model/tables/CStringGridModel.h"

#include <QIcon>
#include <QList>
#include <QString>
#include <QStringList>

class CWiFiConfig;

// The rows of the Wi-Fi page's list of scanned access points: one per SSID, shown from its
// strongest access point, with a signal icon, a security icon, the SSID, a connection cell and
// the index of the linked member (-1 none). The view shows the proxy. GUI thread only.
class CWiFiAPExchangeSet : public CStringGridModel
{
public:
    enum AP_ITEM_CELL : int
    {
        AP_ITEM_RSSI = 0,
        AP_ITEM_SECURITY = 1,
        AP_ITEM_SSID = 2,
        AP_ITEM_CONNECTION = 3,
        AP_ITEM_CONNECT_STATUS = 4,
    };
    static constexpr int ItemCount = 5;

    CWiFiAPExchangeSet();
    ~CWiFiAPExchangeSet() override;

    // The cell kind of each column; at most ItemCount are kept.
    void setItemSequence(int count, const AP_ITEM_CELL* cells);
    // The first column that shows the kind; -1, logged, when none does.
    int getCellSeqIndex(AP_ITEM_CELL cell) const;
    // Rebuilds every row from a snapshot of the Wi-Fi state, so the communication thread may
    // rebuild the scan list meanwhile.
    void updateExchangeSet(const CWiFiConfig& wifi);
    void updateModelItem(QList<QStandardItem*>* row, const WiFiScope::SClientAPInfoStruct& group);
    // The default columns again, shown through the proxy.
    void initMember();

    CSortFilterProxyModel* proxyModel() { return &m_proxy; }

private:
    void buildModelItem(const WiFiScope::SClientAPInfoStruct& group);
    void buildItemString(QStringList* texts, const WiFiScope::SClientAPInfoStruct& group) const;
    void buildItemIcon(QList<QIcon>* icons, const WiFiScope::SClientAPInfoStruct& group) const;

    CSortFilterProxyModel m_proxy;
    int m_itemCount = 0;
    QString m_headers[ItemCount];
    AP_ITEM_CELL m_cells[ItemCount];
    CSortFilterProxyModel::SORT_T m_sortTypes[ItemCount];
};
