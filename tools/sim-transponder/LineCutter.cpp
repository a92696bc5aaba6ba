#include "LineCutter.h"

#include "SimLog.h"

namespace Sim {

QByteArrayList CLineCutter::append(const QByteArray& bytes)
{
    QByteArrayList lines;
    int from = 0;
    while (from < bytes.size()) {
        const int end = bytes.indexOf('\n', from);
        const int stop = end < 0 ? bytes.size() : end + 1;
        if (!m_overlong)
            m_partial += bytes.mid(from, stop - from);
        if (m_partial.size() > MaxLineLength) {
            if (!m_overlong)
                Log::note(QStringLiteral("a line longer than %1 bytes: dropped").arg(MaxLineLength));
            m_overlong = true;
            m_partial.clear();
        }
        if (end >= 0) {
            if (!m_overlong)
                lines += m_partial;
            m_partial.clear();
            m_overlong = false;
        }
        from = stop;
    }
    return lines;
}

void CLineCutter::clear()
{
    m_partial.clear();
    m_overlong = false;
}

QByteArray WithoutLineEnd(const QByteArray& line)
{
    QByteArray text = line;
    if (text.endsWith('\n'))
        text.chop(1);
    if (text.endsWith('\r'))
        text.chop(1);
    return text;
}

} // namespace Sim
