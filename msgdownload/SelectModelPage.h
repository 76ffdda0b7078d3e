#pragma once
#include <string>
#include <vector>

#include "LCDMessageDownloadManager.h"
#include "ModelChoicePage.h"
#include "ResourcePaths.h"
#include "WizardPage.h"

// Asks for the printer's model, one of the configuration's models, when its driver does not
// name the machine.
class CSelectModelPage
    : public CWizardPage<CLCDMessageDownloadManager, kDownloadTextLibraryPattern,
                         CModelChoicePage> {
public:
    explicit CSelectModelPage(const std::string& language);

protected:
    void GetSheetPrinter(std::string& name, std::string& driver) const override;
    bool IsDriverListed(CIniConfig& config, const std::string& driver) const override;
    std::vector<std::string> ListModels(CIniConfig& config) const override;
    void HandChoiceToSheet(const std::string& model) const override;
};
