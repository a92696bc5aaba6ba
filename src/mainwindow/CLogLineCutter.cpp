#include "mainwindow/CLogLineCutter.h"

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
