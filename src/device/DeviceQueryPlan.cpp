#include "device/DeviceQueryPlan.h"

#include "device/DeviceSentences.h"
#include "device/DeviceSettings.h"

namespace DeviceQuery {

namespace {

std::string query(int32_t item)
{
    return DeviceSentence::cfgSentence(false, item, CFG_SUB_NONE, 0);
}

} // namespace

int32_t modelSettingsItem(MACHINE_TYPE model)
{
    switch (model) {
    case MACHINE_UNIT_K_42:
        return CFG_ITEM_UNIT_K_42;
    case MACHINE_Q_375:
        return CFG_ITEM_Q_375;
    default:
        return 0;
    }
}

std::vector<std::string> querySet(MACHINE_TYPE model, unsigned short closing, bool automatic)
{
    std::vector<std::string> lines{query(CFG_ITEM_STATUS)};
    if (automatic)
        return lines;
    lines.push_back(query(modelSettingsItem(model)));
    lines.push_back(query(CFG_ITEM_PORTS));
    if (model == MACHINE_Q_375) {
        lines.push_back(DeviceSentence::propertyQuery());
        lines.push_back(query(CFG_ITEM_Q_375_ALR));
    }
    lines.push_back(DeviceSentence::systemDataQuery(closing));
    return lines;
}

} // namespace DeviceQuery
