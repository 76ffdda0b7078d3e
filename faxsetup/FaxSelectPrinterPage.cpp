#include "FaxSelectPrinterPage.h"

#include "ResourceIds.h"

FaxSelectPrinterPage::FaxSelectPrinterPage(const std::string& language)
    : CWizardPage(IDD_SELECT_PRINTER_PAGE, language, PSWIZB_BACK | PSWIZB_NEXT, true)
{
}

bool FaxSelectPrinterPage::IsDriverListed(CIniConfig& config, const std::string& driver) const
{
    return config.FindDriverAndModel(driver.c_str()) != 0;
}

void FaxSelectPrinterPage::HandChoiceToSheet(const std::string& name, const std::string& port,
                                             const std::string& driver) const
{
    Manager().SetPrinter(name, port, driver);
}

void FaxSelectPrinterPage::ArrangeList(HWND list, CSortableList& rows)
{
    ListView_SetExtendedListViewStyleEx(list, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    rows.Sort(list);
}

void FaxSelectPrinterPage::ShowSelection(const std::string& printer)
{
    ShowChoiceNote(IDC_SELECTED_PRINTER_NOTE, IDS_SELECTED_PRINTER_PREFIX,
                   IDS_NO_PRINTER_SELECTED, printer);
}
