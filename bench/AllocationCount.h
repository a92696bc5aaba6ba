#pragma once

#include <cstdint>

// Counts the program's heap allocations (the bench replaces malloc and its kin), so a
// benchmark can report allocations per sentence.
namespace AllocationCount {

uint64_t Total();

} // namespace AllocationCount
