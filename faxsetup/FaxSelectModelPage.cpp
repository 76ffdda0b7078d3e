#include "FaxSelectModelPage.h"

#include "ResourceIds.h"

FaxSelectModelPage::FaxSelectModelPage(const std::string& language)
    : CWizardPage(IDD_SELECT_MODEL_PAGE, language, PSWIZB_BACK | PSWIZB_NEXT)
{
}

void FaxSelectModelPage::GetSheetPrinter(std::string& name, std::string& driver) const
{
    std::string port;
    Manager().GetPrinter(name, port, driver);
}

bool FaxSelectModelPage::IsDriverListed(CIniConfig& config, const std::string& driver) const
{
    return config.FindDriverAndModel(driver.c_str()) != 0;
}

std::vector<std::string> FaxSelectModelPage::ListModels(CIniConfig& config) const
{
    std::vector<std::string> models;
    for (int i = 0; i < config.GetFaxModelCount(); ++i) {
        std::string model;
        if (config.GetFaxModelName(i, model))
            models.push_back(model);
    }
    return models;
}

void FaxSelectModelPage::HandChoiceToSheet(const std::string& model) const
{
    Manager().SetModel(model);
}

void FaxSelectModelPage::ShowSelection(const std::string& model)
{
    ShowChoiceNote(IDC_SELECTED_MODEL_NOTE, IDS_SELECTED_MODEL_PREFIX, IDS_NO_MODEL_SELECTED,
                   model);
}
