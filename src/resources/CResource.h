#pragma once

#include <cstdint>
#include <string>
#include <utility>

// Resource kinds, numbered like the resource roots.
enum RESOURCE_KIND : uint32_t { RES_WIDGET = 0, RES_SYMBOL = 1, RES_GRAPHIC = 2, RES_IMAGES = 3, RES_SOUNDS = 4 };

enum RESOURCE_THEME : uint32_t { THEME_DEFAULT = 0, THEME_DAY_WHITE = 1, THEME_DAY_BLACK = 2, THEME_DUSK = 3, THEME_NIGHT = 4 };

// One image of a name table. The kind only decides whether a theme folder may be used;
// the root of a path is given by the path operation.
class CResource
{
public:
    CResource() = default;
    CResource(RESOURCE_KIND kind, std::string name)
        : kind(kind)
        , name(std::move(name))
    {
    }

    uint32_t kind = RES_WIDGET;
    std::string name;
    uint32_t theme = THEME_DEFAULT;
    // While set, the day-white theme uses the files without a theme folder.
    uint8_t plainDayWhite = 1;
};
