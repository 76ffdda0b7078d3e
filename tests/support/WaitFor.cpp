#include "WaitFor.h"

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD pollMs = 10;
    DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(pollMs);
    }
}
