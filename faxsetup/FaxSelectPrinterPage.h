#pragma once
#include <string>

#include "FaxSetupManager.h"
#include "PrinterChoicePage.h"
#include "ResourcePaths.h"
#include "WizardPage.h"

// Lists the installed printers, by default only those whose driver names a fax model, by name,
// and hands the chosen printer's name, port and driver to the sheet.
class FaxSelectPrinterPage
    : public CWizardPage<FaxSetupManager, kFaxTextLibraryPattern, CPrinterChoicePage> {
public:
    explicit FaxSelectPrinterPage(const std::string& language);

protected:
    bool IsDriverListed(CIniConfig& config, const std::string& driver) const override;
    void HandChoiceToSheet(const std::string& name, const std::string& port,
                           const std::string& driver) const override;
    void ArrangeList(HWND list, CSortableList& rows) override;
    void ShowSelection(const std::string& printer) override;
};
