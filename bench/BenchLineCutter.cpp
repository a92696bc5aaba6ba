// The line cutter over real traffic bytes, in chunks of the sizes serial reads deliver: through
// retrieveString, which hands each line out as a string of its own, and through the sentence
// queue, the road of the receive path.
#include "BenchCounters.h"
#include "TrafficCorpus.h"

#include "comm/CRawDataHandle.h"

#include <QByteArray>
#include <algorithm>

namespace {

void BM_LineCutter(benchmark::State& state)
{
    const std::string traffic = TrafficCorpus::TrafficBytes();
    if (traffic.empty()) {
        state.SkipWithError("no reference traffic");
        return;
    }
    const size_t chunkSize = size_t(state.range(0));
    std::vector<std::string> chunks;
    for (size_t at = 0; at < traffic.size(); at += chunkSize)
        chunks.push_back(traffic.substr(at, chunkSize));

    COMM::CRawDataHandle handle;
    int64_t lines = 0;
    const CBenchCounters counters;
    for (auto _ : state) {
        for (const std::string& chunk : chunks) {
            const std::deque<std::string> cut = handle.retrieveString(chunk);
            lines += int64_t(cut.size());
            benchmark::DoNotOptimize(cut);
        }
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(traffic.size()));
    counters.report(state, lines, "line");
}

void BM_SentenceQueue(benchmark::State& state)
{
    const std::vector<QByteArray> chunks = TrafficCorpus::TrafficChunks(int(state.range(0)));
    if (chunks.empty()) {
        state.SkipWithError("no reference traffic");
        return;
    }
    int64_t bytes = 0;
    for (const QByteArray& chunk : chunks)
        bytes += chunk.size();

    COMM::CRawDataHandle handle;
    std::string line;
    int64_t lines = 0;
    const auto pass = [&] {
        for (const QByteArray& chunk : chunks) {
            handle.appendToSentQ(chunk);
            while (handle.queueNextSentence(&line)) {
                ++lines;
                benchmark::DoNotOptimize(line);
            }
        }
    };
    // One pass first: the queue and the line buffer reach the size the traffic needs.
    pass();
    lines = 0;
    const CBenchCounters counters;
    for (auto _ : state)
        pass();
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes);
    counters.report(state, lines, "line");
}

} // namespace

BENCHMARK(BM_LineCutter)->ArgName("chunk")->Arg(16)->Arg(64)->Arg(512)->Arg(4096);
BENCHMARK(BM_SentenceQueue)->ArgName("chunk")->Arg(16)->Arg(64)->Arg(512)->Arg(4096);
