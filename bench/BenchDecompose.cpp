// The formatter dispatch over the real sentences of the GNSS and AIS traffic: validation,
// address field and the parser of the formatter, as the codec runs them for each sentence.
#include "BenchCounters.h"
#include "TrafficCorpus.h"

#include "codec/records/CodecLock.h"
#include "codec/sentence/I62Dispatch.h"

#include <cstring>

namespace {

void BM_Decompose(benchmark::State& state)
{
    const std::vector<std::string> sentences = TrafficCorpus::Sentences();
    if (sentences.empty()) {
        state.SkipWithError("no reference traffic");
        return;
    }
    I61162_Data_Structure record;
    char buffer[256];
    int64_t decomposed = 0;
    int64_t accepted = 0;
    CCodecLock lock;
    const CBenchCounters counters;
    for (auto _ : state) {
        for (const std::string& sentence : sentences) {
            if (sentence.size() + 4 > sizeof buffer)
                continue;
            std::memcpy(buffer, sentence.c_str(), sentence.size() + 1);
            accepted += I62_Decompose(buffer, sizeof buffer, &record) == I62_RESULT_OK;
            ++decomposed;
            benchmark::DoNotOptimize(record);
        }
    }
    state.counters["accepted_share"] = decomposed ? double(accepted) / double(decomposed) : 0.0;
    counters.report(state, decomposed, "sentence");
}

} // namespace

BENCHMARK(BM_Decompose);
