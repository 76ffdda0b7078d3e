#pragma once
#include <string>

// The running program's own file (the process's module, never a library's); empty when its path
// does not fit MAX_PATH.
std::string GetProgramPath();

// Files of the system live beside the running program (the process's module, never a library's).
// Forms "<drive><directory><fileName>" and fails when the path with its terminating zero would
// not stay below MAX_PATH.
bool GetPathBesideProgram(const char* fileName, std::string& path);
