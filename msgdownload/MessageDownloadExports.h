#pragma once
#include <windows.h>

#include "PrinterSelection.h"

// The exports of Zembrak.dll (standard call, undecorated names).
extern "C" int WINAPI KyvMsgdlGetVersion();
extern "C" int WINAPI KyvMsgdlGetAPVersion();
extern "C" int WINAPI KyvMsgdlDownloadToPrinter(const char* pszPrinterName, const char* pszLanguage,
                                                int nFlagB, int nFlagC,
                                                const PRINTER_SELECTION* pPreset);
extern "C" int WINAPI KyvMsgdlDownloadToPort(int, int);
