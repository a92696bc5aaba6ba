#pragma once

#include <QByteArray>
#include <QByteArrayList>

namespace Sim {

// Cuts received bytes into lines at each LF, whether a CR comes before it or not. The lines keep
// their line ends, so the log shows how each one ended.
class CLineCutter
{
public:
    // No line the program sends comes near it; a longer one is dropped with a note.
    static constexpr int MaxLineLength = 1024;

    QByteArrayList append(const QByteArray& bytes);
    void clear();

private:
    QByteArray m_partial;
    bool m_overlong = false;
};

// The line without its CR LF or LF.
QByteArray WithoutLineEnd(const QByteArray& line);

} // namespace Sim
