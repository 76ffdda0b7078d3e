#include "FaxCompletePage.h"

#include "ResourceIds.h"

FaxCompletePage::FaxCompletePage(const std::string& language)
    : FaxPage(IDD_FAX_COMPLETE_PAGE, language, PSWIZB_FINISH)
{
}

BOOL FaxCompletePage::OnSetActive()
{
    Dressing dressing;
    dressing.title = true;
    if (DressSheet(dressing))
        ShowFinishOnly();
    return FaxPage::OnSetActive();
}
