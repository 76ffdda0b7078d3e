#pragma once
#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

class CPropertyPage;

// The buttons of a sheet in wizard mode.
const int ID_WIZBACK = 12323;
const int ID_WIZNEXT = 12324;
const int ID_WIZFINISH = 12325;

// A property sheet over comctl32's PropertySheetA. The sheet's window is subclassed while it is
// created, so that a derived sheet can take part in its dialog initialisation.
class CPropertySheet {
public:
    CPropertySheet(const char* caption, HWND parent = nullptr, UINT firstPage = 0);
    virtual ~CPropertySheet() = default;
    CPropertySheet(const CPropertySheet&) = delete;
    CPropertySheet& operator=(const CPropertySheet&) = delete;

    // The page must outlive the modal run.
    void AddPage(CPropertyPage* page);
    void SetWizardMode() { m_bWizard = true; }

    // ID_WIZFINISH when the wizard ended with Finish, IDCANCEL when it was cancelled, -1 when the
    // sheet could not be shown: it has no page, or the resource module lacks a page's template.
    INT_PTR DoModal();

    HWND GetSafeHwnd() const { return m_hWnd; }
    // Called by a page during its own activation, the move is made when that activation returns
    // and lands exactly on index, whether the page refused or not. comctl32 then finds the target
    // by its template, which must be the only one of its kind in the sheet.
    BOOL SetActivePage(int index);
    // The page shown, or the page being activated while it is.
    int GetActiveIndex() const;
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }

protected:
    // Runs comctl32's own initialisation, which creates and activates the first page.
    virtual BOOL OnInitDialog();

private:
    friend class CPropertyPage;

    static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Attach(HWND window);
    // The answer to a page's PSN_SETACTIVE.
    LRESULT ActivatePage(CPropertyPage& page);
    int IndexOf(const CPropertyPage* page) const;

    std::string m_strCaption;
    HWND m_hParent;
    UINT m_nFirstPage;
    bool m_bWizard = false;
    std::vector<CPropertyPage*> m_pages;

    HWND m_hWnd = nullptr;
    WNDPROC m_pfnDefaultProc = nullptr;
    WPARAM m_initWParam = 0;
    LPARAM m_initLParam = 0;
    INT_PTR m_nModalResult = IDCANCEL;

    // Read by other threads too: a driver may ask for the active page at any time.
    std::atomic<CPropertyPage*> m_pActivating{nullptr};
    int m_nRequestedPage = -1;
};
