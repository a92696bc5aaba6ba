#include "SimLog.h"

#include <QElapsedTimer>
#include <cstdio>

namespace Sim::Log {

namespace {

QByteArray escaped(const QByteArray& bytes)
{
    QByteArray text;
    text.reserve(bytes.size() + 8);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r')
            text += "\\r";
        else if (c == '\n')
            text += "\\n";
        else if (c == '\\')
            text += "\\\\";
        else if (byte < 0x20 || byte > 0x7e)
            text += "\\x" + QByteArray::number(byte, 16).rightJustified(2, '0');
        else
            text += c;
    }
    return text;
}

qint64 elapsedMs()
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.elapsed();
}

int batchDepth = 0;
QByteArray batched;

void write(const char* kind, const QByteArray& text)
{
    const QByteArray line = QByteArray::number(elapsedMs()) + ' ' + kind + ' ' + text + '\n';
    if (batchDepth > 0)
        batched += line;
    else
        std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
}

} // namespace

Batch::Batch()
{
    ++batchDepth;
}

Batch::~Batch()
{
    if (--batchDepth > 0 || batched.isEmpty())
        return;
    std::fwrite(batched.constData(), 1, size_t(batched.size()), stderr);
    batched.clear();
}

void in(const QByteArray& line)
{
    write("in", escaped(line));
}

void out(const QByteArray& line)
{
    write("out", escaped(line));
}

void note(const QString& text)
{
    write("note", escaped(text.toLatin1()));
}

} // namespace Sim::Log
