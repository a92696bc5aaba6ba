#pragma once

#include "mainwindow/AisConfiguration.h"

// Shows the frameless main window and runs the event loop; its result is the loop's. When the
// window cannot be built, a critical box says why and the result is a failure.
int RunMainWindow(const AisConfiguration::CommSpacesFactory& makeCommSpaces = nullptr);
