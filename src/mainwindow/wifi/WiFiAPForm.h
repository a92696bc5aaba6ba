#pragma once

#include "device/WiFiTypes.h"
#include "mainwindow/wifi/WiFiFormChecks.h"

namespace WiFiForm {

// The access point settings that the form asks for, as the setup job sends them. Each text is
// cut to its field: one that fills its field has no NUL, and its neighbours stay intact.
void fillWiFiAPData(const SWiFiFormInput& form, WiFiScope::SAPData* out);

} // namespace WiFiForm
