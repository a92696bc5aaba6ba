#include "device/CWiFiAPExchangeSet.h"

#include "device/CWiFiConfig.h"
#include "resources/LibraryImage.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <QCoreApplication>
#include <algorithm>

using WiFiScope::SClientAPData;
using WiFiScope::SClientAPInfoStruct;

namespace {

struct SCellKind
{
    const char* header;
    CSortFilterProxyModel::SORT_T sortType; // the view does not sort; kept for the proxy
};

const SCellKind CellKinds[CWiFiAPExchangeSet::ItemCount] = {
    {QT_TRANSLATE_NOOP("QObject", "RSSI"), CSortFilterProxyModel::SORT_INT},
    {QT_TRANSLATE_NOOP("QObject", "Security"), CSortFilterProxyModel::SORT_STRING},
    {QT_TRANSLATE_NOOP("QObject", "SSID"), CSortFilterProxyModel::SORT_STRING},
    {QT_TRANSLATE_NOOP("QObject", "Connection"), CSortFilterProxyModel::SORT_STRING},
    {QT_TRANSLATE_NOOP("QObject", "Connect Status"), CSortFilterProxyModel::SORT_INT},
};

const CWiFiAPExchangeSet::AP_ITEM_CELL DefaultSequence[CWiFiAPExchangeSet::ItemCount] = {
    CWiFiAPExchangeSet::AP_ITEM_RSSI, CWiFiAPExchangeSet::AP_ITEM_SECURITY, CWiFiAPExchangeSet::AP_ITEM_SSID,
    CWiFiAPExchangeSet::AP_ITEM_CONNECTION, CWiFiAPExchangeSet::AP_ITEM_CONNECT_STATUS};

// Images of the Wi-Fi status group: 0 to 4 are the signal bars, weakest first.
enum WIFI_STATUS_IMAGE : int
{
    IMG_NONE = -1,
    IMG_BARS_1 = 0,
    IMG_SECURITY = 5,
    IMG_CONNECTED = 6,
    IMG_EMPTY = 9,
};

SysDebug* Log()
{
    return Pattern::Singleton<SysDebug>::Instance();
}

bool Defined(int cell)
{
    return cell >= 0 && cell < CWiFiAPExchangeSet::ItemCount;
}

void LogUndefined(const char* operation)
{
    Log()->dbgPrintf(DBG_ERROR, operation, 0, "%s", "Item's case is undefined!");
}

// A row is shown from the group's strongest access point: a group without one is not read.
bool HasMembers(const SClientAPInfoStruct& group, const char* operation)
{
    if (!group.members.empty())
        return true;
    Log()->dbgPrintf(DBG_WARNING, operation, 0, "A scan group without access points is skipped:%s", group.ssid.c_str());
    return false;
}

// One bar per 10 dB from -50 dBm down; 0 and above, and -99999 and below, are no reading.
int BarsImage(int rssi)
{
    if (rssi >= 0 || rssi < -99998)
        return IMG_NONE;
    const int bars = rssi >= -50 ? 4 : rssi >= -60 ? 3 : rssi >= -70 ? 2 : rssi >= -80 ? 1 : 0;
    return IMG_BARS_1 + bars;
}

QIcon StatusIcon(int image)
{
    if (image == IMG_NONE)
        return QIcon();
    return QIcon(QString::fromStdString(Pattern::Singleton<LibraryImage>::Instance()->getWiFiStatusIconPath(image)));
}

QString Latin1(const std::string& text)
{
    return QString::fromLatin1(text.data(), int(text.size()));
}

} // namespace

CWiFiAPExchangeSet::CWiFiAPExchangeSet()
{
    std::fill(std::begin(m_cells), std::end(m_cells), AP_ITEM_CELL(-1));
    std::fill(std::begin(m_sortTypes), std::end(m_sortTypes), CSortFilterProxyModel::SORT_STRING);
    initMember();
}

CWiFiAPExchangeSet::~CWiFiAPExchangeSet() = default;

void CWiFiAPExchangeSet::initMember()
{
    setItemSequence(ItemCount, DefaultSequence);
    m_proxy.setSourceModel(this);
}

void CWiFiAPExchangeSet::setItemSequence(int count, const AP_ITEM_CELL* cells)
{
    m_itemCount = cells && count > 0 ? std::min(count, int(ItemCount)) : 0;
    std::copy(cells, cells + m_itemCount, m_cells);
    // Each column's header names what the column shows.
    for (int column = 0; column < m_itemCount; ++column) {
        m_headers[column].clear();
        if (Defined(m_cells[column]))
            m_headers[column] = QCoreApplication::translate("QObject", CellKinds[m_cells[column]].header);
        else
            LogUndefined("SetHeaderString");
    }
    for (int column = 0; column < m_itemCount; ++column) {
        m_sortTypes[column] = CSortFilterProxyModel::SORT_STRING;
        if (Defined(m_cells[column]))
            m_sortTypes[column] = CellKinds[m_cells[column]].sortType;
        else
            LogUndefined("SetSortType");
    }
    setColumnCount(m_itemCount);
    for (int column = 0; column < m_itemCount; ++column)
        setHeaderData(column, Qt::Horizontal, m_headers[column], Qt::EditRole);
    m_proxy.setColumnSortType(m_sortTypes, m_itemCount);
}

int CWiFiAPExchangeSet::getCellSeqIndex(AP_ITEM_CELL cell) const
{
    const auto found = std::find(m_cells, m_cells + m_itemCount, cell);
    if (found != m_cells + m_itemCount)
        return int(found - m_cells);
    LogUndefined("GetCellSeqIndex");
    return -1;
}

void CWiFiAPExchangeSet::updateExchangeSet(const CWiFiConfig& wifi)
{
    const WiFiScope::SCmdProcData state = wifi.snapshot();
    deleteAll();
    for (const SClientAPInfoStruct& group : state.apList) {
        if (HasMembers(group, "updateExchangeSet"))
            buildModelItem(group);
    }
}

void CWiFiAPExchangeSet::buildModelItem(const SClientAPInfoStruct& group)
{
    QStringList texts;
    QList<QIcon> icons;
    buildItemString(&texts, group);
    buildItemIcon(&icons, group);
    // Ids repeat (-1 for every group that is not linked): rows are never looked up by id.
    addItem(unsigned(group.connectedIndex), texts, icons);
}

void CWiFiAPExchangeSet::updateModelItem(QList<QStandardItem*>* row, const SClientAPInfoStruct& group)
{
    if (!HasMembers(group, "updateModelItem"))
        return;
    QStringList texts;
    QList<QIcon> icons;
    buildItemString(&texts, group);
    buildItemIcon(&icons, group);
    updateItem(row, texts, icons);
}

void CWiFiAPExchangeSet::buildItemString(QStringList* texts, const SClientAPInfoStruct& group) const
{
    const SClientAPData& strongest = group.members.front();
    for (int column = 0; column < m_itemCount; ++column) {
        switch (m_cells[column]) {
        case AP_ITEM_RSSI:
            *texts << QString::number(strongest.rssi);
            break;
        case AP_ITEM_SECURITY:
            *texts << Latin1(strongest.security);
            break;
        case AP_ITEM_SSID:
            *texts << Latin1(strongest.ssid);
            break;
        case AP_ITEM_CONNECTION:
            *texts << QString();
            break;
        case AP_ITEM_CONNECT_STATUS:
            *texts << QString::number(group.connectedIndex);
            break;
        default:
            LogUndefined("buildItemString");
            // An empty text keeps the later texts in their columns.
            *texts << QString();
            break;
        }
    }
}

void CWiFiAPExchangeSet::buildItemIcon(QList<QIcon>* icons, const SClientAPInfoStruct& group) const
{
    const SClientAPData& strongest = group.members.front();
    for (int column = 0; column < m_itemCount; ++column) {
        int image = IMG_NONE;
        switch (m_cells[column]) {
        case AP_ITEM_RSSI:
            image = BarsImage(strongest.rssi);
            break;
        case AP_ITEM_SECURITY:
            image = strongest.security == "NONE" ? IMG_EMPTY : IMG_SECURITY;
            break;
        case AP_ITEM_SSID:
        case AP_ITEM_CONNECTION:
            break;
        case AP_ITEM_CONNECT_STATUS:
            image = group.connectedIndex >= 0 ? IMG_CONNECTED : IMG_EMPTY;
            break;
        default:
            LogUndefined("buildItemIcon");
            break;
        }
        *icons << StatusIcon(image);
    }
}
