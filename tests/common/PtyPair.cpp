#include "PtyPair.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QtTest>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace TestEnv {

namespace {

constexpr int StartTimeoutMs = 5000;
const QByteArray LoopStarted = "starting data transfer loop";

} // namespace

PtyPair::~PtyPair()
{
    stop();
}

bool PtyPair::start(const QString& dir, const QString& name)
{
    stop();
    m_devicePath = dir + QLatin1Char('/') + name + QLatin1Char('A');
    m_peerPath = dir + QLatin1Char('/') + name + QLatin1Char('B');
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(QStringLiteral("socat"),
                    {QStringLiteral("-d"), QStringLiteral("-d"),
                     QStringLiteral("pty,raw,echo=0,link=") + m_devicePath,
                     QStringLiteral("pty,raw,echo=0,link=") + m_peerPath});
    if (!m_process.waitForStarted(StartTimeoutMs))
        return false;

    QByteArray diagnostics;
    QDeadlineTimer deadline(StartTimeoutMs);
    while (!diagnostics.contains(LoopStarted)) {
        if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning)
            return false;
        m_process.waitForReadyRead(50);
        diagnostics += m_process.readAllStandardError();
    }
    if (!QFileInfo::exists(m_devicePath) || !QFileInfo::exists(m_peerPath))
        return false;
    m_peerFd = ::open(QFile::encodeName(m_peerPath).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    return m_peerFd >= 0;
}

void PtyPair::stop()
{
    if (m_peerFd >= 0) {
        ::close(m_peerFd);
        m_peerFd = -1;
    }
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(StartTimeoutMs)) {
        m_process.kill();
        m_process.waitForFinished(StartTimeoutMs);
    }
}

bool PtyPair::write(const QByteArray& bytes)
{
    if (m_peerFd < 0)
        return false;
    const ssize_t written = ::write(m_peerFd, bytes.constData(), size_t(bytes.size()));
    return written == bytes.size();
}

QByteArray PtyPair::read(int minBytes, int timeoutMs)
{
    QByteArray received;
    if (m_peerFd < 0)
        return received;
    QDeadlineTimer deadline(timeoutMs);
    char buffer[4096];
    while (received.size() < minBytes && !deadline.hasExpired()) {
        const ssize_t count = ::read(m_peerFd, buffer, sizeof buffer);
        if (count > 0) {
            received.append(buffer, int(count));
            continue;
        }
        if (count < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
            break;
        QTest::qWait(5);
    }
    return received;
}

} // namespace TestEnv
