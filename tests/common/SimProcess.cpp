#include "SimProcess.h"

#include <QDeadlineTimer>
#include <QtTest>

namespace TestEnv {

namespace {

constexpr int StartTimeoutMs = 10000;

} // namespace

SimProcess::~SimProcess()
{
    stop();
}

bool SimProcess::start(const QStringList& arguments)
{
    stop();
    m_log.clear();
    m_stderr.clear();
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(QStringLiteral(AIS_SIM_TRANSPONDER), arguments);
    if (!m_process.waitForStarted(StartTimeoutMs))
        return false;
    m_started = true;
    m_devicePath = QString::fromLocal8Bit(stdoutLine(StartTimeoutMs));
    return !m_devicePath.isEmpty();
}

bool SimProcess::stop()
{
    if (!m_started)
        return true;
    m_started = false;
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(StartTimeoutMs)) {
            m_process.kill();
            m_process.waitForFinished(StartTimeoutMs);
            return false;
        }
    }
    log();
    return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
}

void SimProcess::command(const QByteArray& line)
{
    m_process.write(line + '\n');
    m_process.waitForBytesWritten(StartTimeoutMs);
}

QByteArray SimProcess::stdoutLine(int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!m_process.canReadLine() && !deadline.hasExpired() && m_process.state() != QProcess::NotRunning)
        QTest::qWait(5);
    return m_process.canReadLine() ? m_process.readLine().trimmed() : QByteArray();
}

QList<SimProcess::SLogLine> SimProcess::log()
{
    m_stderr += m_process.readAllStandardError();
    int end = 0;
    while ((end = m_stderr.indexOf('\n')) >= 0) {
        const QByteArray line = m_stderr.left(end);
        m_stderr.remove(0, end + 1);
        const int first = line.indexOf(' ');
        const int second = line.indexOf(' ', first + 1);
        if (first > 0 && second > first)
            m_log.append({line.left(first).toLongLong(), line.mid(first + 1, second - first - 1), line.mid(second + 1)});
    }
    return m_log;
}

QByteArray SimProcess::loggedBytes(const QByteArray& kind)
{
    QByteArray bytes;
    for (const SLogLine& line : log()) {
        if (line.kind != kind)
            continue;
        const QByteArray& text = line.text;
        for (int i = 0; i < text.size(); ++i) {
            if (text[i] != '\\' || i + 1 >= text.size()) {
                bytes += text[i];
                continue;
            }
            const char escape = text[++i];
            if (escape == 'r')
                bytes += '\r';
            else if (escape == 'n')
                bytes += '\n';
            else if (escape == 'x' && i + 2 < text.size()) {
                bytes += char(text.mid(i + 1, 2).toInt(nullptr, 16));
                i += 2;
            } else
                bytes += escape;
        }
    }
    return bytes;
}

bool SimProcess::waitForLog(const QByteArray& kind, const QByteArray& part, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        for (const SLogLine& line : log()) {
            if (line.kind == kind && line.text.contains(part))
                return true;
        }
        if (deadline.hasExpired())
            return false;
        QTest::qWait(5);
    }
}

QString SimProcess::factorySettingsPath()
{
    return QStringLiteral(AIS_SIM_DATA_DIR "/factory-settings.txt");
}

QString SimProcess::repliesPath(int model)
{
    switch (model) {
    case 1:
        return QStringLiteral(AIS_SIM_DATA_DIR "/replies-unit-k-42.txt");
    case 2:
        return QStringLiteral(AIS_SIM_DATA_DIR "/replies-q-375.txt");
    default:
        qFatal("no replies of model %d", model);
    }
}

} // namespace TestEnv
