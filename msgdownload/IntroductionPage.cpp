#include "IntroductionPage.h"

#include "ResourceIds.h"

CIntroductionPage::CIntroductionPage(const std::string& language)
    : CDownloadPage(IDD_DOWNLOAD_INTRODUCTION_PAGE, language, PSWIZB_NEXT)
{
}

BOOL CIntroductionPage::OnSetActive()
{
    Dressing dressing;
    dressing.title = true;
    dressing.postButtons = true;
    dressing.backAndCancel = true;
    DressSheet(dressing);
    return CDownloadPage::OnSetActive();
}
