#pragma once

#include <QEventLoop>
#include <QObject>
#include <functional>

class AisConfiguration;

// The application's window as the program's start builds it, offscreen: frameless, shown.
namespace WindowRig {

// Serves events until the condition holds; false when it does not within the time.
bool ProcessUntil(const std::function<bool()>& condition, int timeoutMs = 10000);

// Set by the first paint event of the watched widget.
class CFirstPaint : public QObject
{
public:
    bool painted() const { return m_painted; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_painted = false;
};

// Shows the window as the start does; with a watcher, it is told of the paints.
void Show(AisConfiguration& window, CFirstPaint* watcher = nullptr);

// Shows the window with its refresh timer stopped, so that only the benchmark drives it, and
// serves events until it is painted; false when it is not.
[[nodiscard]] bool ShowStill(AisConfiguration& window);

} // namespace WindowRig
