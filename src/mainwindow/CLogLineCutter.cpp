#include "mainwindow/CLogLineCutter.h"

#include <QStringRef>

namespace {

const QString LineEnd = QStringLiteral("\r\n");
constexpr ushort ControlPictures = 0x2400;
constexpr ushort Delete = 0x7f;
constexpr ushort DeletePicture = 0x2421;

// Moves whole pieces of the limit from the front of the rest to the shown text while more than
// the limit is left, each followed by a line feed of the view's own.
void moveFullPieces(QString* shown, QStringRef* rest)
{
    while (rest->size() > CLogLineCutter::ShownLineLimit) {
        shown->append(rest->left(CLogLineCutter::ShownLineLimit));
        shown->append(QLatin1Char('\n'));
        *rest = rest->mid(CLogLineCutter::ShownLineLimit);
    }
}

} // namespace

void CLogLineCutter::recompose(QString* text)
{
    if (!text)
        return;
    const QString whole = m_carryOver + *text;
    QString cut;
    cut.reserve(whole.size() + whole.size() / ShownLineLimit + 1);
    int from = 0;
    for (int end = whole.indexOf(LineEnd); end >= 0; end = whole.indexOf(LineEnd, from)) {
        QStringRef line = whole.midRef(from, end - from);
        moveFullPieces(&cut, &line);
        cut.append(line);
        cut.append(LineEnd);
        from = end + LineEnd.size();
    }
    QStringRef tail = whole.midRef(from);
    moveFullPieces(&cut, &tail);
    m_carryOver = tail.toString();
    *text = cut;
}

QString CLogLineCutter::shown(QString text)
{
    for (QChar& each : text) {
        const ushort code = each.unicode();
        if (code < 0x20 && code != '\t' && code != '\r' && code != '\n')
            each = QChar(ushort(ControlPictures + code));
        else if (code == Delete)
            each = QChar(DeletePicture);
    }
    return text;
}
