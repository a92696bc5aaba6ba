#include "WindowRig.h"

#include "mainwindow/AisConfiguration.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>

bool WindowRig::ProcessUntil(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.hasExpired(timeoutMs))
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

bool WindowRig::CFirstPaint::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Paint)
        m_painted = true;
    return false;
}

void WindowRig::Show(AisConfiguration& window, CFirstPaint* watcher)
{
    if (watcher)
        window.installEventFilter(watcher);
    window.setWindowFlags(Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    window.show();
}

bool WindowRig::ShowStill(AisConfiguration& window)
{
    window.refreshTimer()->stop();
    CFirstPaint paint;
    Show(window, &paint);
    const bool painted = ProcessUntil([&paint] { return paint.painted(); });
    window.removeEventFilter(&paint);
    return painted;
}
