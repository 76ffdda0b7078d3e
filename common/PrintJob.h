#pragma once
#include <windows.h>

#include <string>

// Sends one raw job through the spooler, framed by two Universal Exit Language sequences: a
// language file behind its resource-write command, or one PJL command. A document that was
// started is always ended before the printer is closed, and aborted first when the send failed;
// a send succeeds only when the spooler took every write and the end of the document. GetStatus
// holds the code of the last send (0 when it succeeded).
class CPrintJob {
public:
    bool SendLanguageFile(const char* pszPrinterName, const char* pszFilePath,
                          const char* pszDocumentName);
    bool SendPjlCommand(const char* pszPrinterName, const char* pszDocumentName,
                        const std::string& strCommand);
    bool IsXpsDriver(const char* pszPrinterName);
    int GetStatus() const { return m_nStatus; }

private:
    bool StartDocument(const char* printerName, const char* documentName, HANDLE& printer);
    // Ends the document and closes the printer; a refused end fails a send that had succeeded.
    bool FinishDocument(HANDLE printer, int status);

    int m_nStatus = 0;
};
