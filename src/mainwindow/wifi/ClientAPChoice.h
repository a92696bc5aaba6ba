#pragma once

#include "device/WiFiTypes.h"

#include <QModelIndex>
#include <vector>

class CWiFiAPExchangeSet;

namespace WiFiForm {

// Refills the access point to join from a clicked row of the access point table (index may
// come from the table's proxy): SSID and security from their columns, an empty password, and
// the position of the last scanned group with that SSID (-1 when none). False, with the
// record cleared, when the row holds neither cell.
[[nodiscard]] bool getClientAPListData(const QModelIndex& index, const CWiFiAPExchangeSet& table,
                                       const std::vector<WiFiScope::SClientAPInfoStruct>& apList,
                                       WiFiScope::SJoinRequest* out);

} // namespace WiFiForm
