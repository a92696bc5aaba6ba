#pragma once

#include <QByteArray>
#include <QString>

// The simulator's account on stderr, one line each: milliseconds since start, a kind ("in" for a
// received line, "out" for a sent one, "note" for everything else) and the text. Bytes outside
// printable ASCII are escaped (\r, \n, \\, \xHH), so a received line shows how it ended.
namespace Sim::Log {

// Holds what is logged while it lives and writes it in one piece at its end, so that a reader
// of the log sees a received line together with the answers to it (a pipe keeps a write of up
// to 4 KiB whole).
class Batch
{
public:
    Batch();
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;
};

void in(const QByteArray& line);
void out(const QByteArray& line);
// Messages are ASCII; a line inside one is taken as Latin-1, byte for byte.
void note(const QString& text);

} // namespace Sim::Log
