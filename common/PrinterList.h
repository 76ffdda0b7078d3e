#pragma once
#include <windows.h>

#include "PrinterInfo.h"

// The installed printers as the spooler enumerates them (local and connections, level 2).
// Every operation leaves its status code in GetStatus.
class CPrinterList {
public:
    CPrinterList() = default;
    CPrinterList(const CPrinterList&) = delete;
    CPrinterList& operator=(const CPrinterList&) = delete;
    ~CPrinterList();

    bool Enumerate();
    int GetCount();  // -1 when the enumeration fails
    PrinterInfo GetAt(int index);
    PrinterInfo FindByName(const char* printerName);  // exact, case-sensitive
    PrinterInfo FindByPort(const char* portName);     // exact, case-sensitive
    int GetStatus() const { return m_nStatus; }

private:
    bool EnsureEnumerated();
    PrinterInfo Find(const char* printerName, const char* portName);

    PRINTER_INFO_2A* m_pEntries = nullptr;
    int m_nCount = 0;
    bool m_bEnumerated = false;
    int m_nStatus = 0;
};
