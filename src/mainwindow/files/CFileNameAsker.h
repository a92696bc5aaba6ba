#pragma once

#include <QString>

class QWidget;

// Where the window gets the name of a file to write: the user's choice in the save dialog in
// the program, a given name in tests, where no dialog's own event loop runs.
class CFileNameAsker
{
public:
    virtual ~CFileNameAsker() = default;
    // Empty when the user cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& folder,
                                 const QString& filter) = 0;
};
