#include "mainwindow/CLogLineCutter.h"

namespace {

constexpr ushort ControlPictures = 0x2400;
constexpr ushort Delete = 0x7f;
constexpr ushort DeletePicture = 0x2421;

} // namespace

void CLogLineCutter::recompose(QString* text)
{
    if (!text)
        return;
    QString whole = m_carryOver + *text;
    const int lineEnd = whole.lastIndexOf(QStringLiteral("\r\n"));
    const int cut = lineEnd < 0 ? 0 : lineEnd + 2;
    m_carryOver = whole.mid(cut);
    whole.truncate(cut);
    if (m_carryOver.size() > CarryOverLimit) {
        whole += m_carryOver;
        m_carryOver.clear();
    }
    *text = whole;
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
