#pragma once
#include <windows.h>

#include <string>

#include "ModulePath.h"
#include "PrinterSelection.h"

// The exports of the libraries beside the running tool, which the tools call in their own process
// to drive their wizards.

using SelectFunctionExport = int(WINAPI*)(const char* language, int* doCountryCode, int* doTime,
                                          int* doDownload);
using FaxSetupExport = int(WINAPI*)(const char* printer, const char* language, int timeOffset,
                                    const char* countryCode, int skipIntroduction,
                                    int skipCountryCode, int skipTime,
                                    PRINTER_SELECTION* selection);
using DownloadToPrinterExport = int(WINAPI*)(const char* printer, const char* language, int flagB,
                                             int flagC, const PRINTER_SELECTION* preset);

// Null when the library or its export is missing. The library stays loaded for the tool's run.
template <typename Export>
Export LoadExportBesideProgram(const char* library, const char* name)
{
    std::string path;
    HMODULE module = GetPathBesideProgram(library, path) ? LoadLibraryA(path.c_str()) : nullptr;
    return module == nullptr ? nullptr
                             : reinterpret_cast<Export>(
                                   reinterpret_cast<void*>(GetProcAddress(module, name)));
}

inline SelectFunctionExport LoadSelectFunctionExport()
{
    return LoadExportBesideProgram<SelectFunctionExport>("Carvesh.dll", "SelectFunction");
}

inline FaxSetupExport LoadFaxSetupExport()
{
    return LoadExportBesideProgram<FaxSetupExport>("Tollimar.dll", "KyvFaxSetup");
}

inline DownloadToPrinterExport LoadDownloadExport()
{
    return LoadExportBesideProgram<DownloadToPrinterExport>("Zembrak.dll",
                                                            "KyvMsgdlDownloadToPrinter");
}
