// Walks through the fax-setup wizard of the install folder this program sits in, with the
// printers of the Wine prefix, and saves each page as a BMP file:
//   CaptureFaxPages.exe <language code> <output prefix>
// writes <output prefix>-<page>.bmp for the pages introduction, printer, model, country-code,
// time, confirm and complete. The walk chooses a printer whose driver the configuration lacks,
// so the model page shows, and sends the settings to it: the printer page is saved with that
// printer chosen, so that every page tells of the same printer.
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
// Its port is a file: the settings go out without a network check.
const char kUnsupportedPrinter[] = "Office Inkjet";
const char kFaxModel[] = "LP-5300 MFP";

int Fail(const char* message)
{
    std::fprintf(stderr, "CaptureFaxPages: %s\n", message);
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return Fail("usage: CaptureFaxPages.exe <language code> <output prefix>");
    FaxSetupExport faxSetup = LoadFaxSetupExport();
    if (faxSetup == nullptr)
        return Fail("no Tollimar.dll with KyvFaxSetup in this program's folder");

    PRINTER_SELECTION selection = {};
    int result = -1;
    ModalRun run([&] { result = faxSetup(nullptr, argv[1], 0, nullptr, 0, 0, 0, &selection); });
    HWND sheet = WaitForWizard(GetCurrentProcessId(), kAppearTimeoutMs);
    if (sheet == nullptr)
        return Fail("no wizard appeared");
    CPageCapture walk(sheet, argv[2]);
    const WizardDriver& wizard = walk.Wizard();
    bool walked = walk.Save("introduction") && walk.Press(kNextButton) &&
                  wizard.WaitForButtonEnabled(kNextButton, true, kSettleTimeoutMs) &&
                  wizard.SetChecked(IDC_SHOW_ALL_PRINTERS, true) &&
                  wizard.SelectListRow(IDC_PRINTER_LIST, kUnsupportedPrinter) &&
                  walk.Save("printer") && walk.Press(kNextButton) && wizard.SelectListRow(IDC_MODEL_LIST, kFaxModel) &&
                  walk.Save("model") && walk.Press(kNextButton) &&
                  wizard.WaitForButtonEnabled(kNextButton, true, kSettleTimeoutMs) &&
                  walk.Save("country-code") && walk.Press(kNextButton) && walk.Save("time") &&
                  walk.Press(kNextButton) && walk.Save("confirm") && walk.Press(kNextButton) &&
                  walk.Save("complete") && walk.Press(kFinishButton) &&
                  run.WaitForEnd(kAppearTimeoutMs);
    if (!walked)
        return Fail("the walk through the wizard stopped on the way");
    std::printf("KyvFaxSetup returned %d; the selection names \"%s\" (valid %d)\n", result,
                SelectionFieldText(selection.szPrinterName).c_str(), selection.bValid);
    return 0;
}
