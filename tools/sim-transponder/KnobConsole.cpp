#include "KnobConsole.h"

#include "Knobs.h"
#include "SimLog.h"

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace Sim {

namespace {

struct SSwitch
{
    const char* name;
    bool SSimKnobs::*knob;
};

constexpr SSwitch Switches[] = {
    {"split", &SSimKnobs::split},
    {"bad-checksums", &SSimKnobs::badChecksums},
    {"silence", &SSimKnobs::silence},
    {"ignore-switch", &SSimKnobs::ignoreSwitch},
    {"no-dump-end", &SSimKnobs::noDumpEnd},
    {"wifi-unfinished", &SSimKnobs::wifiUnfinished},
    {"cut-version", &SSimKnobs::cutVersion},
    {"ignore-settings", &SSimKnobs::ignoreSettings},
};

// "on" or "off"; -1 for anything else.
int onOff(const QByteArray& word)
{
    return word == "on" ? 1 : word == "off" ? 0 : -1;
}

} // namespace

CKnobConsole::CKnobConsole(SSimKnobs& knobs)
    : m_knobs(knobs)
{
}

void CKnobConsole::start()
{
    // A background job that reads its terminal would be stopped; ignored, the read fails and
    // the console ends instead.
    std::signal(SIGTTIN, SIG_IGN);
    m_notifier = std::make_unique<QSocketNotifier>(STDIN_FILENO, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &CKnobConsole::onReadable);
}

void CKnobConsole::onReadable()
{
    char buffer[1024];
    const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (count < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (count <= 0) {
        m_notifier->setEnabled(false);
        Log::note(QStringLiteral("stdin ended: no more commands"));
        return;
    }
    for (const QByteArray& line : m_cutter.append(QByteArray(buffer, static_cast<int>(count))))
        onCommand(WithoutLineEnd(line).simplified());
}

void CKnobConsole::onCommand(const QByteArray& line)
{
    if (line.isEmpty())
        return;
    Log::note(QStringLiteral("command: ") + QString::fromLatin1(line));
    if (!execute(line.split(' ')))
        Log::note(QStringLiteral("unknown command: ") + QString::fromLatin1(line));
}

bool CKnobConsole::execute(const QByteArrayList& words)
{
    const QByteArray& name = words[0];
    if (words.size() == 1) {
        if (name == "unplug")
            emit signalUnplug();
        else if (name == "count")
            emit signalCount();
        else if (name == "quit")
            emit signalQuit();
        else
            return false;
        return true;
    }
    if (words.size() != 2)
        return false;
    const QByteArray& argument = words[1];
    bool isNumber = false;
    const int number = argument.toInt(&isNumber);
    const int state = onOff(argument);
    if (name == "passthrough" && state >= 0)
        emit signalPassThrough(state == 1);
    else if (name == "model" && isNumber && number >= 0 && number <= 2)
        emit signalModel(number);
    else if (name == "rate-factor" && isNumber && number >= 1 && number <= MaxRateFactor)
        m_knobs.rateFactor = number;
    else if (name == "long-run" && argument.toLongLong() > 0 && argument.toLongLong() <= MaxLongRun)
        emit signalLongRun(argument.toLongLong());
    else
        return state >= 0 && setSwitch(name, state == 1);
    return true;
}

bool CKnobConsole::setSwitch(const QByteArray& name, bool on)
{
    for (const SSwitch& each : Switches) {
        if (name == each.name) {
            m_knobs.*each.knob = on;
            return true;
        }
    }
    return false;
}

} // namespace Sim
