#include "ProgramRun.h"

ProgramRun RunProgram(const std::string& program, const std::string& arguments,
                      DWORD timeoutMs)
{
    ProgramRun run;
    std::string commandLine = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return run;

    const DWORD pollMs = 20;
    HWND answered = nullptr;
    for (DWORD waited = 0; waited < timeoutMs; waited += pollMs) {
        if (WaitForSingleObject(process.hProcess, pollMs) == WAIT_OBJECT_0) {
            run.finished = true;
            break;
        }
        HWND box = FindMessageBox(process.dwProcessId);
        if (box != nullptr && box != answered) {
            run.boxes.push_back(ReadMessageBox(box));
            PressMessageBoxButton(box);
            answered = box;
        }
    }
    if (!run.finished)
        TerminateProcess(process.hProcess, 1);
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}
