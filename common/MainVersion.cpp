#include "MainVersion.h"

#include <windows.h>

#include "ModulePath.h"
#include "MultibyteText.h"

std::string GetMainVersion()
{
    std::string path;
    if (!GetPathBesideProgram("Version.txt", path))
        return std::string();
    char value[MAX_PATH];
    DWORD length = GetPrivateProfileStringA("Version", "MainVersion", "", value, sizeof value,
                                            path.c_str());
    // A value cut to the buffer may end in the first half of a double-byte character.
    return CutAtCharacter(std::string(value, length), sizeof value - 1);
}
