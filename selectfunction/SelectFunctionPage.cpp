#include "SelectFunctionPage.h"

#include "ResourceIds.h"
#include "ResourcePaths.h"
#include "ResultCodes.h"
#include "SelectFunctionManager.h"
#include "SheetTitle.h"

namespace {

// Every flag but Next and Finish: Back stays as it is, Finish shows disabled.
const DWORD kWithoutNextAndFinish = ~static_cast<DWORD>(PSWIZB_NEXT | PSWIZB_FINISH);

}  // namespace

SelectFunctionPage::SelectFunctionPage(const std::string& language, int wizardButtons)
    : CPropertyPage(IDD_SELECT_FUNCTION_PAGE), m_strLanguage(language), m_nWizardButtons(wizardButtons)
{
}

SelectFunctionPage::~SelectFunctionPage()
{
    if (m_hPicture != nullptr)
        DeleteObject(m_hPicture);
}

void SelectFunctionPage::DoDataExchange(CDataExchange& exchange)
{
    DDX_Check(exchange, IDC_COUNTRY_CODE_BOX, m_bFirst);
    DDX_Check(exchange, IDC_TIME_BOX, m_bSecond);
    DDX_Check(exchange, IDC_DOWNLOAD_BOX, m_bThird);
}

BOOL SelectFunctionPage::OnSetActive()
{
    PostWizardButtons(m_nWizardButtons);
    PostWizardButtons(IsAnyTicked() ? PSWIZB_NEXT : kWithoutNextAndFinish);
    DressSheet();
    return CPropertyPage::OnSetActive();
}

void SelectFunctionPage::OnClicked(int controlId)
{
    if (controlId != IDC_COUNTRY_CODE_BOX && controlId != IDC_TIME_BOX &&
        controlId != IDC_DOWNLOAD_BOX)
        return;
    UpdateData(true);
    PostWizardButtons(IsAnyTicked() ? m_nWizardButtons : 0);
}

SelectFunctionManager& SelectFunctionPage::Sheet() const
{
    return *static_cast<SelectFunctionManager*>(GetSheet());
}

void SelectFunctionPage::PostWizardButtons(DWORD buttons) const
{
    PostMessageA(GetParent(GetSafeHwnd()), PSM_SETWIZBUTTONS, 0, buttons);
}

void SelectFunctionPage::DressSheet()
{
    CResourceLibrary texts(FaxPageTextLibraryPath(m_strLanguage).c_str());
    CSwitchingResourceLibrary images(kImageLibraryPath);
    if (!texts.IsLoaded() || !images.IsLoaded()) {
        Sheet().SetResult(ERR_RESOURCE_LIBRARY);
        return;
    }
    HWND sheet = GetParent(GetSafeHwnd());
    SetWindowTextA(sheet, LoadSheetTitle(texts).c_str());
    std::string next = texts.LoadText(IDS_NEXT_BUTTON);
    SetDlgItemTextA(sheet, ID_WIZNEXT, next.c_str());
    SetDlgItemTextA(sheet, ID_WIZFINISH, next.c_str());
    SetDlgItemTextA(sheet, ID_WIZBACK, texts.LoadText(IDS_BACK_BUTTON).c_str());
    SetDlgItemTextA(sheet, IDCANCEL, texts.LoadText(IDS_CANCEL_BUTTON).c_str());

    HWND picture = GetDlgItem(IDC_SIDE_PICTURE);
    if (m_hPicture == nullptr) {
        RECT bounds = {0, 0, 0, 0};
        GetClientRect(picture, &bounds);
        m_hPicture = images.LoadBitmapImage(IDB_WIZARD_SIDE_PICTURE, bounds.right - bounds.left,
                                            bounds.bottom - bounds.top);
    }
    SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_hPicture));
    ShowWindow(::GetDlgItem(sheet, ID_WIZBACK), SW_HIDE);
}
