#include "SelectModelPage.h"

#include "ResourceIds.h"

CSelectModelPage::CSelectModelPage(const std::string& language)
    : CWizardPage(IDD_SELECT_MODEL_PAGE, language, PSWIZB_BACK | PSWIZB_NEXT)
{
}

void CSelectModelPage::GetSheetPrinter(std::string& name, std::string& driver) const
{
    std::string port;
    Manager().GetPrinter(name, port, driver);
}

bool CSelectModelPage::IsDriverListed(CIniConfig& config, const std::string& driver) const
{
    return config.FindDriver(driver.c_str()) != 0;
}

std::vector<std::string> CSelectModelPage::ListModels(CIniConfig& config) const
{
    return config.GetSection(SECTION_MODELS).keys;
}

void CSelectModelPage::HandChoiceToSheet(const std::string& model) const
{
    Manager().SetModelName(model);
}
