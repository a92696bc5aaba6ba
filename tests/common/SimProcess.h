#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace TestEnv {

// The simulated transponder as a child process. The path of its pseudo-terminal is the first
// line it prints; commands go to its stdin; its stderr log holds, with millisecond stamps, the
// lines it received ("in") and sent ("out") and its notes ("note"), escaped as \r, \n, \\ and
// \xHH, so a received line shows how it ended.
class SimProcess
{
public:
    struct SLogLine
    {
        qint64 ms = 0;
        QByteArray kind;
        QByteArray text;
    };

    SimProcess() = default;
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // Starts it with the arguments and waits for its path; false when it does not come up.
    bool start(const QStringList& arguments = {});
    // Ends it with SIGTERM; true when it ended with exit code 0 (or was not started).
    bool stop();
    QString devicePath() const { return m_devicePath; }

    // One stdin command, such as "split on" or "model 2".
    void command(const QByteArray& line);
    // Its next line on stdout (the answer to "count"); empty when none comes in time.
    QByteArray stdoutLine(int timeoutMs = 5000);
    // Its log so far.
    QList<SLogLine> log();
    // The bytes of its log's lines of the kind ("in" or "out"), unescaped and in order.
    QByteArray loggedBytes(const QByteArray& kind);
    // Waits until its log holds a line of the kind whose text contains the part.
    bool waitForLog(const QByteArray& kind, const QByteArray& part, int timeoutMs = 5000);

    // The factory settings that the simulator compiles in.
    static QString factorySettingsPath();
    // The model's replies, in its factory state, to the program's probe and then to its query
    // set: one line each, without the CR LF that ends it on the link. Tests of the simulator
    // check them against its real replies; tests of the program read them as the device's.
    static QString repliesPath(int model);

private:
    QProcess m_process;
    bool m_started = false;
    QString m_devicePath;
    QByteArray m_stderr;
    QList<SLogLine> m_log;
};

} // namespace TestEnv
