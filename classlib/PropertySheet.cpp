#include "PropertySheet.h"

#include <commctrl.h>

#include <algorithm>

#include "PropertyPage.h"
#include "ResourceModule.h"

namespace {

const char kSheetProperty[] = "CPropertySheet";

// The sheet whose window a thread is about to create, and the hook that waits for it.
struct Creation {
    CPropertySheet* sheet;
    HHOOK hook;
};

// Each thread's Creation, in a slot of the system's own rather than a C++ thread_local: the
// runtime keeps a thread's thread_local storage until the thread ends, so a library that is
// loaded and freed around every call would leave it behind each time on a long-lived thread.
class CreationSlot {
public:
    CreationSlot() : m_index(TlsAlloc()) {}
    ~CreationSlot() { TlsFree(m_index); }
    CreationSlot(const CreationSlot&) = delete;
    CreationSlot& operator=(const CreationSlot&) = delete;

    Creation* Get() const { return static_cast<Creation*>(TlsGetValue(m_index)); }
    void Set(Creation* creation) const { TlsSetValue(m_index, creation); }

private:
    DWORD m_index;
};
const CreationSlot g_creation;

void RemoveCreationHook()
{
    if (Creation* creation = g_creation.Get()) {
        if (creation->hook != nullptr)
            UnhookWindowsHookEx(creation->hook);
        g_creation.Set(nullptr);
    }
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

    // comctl32 leaves out a page whose template it cannot find, down to a sheet without any page
    // that neither Cancel nor Finish closes: such a sheet is not shown at all.
    std::vector<PROPSHEETPAGEA> records;
    for (CPropertyPage* page : m_pages) {
        PROPSHEETPAGEA record = page->MakeRecord(this);
        if (FindResourceA(record.hInstance, record.pszTemplate, RT_DIALOG) == nullptr)
            return -1;
        records.push_back(record);
    }
    if (records.empty())
        return -1;

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
    Creation creation = {this, nullptr};
    g_creation.Set(&creation);
    creation.hook = SetWindowsHookExA(WH_CBT, CreationHook, nullptr, GetCurrentThreadId());
    INT_PTR shown = PropertySheetA(&header);
    RemoveCreationHook();
    return shown < 0 ? -1 : m_nModalResult;
}

BOOL CPropertySheet::SetActivePage(int index)
{
    bool onSheetThread = GetWindowThreadProcessId(m_hWnd, nullptr) == GetCurrentThreadId();
    if (m_pActivating != nullptr && onSheetThread) {
        if (index < 0 || index >= GetPageCount())
            return FALSE;
        m_nRequestedPage = index;
        return TRUE;
    }
    return static_cast<BOOL>(SendMessageA(m_hWnd, PSM_SETCURSEL, index, 0));
}

int CPropertySheet::GetActiveIndex() const
{
    // While a page activates, comctl32 has no current page yet.
    if (CPropertyPage* activating = m_pActivating)
        return IndexOf(activating);
    if (m_hWnd == nullptr)
        return static_cast<int>(m_nFirstPage);
    LRESULT page = SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0);
    return static_cast<int>(SendMessageA(m_hWnd, PSM_HWNDTOINDEX, page, 0));
}

// A page that moved the sheet with a nested PSM_SETCURSEL and then refused would not stay moved:
// comctl32 goes on from the refusing page in the direction of travel, activating the target a
// second time, or at either end of the sheet showing the refusing page itself. Answering with
// the target's template instead makes comctl32 activate the target once, in the same pass.
LRESULT CPropertySheet::ActivatePage(CPropertyPage& page)
{
    CPropertyPage* outer = m_pActivating.exchange(&page);
    int outerRequest = m_nRequestedPage;
    m_nRequestedPage = -1;
    bool accepted = page.OnSetActive() != FALSE;
    int requested = m_nRequestedPage;
    m_pActivating = outer;
    m_nRequestedPage = outerRequest;

    if (requested < 0)
        return accepted ? 0 : -1;
    if (m_pages[requested] == &page)
        return 0;  // a sheet of one page has nowhere else to go
    return static_cast<LRESULT>(m_pages[requested]->m_nTemplateId);
}

int CPropertySheet::IndexOf(const CPropertyPage* page) const
{
    auto found = std::find(m_pages.begin(), m_pages.end(), page);
    return found != m_pages.end() ? static_cast<int>(found - m_pages.begin()) : -1;
}

BOOL CPropertySheet::OnInitDialog()
{
    return static_cast<BOOL>(
        CallWindowProcA(m_pfnDefaultProc, m_hWnd, WM_INITDIALOG, m_initWParam, m_initLParam));
}

// Sees the sheet's window right after it exists, before it gets WM_INITDIALOG.
LRESULT CALLBACK CPropertySheet::CreationHook(int code, WPARAM wParam, LPARAM lParam)
{
    Creation* creation = g_creation.Get();
    HHOOK hook = creation != nullptr ? creation->hook : nullptr;
    if (code == HCBT_CREATEWND && creation != nullptr) {
        HWND window = reinterpret_cast<HWND>(wParam);
        if (IsTopLevelDialog(window)) {
            creation->sheet->Attach(window);
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
