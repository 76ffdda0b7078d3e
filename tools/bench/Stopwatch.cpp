#include "Stopwatch.h"

CStopwatch::CStopwatch()
{
    QueryPerformanceFrequency(&m_nFrequency);
    QueryPerformanceCounter(&m_nStart);
}

double CStopwatch::ElapsedMs() const
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart - m_nStart.QuadPart) /
           static_cast<double>(m_nFrequency.QuadPart);
}

bool PollFor(const std::function<bool()>& condition, DWORD timeoutMs)
{
    CStopwatch watch;
    while (!condition()) {
        if (watch.ElapsedMs() > timeoutMs)
            return false;
        Sleep(1);
    }
    return true;
}
