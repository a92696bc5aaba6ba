#pragma once

#include <QDir>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

class AisConfiguration;
class QWidget;

// The window as a user meets it: it picks the simulator's port, connects, waits until the
// device is identified and its configuration read, then opens each page through the main
// menu and saves what the screen shows. Message boxes are answered with their default button,
// or Yes where they have none, and their texts printed. Every step says on stdout what it did
// or why it was skipped.
class CScreenshotTour : public QObject
{
public:
    CScreenshotTour(AisConfiguration& window, const QString& portPath, const QDir& folder);

    // False when the device was never read; the pages are shot all the same.
    bool connectDevice(int timeoutMs);
    // Lets the traffic fill the pages for a while.
    void settle(int milliseconds);
    void shootPages();
    void shootAbout();
    void shootWiFiScan(int timeoutMs);
    int savedCount() const { return m_saved; }

private:
    void openPage(int page);
    bool waitFor(const std::function<bool()>& condition, int timeoutMs);
    void save(QWidget& widget, const QString& name);
    void answerBoxes();

    AisConfiguration& m_window;
    QString m_portPath;
    QDir m_folder;
    QTimer m_boxAnswerer;
    int m_saved = 0;
};
