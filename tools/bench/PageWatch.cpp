// Starts a program and times it until one of its property sheets shows a page:
//   PageWatch.exe <program> [arguments]
// prints "page_ms=<ms> title=<sheet title>" and then ends the program; how it would close is not
// part of the figure.
#include <windows.h>

#include <cstdio>
#include <string>

#include "MessageBoxes.h"
#include "Stopwatch.h"
#include "WizardDriver.h"

namespace {

const DWORD kAppearTimeoutMs = 60000;

int Fail(const char* message)
{
    std::fprintf(stderr, "PageWatch: %s\n", message);
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Fail("usage: PageWatch.exe <program> [arguments]");
    std::string commandLine = std::string("\"") + argv[1] + "\"";
    for (int i = 2; i < argc; ++i)
        commandLine += std::string(" ") + argv[i];

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    CStopwatch watch;
    if (!CreateProcessA(argv[1], &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return Fail("cannot start the program");
    HWND sheet = nullptr;
    HWND box = nullptr;
    bool ended = false;
    bool shown = PollFor([&] {
        ended = WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0;
        return ended || (sheet = FindWizard(process.dwProcessId)) != nullptr ||
               (box = FindMessageBox(process.dwProcessId)) != nullptr;
    }, kAppearTimeoutMs) && sheet != nullptr;
    double elapsed = watch.ElapsedMs();
    if (box != nullptr)
        std::fprintf(stderr, "PageWatch: a message box instead: %s\n", ReadMessageBox(box).text.c_str());
    if (shown)
        std::printf("page_ms=%.1f title=%s\n", elapsed, WizardDriver(sheet).Title().c_str());
    if (!ended) {
        TerminateProcess(process.hProcess, 0);
        WaitForSingleObject(process.hProcess, INFINITE);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!shown)
        return Fail(ended ? "the program ended without showing a property sheet"
                          : "no property sheet appeared");
    return 0;
}
