#pragma once
#include <windows.h>

#include "PrinterSelection.h"

// The exports of the three function libraries, as the launcher and the tools call them.
using SelectFunctionExport = int(WINAPI*)(const char* pszLanguage, int* pDoCountryCode,
                                          int* pDoTime, int* pDoDownload);
using FaxSetupExport = int(WINAPI*)(const char* pszPrinter, const char* pszLanguage,
                                    int nTimeOffset, const char* pszCountryCode,
                                    int bSkipIntroduction, int bSkipCountryCode, int bSkipTime,
                                    PRINTER_SELECTION* pSelection);
using DownloadToPrinterExport = int(WINAPI*)(const char* pszPrinter, const char* pszLanguage,
                                             int bFlagB, int bFlagC,
                                             const PRINTER_SELECTION* pSelection);
