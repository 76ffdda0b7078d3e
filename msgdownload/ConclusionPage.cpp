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
    if (DressSheet(dressing)) {
        std::string finish = LoadText(IDS_FINISH_BUTTON);
        SendMessageA(SheetWindow(), PSM_SETFINISHTEXTA, 0,
                     reinterpret_cast<LPARAM>(finish.c_str()));
        PostButtons(m_nWizardButtons);
        ShowWindow(::GetDlgItem(SheetWindow(), IDCANCEL), SW_HIDE);
    }
    return CDownloadPage::OnSetActive();
}
