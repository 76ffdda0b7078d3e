#include "MessageDownloadExports.h"

#include <string>

#include "DownloadRun.h"
#include "IniConfig.h"
#include "MissingFileMessage.h"
#include "ModulePath.h"
#include "MultibyteText.h"
#include "OptionalText.h"
#include "PrinterList.h"
#include "ResourceIds.h"
#include "ResourceLibrary.h"
#include "ResourcePaths.h"
#include "SheetTitle.h"
#include "SupportedPrinters.h"
#include "UiLanguage.h"
#include "VersionInfo.h"
#include "VersionNumbers.h"

namespace {

const size_t kLanguageCodeLength = 3;
const UINT kNoPrinterBoxStyle = MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND | MB_TOPMOST;
const UINT kNoSupportedPrinterBoxStyle = MB_YESNO | MB_ICONEXCLAMATION | MB_SETFOREGROUND | MB_TOPMOST;


}  // namespace

// The leading number of this library's file version, or 0.
extern "C" int WINAPI KyvMsgdlGetVersion()
{
    std::string path;
    if (!GetPathBesideProgram("Zembrak.dll", path))
        return 0;
    return LeadingVersionNumber(CVersionInfo(path.c_str()).GetFileVersion());
}

// The running program's file version packed into one number, or 0.
extern "C" int WINAPI KyvMsgdlGetAPVersion()
{
    std::string path = GetProgramPath();
    if (path.empty())
        return 0;
    return PackedVersionNumber(CVersionInfo(path.c_str()).GetFileVersion());
}

// Downloads panel messages to a printer through the wizard the arguments call for; returns 0 or
// the code of the last error met. Nothing is shown and 0 returned for a combination of
// arguments that calls for no wizard.
extern "C" int WINAPI KyvMsgdlDownloadToPrinter(const char* pszPrinterName, const char* pszLanguage,
                                                int nFlagB, int nFlagC,
                                                const PRINTER_SELECTION* pPreset)
{
    CIniConfig config;
    std::string requested = TextOrEmpty(pszLanguage);
    DownloadRun run;
    run.uiLanguage =
        CutAtCharacter(ResolveUiLanguage("Lomarel", requested.c_str()), kLanguageCodeLength);
    if (!requested.empty() && config.FindLanguage(requested.c_str()) != 0)
        run.requestedLanguage = CutAtCharacter(requested, kLanguageCodeLength);
    run.printerName = TextOrEmpty(pszPrinterName);
    run.pPreset = pPreset;

    CResourceLibrary texts(DownloadTextLibraryPath(run.uiLanguage).c_str());
    if (!texts.IsLoaded()) {
        ShowMissingFile();
        return 0;
    }
    CPrinterList printers;
    if (printers.GetCount() <= 0) {
        ShowWizardMessage(nullptr, texts, IDS_NO_PRINTER_INSTALLED, kNoPrinterBoxStyle);
        return printers.GetStatus();
    }
    SupportedPrinters supported = FindSupportedPrinters(config);
    int error = supported.listError != 0 ? supported.listError : config.GetLastErrorCode();
    if ((supported.count == 0 || error != 0) &&
        ShowWizardMessage(nullptr, texts, IDS_ASK_NO_SUPPORTED_PRINTER,
                          kNoSupportedPrinterBoxStyle) == IDNO)
        return error;

    bool preselected = !run.requestedLanguage.empty();
    if (run.printerName.empty() && (!preselected || (nFlagB == 0 && nFlagC == 0)))
        run.kind = DownloadRun::FULL;
    else if (preselected && nFlagB == 1 && nFlagC == 1)
        run.kind = DownloadRun::SHORT;
    else
        return 0;
    return RunDownloadWizard(run, config);
}

// Kept for callers of the library's earlier interface; does nothing.
extern "C" int WINAPI KyvMsgdlDownloadToPort(int, int)
{
    return 0;
}
