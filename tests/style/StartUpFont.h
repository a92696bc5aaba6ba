#pragma once

#include "style/QtObjPalette.h"

// The font setting start-up gives the program when profile.ini changes nothing.
inline void useStartUpFont()
{
    QtObjPalette::initialize(QString(), "Tahoma", 14, 1.0);
}

// The font setting's own defaults, as before start-up.
inline void useDefaultFont()
{
    QtObjPalette::initialize(QString(), "Tahoma", 12, 1.0);
}
