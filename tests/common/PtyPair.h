#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>

namespace TestEnv {

// A pair of connected pseudo-terminals made by socat: the code under test opens devicePath()
// like a serial port, the test reads and writes the other end. Stopping socat makes the
// device "go away" under the open port.
class PtyPair
{
public:
    PtyPair() = default;
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    // Starts socat with the two ends linked as dir/<name>A and dir/<name>B and opens the test's
    // end. False when socat is missing or does not come up.
    bool start(const QString& dir, const QString& name = QStringLiteral("pty"));
    void stop();
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }

    QString devicePath() const { return m_devicePath; }
    QString peerPath() const { return m_peerPath; }

    // Writes on the test's end, all of it in one write.
    bool write(const QByteArray& bytes);
    // Reads from the test's end until at least minBytes have come or timeoutMs passed,
    // serving the calling thread's events meanwhile.
    QByteArray read(int minBytes, int timeoutMs = 5000);

private:
    QProcess m_process;
    QString m_devicePath;
    QString m_peerPath;
    int m_peerFd = -1;
};

} // namespace TestEnv
