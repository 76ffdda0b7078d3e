#pragma once
#include <windows.h>

// Every spooler call goes through this table so that a test can produce states Wine cannot
// (an enumeration that needs no data or asks for a bigger buffer, a queued job, a refused
// document, a failing write) and observe what a job hands to the spooler. It points at functions
// that go on to the spooler's own, which is loaded when first called.
struct SpoolerApi {
    BOOL(WINAPI* EnumPrintersA)(DWORD flags, LPSTR name, DWORD level, LPBYTE buffer, DWORD size,
                                LPDWORD needed, LPDWORD returned);
    BOOL(WINAPI* OpenPrinterA)(LPSTR printerName, LPHANDLE printer, LPPRINTER_DEFAULTSA defaults);
    BOOL(WINAPI* GetPrinterDriverA)(HANDLE printer, LPSTR environment, DWORD level, LPBYTE buffer,
                                    DWORD size, LPDWORD needed);
    DWORD(WINAPI* StartDocPrinterA)(HANDLE printer, DWORD level, LPBYTE docInfo);
    BOOL(WINAPI* WritePrinter)(HANDLE printer, LPVOID data, DWORD size, LPDWORD written);
    BOOL(WINAPI* AbortPrinter)(HANDLE printer);
    BOOL(WINAPI* EndDocPrinter)(HANDLE printer);
    BOOL(WINAPI* ClosePrinter)(HANDLE printer);
    BOOL(WINAPI* EnumJobsA)(HANDLE printer, DWORD firstJob, DWORD jobCount, DWORD level,
                            LPBYTE buffer, DWORD size, LPDWORD needed, LPDWORD returned);
    BOOL(WINAPI* EnumPortsA)(LPSTR name, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed,
                             LPDWORD returned);
};

extern SpoolerApi g_SpoolerApi;
