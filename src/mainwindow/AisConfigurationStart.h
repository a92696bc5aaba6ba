#pragma once

#include "mainwindow/AisConfiguration.h"

// What the program sets up before its window: resources, settings, log and the style's fonts.
// False when the log was decoded instead, as profile.ini asked: the program then ends.
bool PrepareProgramEnvironment();

// Shows the frameless main window and runs the event loop; its result is the loop's. When the
// window cannot be built, a critical box says why and the result is a failure.
int RunMainWindow(const AisConfiguration::CommSpacesFactory& makeCommSpaces = nullptr);
