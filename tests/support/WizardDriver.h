#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Ids of a wizard sheet's own buttons.
const int kBackButton = 12323;
const int kNextButton = 12324;
const int kFinishButton = 12325;
const int kCancelButton = IDCANCEL;

struct ButtonState {
    bool exists = false;
    bool visible = false;
    bool enabled = false;
    std::string caption;
    RECT rect = {};  // screen coordinates
};

bool IsPropertySheet(HWND window);
// The first visible property sheet of a process, once it has set up its page; or null.
HWND FindWizard(DWORD processId);
// Waits at most timeoutMs for a property sheet of the process; null when none came.
HWND WaitForWizard(DWORD processId, DWORD timeoutMs = 5000);

// Drives a wizard from another thread of this process as a user would. Reads are sent; clicks
// are posted, since they may open a message box or end the wizard's modal loop, and then waited
// for: an action returns once the wizard has handled it, or shows a message box, or has ended.
// Controls are looked up on the active page.
class WizardDriver {
public:
    explicit WizardDriver(HWND sheet) : m_hSheet(sheet) {}

    HWND Sheet() const { return m_hSheet; }
    HWND ActivePage() const;
    int ActiveIndex() const;  // -1 when there is no active page
    std::string Title() const;

    ButtonState Button(int id) const;
    // Clicks a sheet button; false, and nothing clicked, when a user could not click it either
    // (missing, hidden, disabled, or the sheet disabled behind a message box).
    bool Press(int id) const;
    // Pages post their buttons as they activate: waits for the button to come up, then clicks it.
    bool PressWhenEnabled(int id, DWORD timeoutMs = 5000) const;

    bool IsChecked(int id) const;
    // Clicks the check box when its state differs.
    bool SetChecked(int id, bool checked, DWORD timeoutMs = 5000) const;

    std::string ControlText(int id) const;
    // Whether the active page has the control: tells the pages of a wizard apart.
    bool PageHasControl(int id) const { return PageControl(id) != nullptr; }

    // Report-style list views: every row, its cells by column.
    std::vector<std::vector<std::string>> ListRows(int id) const;
    // The first cell of every row, in the order shown.
    std::vector<std::string> ListFirstCells(int id) const;
    // Selects and focuses the row whose first cell is firstColumnText, as a click would. This is
    // sent: a page that opened a message box on a selection would hold the call.
    bool SelectListRow(int id, const std::string& firstColumnText) const;
    int SelectedListRow(int id) const;  // -1 when none
    // Clicks the heading of a column, as a mouse click would.
    bool ClickListColumn(int id, int column) const;
    // Selects the row and double-clicks it.
    bool DoubleClickListRow(int id, const std::string& firstColumnText) const;
    // The bitmap a column heading shows, or null when it shows none.
    HBITMAP ListColumnBitmap(int id, int column) const;

    // For what the wizard does later on its own (timers, work it posts to itself).
    bool WaitForActiveIndex(int index, DWORD timeoutMs = 5000) const;
    bool WaitForButtonEnabled(int id, bool enabled, DWORD timeoutMs = 5000) const;
    // Whether the sheet's button comes to hold the keyboard focus and be the default button, so
    // that Enter presses it.
    bool WaitForKeyboardOn(int id, DWORD timeoutMs = 5000) const;

private:
    HWND PageControl(int id) const;
    HWND ListHeader(int id) const;
    bool ClickAt(HWND control, const RECT& bounds, bool doubleClick) const;
    DWORD SheetThread() const;
    bool UserCanClick(HWND control) const;

    HWND m_hSheet;
};
