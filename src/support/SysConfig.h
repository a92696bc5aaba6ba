#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <string>

// Locates the program's folders and settings files.
class SysConfig
{
public:
    void initialize(std::string name);

    QString GetSysDocPath();
    QString GetUserDocPath();
    void SetSystemDocPath(QString path);
    bool CheckAndMakeDir(QString dir);

    QString GetAppPath();
    QString GetProfileIniUrl();
    QString GetConfigIniUrl();
    QString GetUserDataPath(std::string name);

    QRect GetMainFormSize();
    QSize GetScreenResolution();

    QString documentPath() const { return m_docPath; }

private:
    QString m_appFolderName;
    QString m_docPath;
};
