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

// Whether a byte starts a double-byte character of the text's code page.
using LeadByteTest = bool (*)(unsigned char byte);

// The ANSI code page's answer. It is defined apart from the splitter, with the launcher's Windows
// code, so that the splitter builds and fuzzes without Windows.
bool IsAnsiLeadByte(unsigned char byte);

// Splits text into zero-terminated heap strings. Only the blank separates arguments; a double
// quote starts a quoted run that ends only at a quote followed by a blank; inside quotes,
// backslash-quote stores a quote. A lead byte and the byte after it are one character, so a
// trail byte that looks like a backslash (0x5C in code page 932) never escapes a quote. Returns
// the count, or -1 when memory ran out (then nothing stays allocated and *arguments is null).
int SplitCommandLine(const char* text, char*** arguments, LeadByteTest isLeadByte = IsAnsiLeadByte,
                     const SplitHeap& heap = kProcessHeap);

// Frees each string, then the array.
void FreeArguments(char** arguments, int count, const SplitHeap& heap = kProcessHeap);
