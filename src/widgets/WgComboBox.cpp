#include "widgets/WgComboBox.h"

WgComboBox::WgComboBox(QWidget* parent)
    : QComboBox(parent)
{
}

void WgComboBox::showPopup()
{
    emit signalShowPopup();
    QComboBox::showPopup();
}
