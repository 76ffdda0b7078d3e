#include "MenuPrintPage.h"

#include "ResourceIds.h"

CMenuPrintPage::CMenuPrintPage(const std::string& language)
    : CDownloadPage(IDD_MENU_PRINT_PAGE, language, PSWIZB_BACK | PSWIZB_NEXT)
{
}

BOOL CMenuPrintPage::OnSetActive()
{
    Dressing dressing;
    dressing.postButtons = true;
    DressSheet(dressing);
    FocusNextButton();
    return CDownloadPage::OnSetActive();
}

// Each press asks once; the sheet sends nothing while an earlier menu print is still queued, and
// records a failure in its result.
void CMenuPrintPage::OnClicked(int controlId)
{
    if (controlId != IDC_PRINT_MENU_BUTTON)
        return;
    std::string printer, port, driver;
    Manager().GetPrinter(printer, port, driver);
    Manager().PrintMenuMap(printer.c_str());
}
