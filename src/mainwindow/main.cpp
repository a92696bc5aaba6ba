#include "mainwindow/AisConfigurationStart.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Qt aborts when it cannot open its window system, so before the application is made: is there
// a display (DISPLAY or WAYLAND_DISPLAY), or did the user name a platform for Qt to open
// (QT_QPA_PLATFORM or -platform)?
bool MayHaveDisplay(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char* argv[])
{
    if (!MayHaveDisplay(argc, argv)) {
        std::fprintf(stderr, "AisConfiguration: no display to show the window on (DISPLAY and WAYLAND_DISPLAY "
                             "are not set); start it in a desktop session.\n");
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    if (!PrepareProgramEnvironment()) {
        QCoreApplication::exit(0);
        return 0;
    }
    return RunMainWindow();
}
