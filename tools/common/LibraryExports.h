#pragma once
#include <windows.h>

#include <string>

#include "FindExport.h"
#include "FunctionExports.h"
#include "ModulePath.h"

// The exports of the libraries beside the running tool, which the tools call in their own process
// to drive their wizards.

// Null when the library or its export is missing. The library stays loaded for the tool's run.
template <typename Export>
Export LoadExportBesideProgram(const char* library, const char* name)
{
    std::string path;
    HMODULE module = GetPathBesideProgram(library, path) ? LoadLibraryA(path.c_str()) : nullptr;
    return module == nullptr ? nullptr : FindExport<Export>(module, name);
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
