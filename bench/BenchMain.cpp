// The benchmarks' start: an offscreen application set up as the program's start sets it up,
// in a working folder of its own (the window reads and writes its files there).
#include "mainwindow/AisConfigurationStart.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

int main(int argc, char* argv[])
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir workDir;
    if (!workDir.isValid() || !QDir::setCurrent(workDir.path())) {
        std::fprintf(stderr, "no working folder for the benchmarks\n");
        return 1;
    }
    QApplication app(argc, argv);
    if (!PrepareProgramEnvironment())
        return 0;

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
