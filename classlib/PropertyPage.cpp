#include "PropertyPage.h"

#include "PropertySheet.h"
#include "ResourceModule.h"

CPropertyPage::CPropertyPage(UINT templateId) : m_nTemplateId(templateId) {}

void CPropertyPage::UpdateData(bool saveAndValidate)
{
    CDataExchange exchange = {saveAndValidate, m_hWnd};
    DoDataExchange(exchange);
}

BOOL CPropertyPage::OnInitDialog()
{
    UpdateData(false);
    return TRUE;
}

void CPropertyPage::DoDataExchange(CDataExchange&) {}
BOOL CPropertyPage::OnSetActive() { return TRUE; }
LRESULT CPropertyPage::OnWizardNext() { return 0; }
LRESULT CPropertyPage::OnWizardBack() { return 0; }
BOOL CPropertyPage::OnWizardFinish() { return TRUE; }
void CPropertyPage::OnClicked(int) {}
void CPropertyPage::OnItemChanged(int, const NMLISTVIEW&) {}
void CPropertyPage::OnColumnClick(int, const NMLISTVIEW&) {}
void CPropertyPage::OnDoubleClick(int) {}
void CPropertyPage::OnDateTimeChange(int) {}
void CPropertyPage::OnCalendarSelChange(int) {}
void CPropertyPage::OnTimer(UINT_PTR) {}

PROPSHEETPAGEA CPropertyPage::MakeRecord(CPropertySheet* sheet)
{
    m_pSheet = sheet;
    PROPSHEETPAGEA record = {};
    record.dwSize = sizeof record;
    record.hInstance = GetResourceModule();
    record.pszTemplate = MAKEINTRESOURCEA(m_nTemplateId);
    record.pfnDlgProc = DialogProc;
    record.lParam = reinterpret_cast<LPARAM>(this);
    // A wizard puts the title of each page it shows into its title bar, after the page's
    // activation: pages carry the sheet's caption, so a title set while activating stays.
    if (sheet->m_bWizard && !sheet->m_strCaption.empty()) {
        record.dwFlags |= PSP_USETITLE;
        record.pszTitle = sheet->m_strCaption.c_str();
    }
    return record;
}

INT_PTR CALLBACK CPropertyPage::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* page = reinterpret_cast<CPropertyPage*>(GetWindowLongPtrA(window, DWLP_USER));
    if (message == WM_INITDIALOG) {
        page = reinterpret_cast<CPropertyPage*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
        SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(page));
        page->m_hWnd = window;
        return page->OnInitDialog();
    }
    if (page == nullptr)
        return FALSE;

    switch (message) {
    case WM_NOTIFY: {
        const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (page->OnSheetNotify(header))
            return TRUE;
        page->OnControlNotify(header);
        return FALSE;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && lParam != 0)
            page->OnClicked(LOWORD(wParam));
        return FALSE;
    case WM_TIMER:
        page->OnTimer(wParam);
        return FALSE;
    case WM_NCDESTROY:
        page->m_hWnd = nullptr;
        return FALSE;
    }
    return FALSE;
}

bool CPropertyPage::OnSheetNotify(const NMHDR& header)
{
    LRESULT result;
    switch (header.code) {
    case PSN_SETACTIVE:
        result = m_pSheet->ActivatePage(*this);
        break;
    case PSN_WIZNEXT:
        result = OnWizardNext();
        break;
    case PSN_WIZBACK:
        result = OnWizardBack();
        break;
    case PSN_WIZFINISH:
        if (OnWizardFinish()) {
            m_pSheet->m_nModalResult = ID_WIZFINISH;
            result = 0;
        } else {
            result = 1;
        }
        break;
    default:
        return false;
    }
    SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
    return true;
}

void CPropertyPage::OnControlNotify(const NMHDR& header)
{
    int controlId = static_cast<int>(header.idFrom);
    switch (header.code) {
    case LVN_ITEMCHANGED:
        OnItemChanged(controlId, reinterpret_cast<const NMLISTVIEW&>(header));
        break;
    case LVN_COLUMNCLICK:
        OnColumnClick(controlId, reinterpret_cast<const NMLISTVIEW&>(header));
        break;
    case NM_DBLCLK:
        OnDoubleClick(controlId);
        break;
    case DTN_DATETIMECHANGE:
        OnDateTimeChange(controlId);
        break;
    case MCN_SELCHANGE:
        OnCalendarSelChange(controlId);
        break;
    }
}
