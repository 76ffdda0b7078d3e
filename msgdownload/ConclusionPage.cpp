#include "ConclusionPage.h"

#include "ResourceIds.h"

CConclusionPage::CConclusionPage(const std::string& language)
    : CDownloadPage(IDD_DOWNLOAD_CONCLUSION_PAGE, language, PSWIZB_NEXT)
{
}

BOOL CConclusionPage::OnSetActive()
{
    Dressing dressing;
    dressing.title = true;
    if (DressSheet(dressing))
        ShowFinishOnly();
    return CDownloadPage::OnSetActive();
}
