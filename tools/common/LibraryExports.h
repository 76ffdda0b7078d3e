#pragma once
#include <windows.h>

#include <string>

#include "ModulePath.h"
#include "PrinterSelection.h"

// The message-download export of the Zembrak.dll beside the running tool, which the tools call in
// their own process to drive its wizard.
using DownloadToPrinterExport = int(WINAPI*)(const char* printer, const char* language, int flagB,
                                             int flagC, const PRINTER_SELECTION* preset);

// Null when the library or its export is missing. The library stays loaded for the tool's run.
inline DownloadToPrinterExport LoadDownloadExport()
{
    std::string path;
    HMODULE library = GetPathBesideProgram("Zembrak.dll", path) ? LoadLibraryA(path.c_str()) : nullptr;
    return library == nullptr ? nullptr
                              : reinterpret_cast<DownloadToPrinterExport>(reinterpret_cast<void*>(
                                    GetProcAddress(library, "KyvMsgdlDownloadToPrinter")));
}
