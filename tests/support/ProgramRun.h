#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "MessageBoxes.h"

// A finished run of a Windows program: the message boxes it showed, in order, each answered
// with its first button, and the full 32-bit exit code.
struct ProgramRun {
    std::vector<MessageBoxSeen> boxes;
    DWORD exitCode = STILL_ACTIVE;
    bool finished = false;
};

// Starts program with the command-line tail `arguments`, answers its message boxes and waits
// for its end, at most timeoutMs; a program still running then is killed (finished false).
ProgramRun RunProgram(const std::string& program, const std::string& arguments,
                      DWORD timeoutMs = 20000);
