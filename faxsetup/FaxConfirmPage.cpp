#include "FaxConfirmPage.h"

#include "FaxSettingsJob.h"
#include "FaxShownTime.h"
#include "ResourceIds.h"

namespace {

const UINT_PTR PAGE_TIMER_ID = 1;
const UINT kTickMs = 1000;

const int kCountryControls[] = {IDC_CONFIRM_COUNTRY_PART, IDC_SELECTED_COUNTRY_NOTE};
const int kTimeControls[] = {IDC_CONFIRM_TIME_LABEL, IDC_FAX_TIME, IDC_FAX_DATE,
                             IDC_CONFIRM_TIME_NOTE, IDC_DAYLIGHT_SAVING_BOX};

}  // namespace

FaxConfirmPage::FaxConfirmPage(const std::string& language, bool skipCountryCode, bool skipTime)
    : FaxPage(IDD_FAX_CONFIRM_PAGE, language, PSWIZB_BACK | PSWIZB_NEXT),
      m_bSkipCountryCode(skipCountryCode), m_bSkipTime(skipTime)
{
}

// The box only shows the sheet's setting: what it reads back is never used.
void FaxConfirmPage::DoDataExchange(CDataExchange& exchange)
{
    DDX_Check(exchange, IDC_DAYLIGHT_SAVING_BOX, m_bDstChecked);
}

BOOL FaxConfirmPage::OnSetActive()
{
    PostButtons(m_nWizardButtons);
    m_bDstChecked = Manager().GetDaylightSaving();
    UpdateData(false);
    Dressing dressing;
    dressing.postButtons = true;
    dressing.nextCaption = IDS_SEND_BUTTON;
    if (DressSheet(dressing))
        ShowCountryAndHideSkippedParts();
    // At once, not a second later with the first tick.
    ShowTime();
    SetTimer(GetSafeHwnd(), PAGE_TIMER_ID, kTickMs, nullptr);
    return FaxPage::OnSetActive();
}

void FaxConfirmPage::ShowCountryAndHideSkippedParts() const
{
    std::string code, name;
    Manager().GetCountry(code, name);
    const char* shown = !code.empty() && !name.empty() ? name.c_str() : "";
    SetDlgItemTextA(GetSafeHwnd(), IDC_SELECTED_COUNTRY_NOTE, shown);
    if (m_bSkipCountryCode) {
        for (int id : kCountryControls)
            ShowWindow(GetDlgItem(id), SW_HIDE);
    }
    if (m_bSkipTime) {
        for (int id : kTimeControls)
            ShowWindow(GetDlgItem(id), SW_HIDE);
    }
}

void FaxConfirmPage::ShowTime() const
{
    SYSTEMTIME value;
    if (!FaxShownTime(Manager().GetTimeOffset(), value))
        return;
    for (int id : {IDC_FAX_DATE, IDC_FAX_TIME})
        SendMessageA(GetDlgItem(id), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value));
}

void FaxConfirmPage::OnTimer(UINT_PTR timerId)
{
    if (timerId == PAGE_TIMER_ID)
        ShowTime();
}

// A sending that failed has told the user why (a refused job alone tells nothing): the page
// stays, its clock running, and Send may be pressed again.
LRESULT FaxConfirmPage::OnNext()
{
    FaxSettings settings = ReadFaxSettings(Manager(), m_bSkipCountryCode, m_bSkipTime);
    if (!SendFaxSettings(settings, m_strLanguage, SheetWindow(), m_nSendError))
        return -1;
    Manager().SetCompleted(true);
    KillTimer(GetSafeHwnd(), PAGE_TIMER_ID);
    return 0;
}

// As the first page of a run the page keeps Back, which then has nowhere to go: the page stays,
// and so does its running clock.
LRESULT FaxConfirmPage::OnBack()
{
    if (Sheet().GetActiveIndex() == 0)
        return -1;
    KillTimer(GetSafeHwnd(), PAGE_TIMER_ID);
    return 0;
}
