// The whole receive path over real traffic bytes, in chunks of the sizes reads deliver: the
// transport's receive entry and line cutting, the sentence handler, the codec with AIS
// reassembly into the ship table, and the signals to slots that count them. Arguments: the
// chunk size, and whether a slot takes the raw text (which then has to be built).
#include "BenchCounters.h"
#include "ReceiveRig.h"
#include "TrafficCorpus.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace {

void BM_ReceivePath(benchmark::State& state)
{
    const std::vector<QByteArray> chunks = TrafficCorpus::TrafficChunks(int(state.range(0)));
    if (chunks.empty()) {
        state.SkipWithError("no reference traffic");
        return;
    }
    const bool rawTextTaken = state.range(1) != 0;
    const int64_t sentencesPerPass = int64_t(TrafficCorpus::CountSentences(TrafficCorpus::TrafficBytes()));

    ReceiveRig::EnsureApplication();
    ReceiveRig::CLink link;
    CSensorSentenceHandle handle;
    ReceiveRig::Wire(link, handle);
    int64_t signalled = 0;
    QObject::connect(&handle, &CSensorSentenceHandle::signalFillAisOwnData, [&signalled](int) { ++signalled; });
    QObject::connect(&handle, &CSensorSentenceHandle::signalFillAisTargetData,
                     [&signalled](unsigned int) { ++signalled; });
    QObject::connect(&handle, &CSensorSentenceHandle::signalFillGpsData,
                     [&signalled](int, int, bool, bool) { ++signalled; });
    if (rawTextTaken)
        QObject::connect(&handle, &CSensorSentenceHandle::signalRxLogMsg,
                         [](void*, const QString& text) { benchmark::DoNotOptimize(text.size()); });

    const auto pass = [&link, &chunks] {
        for (const QByteArray& chunk : chunks)
            link.rxPackageProc(chunk, false);
    };
    // One pass first: the queues and buffers reach the size the traffic needs. The allocations
    // counted after it are those of the steady state.
    pass();
    signalled = 0;
    const CBenchCounters counters;
    for (auto _ : state)
        pass();
    const int64_t sentences = sentencesPerPass * int64_t(state.iterations());
    state.counters["signals_per_sentence"] = sentences ? double(signalled) / double(sentences) : 0.0;
    counters.report(state, sentences, "sentence");
}

} // namespace

BENCHMARK(BM_ReceivePath)
    ->ArgNames({"chunk", "raw_text"})
    ->Args({64, 0})
    ->Args({512, 0})
    ->Args({4096, 0})
    ->Args({64, 1})
    ->Args({512, 1});
