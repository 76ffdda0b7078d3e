#include "ModalRun.h"

#include <cstdio>

#include "MessageBoxes.h"
#include "WaitFor.h"
#include "WindowQueries.h"

namespace {

// A modal loop nobody can end would otherwise hold the whole suite until its timeout.
void EndTestProgram()
{
    std::fflush(stdout);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
}

}  // namespace

ModalRun::ModalRun(std::function<void()> body) : m_fnBody(std::move(body))
{
    m_hThread = CreateThread(nullptr, 0, RunBody, this, 0, &m_nThreadId);
    if (m_hThread == nullptr) {
        std::fprintf(stderr, "ModalRun: cannot start a thread (error %lu)\n", GetLastError());
        EndTestProgram();
    }
}

ModalRun::~ModalRun()
{
    const DWORD graceMs = 5000;
    bool ended = WaitFor([this] {
        CloseNewWindows();
        return WaitForEnd(0);
    }, graceMs);
    if (!ended) {
        std::fprintf(stderr,
                     "ModalRun: thread %lu still runs %lu ms after its windows were closed; "
                     "ending the test program\n",
                     m_nThreadId, graceMs);
        EndTestProgram();
    }
    CloseHandle(m_hThread);
}

bool ModalRun::WaitForEnd(DWORD timeoutMs)
{
    return WaitForSingleObject(m_hThread, timeoutMs) == WAIT_OBJECT_0;
}

DWORD WINAPI ModalRun::RunBody(LPVOID run)
{
    static_cast<ModalRun*>(run)->m_fnBody();
    return 0;
}

// Asks each window once: a cancelled page may answer with a confirmation box, which must not be
// stacked up by repeated requests.
void ModalRun::CloseNewWindows()
{
    for (HWND window : VisibleThreadWindows(m_nThreadId)) {
        if (!m_closedWindows.insert(window).second)
            continue;
        if (IsMessageBox(window))
            PressMessageBoxButton(window);
        else
            PostMessageA(window, WM_CLOSE, 0, 0);  // a property sheet takes it as Cancel
    }
}

MessageBoxSeen RunAnsweringBox(std::function<void()> body, const std::string& button,
                               DWORD timeoutMs)
{
    ModalRun run(std::move(body));
    HWND box = nullptr;
    WaitFor([&] {
        box = FindMessageBox(GetCurrentProcessId());
        return box != nullptr || run.WaitForEnd(0);
    }, timeoutMs);
    MessageBoxSeen seen;
    if (box != nullptr) {
        seen = ReadMessageBox(box);
        PressMessageBoxButton(box, button);
    }
    run.WaitForEnd(timeoutMs);
    return seen;
}
