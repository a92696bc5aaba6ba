#pragma once

#include <QByteArray>
#include <QObject>
#include <QQueue>
#include <QRandomGenerator>
#include <QTimer>
#include <cstdint>

namespace Sim {

class CSimPort;
struct SSimKnobs;

// The device's transmitter: finished lines go out in order, whole or, with the split knob, in
// pieces cut at random bytes (between CR and LF too) with a short gap after each. What the link
// does not take waits; when nobody reads and too much waits, it is dropped, as on a serial line.
class CSimOutput : public QObject
{
    Q_OBJECT

public:
    static constexpr int GapMs = 5;
    // Room for the longest answer sent at once: a scan list of long names from a knob.
    static constexpr int MaxWaitingBytes = 64 * 1024;

    CSimOutput(CSimPort& port, const SSimKnobs& knobs, uint32_t seed);

    void send(const QByteArray& line);
    // That many bytes without a line end, after the lines waiting now and ahead of later ones:
    // a device at the wrong baud rate. They run through every byte value but CR and LF.
    void sendRun(qint64 bytes);
    static char runByte(qint64 position);
    void clear();
    uint64_t sentLines() const { return m_sent; }
    uint64_t droppedLines() const { return m_dropped; }

private:
    void pump();
    void queuePieces(const QByteArray& line);
    // False while the link takes no more of the run.
    bool pumpRun();

    CSimPort& m_port;
    const SSimKnobs& m_knobs;
    QRandomGenerator m_random;
    QQueue<QByteArray> m_pieces;
    int m_waitingBytes = 0;
    // The run goes out once this many pieces have; it is made as the link takes it.
    int m_piecesBeforeRun = 0;
    qint64 m_runLeft = 0;
    qint64 m_runSent = 0;
    QTimer m_gap;
    uint64_t m_sent = 0;
    uint64_t m_dropped = 0;
};

} // namespace Sim
