#include "PrinterInfo.h"

#include <string.h>

#include <initializer_list>

#include "ResultCodes.h"

PrinterInfo::PrinterInfo(const PRINTER_INFO_2A& record, bool withStatus)
{
    CopyTexts(record.pPrinterName, record.pPortName, record.pComment, record.pLocation,
              record.pDriverName);
    m_nJobs = static_cast<int>(record.cJobs);
    if (withStatus)
        m_nPrinterStatus = static_cast<int>(record.Status);
}

PrinterInfo::PrinterInfo(const PrinterInfo& other) { CopyFrom(other); }

PrinterInfo& PrinterInfo::operator=(const PrinterInfo& other)
{
    if (this != &other) {
        Release();
        CopyFrom(other);
    }
    return *this;
}

PrinterInfo::~PrinterInfo() { Release(); }

char* PrinterInfo::CopyText(const char* text)
{
    if (text == nullptr || *text == '\0')
        return nullptr;
    size_t size = strlen(text) + 1;
    char* copy = static_cast<char*>(GlobalAlloc(GMEM_FIXED, size));
    if (copy == nullptr) {
        m_nError = ERR_OUT_OF_MEMORY;
        return nullptr;
    }
    memcpy(copy, text, size);
    return copy;
}

void PrinterInfo::CopyTexts(const char* printerName, const char* portName, const char* comment,
                            const char* location, const char* driverName)
{
    m_pszPrinterName = CopyText(printerName);
    m_pszPortName = CopyText(portName);
    m_pszComment = CopyText(comment);
    m_pszLocation = CopyText(location);
    m_pszDriverName = CopyText(driverName);
}

void PrinterInfo::CopyFrom(const PrinterInfo& other)
{
    m_nError = other.m_nError;
    CopyTexts(other.m_pszPrinterName, other.m_pszPortName, other.m_pszComment,
              other.m_pszLocation, other.m_pszDriverName);
    m_nJobs = other.m_nJobs;
    m_nPrinterStatus = other.m_nPrinterStatus;
}

void PrinterInfo::Release()
{
    for (char* text : {m_pszPrinterName, m_pszPortName, m_pszComment, m_pszLocation,
                       m_pszDriverName}) {
        if (text != nullptr)
            GlobalFree(text);
    }
    m_pszPrinterName = m_pszPortName = m_pszComment = m_pszLocation = m_pszDriverName = nullptr;
}
