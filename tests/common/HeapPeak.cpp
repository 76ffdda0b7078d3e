#include "HeapPeak.h"

#include <stdlib.h>

#include <atomic>
#include <cstddef>
#include <new>

namespace {

std::atomic<size_t> g_live{0};
std::atomic<size_t> g_peak{0};
size_t g_base = 0;  // live at the last reset

// Each block carries its size in front, so that a release knows what it gives back.
const size_t kHeaderSize = alignof(std::max_align_t);

}  // namespace

void* operator new(size_t size)
{
    void* block = malloc(size + kHeaderSize);
    if (block == nullptr)
        throw std::bad_alloc();
    *static_cast<size_t*>(block) = size;
    size_t live = g_live += size;
    size_t peak = g_peak;
    while (live > peak && !g_peak.compare_exchange_weak(peak, live)) {
    }
    return static_cast<char*>(block) + kHeaderSize;
}

void operator delete(void* pointer) noexcept
{
    if (pointer == nullptr)
        return;
    void* block = static_cast<char*>(pointer) - kHeaderSize;
    g_live -= *static_cast<size_t*>(block);
    free(block);
}

void operator delete(void* pointer, size_t) noexcept { operator delete(pointer); }

namespace heap_peak {

void Reset()
{
    g_base = g_live;
    g_peak = g_base;
}

size_t Bytes() { return g_peak - g_base; }

}  // namespace heap_peak
