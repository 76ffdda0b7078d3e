#pragma once
#include <windows.h>

#include <functional>
#include <set>
#include <string>

#include "MessageBoxes.h"

// Runs a body that shows modal windows (a wizard, its message boxes) on a thread of its own, so
// the test thread can drive them. A run still going when it is destroyed, as after a failed
// assertion, has its windows closed; one that then still hangs ends the test program.
class ModalRun {
public:
    explicit ModalRun(std::function<void()> body);
    ~ModalRun();
    ModalRun(const ModalRun&) = delete;
    ModalRun& operator=(const ModalRun&) = delete;

    DWORD ThreadId() const { return m_nThreadId; }
    // True when the body has returned, waiting at most timeoutMs for it.
    bool WaitForEnd(DWORD timeoutMs);

private:
    static DWORD WINAPI RunBody(LPVOID run);
    void CloseNewWindows();

    std::function<void()> m_fnBody;
    std::set<HWND> m_closedWindows;
    HANDLE m_hThread = nullptr;
    DWORD m_nThreadId = 0;
};

// Runs a body that may show one message box on a thread of its own, answers the box with
// `button` ("OK" or the first button when empty) and waits up to timeoutMs for the body to
// end. What the box showed, or nothing (an empty caption) when none came.
MessageBoxSeen RunAnsweringBox(std::function<void()> body,
                               const std::string& button = std::string(),
                               DWORD timeoutMs = 10000);
