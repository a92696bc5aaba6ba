#pragma once

#include "AllocationCount.h"

#include <benchmark/benchmark.h>

#include <cstdint>

// The figures every benchmark of the receive path reports for the items it handled (lines
// or sentences): items per second, time per item and heap allocations per item.
class CBenchCounters
{
public:
    CBenchCounters() : m_allocationsAtStart(AllocationCount::Total()) {}

    void report(benchmark::State& state, int64_t items, const char* itemName) const
    {
        const double allocations = double(AllocationCount::Total() - m_allocationsAtStart);
        state.SetItemsProcessed(items);
        state.counters[std::string("time_per_") + itemName] =
            benchmark::Counter(double(items), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
        state.counters[std::string("allocs_per_") + itemName] = items ? allocations / double(items) : 0.0;
    }

private:
    uint64_t m_allocationsAtStart;
};
