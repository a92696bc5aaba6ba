#include "widgets/LoSelectorSwitch.h"

#include "widgets/WgSelectorSwitch.h"

LoSelectorSwitch::LoSelectorSwitch(QWidget* parent)
    : QHBoxLayout(parent)
{
    addWidget(new WgSelectorSwitch(parent));
    setContentsMargins(0, 0, 0, 0);
}
