#include "LCDMessageDownloadManager.h"

#include "IniConfig.h"
#include "LanguageFileHeader.h"
#include "OptionalText.h"
#include "PrinterList.h"
#include "ResourceIds.h"
#include "ResourcePaths.h"
#include "ResultCodes.h"
#include "SpoolerApi.h"

namespace {

const char kMenuPrintCommand[] = "@PJL KYVINFOPRINT MENU=CUMENU\r\n";

// RESULT_OK when the queue could be listed; `pending` then says whether it holds a job named
// `documentName`.
int FindQueuedDocument(HANDLE printer, DWORD jobCount, const char* documentName, bool& pending)
{
    const DWORD level = 2;
    DWORD needed = 0;
    DWORD returned = 0;
    g_SpoolerApi.EnumJobsA(printer, 0, jobCount, level, nullptr, 0, &needed, &returned);
    if (needed == 0)
        return ERR_ENUM_JOBS;
    const DWORD size = needed;
    auto* jobs = static_cast<JOB_INFO_2A*>(GlobalAlloc(GPTR, size));
    // Without the list the same job could go out twice: that is a listing that failed.
    if (jobs == nullptr)
        return ERR_ENUM_JOBS;
    bool listed = g_SpoolerApi.EnumJobsA(printer, 0, jobCount, level,
                                         reinterpret_cast<LPBYTE>(jobs), size, &needed,
                                         &returned) != FALSE;
    if (listed) {
        DWORD fitting = size / sizeof(JOB_INFO_2A);
        DWORD count = returned < fitting ? returned : fitting;
        for (DWORD i = 0; i < count && !pending; ++i)
            pending = SameBytes(jobs[i].pDocument, documentName);
    }
    GlobalFree(jobs);
    return listed ? RESULT_OK : ERR_ENUM_JOBS;
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
