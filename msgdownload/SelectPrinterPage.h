#pragma once
#include <string>

#include "LCDMessageDownloadManager.h"
#include "PrinterChoicePage.h"
#include "ResourcePaths.h"
#include "WizardPage.h"

// Lists the installed printers, by default only those whose driver names a machine, and hands
// the chosen printer's name, port and driver to the sheet.
class CSelectPrinterPage
    : public CWizardPage<CLCDMessageDownloadManager, kDownloadTextLibraryPattern,
                         CPrinterChoicePage> {
public:
    explicit CSelectPrinterPage(const std::string& language);

protected:
    bool IsDriverListed(CIniConfig& config, const std::string& driver) const override;
    void HandChoiceToSheet(const std::string& name, const std::string& port,
                           const std::string& driver) const override;
};
