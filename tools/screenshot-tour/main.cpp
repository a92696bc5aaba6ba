// Usage: ais_screenshot_tour <port path> <output folder>
// Starts the window as the program does, on the display Qt is given, and tours it against the
// device on the port (the simulated transponder); the port must be listed, e.g. through
// AIS_EXTRA_PORTS. The exit status is 0 when the device was read and every shot saved.
#include "ScreenshotTour.h"

#include "mainwindow/AisConfiguration.h"
#include "mainwindow/AisConfigurationStart.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int DetectTimeoutMs = 60000;
// Long enough for GPS, targets and their ranges to fill the pages.
constexpr int TrafficMs = 8000;
constexpr int ScanTimeoutMs = 60000;

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: ais_screenshot_tour <port path> <output folder>\n");
        return 2;
    }
    const QDir folder(arguments[2]);
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(folder.path()));
        return 1;
    }
    if (!PrepareProgramEnvironment())
        return 0;

    AisConfiguration window;
    window.setWindowFlags(Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    window.move(0, 0);
    window.show();

    CScreenshotTour tour(window, arguments[1], folder);
    const bool read = tour.connectDevice(DetectTimeoutMs);
    tour.settle(TrafficMs);
    tour.shootPages();
    tour.shootAbout();
    tour.shootWiFiScan(ScanTimeoutMs);
    return read && tour.savedCount() >= AisConfiguration::PageCount + 1 ? EXIT_SUCCESS : EXIT_FAILURE;
}
