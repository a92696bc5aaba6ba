// The device link's receive path against the simulated transponder flooding its
// pseudo-terminal: the communication facade with its real thread and serial transport, line
// cutting, the device's sentence handler, the codec and the target registry, with the raw
// text built as the Serial Data page takes it. It runs until the given number of lines came
// in, then silences the simulator and compares what it says it sent with the lines received.
// Resident memory is read once the flood is under way and at its end: it must not grow.
#include "SimProcess.h"
#include "WindowRig.h"

#include "comm/CommProfile.h"
#include "device/CCommSpacesManage.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <memory>
#include <unistd.h>

namespace {

constexpr int WaitMs = 10000;
// The device's own traffic, in lines a second (the simulator at its own pace).
constexpr double DeviceLinesPerSecond = 9.3;
// The slowest flood still worth waiting for, in lines a second.
constexpr double SlowestLinesPerSecond = 500.0;

int64_t residentKilobytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) / 1024 : 0;
}

// The device connection as the window makes it from its port selector.
COMM::SCommConntProfile deviceProfile(const QString& port)
{
    COMM::SCommConntProfile profile;
    profile.conntSetting = COMM::BuildConntLink(COMM::SENSOR_DEVICE_LINK, U"device", COMM::PRIMARY_POS_UNDEFINED, true);
    profile.conntSetting.splitLines = true;
    profile.commType = COMM::COMM_TYPE_SERIAL;
    profile.serialConfig = COMM::BuildSerialConfig(QFile::encodeName(port).constData(), 2);
    return profile;
}

// "sent <lines> dropped <lines>", as the simulator answers "count".
bool parseCounts(const QByteArray& answer, int64_t* sent, int64_t* dropped)
{
    const QList<QByteArray> words = answer.split(' ');
    if (words.size() != 4 || words[0] != "sent" || words[2] != "dropped")
        return false;
    bool sentOk = false;
    bool droppedOk = false;
    *sent = words[1].toLongLong(&sentOk);
    *dropped = words[3].toLongLong(&droppedOk);
    return sentOk && droppedOk;
}

void BM_DeviceLinkFlood(benchmark::State& state)
{
    const int rateFactor = int(state.range(0));
    const int64_t wanted = state.range(1);
    for (auto _ : state) {
        TestEnv::SimProcess sim;
        if (!sim.start({"--model", "2", "--silence", "--rate-factor", QString::number(rateFactor)})) {
            state.SkipWithError("the simulator did not start");
            return;
        }
        CCommSpacesManage facade;
        // Its thread ended while the facade is whole, as the window does before deleting it.
        const std::unique_ptr<CCommSpacesManage, void (*)(CCommSpacesManage*)> ender(&facade, [](CCommSpacesManage* f) {
            f->end();
        });
        bool ready = false;
        QObject::connect(&facade, &CCommSpaces::signalCommConntReady, [&ready] { ready = true; });
        std::atomic<int64_t> received{0};
        const auto count = [&received](void*, const QString& text) { received += text.count(QLatin1Char('\n')); };
        CDeviceComm& device = facade.getDeviceComm();
        QObject::connect(&device.getSentenceHandle(), &CSensorSentenceHandle::signalRxLogMsg, &facade, count,
                         Qt::DirectConnection);
        QObject::connect(&device, &CDeviceComm::signalRxLogMsg, &facade, count, Qt::DirectConnection);
        if (!facade.initCommSpaceTh() || !WindowRig::ProcessUntil([&ready] { return ready; }, WaitMs)) {
            state.SkipWithError("the communication thread did not start");
            return;
        }
        COMM::SCommConntProfile profile = deviceProfile(sim.devicePath());
        facade.connectDeviceComm(profile);
        if (!WindowRig::ProcessUntil([&device] { return device.getLink() != nullptr; }, WaitMs)) {
            state.SkipWithError("the link was not adopted");
            return;
        }

        QElapsedTimer clock;
        clock.start();
        sim.command("silence off");
        const int64_t warmAt = wanted / 10;
        int64_t warmKb = 0;
        int64_t peakKb = 0;
        const double expectedRate = std::min(DeviceLinesPerSecond * rateFactor, SlowestLinesPerSecond);
        const int timeoutMs = int(double(wanted) / expectedRate * 2000.0) + WaitMs;
        const bool flooded = WindowRig::ProcessUntil(
            [&] {
                sim.log(); // keeps its stderr pipe from filling
                if (warmKb == 0 && received >= warmAt)
                    warmKb = residentKilobytes();
                peakKb = std::max(peakKb, residentKilobytes());
                return received >= wanted;
            },
            timeoutMs);
        const double floodSeconds = double(clock.nsecsElapsed()) * 1e-9;
        sim.command("silence on");
        // The lines on their way are taken in before the count is compared.
        int64_t before = -1;
        WindowRig::ProcessUntil([&] {
            const bool settled = before == received;
            before = received;
            QThread::msleep(200);
            return settled;
        });
        sim.command("count");
        int64_t sent = 0;
        int64_t dropped = 0;
        const bool counted = parseCounts(sim.stdoutLine(WaitMs), &sent, &dropped);
        const int64_t endKb = residentKilobytes();
        facade.disconnectDeviceComm();
        WindowRig::ProcessUntil([&device] { return device.getLink() == nullptr; }, WaitMs);
        if (!flooded || !counted) {
            state.SkipWithError(!flooded ? "the lines did not come in time" : "the simulator did not count");
            return;
        }
        state.SetIterationTime(floodSeconds);
        state.counters["lines_sent"] = double(sent);
        state.counters["lines_received"] = double(received);
        state.counters["lines_lost"] = double(sent - received);
        state.counters["sim_dropped"] = double(dropped);
        state.counters["lines_per_s"] = double(received) / floodSeconds;
        state.counters["rss_warm_kB"] = double(warmKb);
        state.counters["rss_peak_kB"] = double(peakKb);
        state.counters["rss_end_kB"] = double(endKb);
        state.counters["rss_growth_kB"] = double(endKb - warmKb);
    }
}

} // namespace

// Ten times the device's pace for a short run, and the most the simulator plays for a run of
// a million lines (ten times the pace would take hours).
BENCHMARK(BM_DeviceLinkFlood)
    ->ArgNames({"rate", "lines"})
    ->Args({10, 6000})
    ->Args({1000, 1000000})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
