#include "support/SysConfig.h"

#include "support/Constants.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

void SysConfig::initialize(std::string name)
{
    m_appFolderName = QString::fromStdString(name);
    SetSystemDocPath(GetUserDocPath());
}

QString SysConfig::GetSysDocPath()
{
    const QString dir = QStandardPaths::locate(QStandardPaths::DocumentsLocation, QString(),
                                               QStandardPaths::LocateDirectory);
    if (dir.isEmpty())
        return QString();
    return dir.endsWith('/') ? dir : dir + '/';
}

QString SysConfig::GetUserDocPath()
{
    const QString sysDoc = GetSysDocPath();
    if (sysDoc.isEmpty())
        return QString(); // never make the folder relative to the working directory
    const QString userDoc = sysDoc + m_appFolderName;
    return CheckAndMakeDir(userDoc) ? userDoc : sysDoc;
}

void SysConfig::SetSystemDocPath(QString path)
{
    if (!path.isEmpty() && CheckAndMakeDir(path))
        m_docPath = path;
}

bool SysConfig::CheckAndMakeDir(QString dir)
{
    if (dir.isEmpty())
        return false;
    QDir d(dir);
    return d.exists() || d.mkpath(QStringLiteral("."));
}

QString SysConfig::GetAppPath()
{
    return QCoreApplication::applicationDirPath() + '/';
}

QString SysConfig::GetProfileIniUrl()
{
    return GetAppPath() + QString::fromStdString(Constants::ProfileIniFile);
}

QString SysConfig::GetConfigIniUrl()
{
    return GetUserDocPath() + QString::fromStdString(Constants::ConfigIniFile);
}

QString SysConfig::GetUserDataPath(std::string name)
{
    const QString userDoc = GetUserDocPath();
    if (userDoc.isEmpty())
        return QString();
    const QString path = userDoc + QString::fromStdString(name);
    return CheckAndMakeDir(path) ? path : QString();
}

QRect SysConfig::GetMainFormSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QSize SysConfig::GetScreenResolution()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}
