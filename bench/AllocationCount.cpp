#include "AllocationCount.h"

#include <atomic>
#include <cstdlib>

// glibc's own allocator, under the names it exports beside malloc.
extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* p, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
}

namespace {

std::atomic<uint64_t> g_allocations{0};

void count()
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
}

} // namespace

uint64_t AllocationCount::Total()
{
    return g_allocations.load(std::memory_order_relaxed);
}

// Every heap allocation of the process comes through here: the C++ library's operator new
// calls malloc, and so do Qt's containers, which bypass operator new.
extern "C" {

void* malloc(size_t size)
{
    count();
    return __libc_malloc(size);
}

void* calloc(size_t number, size_t size)
{
    count();
    return __libc_calloc(number, size);
}

void* realloc(void* p, size_t size)
{
    count();
    return __libc_realloc(p, size);
}

void* memalign(size_t alignment, size_t size)
{
    count();
    return __libc_memalign(alignment, size);
}

void* aligned_alloc(size_t alignment, size_t size)
{
    count();
    return __libc_memalign(alignment, size);
}

int posix_memalign(void** p, size_t alignment, size_t size)
{
    count();
    *p = __libc_memalign(alignment, size);
    return *p ? 0 : 12; // ENOMEM
}

} // extern "C"
