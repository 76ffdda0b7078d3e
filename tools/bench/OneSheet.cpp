// The floor of a wizard's start-up: a program that shows one wizard-style property sheet with one
// page and does nothing else. It runs until it is closed.
//   OneSheet.exe [/printers]
// With "/printers" it first lists the installed printers once, as every road of the product must
// before its first page: the spooler's own start-up (under Wine, loading its printing system) is
// then part of the floor. The spooler is loaded only then, so the plain floor never pays for it.
#include <windows.h>

#include <cstring>

#include "FindExport.h"
#include "OneSheetShow.h"

namespace {

typedef BOOL(WINAPI* EnumPrintersFunction)(DWORD, LPSTR, DWORD, LPBYTE, DWORD, LPDWORD, LPDWORD);

void ListPrinters()
{
    HMODULE spooler = LoadLibraryA("winspool.drv");
    auto enumPrinters = spooler == nullptr ? nullptr
                                           : FindExport<EnumPrintersFunction>(spooler, "EnumPrintersA");
    if (enumPrinters != nullptr) {
        const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
        DWORD needed = 0;
        DWORD count = 0;
        enumPrinters(flags, nullptr, 2, nullptr, 0, &needed, &count);
        BYTE* records = needed == 0 ? nullptr : new BYTE[needed];
        if (records != nullptr)
            enumPrinters(flags, nullptr, 2, records, needed, &needed, &count);
        delete[] records;
    }
    // Kept loaded for the sheet's lifetime, as the product keeps it.
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    if (std::strstr(commandLine, "/printers") != nullptr)
        ListPrinters();
    return ShowOneSheetOf(instance);
}
