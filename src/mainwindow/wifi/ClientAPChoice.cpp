#include "mainwindow/wifi/ClientAPChoice.h"

#include "device/CWiFiAPExchangeSet.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <QAbstractItemModel>
#include <QVariant>

namespace WiFiForm {

namespace {

QVariant CellData(const QModelIndex& index, int column)
{
    if (column < 0 || !index.isValid())
        return QVariant();
    return index.model()->index(index.row(), column, index.parent()).data(Qt::DisplayRole);
}

} // namespace

bool getClientAPListData(const QModelIndex& index, const CWiFiAPExchangeSet& table,
                         const std::vector<WiFiScope::SClientAPInfoStruct>& apList, WiFiScope::SJoinRequest* out)
{
    if (!out)
        return false;
    *out = WiFiScope::SJoinRequest();
    const QVariant ssidCell = CellData(index, table.getCellSeqIndex(CWiFiAPExchangeSet::AP_ITEM_SSID));
    const QVariant securityCell = CellData(index, table.getCellSeqIndex(CWiFiAPExchangeSet::AP_ITEM_SECURITY));
    if (!ssidCell.isValid() && !securityCell.isValid())
        return false;

    SysDebug* log = Pattern::Singleton<SysDebug>::Instance();
    // The table shows the scan's bytes as Latin-1: read back the same way, they match the list.
    const std::string ssid = ssidCell.toString().toLatin1().toStdString();
    const std::string security = securityCell.toString().toLatin1().toStdString();
    log->dbgPrintf(DBG_INFO, "getClientAPListData", 0, "Get Clint AP list data : %s, %s", ssid.c_str(),
                   security.c_str());
    for (size_t position = 0; position < apList.size(); ++position) {
        if (apList[position].ssid == ssid)
            out->apIndex = int32_t(position);
    }
    if (out->apIndex < 0)
        log->dbgPrintf(DBG_INFO, "getClientAPListData", 0, "SSID:%s is not on the list !", ssid.c_str());
    out->ssid = ssid;
    out->security = security;
    return true;
}

} // namespace WiFiForm
