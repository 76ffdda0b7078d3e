#include "LCDMessageDownloadManager.h"

#include "IniConfig.h"
#include "LanguageFileHeader.h"
#include "OptionalText.h"
#include "PrinterList.h"
#include "ResourceIds.h"
#include "ResourcePaths.h"
#include "ResultCodes.h"
#include "SpoolerApi.h"
#include "SpoolerQuery.h"

namespace {

const char kMenuPrintCommand[] = "@PJL KYVINFOPRINT MENU=CUMENU\r\n";

// RESULT_OK when the queue could be listed; `pending` then says whether it holds a job named
// `documentName`.
int FindQueuedDocument(HANDLE printer, DWORD jobCount, const char* documentName, bool& pending)
{
    const DWORD level = 2;
    BYTE* block = nullptr;
    DWORD count = 0;
    SpoolerQueryResult result = QueryRecords(
        [&](LPBYTE buffer, DWORD size, LPDWORD needed, LPDWORD returned) {
            return g_SpoolerApi.EnumJobsA(printer, 0, jobCount, level, buffer, size, needed,
                                          returned);
        },
        sizeof(JOB_INFO_2A), block, count);
    // Without the list the same job could go out twice: a listing that ran out of memory failed.
    if (result != SpoolerQueryResult::Filled)
        return ERR_ENUM_JOBS;
    const auto* jobs = reinterpret_cast<const JOB_INFO_2A*>(block);
    for (DWORD i = 0; i < count && !pending; ++i)
        pending = SameBytes(jobs[i].pDocument, documentName);
    GlobalFree(block);
    return RESULT_OK;
}

}  // namespace

CLCDMessageDownloadManager::CLCDMessageDownloadManager(const char* caption,
                                                       const std::string& uiLanguage,
                                                       HWND parent, UINT firstPage)
    : CWizardSheet(caption, DownloadTextLibraryPath(uiLanguage),
                   DownloadTextLibraryPath(uiLanguage), parent, firstPage),
      m_strUiLanguage(uiLanguage)
{
}

void CLCDMessageDownloadManager::SetPrinter(const std::string& name, const std::string& port,
                                            const std::string& driver)
{
    m_strPrinterName = name;
    m_strPortName = port;
    m_strDriverName = driver;
}

bool CLCDMessageDownloadManager::GetPrinter(std::string& name, std::string& port,
                                            std::string& driver) const
{
    name = m_strPrinterName;
    port = m_strPortName;
    driver = m_strDriverName;
    return true;
}

void CLCDMessageDownloadManager::GetMessageLanguage(std::string& language, std::string& name) const
{
    language = m_strMessageLanguage;
    name = m_strMessageLanguageName;
}

bool CLCDMessageDownloadManager::DownloadByDriver(const char* pszPrinterName,
                                                  const char* pszLanguage, int)
{
    if (IsEmpty(pszPrinterName) || IsEmpty(pszLanguage)) {
        SetResult(ERR_PARAMETER);
        return false;
    }
    SetResult(RESULT_OK);
    CPrinterList printers;
    PrinterInfo printer = printers.FindByName(pszPrinterName);
    if (printers.GetStatus() != RESULT_OK) {
        SetResult(printers.GetStatus());
        return false;
    }
    CIniConfig config;
    std::string path;
    if (!config.GetDriverLanguageFile(printer.GetDriverName(), pszLanguage, path)) {
        SetResult(config.GetLastErrorCode());
        return false;
    }
    return SendLanguageFile(pszPrinterName, path);
}

bool CLCDMessageDownloadManager::DownloadByModel(const char* pszPrinterName, const char* pszModel,
                                                 const char* pszLanguage, int)
{
    if (IsEmpty(pszPrinterName) || IsEmpty(pszModel) || IsEmpty(pszLanguage)) {
        SetResult(ERR_PARAMETER);
        return false;
    }
    SetResult(RESULT_OK);
    CIniConfig config;
    std::string path;
    if (!config.GetModelLanguageFile(pszModel, pszLanguage, path)) {
        SetResult(config.GetLastErrorCode());
        return false;
    }
    return SendLanguageFile(pszPrinterName, path);
}

bool CLCDMessageDownloadManager::SendLanguageFile(const char* printerName, const std::string& path)
{
    CLanguageFileHeader header;
    if (!header.Read(path.c_str())) {
        SetResult(header.GetResult());
        return false;
    }
    return SendUnlessQueued(printerName, IDS_DOWNLOAD_DOCUMENT,
                            [&](CPrintJob& job, const char* documentName) {
                                job.SendLanguageFile(printerName, path.c_str(), documentName);
                            });
}

bool CLCDMessageDownloadManager::PrintMenuMap(const char* pszPrinterName)
{
    if (IsEmpty(pszPrinterName)) {
        SetResult(ERR_MENU_NO_PRINTER);
        return false;
    }
    return SendUnlessQueued(pszPrinterName, IDS_MENU_PRINT_DOCUMENT,
                            [&](CPrintJob& job, const char* documentName) {
                                job.SendPjlCommand(pszPrinterName, documentName,
                                                   kMenuPrintCommand);
                            });
}

bool CLCDMessageDownloadManager::SendUnlessQueued(
    const char* printerName, UINT documentId,
    const std::function<void(CPrintJob&, const char*)>& send)
{
    CResourceLibrary texts(DownloadTextLibraryPath(m_strUiLanguage).c_str());
    if (!texts.IsLoaded()) {
        SetResult(ERR_RESOURCE_LIBRARY);
        return false;
    }
    std::string documentName = texts.LoadText(documentId);
    SetResult(RESULT_OK);
    bool pending = false;
    if (CheckJobPending(printerName, documentName.c_str(), pending) && !pending) {
        CPrintJob job;
        send(job, documentName.c_str());
        SetResult(job.GetStatus());
    }
    return GetResult() == RESULT_OK;
}

bool CLCDMessageDownloadManager::CheckJobPending(const char* pszPrinterName,
                                                 const char* pszDocumentName, bool& pending)
{
    pending = false;
    // The printer's job count spares opening an empty queue.
    CPrinterList printers;
    DWORD jobCount = static_cast<DWORD>(printers.FindByName(pszPrinterName).GetJobCount());
    if (jobCount == 0)
        return true;

    HANDLE printer = nullptr;
    if (!g_SpoolerApi.OpenPrinterA(const_cast<char*>(pszPrinterName), &printer, nullptr)) {
        SetResult(ERR_OPEN_PRINTER);
        return false;
    }
    int status = FindQueuedDocument(printer, jobCount, pszDocumentName, pending);
    g_SpoolerApi.ClosePrinter(printer);
    if (status != RESULT_OK) {
        SetResult(status);
        return false;
    }
    return true;
}
