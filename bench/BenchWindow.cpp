// The window's own costs, offscreen: its start to the first paint, and one tick of its refresh
// timer with hundreds of targets in the registry while the Other Vessels page shows. Times
// are measured per run and reported as their median (the figures the README holds them to),
// on the wall clock and in the GUI thread's CPU time (steadier on a busy machine).
#include "AisReportComposer.h"
#include "ReceiveRig.h"
#include "WindowRig.h"

#include "device/CCommSpacesManage.h"
#include "mainwindow/AisConfiguration.h"
#include "ui_AisConfiguration.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <QTime>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <ctime>
#include <memory>
#include <vector>

namespace {

constexpr uint32_t FirstMmsi = 211000000;
// Own ship off Cuxhaven; the targets spread over some 20 nautical miles around it.
const AisReportComposer::SFix OwnShip = {53.9, 8.6, 8.0, 45.0};
constexpr double SpreadDegrees = 0.3;

double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    const auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

double threadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// Wall and CPU seconds of each run.
struct SRuns
{
    std::vector<double> wall;
    std::vector<double> cpu;

    template <typename Run>
    void measure(benchmark::State& state, const Run& run)
    {
        QElapsedTimer clock;
        clock.start();
        const double cpuStart = threadCpuSeconds();
        run();
        cpu.push_back(threadCpuSeconds() - cpuStart);
        wall.push_back(double(clock.nsecsElapsed()) * 1e-9);
        state.SetIterationTime(wall.back());
    }

    void report(benchmark::State& state) const
    {
        state.counters["median_ms"] = median(wall) * 1e3;
        state.counters["max_ms"] = wall.empty() ? 0.0 : *std::max_element(wall.begin(), wall.end()) * 1e3;
        state.counters["median_cpu_ms"] = median(cpu) * 1e3;
    }
};

// The reports of every target at a step of its track, and the own ship's fix: what the device
// puts on its link in a second or so.
QByteArray trafficAt(int targets, int step)
{
    const QTime utc = QTime::currentTime();
    QByteArray bytes = AisReportComposer::OwnFix(OwnShip, utc.hour(), utc.minute(), utc.second());
    for (int i = 0; i < targets; ++i) {
        // A spiral of stations, each moving on its own course.
        const double angle = i * 2.399963;
        const double radius = SpreadDegrees * std::sqrt((i + 1.0) / targets);
        AisReportComposer::SFix fix;
        fix.courseDegrees = double((i * 37) % 360);
        fix.speedKnots = 2.0 + (i % 20);
        const double moved = step * fix.speedKnots / 3600.0 / 60.0;
        fix.latitude = OwnShip.latitude + radius * std::sin(angle) + moved * std::cos(fix.courseDegrees * M_PI / 180.0);
        fix.longitude = OwnShip.longitude + radius * std::cos(angle) + moved * std::sin(fix.courseDegrees * M_PI / 180.0);
        bytes += AisReportComposer::PositionReport(FirstMmsi + uint32_t(i), fix, utc.second());
    }
    return bytes;
}

void BM_WindowStartup(benchmark::State& state)
{
    SRuns runs;
    for (auto _ : state) {
        std::unique_ptr<AisConfiguration> window;
        bool painted = false;
        runs.measure(state, [&] {
            window = std::make_unique<AisConfiguration>();
            WindowRig::CFirstPaint paint;
            WindowRig::Show(*window, &paint);
            painted = WindowRig::ProcessUntil([&paint] { return paint.painted(); });
            window->removeEventFilter(&paint);
        });
        if (!painted) {
            state.SkipWithError("the window was not painted");
            return;
        }
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    runs.report(state);
    // The process's first start also loads fonts and styles once.
    state.counters["first_ms"] = runs.wall.front() * 1e3;
}

void BM_WindowRefreshTick(benchmark::State& state)
{
    const int targets = int(state.range(0));
    AisConfiguration window;
    if (!WindowRig::ShowStill(window)) {
        state.SkipWithError("the window was not painted");
        return;
    }
    CDeviceComm& device = window.commSpaces()->getDeviceComm();
    ReceiveRig::CLink link;
    device.adoptLink(&link);
    device.connectSetup();
    device.getSentenceHandle().setDevDetectState(DEV_STATE_CONFIG_SHOWN);
    window.form()->tbwgMain->setCurrentWidget(window.form()->tabMainOtherVessels);

    int step = 0;
    const auto tick = [&window] {
        window.onTimerRefresh();
        // The repaint of what the tick changed is part of its cost.
        QCoreApplication::processEvents();
    };
    link.rxPackageProc(trafficAt(targets, step++), false);
    tick();
    const QAbstractItemModel* rows = window.form()->tbvwOtherVessels->model();
    if (!rows || rows->rowCount() != targets) {
        state.SkipWithError("the Other Vessels table does not list every target");
        device.adoptLink(nullptr);
        return;
    }

    SRuns runs;
    for (auto _ : state) {
        link.rxPackageProc(trafficAt(targets, step++), false);
        runs.measure(state, tick);
    }
    device.adoptLink(nullptr);
    runs.report(state);
    state.counters["rows"] = rows->rowCount();
}

} // namespace

BENCHMARK(BM_WindowStartup)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);
BENCHMARK(BM_WindowRefreshTick)->ArgName("targets")->Arg(500)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
