#include "SimPort.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace Sim {

namespace {

QString systemError(const char* what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

bool makeRaw(int fd)
{
    termios settings {};
    if (::tcgetattr(fd, &settings) != 0)
        return false;
    ::cfmakeraw(&settings);
    return ::tcsetattr(fd, TCSANOW, &settings) == 0;
}

} // namespace

CSimPort::~CSimPort()
{
    close();
}

bool CSimPort::openPseudoTerminal(QString* error)
{
    int master = -1;
    int peer = -1;
    if (::openpty(&master, &peer, nullptr, nullptr, nullptr) != 0) {
        *error = systemError("openpty");
        return false;
    }
    char name[256] = {};
    if (::ptsname_r(master, name, sizeof name) != 0 || !makeRaw(peer)
        || ::fcntl(master, F_SETFL, O_NONBLOCK) != 0) {
        *error = systemError("pseudo-terminal set-up");
        ::close(master);
        ::close(peer);
        return false;
    }
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    ::fcntl(peer, F_SETFD, FD_CLOEXEC);
    m_heldPeer = peer;
    adopt(master, QString::fromLocal8Bit(name));
    return true;
}

bool CSimPort::openPath(const QString& path, QString* error)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *error = systemError(qPrintable(path));
        return false;
    }
    if (::isatty(fd) && !makeRaw(fd)) {
        *error = systemError("raw mode");
        ::close(fd);
        return false;
    }
    adopt(fd, path);
    return true;
}

void CSimPort::adopt(int fd, const QString& path)
{
    m_fd = fd;
    m_path = path;
    m_readNotifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(m_readNotifier.get(), &QSocketNotifier::activated, this, &CSimPort::onReadable);
    m_writeNotifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Write);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier.get(), &QSocketNotifier::activated, this, [this] {
        m_writeNotifier->setEnabled(false);
        emit signalWritable();
    });
}

void CSimPort::onReadable()
{
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(m_fd, buffer, sizeof buffer);
        if (count > 0) {
            emit signalReceived(QByteArray(buffer, static_cast<int>(count)));
            if (m_fd < 0)
                return;
            continue;
        }
        if (count < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        close();
        emit signalClosed();
        return;
    }
}

qint64 CSimPort::write(const QByteArray& bytes)
{
    if (m_fd < 0)
        return -1;
    const ssize_t count = ::write(m_fd, bytes.constData(), static_cast<size_t>(bytes.size()));
    if (count < 0 && errno != EAGAIN && errno != EINTR)
        return -1;
    const qint64 taken = count < 0 ? 0 : count;
    if (taken < bytes.size())
        m_writeNotifier->setEnabled(true);
    return taken;
}

void CSimPort::discardUnread()
{
    if (m_heldPeer >= 0)
        ::tcflush(m_heldPeer, TCIFLUSH);
    else if (m_fd >= 0)
        ::tcflush(m_fd, TCOFLUSH);
}

void CSimPort::close()
{
    // Only disabled: close() may run inside the read notifier's own signal.
    if (m_readNotifier)
        m_readNotifier->setEnabled(false);
    if (m_writeNotifier)
        m_writeNotifier->setEnabled(false);
    if (m_fd >= 0)
        ::close(m_fd);
    if (m_heldPeer >= 0)
        ::close(m_heldPeer);
    m_fd = -1;
    m_heldPeer = -1;
}

} // namespace Sim
