#include "TestEnv.h"

#include <QDir>
#include <QFileInfo>
#include <ctime>

namespace TestEnv {

void setTimeZone(const QByteArray& tz)
{
    qputenv("TZ", tz);
    tzset();
}

QString refDataDir()
{
    const QString dir = QStringLiteral(AIS_REFDATA_DIR);
    return QFileInfo(dir).isDir() ? QDir(dir).absolutePath() : QString();
}

ScopedWorkDir::ScopedWorkDir()
    : m_previous(QDir::currentPath())
{
    QDir::setCurrent(m_dir.path());
}

ScopedWorkDir::~ScopedWorkDir()
{
    QDir::setCurrent(m_previous);
}

} // namespace TestEnv
