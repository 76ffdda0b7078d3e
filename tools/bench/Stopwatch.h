#pragma once
#include <windows.h>

#include <functional>

// Milliseconds on the performance counter since construction.
class CStopwatch {
public:
    CStopwatch();
    double ElapsedMs() const;

private:
    LARGE_INTEGER m_nFrequency;
    LARGE_INTEGER m_nStart;
};

// Polls condition about every millisecond until it holds (true) or timeoutMs has passed (false).
// The test suite's 10 ms polling would blur intervals of a few hundred milliseconds.
bool PollFor(const std::function<bool()>& condition, DWORD timeoutMs);
