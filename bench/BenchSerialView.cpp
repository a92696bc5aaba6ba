// The Serial Data page's append path, offscreen, the page shown: a run without a line end (a
// device at the wrong baud rate) arrives in pieces of a serial read's size; each piece goes
// through the page's slot into the record and the line cutter, then the event loop turns until
// the view has taken it all. The figures are the longest slot call and the longest turn of the
// loop (what a user would feel as a stall) and the bytes per second the view takes.
#include "ReceiveRig.h"
#include "WindowRig.h"

#include "device/CCommSpacesManage.h"
#include "mainwindow/AisConfiguration.h"
#include "ui_AisConfiguration.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTabWidget>
#include <algorithm>
#include <ctime>
#include <benchmark/benchmark.h>

namespace {

constexpr int PieceBytes = 4096;

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) * 1e-6;
}

// The longest of the measured calls, on the wall clock and in the GUI thread's CPU time (which
// a busy machine does not stretch).
struct SLongest
{
    double wallMs = 0.0;
    double cpuMs = 0.0;

    template <typename Call>
    void measure(const Call& call)
    {
        QElapsedTimer clock;
        clock.start();
        const double cpuStart = threadCpuMs();
        call();
        cpuMs = std::max(cpuMs, threadCpuMs() - cpuStart);
        wallMs = std::max(wallMs, double(clock.nsecsElapsed()) * 1e-6);
    }
};

// Every byte value but CR and LF, over and over.
QString runPiece(int size, int from)
{
    QString piece(size, QChar());
    for (int i = 0; i < size; ++i) {
        int value = (from + i) % 254;
        value += value >= '\n' ? 1 : 0;
        value += value >= '\r' ? 1 : 0;
        piece[i] = QChar(ushort(value));
    }
    return piece;
}

void BM_SerialViewAppend(benchmark::State& state)
{
    const int runBytes = int(state.range(0));
    AisConfiguration window;
    if (!WindowRig::ShowStill(window)) {
        state.SkipWithError("the window was not painted");
        return;
    }
    ReceiveRig::CLink link;
    window.commSpaces()->getDeviceComm().adoptLink(&link);
    window.form()->tbwgMain->setCurrentIndex(AisConfiguration::PAGE_SERIAL_DATA);
    std::vector<QString> pieces;
    for (int at = 0; at < runBytes; at += PieceBytes)
        pieces.push_back(runPiece(std::min(PieceBytes, runBytes - at), at));

    SLongest slot;
    SLongest turn;
    const auto turnLoop = [] { QCoreApplication::processEvents(); };
    for (auto _ : state) {
        window.onClearLog();
        QCoreApplication::processEvents();
        for (const QString& piece : pieces) {
            slot.measure([&] { window.onCommRxLogMsg(&link, piece); });
            turn.measure(turnLoop);
        }
        while (window.serialViewPending() > 0)
            turn.measure(turnLoop);
    }
    window.commSpaces()->getDeviceComm().adoptLink(nullptr);
    state.SetBytesProcessed(int64_t(state.iterations()) * runBytes);
    state.counters["longest_slot_ms"] = slot.wallMs;
    state.counters["longest_slot_cpu_ms"] = slot.cpuMs;
    state.counters["longest_turn_ms"] = turn.wallMs;
    state.counters["longest_turn_cpu_ms"] = turn.cpuMs;
}

} // namespace

BENCHMARK(BM_SerialViewAppend)->ArgName("run")->Arg(1 << 20)->Arg(8 << 20)->Unit(benchmark::kMillisecond)->Iterations(3);
