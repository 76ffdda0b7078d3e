#pragma once
#include <windows.h>

// Waits until a thread of this process has taken from its queue every message posted to it so
// far: their handlers have returned by then, or one of them runs a modal loop of its own (a
// message box). Also true once the thread has ended; false after timeoutMs, or when the thread
// belongs to another process.
bool WaitForPostedMessagesHandled(DWORD threadId, DWORD timeoutMs = 5000);
