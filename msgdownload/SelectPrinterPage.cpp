#include "SelectPrinterPage.h"

#include "ResourceIds.h"

CSelectPrinterPage::CSelectPrinterPage(const std::string& language)
    : CWizardPage(IDD_SELECT_PRINTER_PAGE, language, PSWIZB_BACK | PSWIZB_NEXT, false)
{
}

bool CSelectPrinterPage::IsDriverListed(CIniConfig& config, const std::string& driver) const
{
    return config.FindDriver(driver.c_str()) != 0;
}

void CSelectPrinterPage::HandChoiceToSheet(const std::string& name, const std::string& port,
                                           const std::string& driver) const
{
    Manager().SetPrinter(name, port, driver);
}
