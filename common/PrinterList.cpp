#include "PrinterList.h"

#include "OptionalText.h"
#include "ResultCodes.h"
#include "SpoolerApi.h"
#include "SpoolerQuery.h"

namespace {
const DWORD kEnumFlags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
const DWORD kEnumLevel = 2;
}  // namespace

CPrinterList::~CPrinterList()
{
    if (m_pEntries != nullptr)
        GlobalFree(m_pEntries);
}

bool CPrinterList::Enumerate()
{
    m_nStatus = RefreshRecords(
        [](LPBYTE buffer, DWORD size, LPDWORD needed, LPDWORD returned) {
            return g_SpoolerApi.EnumPrintersA(kEnumFlags, nullptr, kEnumLevel, buffer, size,
                                              needed, returned);
        },
        m_pEntries, m_nCount);
    m_bEnumerated = m_nStatus == RESULT_OK;
    return m_bEnumerated;
}

bool CPrinterList::EnsureEnumerated() { return m_bEnumerated || Enumerate(); }

int CPrinterList::GetCount()
{
    if (!EnsureEnumerated())
        return -1;
    if (m_nCount == 0)
        m_nStatus = ERR_PRINTER_NONE;
    return m_nCount;
}

PrinterInfo CPrinterList::GetAt(int index)
{
    int count = GetCount();
    if (count <= 0)
        return PrinterInfo();
    if (index < 0 || index >= count) {
        m_nStatus = ERR_ARG_INDEX_OUT_OF_RANGE;
        return PrinterInfo();
    }
    return PrinterInfo(m_pEntries[index], false);
}

PrinterInfo CPrinterList::FindByName(const char* printerName) { return Find(printerName, nullptr); }

PrinterInfo CPrinterList::FindByPort(const char* portName) { return Find(nullptr, portName); }

PrinterInfo CPrinterList::Find(const char* printerName, const char* portName)
{
    m_nStatus = RESULT_OK;
    bool byPort = !IsEmpty(portName);
    if (!byPort && IsEmpty(printerName)) {
        m_nStatus = ERR_ARG_NO_NAME_OR_PORT;
        return PrinterInfo();
    }
    if (!EnsureEnumerated())
        return PrinterInfo();
    for (int i = 0; i < m_nCount; ++i) {
        const PRINTER_INFO_2A& record = m_pEntries[i];
        if (byPort ? SameBytes(record.pPortName, portName)
                   : SameBytes(record.pPrinterName, printerName))
            return PrinterInfo(record, !byPort);
    }
    m_nStatus = ERR_PRINTER_NOT_FOUND;
    return PrinterInfo();
}
