#pragma once

// What the process's heaps hold in use: the sum of their busy blocks. A library that a
// long-lived caller loads and frees around every call must not make it grow.
long long HeapBytesInUse();
