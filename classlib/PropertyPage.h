#pragma once
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include "DataExchange.h"

class CPropertySheet;

// One page of a property sheet, made from a dialog template of the current resource module.
// Notifications of the sheet and of the page's controls reach the virtual members below; each
// default does what an unhandled message would.
class CPropertyPage {
public:
    explicit CPropertyPage(UINT templateId);
    virtual ~CPropertyPage() = default;
    CPropertyPage(const CPropertyPage&) = delete;
    CPropertyPage& operator=(const CPropertyPage&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    // The sheet the page was added to.
    CPropertySheet* GetSheet() const { return m_pSheet; }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }

    // Moves the fields into the controls (false) or the controls into the fields (true).
    void UpdateData(bool saveAndValidate = true);

protected:
    // Fills the controls from the fields.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange& exchange);

    // FALSE refuses the activation; the sheet goes on to the next page in the same direction, or
    // to the page the activation asked for with the sheet's SetActivePage.
    virtual BOOL OnSetActive();
    // 0 moves to the neighbouring page, -1 stays, a template identifier goes to that page.
    virtual LRESULT OnWizardNext();
    virtual LRESULT OnWizardBack();
    // FALSE keeps the wizard open.
    virtual BOOL OnWizardFinish();

    virtual void OnClicked(int controlId);
    virtual void OnItemChanged(int controlId, const NMLISTVIEW& change);
    virtual void OnColumnClick(int controlId, const NMLISTVIEW& click);
    virtual void OnDoubleClick(int controlId);
    virtual void OnDateTimeChange(int controlId);
    virtual void OnCalendarSelChange(int controlId);
    virtual void OnTimer(UINT_PTR timerId);

private:
    friend class CPropertySheet;

    PROPSHEETPAGEA MakeRecord(CPropertySheet* sheet);
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Whether the notification was one the page answers through its message result.
    bool OnSheetNotify(const NMHDR& header);
    void OnControlNotify(const NMHDR& header);

    UINT m_nTemplateId;
    HWND m_hWnd = nullptr;
    CPropertySheet* m_pSheet = nullptr;
};
