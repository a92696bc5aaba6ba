#include "SimTransponder.h"

#include "DeviceProgramming.h"
#include "DeviceReplies.h"
#include "FactorySettings.h"
#include "Sentence.h"
#include "SimLog.h"

namespace Sim {

namespace {

const QByteArray SwitchOn = "$PDBG,163,1,,,,,,";
const QByteArray SwitchOff = "$PDBG,163,0,,,,,,";

} // namespace

CSimTransponder::CSimTransponder(const CFactorySettings& settings, const SSimOptions& options)
    : m_settings(settings)
    , m_options(options)
    , m_output(m_port, m_options.knobs, options.seed)
    , m_passThrough(options.passThrough)
{
    connect(&m_port, &CSimPort::signalReceived, this, &CSimTransponder::onReceived);
    connect(&m_port, &CSimPort::signalClosed, this, [] { Log::note(QStringLiteral("the link is gone")); });
    connect(&m_tick, &QTimer::timeout, this, &CSimTransponder::onTick);
}

bool CSimTransponder::start(QString* error)
{
    if (!loadModel(m_options.model, error))
        return false;
    if (!m_module.load(m_settings) || !m_traffic.load(m_settings)) {
        *error = QStringLiteral("the factory settings lack the Wi-Fi module or the traffic, or garble them");
        return false;
    }
    if (!m_options.accessPoints.isEmpty() && !m_module.loadAccessPoints(m_options.accessPoints, error))
        return false;
    for (const auto& value : m_options.wifiValues) {
        if (!m_module.overrideValue(value.first, value.second)) {
            *error = QStringLiteral("the Wi-Fi module has no value for ") + QString::fromLatin1(value.first);
            return false;
        }
    }
    const bool opened = m_options.port.isEmpty() ? m_port.openPseudoTerminal(error)
                                                 : m_port.openPath(m_options.port, error);
    if (!opened)
        return false;
    m_startUtc = QDateTime::currentDateTimeUtc();
    m_tick.start(1000 / m_options.knobs.rateFactor);
    Log::note(QStringLiteral("model %1 on %2").arg(m_state.model).arg(m_port.path()));
    return true;
}

QByteArray CSimTransponder::counts() const
{
    return "sent " + QByteArray::number(static_cast<qulonglong>(m_output.sentLines())) + " dropped "
           + QByteArray::number(static_cast<qulonglong>(m_output.droppedLines()));
}

bool CSimTransponder::loadModel(int model, QString* error)
{
    SDeviceState state;
    if (!LoadDeviceState(m_settings, model, &state, error))
        return false;
    if (m_options.mmsi >= 0)
        state.mmsi = static_cast<uint32_t>(m_options.mmsi);
    m_state = state;
    return true;
}

void CSimTransponder::onModel(int model)
{
    QString error;
    if (loadModel(model, &error))
        Log::note(QStringLiteral("now model %1, in its factory state").arg(model));
    else
        Log::note(error);
}

void CSimTransponder::onPassThrough(bool on)
{
    m_passThrough = on;
}

void CSimTransponder::onUnplug()
{
    m_output.clear();
    m_port.close();
    Log::note(QStringLiteral("unplugged"));
}

void CSimTransponder::onLongRun(qint64 bytes)
{
    Log::note(QStringLiteral("long run of %1 bytes").arg(bytes));
    m_output.sendRun(bytes);
}

void CSimTransponder::onReceived(const QByteArray& bytes)
{
    if (!m_programHeard && m_options.knobs.longRun > 0)
        onLongRun(m_options.knobs.longRun);
    m_programHeard = true;
    for (const QByteArray& received : m_cutter.append(bytes)) {
        const Log::Batch withAnswers;
        Log::in(received);
        const QByteArray line = WithoutLineEnd(received);
        if (line.isEmpty())
            continue;
        if (m_passThrough)
            onModuleLine(line);
        else
            onSentence(line);
    }
}

void CSimTransponder::onSentence(const QByteArray& line)
{
    QByteArray sentence;
    switch (Sentence::check(line, &sentence)) {
    case Sentence::CHECK_RESULT::NO_CHECKSUM:
        Log::note(QStringLiteral("no sentence with a checksum: not answered"));
        return;
    case Sentence::CHECK_RESULT::WRONG_CHECKSUM:
        Log::note(QStringLiteral("wrong checksum: not answered"));
        return;
    case Sentence::CHECK_RESULT::VALID:
        break;
    }
    if (onSwitch(sentence))
        return;
    const QByteArrayList answer = AnswerQuery(m_state, sentence, m_options.knobs);
    for (const QByteArray& text : answer)
        send(text);
    if (!answer.isEmpty())
        return;
    if (m_options.knobs.ignoreSettings) {
        Log::note(QStringLiteral("settings ignored"));
        return;
    }
    if (!ApplyProgramming(m_state, sentence))
        Log::note(QStringLiteral("not a sentence this device knows: not answered"));
}

void CSimTransponder::onModuleLine(const QByteArray& line)
{
    QByteArray sentence;
    if (Sentence::check(line, &sentence) == Sentence::CHECK_RESULT::VALID && onSwitch(sentence))
        return;
    QByteArrayList answer = m_module.answer(line);
    // The echo comes first; an unfinished reply stops there.
    if (m_options.knobs.wifiUnfinished)
        answer = answer.mid(0, 1);
    for (const QByteArray& text : answer)
        sendModuleLine(text);
}

bool CSimTransponder::onSwitch(const QByteArray& sentence)
{
    if (sentence != SwitchOn && sentence != SwitchOff)
        return false;
    if (!m_state.hasWiFiModule() || m_options.knobs.ignoreSwitch) {
        Log::note(QStringLiteral("Wi-Fi switch ignored"));
        return true;
    }
    if (sentence == SwitchOn) {
        m_passThrough = true;
        send("+ok");
    } else if (m_passThrough) {
        send(">AT+EXIT");
        send("+ok");
        m_passThrough = false;
    }
    return true;
}

void CSimTransponder::onTick()
{
    m_tick.setInterval(1000 / m_options.knobs.rateFactor);
    const int64_t second = m_second++;
    if (m_passThrough || m_options.knobs.silence || !m_port.isOpen())
        return;
    // A faster pace is for floods: their lines are counted, not logged.
    const bool logged = m_options.knobs.rateFactor == 1;
    SStaticReport own;
    own.mmsi = m_state.mmsi;
    own.name = m_state.name;
    own.shipType = m_state.shipType;
    own.callSign = m_state.callSign;
    own.toBow = m_state.a;
    own.toStern = m_state.b;
    own.toPort = m_state.c;
    own.toStarboard = m_state.d;
    for (const QByteArray& text : m_traffic.linesAt(second, m_startUtc.addSecs(second), own))
        send(text, logged);
}

void CSimTransponder::send(const QByteArray& text, bool logged)
{
    const QByteArray line = Sentence::finish(text, m_options.knobs.badChecksums);
    if (Sentence::isSentence(text) && line.size() > Sentence::MaxLineLength) {
        Log::note(QStringLiteral("longer than %1 characters, not sent: ").arg(Sentence::MaxLineLength)
                  + QString::fromLatin1(line));
        return;
    }
    transmit(line, logged);
}

void CSimTransponder::sendModuleLine(const QByteArray& text)
{
    transmit(text + "\r\n", true);
}

void CSimTransponder::transmit(const QByteArray& line, bool logged)
{
    if (m_options.knobs.silence) {
        Log::note(QStringLiteral("silent, not sent: ") + QString::fromLatin1(line));
        return;
    }
    if (logged)
        Log::out(line);
    m_output.send(line);
}

} // namespace Sim
