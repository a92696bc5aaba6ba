#pragma once

#include "resources/ResourceColor.h"

// The process-wide colour table, reached through Pattern::Singleton<LibraryColor>.
class LibraryColor : public ResourceColor
{
};
