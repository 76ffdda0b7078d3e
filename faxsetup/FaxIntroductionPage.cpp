#include "FaxIntroductionPage.h"

#include "ResourceIds.h"

FaxIntroductionPage::FaxIntroductionPage(const std::string& language, bool skipCountryCode,
                                         bool skipTime)
    : FaxPage(IDD_FAX_INTRODUCTION_PAGE, language, PSWIZB_NEXT),
      m_bSkipCountryCode(skipCountryCode), m_bSkipTime(skipTime)
{
}

BOOL FaxIntroductionPage::OnSetActive()
{
    Dressing dressing;
    dressing.title = true;
    dressing.postButtons = true;
    dressing.backAndCancel = true;
    DressSheet(dressing);
    // With both settings made, the template's own text says what follows.
    UINT note = 0;
    if (m_bSkipCountryCode && m_bSkipTime)
        note = IDS_INTRO_BOTH_SKIPPED;
    else if (m_bSkipCountryCode)
        note = IDS_INTRO_COUNTRY_SKIPPED;
    else if (m_bSkipTime)
        note = IDS_INTRO_TIME_SKIPPED;
    if (note != 0)
        SetDlgItemTextA(GetSafeHwnd(), IDC_INTRO_SKIPPED_NOTE, LoadText(note).c_str());
    return FaxPage::OnSetActive();
}
