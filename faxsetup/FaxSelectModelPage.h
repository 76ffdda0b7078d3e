#pragma once
#include <string>
#include <vector>

#include "FaxSetupManager.h"
#include "ModelChoicePage.h"
#include "ResourcePaths.h"
#include "WizardPage.h"

// Asks for the fax model, one of the configuration's fax machines, when the printer's driver
// does not name it.
class FaxSelectModelPage
    : public CWizardPage<FaxSetupManager, kFaxTextLibraryPattern, CModelChoicePage> {
public:
    explicit FaxSelectModelPage(const std::string& language);

protected:
    void GetSheetPrinter(std::string& name, std::string& driver) const override;
    bool IsDriverListed(CIniConfig& config, const std::string& driver) const override;
    std::vector<std::string> ListModels(CIniConfig& config) const override;
    void HandChoiceToSheet(const std::string& model) const override;
    void ShowSelection(const std::string& model) override;
};
