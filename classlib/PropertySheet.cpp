#include "PropertySheet.h"

#include <commctrl.h>

#include "PropertyPage.h"
#include "ResourceModule.h"

namespace {

const char kSheetProperty[] = "CPropertySheet";

// The sheet whose window this thread is about to create, and the hook that waits for it.
thread_local CPropertySheet* t_pCreatingSheet = nullptr;
thread_local HHOOK t_hCreationHook = nullptr;

void RemoveCreationHook()
{
    if (t_hCreationHook != nullptr)
        UnhookWindowsHookEx(t_hCreationHook);
    t_hCreationHook = nullptr;
    t_pCreatingSheet = nullptr;
}

bool IsTopLevelDialog(HWND window)
{
    char className[16];
    return GetClassNameA(window, className, sizeof className) > 0 &&
           lstrcmpA(className, "#32770") == 0 && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) == 0;
}

}  // namespace

CPropertySheet::CPropertySheet(const char* caption, HWND parent, UINT firstPage)
    : m_strCaption(caption != nullptr ? caption : ""), m_hParent(parent), m_nFirstPage(firstPage)
{
}

void CPropertySheet::AddPage(CPropertyPage* page) { m_pages.push_back(page); }

INT_PTR CPropertySheet::DoModal()
{
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&classes);

    std::vector<PROPSHEETPAGEA> records;
    for (CPropertyPage* page : m_pages)
        records.push_back(page->MakeRecord(this));

    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | (m_bWizard ? PSH_WIZARD : 0);
    header.hwndParent = m_hParent;
    header.hInstance = GetResourceModule();
    header.pszCaption = m_strCaption.c_str();
    header.nPages = static_cast<UINT>(records.size());
    header.nStartPage = m_nFirstPage;
    header.ppsp = records.data();

    m_nModalResult = IDCANCEL;
    t_pCreatingSheet = this;
    t_hCreationHook = SetWindowsHookExA(WH_CBT, CreationHook, nullptr, GetCurrentThreadId());
    INT_PTR shown = PropertySheetA(&header);
    RemoveCreationHook();
    return shown < 0 ? -1 : m_nModalResult;
}

BOOL CPropertySheet::SetActivePage(int index)
{
    return static_cast<BOOL>(SendMessageA(m_hWnd, PSM_SETCURSEL, index, 0));
}

int CPropertySheet::GetActiveIndex() const
{
    if (m_hWnd == nullptr)
        return static_cast<int>(m_nFirstPage);
    LRESULT page = SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0);
    return static_cast<int>(SendMessageA(m_hWnd, PSM_HWNDTOINDEX, page, 0));
}

BOOL CPropertySheet::OnInitDialog()
{
    return static_cast<BOOL>(
        CallWindowProcA(m_pfnDefaultProc, m_hWnd, WM_INITDIALOG, m_initWParam, m_initLParam));
}

// Sees the sheet's window right after it exists, before it gets WM_INITDIALOG.
LRESULT CALLBACK CPropertySheet::CreationHook(int code, WPARAM wParam, LPARAM lParam)
{
    HHOOK hook = t_hCreationHook;
    if (code == HCBT_CREATEWND && t_pCreatingSheet != nullptr) {
        HWND window = reinterpret_cast<HWND>(wParam);
        if (IsTopLevelDialog(window)) {
            t_pCreatingSheet->Attach(window);
            RemoveCreationHook();
        }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

void CPropertySheet::Attach(HWND window)
{
    m_hWnd = window;
    SetPropA(window, kSheetProperty, this);
    m_pfnDefaultProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc)));
}

LRESULT CALLBACK CPropertySheet::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* sheet = static_cast<CPropertySheet*>(GetPropA(window, kSheetProperty));
    WNDPROC defaultProc = sheet->m_pfnDefaultProc;
    switch (message) {
    case WM_INITDIALOG:
        sheet->m_initWParam = wParam;
        sheet->m_initLParam = lParam;
        return sheet->OnInitDialog();
    case WM_NCDESTROY:
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(defaultProc));
        RemovePropA(window, kSheetProperty);
        sheet->m_hWnd = nullptr;
        break;
    }
    return CallWindowProcA(defaultProc, window, message, wParam, lParam);
}
