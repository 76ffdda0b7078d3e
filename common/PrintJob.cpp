#include "PrintJob.h"

#include <limits.h>
#include <stdio.h>

#include <memory>
#include <new>

#include "PipelineScan.h"
#include "ResultCodes.h"
#include "SpoolerApi.h"
#include "SpoolerQuery.h"

namespace {
const char kUel[] = "\x1b%-12345X";
const DWORD kUelLength = sizeof(kUel) - 1;
const char kResourceWriteLine[] =
    "@PJL KYVRESOURCEWRITE LOCATION=\"DownloadMessage:setMessage\" SIZE=%d\r\n";
const DWORD kLargestWrite = 514000;

// The spooler may take less than it was given; a job is only complete when every byte went in.
bool WriteAll(HANDLE printer, const char* data, DWORD size)
{
    while (size > 0) {
        DWORD written = 0;
        if (!g_SpoolerApi.WritePrinter(printer, const_cast<char*>(data), size, &written) ||
            written == 0 || written > size)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

// Sends exactly `length` bytes of the file. A file that ends early would leave the printer
// waiting for the bytes the resource-write line announced, so that counts as a failed job.
bool WriteBody(HANDLE printer, HANDLE file, DWORD length)
{
    DWORD bufferSize = length < kLargestWrite ? length : kLargestWrite;
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[bufferSize]);
    if (!buffer)
        return false;
    for (DWORD remaining = length; remaining > 0;) {
        DWORD wanted = remaining < bufferSize ? remaining : bufferSize;
        DWORD read = 0;
        if (!ReadFile(file, buffer.get(), wanted, &read, nullptr) || read == 0)
            return false;
        if (!WriteAll(printer, buffer.get(), read))
            return false;
        remaining -= read;
    }
    return true;
}

bool DependentFilesListPipelineConfig(const BYTE* buffer, DWORD size)
{
    if (size < sizeof(DRIVER_INFO_3A))
        return false;
    const char* list = reinterpret_cast<const DRIVER_INFO_3A*>(buffer)->pDependentFiles;
    const char* begin = reinterpret_cast<const char*>(buffer);
    // Only a list inside the buffer can be read within known bounds.
    if (list < begin || list >= begin + size)
        return false;
    return ListsPipelineConfig(list, static_cast<size_t>(begin + size - list));
}

// Any trouble reading the driver counts as a driver without the XPS pipeline.
bool DriverUsesXpsPipeline(HANDLE printer)
{
    const DWORD level = 3;
    BYTE* block = nullptr;
    DWORD size = 0;
    SpoolerQueryResult result = QuerySpooler(
        [printer](LPBYTE buffer, DWORD bufferSize, LPDWORD needed) {
            return g_SpoolerApi.GetPrinterDriverA(printer, nullptr, level, buffer, bufferSize,
                                                  needed);
        },
        block, size);
    if (result != SpoolerQueryResult::Filled)
        return false;
    bool xps = DependentFilesListPipelineConfig(block, size);
    GlobalFree(block);
    return xps;
}

bool OpenPrinterByName(const char* printerName, HANDLE& printer)
{
    // Without a name the spooler would open the print server rather than a printer.
    if (printerName == nullptr || *printerName == '\0')
        return false;
    return g_SpoolerApi.OpenPrinterA(const_cast<char*>(printerName), &printer, nullptr) != FALSE;
}
}  // namespace

bool CPrintJob::IsXpsDriver(const char* pszPrinterName)
{
    HANDLE printer = nullptr;
    if (!OpenPrinterByName(pszPrinterName, printer))
        return false;
    bool xps = DriverUsesXpsPipeline(printer);
    g_SpoolerApi.ClosePrinter(printer);
    return xps;
}

bool CPrintJob::StartDocument(const char* printerName, const char* documentName, HANDLE& printer)
{
    m_nStatus = RESULT_OK;
    if (!OpenPrinterByName(printerName, printer)) {
        m_nStatus = ERR_OPEN_PRINTER;
        return false;
    }
    DOC_INFO_1A document = {};
    document.pDocName = const_cast<char*>(documentName);
    document.pOutputFile = nullptr;
    document.pDatatype = const_cast<char*>(DriverUsesXpsPipeline(printer) ? "XPS_PASS" : "RAW");
    if (g_SpoolerApi.StartDocPrinterA(printer, 1, reinterpret_cast<LPBYTE>(&document)) == 0) {
        m_nStatus = ERR_START_DOC;
        g_SpoolerApi.ClosePrinter(printer);
        return false;
    }
    return true;
}

bool CPrintJob::FinishDocument(HANDLE printer, int status)
{
    // A job cut short would leave the printer waiting for the bytes its SIZE announced and
    // taking what comes next as panel data: the spooler drops it rather than printing it.
    if (status != RESULT_OK)
        g_SpoolerApi.AbortPrinter(printer);
    // The spooler may still refuse a document whose every write it took (a queue that cannot
    // pass its data type on, for one); then nothing reaches the printer.
    bool ended = g_SpoolerApi.EndDocPrinter(printer) != FALSE;
    g_SpoolerApi.ClosePrinter(printer);
    m_nStatus = status == RESULT_OK && !ended ? ERR_WRITE_PRINTER : status;
    return m_nStatus == RESULT_OK;
}

bool CPrintJob::SendLanguageFile(const char* pszPrinterName, const char* pszFilePath,
                                 const char* pszDocumentName)
{
    HANDLE printer = nullptr;
    if (!StartDocument(pszPrinterName, pszDocumentName, printer))
        return false;

    // One open for the length and the body, and no writer while the job is sent, so the job
    // carries exactly the bytes its SIZE announces.
    HANDLE file = pszFilePath == nullptr
                      ? INVALID_HANDLE_VALUE
                      : CreateFileA(pszFilePath, GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    LARGE_INTEGER length = {};
    bool opened = file != INVALID_HANDLE_VALUE && GetFileSizeEx(file, &length) &&
                  length.QuadPart <= INT_MAX;  // SIZE is announced as a signed 32-bit number
    if (!opened) {
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
        return FinishDocument(printer, ERR_OPEN_FILE);
    }

    char line[sizeof(kResourceWriteLine) + 16];
    int lineLength = snprintf(line, sizeof(line), kResourceWriteLine,
                              static_cast<int>(length.QuadPart));
    DWORD bodyLength = static_cast<DWORD>(length.QuadPart);
    bool written = WriteAll(printer, kUel, kUelLength) &&
                   WriteAll(printer, line, static_cast<DWORD>(lineLength)) &&
                   WriteBody(printer, file, bodyLength) && WriteAll(printer, kUel, kUelLength);
    CloseHandle(file);
    return FinishDocument(printer, written ? RESULT_OK : ERR_WRITE_PRINTER);
}

bool CPrintJob::SendPjlCommand(const char* pszPrinterName, const char* pszDocumentName,
                               const std::string& strCommand)
{
    HANDLE printer = nullptr;
    if (!StartDocument(pszPrinterName, pszDocumentName, printer))
        return false;
    bool written = WriteAll(printer, kUel, kUelLength) &&
                   WriteAll(printer, strCommand.data(), static_cast<DWORD>(strCommand.size())) &&
                   WriteAll(printer, kUel, kUelLength);
    return FinishDocument(printer, written ? RESULT_OK : ERR_WRITE_PRINTER);
}
