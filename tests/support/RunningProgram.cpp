#include "RunningProgram.h"

RunningProgram::RunningProgram(const std::string& program, const std::string& arguments)
{
    std::string commandLine = "\"" + program + "\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                   &startup, &m_process);
}

RunningProgram::~RunningProgram()
{
    if (m_process.hProcess == nullptr)
        return;
    if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
        TerminateProcess(m_process.hProcess, 1);
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

DWORD RunningProgram::WaitForExit(DWORD timeoutMs) const
{
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(m_process.hProcess, timeoutMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}

MessageBoxSeen RunningProgram::AnswerBox() const
{
    HWND box = WaitForMessageBox(Id(), 10000);
    if (box == nullptr)
        return MessageBoxSeen();
    MessageBoxSeen seen = ReadMessageBox(box);
    PressMessageBoxButton(box);
    return seen;
}
