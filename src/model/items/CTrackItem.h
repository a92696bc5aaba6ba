#pragma once

#include "model/items/CNaviItem.h"

namespace NaviScope {

// The track of a target: its nodes start with SOG, COG and heading not available.
class CTrackItem : public CNaviItem
{
public:
    void initFeatures(SNaviItemFeature* feature) override;
    void initNodeFeatures(SNaviNodeFeature* feature) override;
};

} // namespace NaviScope
