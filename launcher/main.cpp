#include <windows.h>

#include "Launcher.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return RunLauncher(GetCommandLineA());
}
