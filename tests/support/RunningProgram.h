#pragma once
#include <windows.h>

#include <string>

#include "MessageBoxes.h"

// A program left running while the test drives its windows from outside; killed if it is still
// running when the test ends.
class RunningProgram {
public:
    RunningProgram(const std::string& program, const std::string& arguments);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    DWORD Id() const { return m_process.dwProcessId; }

    // The full 32-bit exit code, or STILL_ACTIVE when the program has not ended in time.
    DWORD WaitForExit(DWORD timeoutMs = 10000) const;

    // Reads and answers the next message box, which must come.
    MessageBoxSeen AnswerBox() const;

private:
    PROCESS_INFORMATION m_process = {};
};
