#pragma once
#include <windows.h>

// A deep copy of one installed printer's record. Each text is its own GlobalAlloc block,
// null when the source text is empty; the object frees them.
class PrinterInfo {
public:
    PrinterInfo() = default;
    PrinterInfo(const PRINTER_INFO_2A& record, bool withStatus);
    PrinterInfo(const PrinterInfo& other);
    PrinterInfo& operator=(const PrinterInfo& other);
    ~PrinterInfo();

    const char* GetPrinterName() const { return m_pszPrinterName; }
    const char* GetPortName() const { return m_pszPortName; }
    const char* GetComment() const { return m_pszComment; }
    const char* GetLocation() const { return m_pszLocation; }
    const char* GetDriverName() const { return m_pszDriverName; }
    int GetJobCount() const { return m_nJobs; }
    int GetPrinterStatus() const { return m_nPrinterStatus; }
    int GetError() const { return m_nError; }
    bool IsEmpty() const { return m_pszPrinterName == nullptr; }

private:
    char* CopyText(const char* text);
    void CopyTexts(const char* printerName, const char* portName, const char* comment,
                   const char* location, const char* driverName);
    void CopyFrom(const PrinterInfo& other);
    void Release();

    char* m_pszPrinterName = nullptr;
    char* m_pszPortName = nullptr;
    char* m_pszComment = nullptr;
    char* m_pszLocation = nullptr;
    char* m_pszDriverName = nullptr;
    int m_nJobs = 0;
    int m_nPrinterStatus = 0;
    int m_nError = 0;
};
