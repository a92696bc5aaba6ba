#include "model/items/CTrackItem.h"

namespace NaviScope {

void CTrackItem::initFeatures(SNaviItemFeature*) {}

void CTrackItem::initNodeFeatures(SNaviNodeFeature* feature)
{
    if (!feature)
        return;
    feature->data->sog = 102.3f;
    feature->data->cog = 360.0f;
    feature->data->heading = 511.0f;
}

} // namespace NaviScope
