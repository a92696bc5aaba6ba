#pragma once

#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <memory>

namespace Sim {

// The device's end of the serial link: a pseudo-terminal of its own, or a terminal at a given
// path, both raw (no echo, no CR or LF mapping) and non-blocking.
class CSimPort : public QObject
{
    Q_OBJECT

public:
    ~CSimPort() override;

    // A new pseudo-terminal whose other end, path(), the program opens. The simulator holds that
    // end open as well, so the link is not hung up when the program closes it and opens it again.
    bool openPseudoTerminal(QString* error);
    bool openPath(const QString& path, QString* error);
    QString path() const { return m_path; }
    bool isOpen() const { return m_fd >= 0; }

    // Writes what the link takes now: the count, or -1 when the link is gone. When it took less
    // than all, signalWritable follows once it takes more.
    qint64 write(const QByteArray& bytes);
    // Throws away what was sent and not yet read: a serial line keeps nothing for a reader that
    // is not there.
    void discardUnread();
    // Unplugs the device: the program's end sees the link hang up.
    void close();

signals:
    void signalReceived(const QByteArray& bytes);
    void signalWritable();
    void signalClosed();

private:
    void adopt(int fd, const QString& path);
    void onReadable();

    int m_fd = -1;
    int m_heldPeer = -1;
    QString m_path;
    std::unique_ptr<QSocketNotifier> m_readNotifier;
    std::unique_ptr<QSocketNotifier> m_writeNotifier;
};

} // namespace Sim
