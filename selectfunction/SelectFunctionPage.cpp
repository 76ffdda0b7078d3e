#include "SelectFunctionPage.h"

#include "ResourceIds.h"
#include "ResourcePaths.h"

namespace {

// Every flag but Next and Finish: Back stays as it is, Finish shows disabled.
const int kWithoutNextAndFinish = ~(PSWIZB_NEXT | PSWIZB_FINISH);

}  // namespace

SelectFunctionPage::SelectFunctionPage(const std::string& language, int wizardButtons)
    : CWizardPageBase(IDD_SELECT_FUNCTION_PAGE, language, kFaxTextLibraryPattern, wizardButtons)
{
}

void SelectFunctionPage::DoDataExchange(CDataExchange& exchange)
{
    DDX_Check(exchange, IDC_COUNTRY_CODE_BOX, m_bFirst);
    DDX_Check(exchange, IDC_TIME_BOX, m_bSecond);
    DDX_Check(exchange, IDC_DOWNLOAD_BOX, m_bThird);
}

BOOL SelectFunctionPage::OnSetActive()
{
    PostButtons(m_nWizardButtons);
    PostButtons(IsAnyTicked() ? PSWIZB_NEXT : kWithoutNextAndFinish);
    // The chooser's one button finishes, yet is captioned as Next: another wizard follows it.
    Dressing dressing;
    dressing.title = true;
    dressing.backAndCancel = true;
    dressing.nextCaption = IDS_NEXT_BUTTON;
    if (DressSheet(dressing))
        ShowWindow(::GetDlgItem(SheetWindow(), ID_WIZBACK), SW_HIDE);
    return CWizardPageBase::OnSetActive();
}

void SelectFunctionPage::OnClicked(int controlId)
{
    if (controlId != IDC_COUNTRY_CODE_BOX && controlId != IDC_TIME_BOX &&
        controlId != IDC_DOWNLOAD_BOX)
        return;
    UpdateData(true);
    PostButtons(IsAnyTicked() ? m_nWizardButtons : 0);
}
