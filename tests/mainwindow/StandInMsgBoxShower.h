#pragma once

#include "mainwindow/CMsgBoxShower.h"

#include <QList>
#include <QStringList>

// Keeps the kind, title and text of every box the window would show; no box runs its own loop.
class CStandInMsgBoxShower : public CMsgBoxShower
{
public:
    void showMsgBox(QWidget*, MSG_BOX_S kind, const QString& title, const QString& text, int, int) override
    {
        kinds.append(kind);
        titles.append(title);
        texts.append(text);
    }

    QList<MSG_BOX_S> kinds;
    QStringList titles;
    QStringList texts;
};
