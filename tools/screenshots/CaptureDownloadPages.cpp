// Shows the first pages of the message-download wizard, with the texts of the install folder this
// program sits in and the printers of the Wine prefix, and saves each page as a BMP file:
//   CaptureDownloadPages.exe <language code> <output prefix>
// writes <output prefix>-introduction.bmp and <output prefix>-printer.bmp.
#include <windows.h>

#include <cstdio>
#include <string>

#include "IntroductionPage.h"
#include "LCDMessageDownloadManager.h"
#include "ModalRun.h"
#include "ResourceIds.h"
#include "ResourceLibrary.h"
#include "ResourcePaths.h"
#include "SelectPrinterPage.h"
#include "SheetTitle.h"
#include "WindowImage.h"
#include "WizardDriver.h"

namespace {

const DWORD kAppearTimeoutMs = 20000;
const DWORD kSettleTimeoutMs = 5000;

int Fail(const char* message)
{
    std::fprintf(stderr, "CaptureDownloadPages: %s\n", message);
    return 1;
}

bool SavePage(HWND sheet, const std::string& path)
{
    CWindowImage image;
    return CaptureSettled(sheet, image, kSettleTimeoutMs) && image.SaveBmp(path.c_str());
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return Fail("usage: CaptureDownloadPages.exe <language code> <output prefix>");
    std::string language = argv[1];
    std::string prefix = argv[2];

    ModalRun run([&] {
        CResourceLibrary texts(DownloadTextLibraryPath(language).c_str());
        CLCDMessageDownloadManager sheet(LoadSheetTitle(texts).c_str(), language);
        CIntroductionPage introduction(language);
        CSelectPrinterPage printer(language);
        printer.SetSupportedPrinterCount(1);
        sheet.AddPage(&introduction);
        sheet.AddPage(&printer);
        sheet.SetWizardMode();
        sheet.DoModal();
    });
    HWND sheet = WaitForWizard(GetCurrentProcessId(), kAppearTimeoutMs);
    if (sheet == nullptr)
        return Fail("no wizard appeared");
    WizardDriver wizard(sheet);
    if (!SavePage(sheet, prefix + "-introduction.bmp"))
        return Fail("the introduction page did not settle for a capture");
    if (!wizard.Press(kNextButton) || !wizard.WaitForActiveIndex(1) ||
        !wizard.WaitForButtonEnabled(kNextButton, true, kSettleTimeoutMs))
        return Fail("the printer page did not come up with a printer chosen");
    if (!SavePage(sheet, prefix + "-printer.bmp"))
        return Fail("the printer page did not settle for a capture");
    if (!wizard.Press(kCancelButton) || !run.WaitForEnd(kAppearTimeoutMs))
        return Fail("the wizard did not close on Cancel");
    return 0;
}
