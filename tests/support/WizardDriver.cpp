#include "WizardDriver.h"

#include <commctrl.h>

#include "PostedMessages.h"
#include "WaitFor.h"
#include "WindowQueries.h"

bool IsPropertySheet(HWND window)
{
    return ClassName(window) == "#32770" &&
           FindWindowExA(window, nullptr, "SysTabControl32", nullptr) != nullptr;
}

HWND FindWizard(DWORD processId)
{
    // A sheet can be visible before its first page has been set up; that is only seen to end
    // in this process.
    bool ours = processId == GetCurrentProcessId();
    for (HWND dialog : VisibleDialogs(processId))
        if (IsPropertySheet(dialog) &&
            (!ours || WaitForPostedMessagesHandled(GetWindowThreadProcessId(dialog, nullptr))) &&
            WizardDriver(dialog).ActivePage() != nullptr)
            return dialog;
    return nullptr;
}

HWND WaitForWizard(DWORD processId, DWORD timeoutMs)
{
    HWND sheet = nullptr;
    WaitFor([&] { return (sheet = FindWizard(processId)) != nullptr; }, timeoutMs);
    return sheet;
}

HWND WizardDriver::ActivePage() const
{
    return reinterpret_cast<HWND>(SendMessageA(m_hSheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

int WizardDriver::ActiveIndex() const
{
    HWND page = ActivePage();
    if (page == nullptr)
        return -1;
    return static_cast<int>(
        SendMessageA(m_hSheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page), 0));
}

std::string WizardDriver::Title() const
{
    return WindowText(m_hSheet);
}

ButtonState WizardDriver::Button(int id) const
{
    ButtonState state;
    HWND button = GetDlgItem(m_hSheet, id);
    if (button == nullptr)
        return state;
    state.exists = true;
    state.visible = IsWindowVisible(button) != FALSE;
    state.enabled = IsWindowEnabled(button) != FALSE;
    state.caption = WindowText(button);
    GetWindowRect(button, &state.rect);
    return state;
}

bool WizardDriver::Press(int id) const
{
    HWND button = GetDlgItem(m_hSheet, id);
    if (!UserCanClick(button))
        return false;
    PostMessageA(m_hSheet, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    WaitForPostedMessagesHandled(SheetThread());
    return true;
}

bool WizardDriver::PressWhenEnabled(int id, DWORD timeoutMs) const
{
    return WaitForButtonEnabled(id, true, timeoutMs) && Press(id);
}

bool WizardDriver::IsChecked(int id) const
{
    HWND box = PageControl(id);
    return box != nullptr && SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool WizardDriver::SetChecked(int id, bool checked, DWORD timeoutMs) const
{
    HWND box = PageControl(id);
    if (!UserCanClick(box))
        return false;
    if (IsChecked(id) == checked)
        return true;
    // The button toggles itself and tells the page, as on a mouse click.
    PostMessageA(box, BM_CLICK, 0, 0);
    return WaitForPostedMessagesHandled(SheetThread(), timeoutMs) && IsChecked(id) == checked;
}

std::string WizardDriver::ControlText(int id) const
{
    HWND control = PageControl(id);
    return control != nullptr ? WindowText(control) : std::string();
}

std::vector<std::string> WizardDriver::ListFirstCells(int id) const
{
    std::vector<std::string> cells;
    for (const std::vector<std::string>& row : ListRows(id))
        cells.push_back(row.at(0));
    return cells;
}

std::vector<std::vector<std::string>> WizardDriver::ListRows(int id) const
{
    std::vector<std::vector<std::string>> rows;
    HWND list = PageControl(id);
    if (list == nullptr)
        return rows;
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    int columns =
        header != nullptr ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
    int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column < columns; ++column) {
            char text[1024] = "";
            LVITEMA item = {};
            item.iSubItem = column;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            int length = static_cast<int>(
                SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item)));
            cells.push_back(std::string(text, length > 0 ? length : 0));
        }
        rows.push_back(cells);
    }
    return rows;
}

bool WizardDriver::SelectListRow(int id, const std::string& firstColumnText) const
{
    HWND list = PageControl(id);
    if (!UserCanClick(list))
        return false;
    std::vector<std::vector<std::string>> rows = ListRows(id);
    for (size_t row = 0; row < rows.size(); ++row) {
        if (rows[row].empty() || rows[row][0] != firstColumnText)
            continue;
        // A click leaves only the clicked row selected, also in a multiple-selection list.
        LVITEMA item = {};
        item.stateMask = LVIS_SELECTED;
        SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(&item));
        item.state = item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
        SendMessageA(list, LVM_ENSUREVISIBLE, row, FALSE);
        WaitForPostedMessagesHandled(SheetThread());  // what the page deferred
        return SelectedListRow(id) == static_cast<int>(row);
    }
    return false;
}

int WizardDriver::SelectedListRow(int id) const
{
    HWND list = PageControl(id);
    if (list == nullptr)
        return -1;
    return static_cast<int>(
        SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

bool WizardDriver::ClickListColumn(int id, int column) const
{
    HWND header = ListHeader(id);
    RECT bounds;
    if (!UserCanClick(header) ||
        !SendMessageA(header, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&bounds)))
        return false;
    return ClickAt(header, bounds, false);
}

bool WizardDriver::DoubleClickListRow(int id, const std::string& firstColumnText) const
{
    if (!SelectListRow(id, firstColumnText))
        return false;
    HWND list = PageControl(id);
    RECT bounds = {};
    bounds.left = LVIR_LABEL;
    int row = SelectedListRow(id);
    if (!SendMessageA(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&bounds)))
        return false;
    return ClickAt(list, bounds, true);
}

HBITMAP WizardDriver::ListColumnBitmap(int id, int column) const
{
    HDITEMA item = {};
    item.mask = HDI_FORMAT | HDI_BITMAP;
    HWND header = ListHeader(id);
    if (header == nullptr ||
        !SendMessageA(header, HDM_GETITEMA, column, reinterpret_cast<LPARAM>(&item)) ||
        (item.fmt & HDF_BITMAP) == 0)
        return nullptr;
    return item.hbm;
}

// The button messages a click leaves in the control's queue; the control finds what was clicked
// from the position they carry.
bool WizardDriver::ClickAt(HWND control, const RECT& bounds, bool doubleClick) const
{
    LPARAM where = MAKELPARAM((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
    if (doubleClick) {
        PostMessageA(control, WM_LBUTTONDBLCLK, MK_LBUTTON, where);
    } else {
        PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, where);
        PostMessageA(control, WM_LBUTTONUP, 0, where);
    }
    return WaitForPostedMessagesHandled(SheetThread());
}

bool WizardDriver::WaitForActiveIndex(int index, DWORD timeoutMs) const
{
    return WaitFor([&] { return ActiveIndex() == index; }, timeoutMs);
}

bool WizardDriver::WaitForButtonEnabled(int id, bool enabled, DWORD timeoutMs) const
{
    return WaitFor([&] {
        ButtonState state = Button(id);
        return state.exists && state.enabled == enabled;
    }, timeoutMs);
}

bool WizardDriver::WaitForKeyboardOn(int id, DWORD timeoutMs) const
{
    return WaitFor([&] {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(SheetThread(), &info) &&
               info.hwndFocus == GetDlgItem(m_hSheet, id) &&
               LOWORD(SendMessageA(m_hSheet, DM_GETDEFID, 0, 0)) == id;
    }, timeoutMs);
}

HWND WizardDriver::PageControl(int id) const
{
    HWND page = ActivePage();
    return page != nullptr ? GetDlgItem(page, id) : nullptr;
}

HWND WizardDriver::ListHeader(int id) const
{
    HWND list = PageControl(id);
    return list != nullptr ? reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0))
                           : nullptr;
}

DWORD WizardDriver::SheetThread() const
{
    return GetWindowThreadProcessId(m_hSheet, nullptr);
}

bool WizardDriver::UserCanClick(HWND control) const
{
    return control != nullptr && IsWindowVisible(control) && IsWindowEnabled(control) &&
           IsWindowEnabled(m_hSheet);
}
