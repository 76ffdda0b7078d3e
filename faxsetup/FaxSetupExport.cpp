#include <windows.h>

#include <string>

#include "CountSupportedPrinters.h"
#include "FaxWizard.h"
#include "MissingFileMessage.h"
#include "MultibyteText.h"
#include "OptionalText.h"
#include "ResourceIds.h"
#include "ResourceLibrary.h"
#include "ResourcePaths.h"
#include "SheetTitle.h"

namespace {

const size_t kLanguageCodeLength = 3;
const UINT kNoSupportedPrinterBoxStyle =
    MB_YESNO | MB_ICONEXCLAMATION | MB_SETFOREGROUND | MB_TOPMOST;

}  // namespace

// Sets up the fax unit of a printer through the wizard. Returns 0 or the code of the last error
// met; the caller learns that the settings were sent from the selection record's valid flag.
extern "C" int WINAPI KyvFaxSetup(const char* pszPrinterName, const char* pszLanguage,
                                  int nTimeOffset, const char* pszCountryCode,
                                  int bSkipIntroduction, int bSkipCountryCode, int bSkipTime,
                                  PRINTER_SELECTION* pSelection)
{
    FaxRun run;
    run.language = CutAtCharacter(TextOrEmpty(pszLanguage), kLanguageCodeLength);
    {
        CResourceLibrary texts(FaxTextLibraryPath(run.language).c_str());
        if (!texts.IsLoaded()) {
            ShowMissingFile();
            return 0;
        }
        int supportedPrinters = 0;
        int error = CountSupportedPrinters(supportedPrinters);
        if ((error != 0 || supportedPrinters == 0) &&
            ShowWizardMessage(nullptr, texts, IDS_ASK_NO_SUPPORTED_PRINTER,
                              kNoSupportedPrinterBoxStyle) == IDNO)
            return error;
    }
    run.printerName = TextOrEmpty(pszPrinterName);
    run.timeOffset = nTimeOffset;
    run.countryCode = TextOrEmpty(pszCountryCode);
    run.skipIntroduction = bSkipIntroduction != 0;
    run.skipCountryCode = bSkipCountryCode != 0;
    run.skipTime = bSkipTime != 0;
    run.pSelection = pSelection;
    return RunFaxWizard(run);
}
