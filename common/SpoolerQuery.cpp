#include "SpoolerQuery.h"

#include "ResultCodes.h"

namespace {
// A spooler that grows on every asking would otherwise be asked for ever.
const int kMaxFills = 8;
}  // namespace

SpoolerQueryResult QuerySpooler(const SpoolerFill& fill, BYTE*& block, DWORD& size)
{
    block = nullptr;
    size = 0;
    DWORD needed = 0;
    fill(nullptr, 0, &needed);
    if (needed == 0)
        return SpoolerQueryResult::NothingNeeded;
    for (int fills = 1;; ++fills) {
        auto* buffer = static_cast<BYTE*>(GlobalAlloc(GPTR, needed));
        if (buffer == nullptr)
            return SpoolerQueryResult::OutOfMemory;
        DWORD given = needed;
        if (fill(buffer, given, &needed)) {
            block = buffer;
            size = given;
            return SpoolerQueryResult::Filled;
        }
        DWORD error = GetLastError();
        GlobalFree(buffer);
        // A spooler that asks for no more than it was given would keep this loop going forever.
        if (error != ERROR_INSUFFICIENT_BUFFER || needed <= given || fills == kMaxFills)
            return SpoolerQueryResult::Failed;
    }
}

SpoolerQueryResult QueryRecords(const SpoolerEnumeration& enumerate, DWORD recordSize,
                                BYTE*& block, DWORD& count)
{
    DWORD returned = 0;
    DWORD size = 0;
    SpoolerQueryResult result = QuerySpooler(
        [&](LPBYTE buffer, DWORD bufferSize, LPDWORD needed) {
            return enumerate(buffer, bufferSize, needed, &returned);
        },
        block, size);
    DWORD fitting = size / recordSize;
    count = result == SpoolerQueryResult::Filled && returned < fitting ? returned : fitting;
    return result;
}

int ListStatus(SpoolerQueryResult result)
{
    switch (result) {
    case SpoolerQueryResult::NothingNeeded:
        return ERR_PRINTER_NO_DATA;
    case SpoolerQueryResult::Failed:
        return ERR_PRINTER_ENUM_FAILED;
    case SpoolerQueryResult::Filled:
    case SpoolerQueryResult::OutOfMemory:
        break;
    }
    return RESULT_OK;
}
