#pragma once
#include <stddef.h>

// Splitting of the launcher's command line into arguments. Plain C++ with no Windows
// dependency, so it can be fuzzed natively.

// Heap functions the splitter allocates with; tests substitute failing ones.
struct SplitHeap {
    void* (*reallocate)(void* block, size_t size);
    void (*release)(void* block);
};

extern const SplitHeap kProcessHeap;

// Splits text into zero-terminated heap strings. Only the blank separates arguments; a double
// quote starts a quoted run that ends only at a quote followed by a blank; inside quotes,
// backslash-quote stores a quote. Returns the count, or -1 when memory ran out (then nothing
// stays allocated and *arguments is null).
int SplitCommandLine(const char* text, char*** arguments, const SplitHeap& heap = kProcessHeap);

// Frees each string, then the array.
void FreeArguments(char** arguments, int count, const SplitHeap& heap = kProcessHeap);
