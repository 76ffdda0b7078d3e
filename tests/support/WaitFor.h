#pragma once
#include <windows.h>

#include <functional>

// Polls condition about every 10 ms until it holds (true) or timeoutMs has passed (false).
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 5000);
