#include "TemporaryPrinter.h"

#include <winspool.h>

TemporaryPrinter::TemporaryPrinter(const char* name, const char* port, const char* driver)
{
    PRINTER_INFO_2A info = {};
    info.pPrinterName = const_cast<char*>(name);
    info.pPortName = const_cast<char*>(port);
    info.pDriverName = const_cast<char*>(driver);
    info.pPrintProcessor = const_cast<char*>("WinPrint");
    info.pDatatype = const_cast<char*>("RAW");
    info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    m_hPrinter = AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
}

TemporaryPrinter::~TemporaryPrinter() { Remove(); }

void TemporaryPrinter::Remove()
{
    if (m_hPrinter != nullptr) {
        DeletePrinter(m_hPrinter);
        ClosePrinter(m_hPrinter);
    }
    m_hPrinter = nullptr;
}
