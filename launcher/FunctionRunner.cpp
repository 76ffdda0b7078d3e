#include "FunctionRunner.h"

#include <windows.h>
#include <time.h>

#include <string>

#include "ErrorMessages.h"
#include "FindExport.h"
#include "FunctionExports.h"
#include "IniConfig.h"
#include "PrinterList.h"
#include "PrinterSelection.h"
#include "ProgramVersion.h"
#include "ResourcePaths.h"
#include "TextLibrary.h"
#include "TextSlot.h"
#include "TimeOffset.h"
#include "UiLanguage.h"

namespace {

enum Function { FUNCTION_DOWNLOAD = 1, FUNCTION_FAX = 2, FUNCTION_BOTH = 3 };

const UINT kCaptionFormat = 102;
const UINT kNoPrinterText = 801;

// A function library, loaded by file name for one call of its export and freed with the holder.
class FunctionLibrary {
public:
    explicit FunctionLibrary(const char* pszFileName) : m_hModule(LoadLibraryA(pszFileName)) {}
    ~FunctionLibrary()
    {
        if (m_hModule != nullptr)
            FreeLibrary(m_hModule);
    }
    FunctionLibrary(const FunctionLibrary&) = delete;
    FunctionLibrary& operator=(const FunctionLibrary&) = delete;

    bool IsLoaded() const { return m_hModule != nullptr; }

    // Null, after the missing-file message, when the library lacks the export.
    template <typename Export>
    Export FindExport(const char* pszName) const
    {
        auto found = ::FindExport<Export>(m_hModule, pszName);
        if (found == nullptr)
            ShowMissingFile();
        return found;
    }

private:
    HMODULE m_hModule;
};

// The named mutex that keeps a second launcher from running functions, held until the run ends.
class SingleInstance {
public:
    SingleInstance()
    {
        SetLastError(ERROR_SUCCESS);
        m_hMutex = CreateMutexA(nullptr, TRUE, "KyvFaxSetupMutex");
        m_bFirst = m_hMutex != nullptr && GetLastError() == ERROR_SUCCESS;
    }
    ~SingleInstance()
    {
        if (m_hMutex == nullptr)
            return;
        if (m_bFirst)
            ReleaseMutex(m_hMutex);
        CloseHandle(m_hMutex);
    }
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    bool IsFirst() const { return m_bFirst; }

private:
    HANDLE m_hMutex;
    bool m_bFirst;
};

class FunctionRunner {
public:
    FunctionRunner(const LaunchOptions& options, CIniConfig& config)
        : m_options(options), m_config(config)
    {
    }

    int Run();

private:
    void ChooseFunction();
    void ApplyDownloadToFax();
    int ReportNoPrinter(const CPrinterList& printers);
    void RunChooser();
    void RunFaxSetup();
    void RevalidateSelection();
    bool HasValidDownloadArguments() const;
    void RunDownload();

    LaunchOptions m_options;
    CIniConfig& m_config;
    int m_nFunction = FUNCTION_DOWNLOAD;
    bool m_bDownloadRequested = false;
    bool m_bFaxRequested = false;
    bool m_bCombined = false;
    int m_nTimeOffset = 0;
    std::string m_strFaxLanguageCode;
    int m_bDoCountryCode = 1;
    int m_bDoTime = 1;
    int m_bDoDownload = 1;
    PRINTER_SELECTION m_selection = {};
};

int FunctionRunner::Run()
{
    ChooseFunction();
    if (m_options.pszTime != nullptr) {
        time_t moment;
        if (!ParseLocalTime(m_options.pszTime, moment)) {
            ShowError(kIncorrectParameterText);
            return 0;
        }
        m_nTimeOffset = static_cast<int>(moment - time(nullptr));
    }
    m_strFaxLanguageCode = ResolveUiLanguage("FaxSetup", m_options.pszFaxLanguage);

    {
        CPrinterList printers;
        int count = printers.GetCount();
        if (count == -1 || count == 0)
            return ReportNoPrinter(printers);
    }

    m_bCombined = m_options.pszDownloadPrinter != nullptr &&
                  m_options.pszDownloadLanguage != nullptr && m_options.bFlagB &&
                  m_options.bFlagC && m_options.bDownloadPrinterIsFax;

    SingleInstance instance;
    if (!instance.IsFirst())
        return 0;
    if (!m_bDownloadRequested && !m_bFaxRequested && m_nFunction == FUNCTION_BOTH && !m_bCombined)
        RunChooser();
    if (m_nFunction != FUNCTION_DOWNLOAD || m_bCombined)
        RunFaxSetup();
    if (m_nFunction != FUNCTION_FAX)
        RunDownload();
    return 0;
}

void FunctionRunner::ChooseFunction()
{
    const LaunchOptions& o = m_options;
    if (o.pszFunction != nullptr) {
        m_nFunction = o.pszFunction[0] - '0';
    } else {
        m_bDownloadRequested = o.pszDownloadPrinter != nullptr ||
                               o.pszDownloadLanguage != nullptr || o.bFlagB || o.bFlagC;
        m_bFaxRequested = o.pszFaxPrinter != nullptr || o.pszFaxLanguage != nullptr ||
                          o.pszTime != nullptr || o.pszCountryCode != nullptr ||
                          o.bSkipIntroduction || o.bSkipCountryCode || o.bSkipTime;
        if (!m_bDownloadRequested && !m_bFaxRequested) {
            // Nothing asked for: no download or fax arguments to carry over either.
            m_nFunction = m_config.HasFaxMachine() ? FUNCTION_BOTH : FUNCTION_DOWNLOAD;
            return;
        }
        m_nFunction = (m_bDownloadRequested ? FUNCTION_DOWNLOAD : 0) +
                      (m_bFaxRequested ? FUNCTION_FAX : 0);
    }
    ApplyDownloadToFax();
}

// The download's printer and language serve the fax setup too, unless only the fax was chosen.
void FunctionRunner::ApplyDownloadToFax()
{
    if (m_nFunction == FUNCTION_FAX)
        return;
    if (m_options.pszDownloadPrinter != nullptr && m_options.bDownloadPrinterIsFax)
        m_options.pszFaxPrinter = m_options.pszDownloadPrinter;
    if (m_options.pszDownloadLanguage != nullptr)
        m_options.pszFaxLanguage = m_options.pszDownloadLanguage;
}

int FunctionRunner::ReportNoPrinter(const CPrinterList& printers)
{
    CTextLibrary texts(FaxTextLibraryPath(m_strFaxLanguageCode).c_str());
    if (!texts.IsLoaded()) {
        // An empty box would tell nothing; the status still reaches the caller.
        ShowMissingFile();
        return printers.GetStatus();
    }
    std::string caption = FillTextSlot(texts.LoadText(kCaptionFormat), GetProgramVersion(m_config));
    MessageBoxExA(nullptr, texts.LoadText(kNoPrinterText).c_str(), caption.c_str(),
                  MB_ICONEXCLAMATION | MB_SETFOREGROUND | MB_TOPMOST, 0);
    return printers.GetStatus();
}

void FunctionRunner::RunChooser()
{
    {
        FunctionLibrary chooser("Carvesh.dll");
        if (!chooser.IsLoaded())
            ShowMissingFile();
        else if (auto selectFunction = chooser.FindExport<SelectFunctionExport>("SelectFunction"))
            selectFunction(m_strFaxLanguageCode.c_str(), &m_bDoCountryCode, &m_bDoTime,
                           &m_bDoDownload);
    }
    m_options.bSkipCountryCode = m_bDoCountryCode == 0;
    m_options.bSkipTime = m_bDoTime == 0;
}

void FunctionRunner::RunFaxSetup()
{
    FunctionLibrary faxSetup("Tollimar.dll");
    if (!faxSetup.IsLoaded()) {
        ShowMissingFile();
        return;
    }
    if (m_bDoCountryCode == 0 && m_bDoTime == 0)
        return;
    // The command line already named everything the introduction would ask for.
    if (m_bCombined)
        m_options.bSkipIntroduction = true;
    auto setUpFax = faxSetup.FindExport<FaxSetupExport>("KyvFaxSetup");
    if (setUpFax == nullptr)
        return;
    setUpFax(m_options.pszFaxPrinter, m_strFaxLanguageCode.c_str(), m_nTimeOffset,
             m_options.pszCountryCode, m_options.bSkipIntroduction, m_options.bSkipCountryCode,
             m_options.bSkipTime, &m_selection);
}

// A printer the fax setup chose is offered to the download only when the download knows it.
void FunctionRunner::RevalidateSelection()
{
    if (m_selection.bValid == 0)
        return;
    if (m_config.FindDriver(SelectionFieldText(m_selection.szDriverName).c_str()) != 0 ||
        m_config.FindModel(SelectionFieldText(m_selection.szModelName).c_str()) != 0)
        return;
    m_selection.bValid = 0;
}

// None of the four; the language alone; the language with both flags; all four.
bool FunctionRunner::HasValidDownloadArguments() const
{
    bool printer = m_options.pszDownloadPrinter != nullptr;
    bool language = m_options.pszDownloadLanguage != nullptr;
    bool flags = m_options.bFlagB && m_options.bFlagC;
    bool anyFlag = m_options.bFlagB || m_options.bFlagC;
    if (!language)
        return !printer && !anyFlag;
    return printer ? flags : flags || !anyFlag;
}

void FunctionRunner::RunDownload()
{
    RevalidateSelection();
    if (!HasValidDownloadArguments()) {
        ShowError(kIncorrectParameterText);
        return;
    }
    FunctionLibrary download("Zembrak.dll");
    if (!download.IsLoaded()) {
        ShowMissingFile();
        return;
    }
    if (m_bDoDownload == 0)
        return;
    auto downloadToPrinter = download.FindExport<DownloadToPrinterExport>("KyvMsgdlDownloadToPrinter");
    if (downloadToPrinter == nullptr)
        return;
    downloadToPrinter(m_options.pszDownloadPrinter, m_options.pszDownloadLanguage,
                      m_options.bFlagB, m_options.bFlagC, &m_selection);
}

}  // namespace

int RunFunctions(const LaunchOptions& options, CIniConfig& config)
{
    return FunctionRunner(options, config).Run();
}
