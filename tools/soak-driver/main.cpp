// Usage: ais_soak_driver <port path> <seconds>
// Starts the window as the program does and keeps it connected to the device on the port for
// the given time (see CSoakDriver); the port must be listed, e.g. through AIS_EXTRA_PORTS. At
// the end it prints the counts and ends as the program does, its window closed.
#include "CSoakDriver.h"

#include "mainwindow/AisConfiguration.h"
#include "mainwindow/AisConfigurationStart.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    bool ok = false;
    const int seconds = arguments.size() == 3 ? arguments[2].toInt(&ok) : 0;
    if (!ok || seconds <= 0) {
        std::fprintf(stderr, "usage: ais_soak_driver <port path> <seconds>\n");
        return 2;
    }
    if (!PrepareProgramEnvironment())
        return 0;

    AisConfiguration window;
    window.setWindowFlags(Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    window.show();
    CSoakDriver driver(window, arguments[1]);
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    const int result = QApplication::exec();
    const CSoakDriver::SCounts& counts = driver.counts();
    std::printf("losses %d reported %d connects %d identified %d\n", counts.losses, counts.reportedLosses,
                counts.reconnects, counts.identified);
    return result;
}
