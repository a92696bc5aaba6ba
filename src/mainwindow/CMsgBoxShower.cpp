#include "mainwindow/CMsgBoxShower.h"

#include "mainwindow/CAisConfigurationView.h"

void CModalMsgBoxShower::showMsgBox(QWidget* parent, MSG_BOX_S kind, const QString& title, const QString& text,
                                    int buttons, int defaultButton)
{
    CAisConfigurationView::showMsgBox(parent, kind, title, text, buttons, defaultButton);
}
