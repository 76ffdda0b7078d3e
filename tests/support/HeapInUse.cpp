#include "HeapInUse.h"

#include <windows.h>

#include <algorithm>

long long HeapBytesInUse()
{
    HANDLE heaps[64];
    DWORD count = std::min<DWORD>(GetProcessHeaps(64, heaps), 64);
    long long bytes = 0;
    for (DWORD i = 0; i < count; ++i) {
        HeapLock(heaps[i]);
        PROCESS_HEAP_ENTRY entry = {};
        while (HeapWalk(heaps[i], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                bytes += static_cast<long long>(entry.cbData);
        HeapUnlock(heaps[i]);
    }
    return bytes;
}
