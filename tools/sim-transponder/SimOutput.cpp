#include "SimOutput.h"

#include "Knobs.h"
#include "SimLog.h"
#include "SimPort.h"

#include <algorithm>

namespace Sim {

namespace {

bool endsLine(const QByteArray& piece)
{
    return piece.endsWith('\n');
}

} // namespace

CSimOutput::CSimOutput(CSimPort& port, const SSimKnobs& knobs, uint32_t seed)
    : m_port(port)
    , m_knobs(knobs)
    , m_random(seed)
{
    m_gap.setSingleShot(true);
    m_gap.setInterval(GapMs);
    connect(&m_gap, &QTimer::timeout, this, &CSimOutput::pump);
    connect(&m_port, &CSimPort::signalWritable, this, &CSimOutput::pump);
}

void CSimOutput::send(const QByteArray& line)
{
    if (m_waitingBytes + line.size() > MaxWaitingBytes) {
        const auto lines = std::count_if(m_pieces.cbegin(), m_pieces.cend(), endsLine);
        Log::note(QStringLiteral("the link takes nothing: %1 waiting lines dropped").arg(lines));
        m_dropped += static_cast<uint64_t>(lines);
        clear();
        m_port.discardUnread();
    }
    if (m_knobs.split)
        queuePieces(line);
    else
        m_pieces.enqueue(line);
    m_waitingBytes += line.size();
    if (!m_gap.isActive())
        pump();
}

void CSimOutput::sendRun(qint64 bytes)
{
    if (m_runLeft > 0) {
        m_runLeft += bytes;
        return;
    }
    m_piecesBeforeRun = m_pieces.size();
    m_runLeft = bytes;
    m_runSent = 0;
    if (!m_gap.isActive())
        pump();
}

char CSimOutput::runByte(qint64 position)
{
    // The 254 values without CR and LF, in order.
    int value = static_cast<int>(position % 254);
    value += value >= '\n' ? 1 : 0;
    value += value >= '\r' ? 1 : 0;
    return static_cast<char>(value);
}

bool CSimOutput::pumpRun()
{
    constexpr qint64 PieceBytes = 4096;
    QByteArray piece(static_cast<int>(std::min(PieceBytes, m_runLeft)), '\0');
    for (int i = 0; i < piece.size(); ++i)
        piece[i] = runByte(m_runSent + i);
    const qint64 taken = m_port.write(piece);
    if (taken < 0) {
        clear();
        return false;
    }
    m_runSent += taken;
    m_runLeft -= taken;
    if (m_runLeft == 0)
        Log::note(QStringLiteral("long run of %1 bytes sent").arg(m_runSent));
    return taken == piece.size();
}

void CSimOutput::clear()
{
    m_pieces.clear();
    m_waitingBytes = 0;
    m_piecesBeforeRun = 0;
    m_runLeft = 0;
    m_gap.stop();
}

void CSimOutput::queuePieces(const QByteArray& line)
{
    QVector<int> cuts;
    const int cutCount = 1 + static_cast<int>(m_random.bounded(3));
    for (int i = 0; i < cutCount; ++i)
        cuts += 1 + static_cast<int>(m_random.bounded(line.size() - 1));
    if (m_random.bounded(3) == 0)
        cuts += line.size() - 1;
    std::sort(cuts.begin(), cuts.end());
    int from = 0;
    for (const int cut : cuts) {
        if (cut > from) {
            m_pieces.enqueue(line.mid(from, cut - from));
            from = cut;
        }
    }
    m_pieces.enqueue(line.mid(from));
}

void CSimOutput::pump()
{
    while (!m_gap.isActive()) {
        if (m_runLeft > 0 && m_piecesBeforeRun == 0) {
            if (!pumpRun())
                return;
            continue;
        }
        if (m_pieces.isEmpty())
            return;
        QByteArray& piece = m_pieces.head();
        const qint64 taken = m_port.write(piece);
        if (taken < 0) {
            clear();
            return;
        }
        m_waitingBytes -= static_cast<int>(taken);
        if (taken < piece.size()) {
            piece.remove(0, static_cast<int>(taken));
            return;
        }
        if (endsLine(piece))
            ++m_sent;
        m_pieces.dequeue();
        m_piecesBeforeRun = std::max(0, m_piecesBeforeRun - 1);
        if (m_knobs.split)
            m_gap.start();
    }
}

} // namespace Sim
