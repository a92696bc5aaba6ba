#include "mainwindow/files/CSaveDialogAsker.h"

#include <QFileDialog>

QString CSaveDialogAsker::saveFileName(QWidget* parent, const QString& title, const QString& folder,
                                       const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, title, folder, filter);
}
