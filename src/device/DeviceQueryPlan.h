#pragma once

#include "device/DeviceTypes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace DeviceQuery {

// The configuration item that carries the model's own settings: 108, 600, or 0 for a model
// that is not known.
[[nodiscard]] int32_t modelSettingsItem(MACHINE_TYPE model);

// The query set, in the order it is sent: the status item, and unless automatic (the
// Diagnostics page's periodic query asks for the status only) the model's own item, the port
// item, for the Q-375 its equipment properties and its ALR item, and last the system-data text
// with the closing test number.
[[nodiscard]] std::vector<std::string> querySet(MACHINE_TYPE model, unsigned short closing, bool automatic);

} // namespace DeviceQuery
