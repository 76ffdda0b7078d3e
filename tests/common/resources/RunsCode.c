// A library whose entry point leaves a trace, to tell whether loading it ran its code.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    (void)instance;
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH)
        SetEnvironmentVariableA("LOMAREL_TEST_LIBRARY_RAN", "1");
    return TRUE;
}
