#include "TestEnv.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <clocale>
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
    if (!QFileInfo(dir).isDir())
        qFatal("reference data folder %s is missing", qPrintable(dir));
    return QDir(dir).absolutePath();
}

void requireFile(const QString& path)
{
    if (!QFileInfo(path).isReadable())
        qFatal("reference file %s is missing or unreadable", qPrintable(path));
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

ScopedDecimalComma::ScopedDecimalComma()
{
    const QString path = m_dir.path() + "/de_DE.UTF-8";
    QProcess::execute("localedef", {"-i", "de_DE", "-f", "UTF-8", path});
    if (!QFileInfo::exists(path + "/LC_NUMERIC"))
        return;
    qputenv("LOCPATH", m_dir.path().toLocal8Bit());
    m_active = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
}

ScopedDecimalComma::~ScopedDecimalComma()
{
    std::setlocale(LC_NUMERIC, "C");
    qunsetenv("LOCPATH");
}

} // namespace TestEnv
