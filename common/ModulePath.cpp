#include "ModulePath.h"

#include <windows.h>
#include <stdlib.h>

std::string GetProgramPath()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return length > 0 && length < sizeof path ? std::string(path, length) : std::string();
}

bool GetPathBesideProgram(const char* fileName, std::string& path)
{
    path.clear();
    std::string module = GetProgramPath();
    if (module.empty())
        return false;

    char drive[_MAX_DRIVE];
    char directory[_MAX_DIR];
    _splitpath(module.c_str(), drive, directory, nullptr, nullptr);
    std::string joined = std::string(drive) + directory + fileName;
    if (joined.size() + 1 >= MAX_PATH)
        return false;
    path = joined;
    return true;
}
