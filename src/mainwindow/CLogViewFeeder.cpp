#include "mainwindow/CLogViewFeeder.h"

#include <algorithm>
#include <utility>

CLogViewFeeder::CLogViewFeeder(Show show, QObject* parent)
    : QObject(parent)
    , m_show(std::move(show))
{
    m_step.setInterval(0);
    connect(&m_step, &QTimer::timeout, this, &CLogViewFeeder::onStep);
}

void CLogViewFeeder::append(const QString& text)
{
    if (text.isEmpty())
        return;
    m_text += text;
    if (!m_step.isActive())
        m_step.start();
}

void CLogViewFeeder::clear()
{
    m_step.stop();
    m_text.clear();
    m_taken = 0;
}

void CLogViewFeeder::onStep()
{
    int count = std::min(StepChars, pending());
    // CR and LF stay together: apart, the view would take them for two line ends.
    if (m_text.at(m_taken + count - 1) == QLatin1Char('\r') && count < pending())
        ++count;
    const QString step = m_text.mid(m_taken, count);
    m_taken += count;
    if (pending() == 0) {
        clear();
    } else if (m_taken > m_text.size() / 2) {
        m_text.remove(0, m_taken);
        m_taken = 0;
    }
    m_show(step);
}
