#include "FaxWizard.h"

#include <string.h>

#include <vector>

#include "CountSupportedPrinters.h"
#include "FaxSetupManager.h"
#include "MissingFileMessage.h"
#include "OptionalText.h"
#include "PrinterList.h"
#include "ResourcePaths.h"
#include "SheetLibraries.h"
#include "SheetTitle.h"

namespace {

bool FitsSelectionField(const std::string& text) { return text.size() < kPrinterSelectionTextSize; }

void WriteSelectionField(char (&field)[kPrinterSelectionTextSize], const std::string& text)
{
    memset(field, 0, sizeof field);
    memcpy(field, text.data(), text.size());
}

// A name cut to its field would name another printer, or none: a printer the record cannot hold
// whole is not handed on, and the record stays as it was, as after a cancelled run.
void WriteSelection(const FaxSetupManager& sheet, PRINTER_SELECTION& selection)
{
    std::string name, port, driver;
    sheet.GetPrinter(name, port, driver);
    const std::string& model = sheet.GetModel();
    if (!FitsSelectionField(name) || !FitsSelectionField(driver) || !FitsSelectionField(port) ||
        !FitsSelectionField(model))
        return;
    WriteSelectionField(selection.szPrinterName, name);
    WriteSelectionField(selection.szDriverName, driver);
    WriteSelectionField(selection.szPortName, port);
    WriteSelectionField(selection.szModelName, model);
    selection.bValid = 1;
}

}  // namespace

int RunFaxWizard(const FaxRun& run, FaxPageFactory createPage)
{
    SheetLibraries libraries(FaxTextLibraryPath(run.language));
    if (!libraries.IsLoaded()) {
        ShowMissingFile();
        return 0;
    }
    const CResourceLibrary& texts = libraries.Texts();

    FaxSetupManager sheet(LoadSheetTitle(texts).c_str(), run.language);
    int supportedPrinters = 0;
    CountSupportedPrinters(supportedPrinters);
    sheet.SetCountryCode(run.countryCode);
    sheet.SetTimeOffset(run.timeOffset);
    // The sheet starts with no printer; a given one the spooler lacks keeps its name alone.
    if (!run.printerName.empty()) {
        CPrinterList printers;
        PrinterInfo printer = printers.FindByName(run.printerName.c_str());
        sheet.SetPrinter(run.printerName, TextOrEmpty(printer.GetPortName()),
                         TextOrEmpty(printer.GetDriverName()));
    }

    std::vector<std::unique_ptr<CWizardPageBase>> pages;
    for (const FaxPageStep& step : PlanFaxPages(run)) {
        if (auto page = createPage(step, run, supportedPrinters)) {
            sheet.AddPage(page.get());
            pages.push_back(std::move(page));
        }
    }
    if (pages.empty())
        return sheet.GetResult();
    sheet.RunWizard();
    if (sheet.IsCompleted() && run.pSelection != nullptr)
        WriteSelection(sheet, *run.pSelection);
    return sheet.GetResult();
}
