// The line cutter over real traffic bytes, in chunks of the sizes serial reads deliver.
#include "BenchCounters.h"
#include "TrafficCorpus.h"

#include "comm/CRawDataHandle.h"

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

} // namespace

BENCHMARK(BM_LineCutter)->ArgName("chunk")->Arg(16)->Arg(64)->Arg(512)->Arg(4096);
