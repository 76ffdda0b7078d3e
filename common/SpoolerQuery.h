#pragma once
#include <windows.h>

#include <functional>

// One call of a spooler function that fills a caller's buffer and reports the size it needs:
// (buffer, size, needed) -> success. A null buffer of size 0 asks for the size only.
using SpoolerFill = std::function<BOOL(LPBYTE buffer, DWORD size, LPDWORD needed)>;
// The same for an enumeration, which also reports how many records it returned.
using SpoolerEnumeration =
    std::function<BOOL(LPBYTE buffer, DWORD size, LPDWORD needed, LPDWORD returned)>;

enum class SpoolerQueryResult {
    Filled,
    NothingNeeded,  // the size query asked for no data
    OutOfMemory,
    Failed,
};

// Asks the spooler for the size, then for the data in a zero-filled GlobalAlloc block of that
// size. Between the two calls a printer, port or job may be added: while the spooler answers that
// it needs more than it was given, the data is asked for again in a bigger block. When Filled,
// `block` (the caller frees it with GlobalFree) holds `size` bytes; otherwise it is null.
SpoolerQueryResult QuerySpooler(const SpoolerFill& fill, BYTE*& block, DWORD& size);

// An enumeration of records of `recordSize` bytes each through QuerySpooler; `count` is the
// number of records returned that lie wholly inside the block.
SpoolerQueryResult QueryRecords(const SpoolerEnumeration& enumerate, DWORD recordSize,
                                BYTE*& block, DWORD& count);

// The status code of a printer or port list after its enumeration.
int ListStatus(SpoolerQueryResult result);

// Enumerates a printer or port list anew into `records` (a GlobalAlloc block, replaced) and
// `count`; returns the list's status code. Out of memory is no failure: the list keeps what the
// previous enumeration found.
template <typename Record>
int RefreshRecords(const SpoolerEnumeration& enumerate, Record*& records, int& count)
{
    BYTE* block = nullptr;
    DWORD returned = 0;
    int status = ListStatus(QueryRecords(enumerate, sizeof(Record), block, returned));
    if (block != nullptr) {
        if (records != nullptr)
            GlobalFree(records);
        records = reinterpret_cast<Record*>(block);
        count = static_cast<int>(returned);
    }
    return status;
}
