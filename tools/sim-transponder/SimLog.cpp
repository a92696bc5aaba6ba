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

void write(const char* kind, const QByteArray& text)
{
    std::fprintf(stderr, "%lld %s %s\n", static_cast<long long>(elapsedMs()), kind, text.constData());
}

} // namespace

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
