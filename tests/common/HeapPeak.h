#pragma once
#include <stddef.h>

// The most heap this test program held at once since the last reset, beyond what it held then,
// counted by its own replacement of the global allocation functions.
namespace heap_peak {
void Reset();
size_t Bytes();
}  // namespace heap_peak
