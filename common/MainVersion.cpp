#include "MainVersion.h"

#include <windows.h>

#include "ModulePath.h"
#include "MultibyteText.h"

std::string GetMainVersion()
{
    std::string path;
    if (!GetPathBesideProgram("Version.txt", path))
        return std::string();
    // A value cut to the buffer in the middle of a double-byte character may leave that
    // character's first half, or a byte never written, before the terminating zero; the
    // count returned then includes it. So the text ends at the first zero of a cleared
    // buffer, and a half character is dropped.
    char value[MAX_PATH] = {};
    GetPrivateProfileStringA("Version", "MainVersion", "", value, sizeof value, path.c_str());
    return CutAtCharacter(value, sizeof value - 1);
}
