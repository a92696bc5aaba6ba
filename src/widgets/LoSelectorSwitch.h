#pragma once

#include <QHBoxLayout>

// The parent's layout, holding one on/off switch edge to edge.
class LoSelectorSwitch : public QHBoxLayout
{
    Q_OBJECT

public:
    explicit LoSelectorSwitch(QWidget* parent);
};
