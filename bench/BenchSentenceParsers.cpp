// The steps a GNSS sentence takes today, over the real sentences of the GNSS logs: checksum
// check, pre-parse and the parser of its formatter. Stands in for the dispatch's benchmark.
#include "BenchCounters.h"
#include "ParserTable.h"
#include "TrafficCorpus.h"

#include "codec/I62Syntax.h"

#include <cstring>

namespace {

void BM_GnssSentenceParsers(benchmark::State& state)
{
    const std::vector<std::string> sentences = TrafficCorpus::GnssSentences();
    if (sentences.empty()) {
        state.SkipWithError("no reference traffic");
        return;
    }
    std::vector<ParserTable::Parser> parsers;
    for (const std::string& sentence : sentences)
        parsers.push_back(ParserTable::ForTalkerSentence(sentence.c_str()));

    I61162_Data_Structure record;
    char buffer[256];
    int64_t parsed = 0;
    int64_t accepted = 0;
    const CBenchCounters counters;
    for (auto _ : state) {
        for (size_t i = 0; i < sentences.size(); ++i) {
            const std::string& sentence = sentences[i];
            if (!parsers[i] || sentence.size() + 5 > sizeof buffer)
                continue;
            std::memcpy(buffer, sentence.c_str(), sentence.size() + 1);
            const int checksum = I62_Parse_CheckSum(buffer, sizeof buffer);
            const bool ok = (checksum == I62_CHECKSUM_OK || checksum == I62_CHECKSUM_ADDED)
                            && I62_PreParse(buffer, sizeof buffer) && parsers[i](buffer, &record);
            accepted += ok;
            ++parsed;
            benchmark::DoNotOptimize(record);
        }
    }
    state.counters["accepted_share"] = parsed ? double(accepted) / double(parsed) : 0.0;
    counters.report(state, parsed, "sentence");
}

} // namespace

BENCHMARK(BM_GnssSentenceParsers);
