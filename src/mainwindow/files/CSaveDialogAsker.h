#pragma once

#include "mainwindow/files/CFileNameAsker.h"

// The save dialog, modal to the window.
class CSaveDialogAsker : public CFileNameAsker
{
public:
    QString saveFileName(QWidget* parent, const QString& title, const QString& folder, const QString& filter) override;
};
