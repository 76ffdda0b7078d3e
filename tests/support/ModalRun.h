#pragma once
#include <windows.h>

#include <functional>
#include <set>

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
