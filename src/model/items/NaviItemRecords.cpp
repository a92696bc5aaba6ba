#include "model/items/NaviItemRecords.h"

#include "support/PortalStr.h"

namespace NaviScope {

void SNaviNodeData::setName(const char* text)
{
    Portal::Str::SafeStrCpy(block + NameOffset, text, NameRoom);
}

} // namespace NaviScope
