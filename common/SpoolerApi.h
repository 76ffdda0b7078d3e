#pragma once
#include <windows.h>

// Every spooler call goes through this table so that a test can produce states Wine cannot
// (an enumeration that needs no data, a failing second call). It points at the real functions.
struct SpoolerApi {
    BOOL(WINAPI* EnumPrintersA)(DWORD flags, LPSTR name, DWORD level, LPBYTE buffer, DWORD size,
                                LPDWORD needed, LPDWORD returned);
};

extern SpoolerApi g_SpoolerApi;
