// Walks through the message-download wizard of the install folder this program sits in, with the
// printers of the Wine prefix, and saves each page as a BMP file:
//   CaptureDownloadPages.exe <output prefix>
// writes <output prefix>-<page>.bmp for the pages introduction, printer, model, language,
// menu-print, version, download and conclusion. The walk chooses a printer whose driver the
// configuration lacks, so the model page shows, and downloads to it: the printer page is saved
// with that printer chosen, so that every page tells of the same printer.
#include <windows.h>

#include <cstdio>

#include "LibraryExports.h"
#include "ModalRun.h"
#include "PageCapture.h"
#include "PrinterSelection.h"
#include "ResourceIds.h"
#include "WizardDriver.h"

namespace {

const DWORD kAppearTimeoutMs = 20000;
const DWORD kSettleTimeoutMs = 5000;
const char kUnsupportedPrinter[] = "Office Inkjet";
const char kModel[] = "LP-5300";

int Fail(const char* message)
{
    std::fprintf(stderr, "CaptureDownloadPages: %s\n", message);
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return Fail("usage: CaptureDownloadPages.exe <output prefix>");
    DownloadToPrinterExport download = LoadDownloadExport();
    if (download == nullptr)
        return Fail("no Zembrak.dll with KyvMsgdlDownloadToPrinter in this program's folder");

    PRINTER_SELECTION noPreset = {};
    int result = -1;
    ModalRun run([&] { result = download(nullptr, nullptr, 0, 0, &noPreset); });
    HWND sheet = WaitForWizard(GetCurrentProcessId(), kAppearTimeoutMs);
    if (sheet == nullptr)
        return Fail("no wizard appeared");
    CPageCapture walk(sheet, argv[1]);
    const WizardDriver& wizard = walk.Wizard();
    bool walked = walk.Save("introduction") && walk.Press(kNextButton) &&
                  wizard.WaitForButtonEnabled(kNextButton, true, kSettleTimeoutMs) &&
                  wizard.SetChecked(IDC_SHOW_ALL_PRINTERS, true) &&
                  wizard.SelectListRow(IDC_PRINTER_LIST, kUnsupportedPrinter) &&
                  walk.Save("printer") && walk.Press(kNextButton) && wizard.SelectListRow(IDC_MODEL_LIST, kModel) &&
                  walk.Save("model") && walk.Press(kNextButton) &&
                  wizard.WaitForButtonEnabled(kNextButton, true, kSettleTimeoutMs) &&
                  walk.Save("language") && walk.Press(kNextButton) && walk.Save("menu-print") &&
                  walk.Press(kNextButton) && walk.Save("version") && walk.Press(kNextButton) &&
                  walk.Save("download") && walk.Press(kNextButton) && walk.Save("conclusion") &&
                  walk.Press(kFinishButton) && run.WaitForEnd(kAppearTimeoutMs);
    if (!walked)
        return Fail("the walk through the wizard stopped on the way");
    std::printf("KyvMsgdlDownloadToPrinter returned %d\n", result);
    return 0;
}
