#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace TestEnv {

// Sets the process's time zone (TZ) and makes the C library read it again.
void setTimeZone(const QByteArray& tz);

// Folder of the independent reference traffic (tests/data). Without it the test program ends
// with a message: a test that cannot read its ground truth fails, it never passes by skipping.
QString refDataDir();
// Ends the test program with a message when the file is missing or cannot be read.
void requireFile(const QString& path);

// Makes a fresh temporary folder the working directory for its lifetime.
class ScopedWorkDir
{
public:
    ScopedWorkDir();
    ~ScopedWorkDir();
    QString path() const { return m_dir.path(); }
    bool isValid() const { return m_dir.isValid(); }

private:
    QString m_previous;
    QTemporaryDir m_dir;
};

// Switches the C library's numbers to a German locale (decimal comma), built for the test with
// localedef, as Qt does when the user's environment names one; back to "C" on exit.
class ScopedDecimalComma
{
public:
    ScopedDecimalComma();
    ~ScopedDecimalComma();
    // False when the locale could not be built or chosen: the caller should skip.
    bool isActive() const { return m_active; }

private:
    QTemporaryDir m_dir;
    bool m_active = false;
};

} // namespace TestEnv
