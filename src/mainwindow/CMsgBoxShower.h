#pragma once

#include "mainwindow/MsgBoxKind.h"

#include <QString>

class QWidget;

// Where the window's message boxes go: a modal box in the program, a record of the texts in
// tests, where no box runs its own event loop.
class CMsgBoxShower
{
public:
    virtual ~CMsgBoxShower() = default;
    virtual void showMsgBox(QWidget* parent, MSG_BOX_S kind, const QString& title, const QString& text, int buttons,
                            int defaultButton) = 0;
};

// The box of the kind, modal to the window.
class CModalMsgBoxShower : public CMsgBoxShower
{
public:
    void showMsgBox(QWidget* parent, MSG_BOX_S kind, const QString& title, const QString& text, int buttons,
                    int defaultButton) override;
};
