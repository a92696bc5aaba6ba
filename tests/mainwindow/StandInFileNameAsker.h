#pragma once

#include "mainwindow/files/CFileNameAsker.h"

#include <QStringList>

// Gives the name a test chose, empty as a cancel, and keeps the titles it was asked under: no
// dialog runs its own loop.
class CStandInFileNameAsker : public CFileNameAsker
{
public:
    QString saveFileName(QWidget*, const QString& title, const QString&, const QString&) override
    {
        titles.append(title);
        return fileName;
    }

    QString fileName;
    QStringList titles;
};
