#include "SimTrafficFreeze.h"

#include <QDeadlineTimer>
#include <QtTest>

namespace SimTrafficFreeze {

namespace {

const QByteArray Out = "out";
const QByteArray SecondStart = "$GPGGA";

// The log writes CR and LF as "\r" and "\n"; traffic holds no other escaped character.
QByteArray unescaped(QByteArray logged)
{
    return logged.replace("\\r", "\r").replace("\\n", "\n");
}

int countOf(TestEnv::SimProcess& sim, const QByteArray& kind, const QByteArray& start)
{
    int count = 0;
    for (const TestEnv::SimProcess::SLogLine& line : sim.log())
        count += line.kind == kind && line.text.startsWith(start) ? 1 : 0;
    return count;
}

// The command given and taken: the simulator notes it before its next second.
bool command(TestEnv::SimProcess& sim, const QByteArray& line)
{
    const QByteArray note = "command: " + line;
    const int before = countOf(sim, "note", note);
    sim.command(line);
    return QTest::qWaitFor([&] { return countOf(sim, "note", note) > before; }, WaitMs);
}

bool awaitSeconds(TestEnv::SimProcess& sim, int count)
{
    const int before = countOf(sim, Out, SecondStart);
    return QTest::qWaitFor([&] { return countOf(sim, Out, SecondStart) >= before + count; }, WaitMs);
}

} // namespace

QList<QByteArray> freeze(TestEnv::SimProcess& sim)
{
    if (!awaitSeconds(sim, 2) || !command(sim, "silence on"))
        return {};
    QList<QByteArray> second;
    for (const TestEnv::SimProcess::SLogLine& line : sim.log()) {
        if (line.kind != Out)
            continue;
        if (line.text.startsWith(SecondStart))
            second.clear();
        second.append(unescaped(line.text));
    }
    return second.value(0).startsWith(SecondStart) ? second : QList<QByteArray>();
}

bool resume(TestEnv::SimProcess& sim)
{
    return command(sim, "silence off");
}

bool fastForward(TestEnv::SimProcess& sim, int realMs)
{
    if (!command(sim, "silence on") || !command(sim, "rate-factor 1000"))
        return false;
    QTest::qWait(realMs);
    return command(sim, "rate-factor 1");
}

QByteArray lineOf(const QList<QByteArray>& second, const QByteArray& address)
{
    for (const QByteArray& line : second) {
        if (line.startsWith(address + ','))
            return line;
    }
    return {};
}

QByteArrayList fields(const QByteArray& line)
{
    const int end = line.indexOf('*');
    return line.mid(1, end < 0 ? -1 : end - 1).split(',');
}

QDateTime utcOf(const QByteArray& rmc)
{
    const QByteArrayList parts = fields(rmc);
    const QDate date = QDate::fromString(QString::fromLatin1(parts.value(9)), QStringLiteral("ddMMyy")).addYears(100);
    const QTime time = QTime::fromString(QString::fromLatin1(parts.value(1).left(6)), QStringLiteral("hhmmss"));
    return QDateTime(date, time, Qt::UTC);
}

int64_t clockOf(TestEnv::SimProcess& sim, const QList<QByteArray>& second)
{
    for (const TestEnv::SimProcess::SLogLine& line : sim.log()) {
        if (line.kind == Out && line.text.startsWith("$GPRMC,"))
            return utcOf(line.text).secsTo(utcOf(lineOf(second, "$GPRMC")));
    }
    return -1;
}

} // namespace SimTrafficFreeze
