#pragma once

#include <QComboBox>

// A combo box that announces its popup before opening it, so that a directly connected slot can
// refill the items first.
class WgComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit WgComboBox(QWidget* parent);

    void showPopup() override;

signals:
    void signalShowPopup();
};
