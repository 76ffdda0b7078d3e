#include "ModulePath.h"

#include <windows.h>
#include <stdlib.h>

bool GetPathBesideProgram(const char* fileName, std::string& path)
{
    path.clear();
    char module[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, module, sizeof module);
    if (length == 0 || length >= sizeof module)
        return false;

    char drive[_MAX_DRIVE];
    char directory[_MAX_DIR];
    _splitpath(module, drive, directory, nullptr, nullptr);
    std::string joined = std::string(drive) + directory + fileName;
    if (joined.size() + 1 >= MAX_PATH)
        return false;
    path = joined;
    return true;
}
