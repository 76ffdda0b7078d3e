#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "MessageBoxes.h"
#include "ModalRun.h"
#include "WizardDriver.h"
#include "WizardDriverTestPages.h"

namespace {

void SetButtons(HWND page)
{
    bool agreed = IsDlgButtonChecked(page, IDC_AGREE) == BST_CHECKED;
    PropSheet_SetWizButtons(GetParent(page), agreed ? PSWIZB_NEXT : 0);
}

// Next is enabled once "Agree" is ticked and asks before leaving; the chosen row is echoed.
INT_PTR CALLBACK FirstPage(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND list = GetDlgItem(page, IDC_ROWS);
    char text[64] = "";
    if (message == WM_INITDIALOG) {
        const char* cells[2][2] = {{"alpha", "1"}, {"beta", "2"}};
        LVCOLUMNA column = {};
        column.mask = LVCF_WIDTH;
        column.cx = 100;
        ListView_InsertColumn(list, 0, &column);
        ListView_InsertColumn(list, 1, &column);
        for (int row = 0; row < 2; ++row) {
            LVITEMA item = {};
            item.iItem = row;
            ListView_InsertItem(list, &item);
            ListView_SetItemText(list, row, 0, const_cast<char*>(cells[row][0]));
            ListView_SetItemText(list, row, 1, const_cast<char*>(cells[row][1]));
        }
    } else if (message == WM_COMMAND && LOWORD(wParam) == IDC_AGREE) {
        SetButtons(page);
    } else if (message == WM_NOTIFY) {
        UINT code = reinterpret_cast<NMHDR*>(lParam)->code;
        auto* change = reinterpret_cast<NMLISTVIEW*>(lParam);
        if (code == PSN_SETACTIVE)
            SetButtons(page);
        if (code == PSN_WIZNEXT && MessageBoxA(page, "Go on?", "Test", MB_YESNO) == IDNO) {
            SetWindowLongPtrA(page, DWLP_MSGRESULT, -1);
            return TRUE;
        }
        if (code == LVN_ITEMCHANGED && (change->uNewState & LVIS_SELECTED)) {
            ListView_GetItemText(list, change->iItem, 0, text, sizeof text);
            SetDlgItemTextA(page, IDC_CHOSEN, text);
        }
    }
    return FALSE;
}

INT_PTR CALLBACK LastPage(HWND page, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == PSN_SETACTIVE)
        PropSheet_SetWizButtons(GetParent(page), PSWIZB_BACK | PSWIZB_FINISH);
    return FALSE;
}

class WizardDriverTest : public testing::Test {
protected:
    void RunWizard()
    {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        PROPSHEETPAGEA pages[2] = {};
        const DLGPROC procedures[2] = {FirstPage, LastPage};
        for (int i = 0; i < 2; ++i) {
            pages[i].dwSize = sizeof pages[i];
            pages[i].pszTemplate = MAKEINTRESOURCEA(IDD_FIRST_PAGE + i);
            pages[i].pfnDlgProc = procedures[i];
        }
        PROPSHEETHEADERA sheet = {};
        sheet.dwSize = sizeof sheet;
        sheet.dwFlags = PSH_WIZARD | PSH_PROPSHEETPAGE;
        sheet.nPages = 2;
        sheet.ppsp = pages;
        m_nResult = PropertySheetA(&sheet);
    }

    const DWORD m_nProcessId = GetCurrentProcessId();
    INT_PTR m_nResult = -2;
};

TEST_F(WizardDriverTest, WalksThePagesAsAUserWould)
{
    ModalRun run([this] { RunWizard(); });
    WizardDriver wizard(WaitForWizard(m_nProcessId));
    ASSERT_NE(nullptr, wizard.Sheet());
    EXPECT_EQ(nullptr, FindMessageBox(m_nProcessId));
    EXPECT_EQ(0, wizard.ActiveIndex());
    EXPECT_FALSE(wizard.Press(kNextButton));    // disabled
    EXPECT_FALSE(wizard.Press(kFinishButton));  // hidden behind Next

    ASSERT_TRUE(wizard.SetChecked(IDC_AGREE, true));
    EXPECT_TRUE(wizard.Button(kNextButton).enabled);
    std::vector<std::vector<std::string>> rows = {{"alpha", "1"}, {"beta", "2"}};
    EXPECT_EQ(rows, wizard.ListRows(IDC_ROWS));
    ASSERT_TRUE(wizard.SelectListRow(IDC_ROWS, "beta"));
    EXPECT_EQ(1, wizard.SelectedListRow(IDC_ROWS));
    EXPECT_EQ("beta", wizard.ControlText(IDC_CHOSEN));
    EXPECT_FALSE(wizard.SelectListRow(IDC_ROWS, "delta"));

    ASSERT_TRUE(wizard.Press(kNextButton));
    HWND box = WaitForMessageBox(m_nProcessId);
    EXPECT_EQ("Go on?", ReadMessageBox(box).text);
    EXPECT_FALSE(wizard.Press(kNextButton));  // the sheet waits behind the box
    // Each action returns once the wizard has handled it.
    ASSERT_TRUE(PressMessageBoxButton(box, "&No"));
    EXPECT_EQ(nullptr, FindMessageBox(m_nProcessId));
    EXPECT_EQ(0, wizard.ActiveIndex());

    ASSERT_TRUE(wizard.Press(kNextButton));
    ASSERT_TRUE(PressMessageBoxButton(WaitForMessageBox(m_nProcessId), "&Yes"));
    ASSERT_EQ(1, wizard.ActiveIndex());
    ASSERT_TRUE(wizard.Press(kBackButton));
    ASSERT_EQ(0, wizard.ActiveIndex());
    ASSERT_TRUE(wizard.SetChecked(IDC_AGREE, false));
    EXPECT_FALSE(wizard.Button(kNextButton).enabled);
    ASSERT_TRUE(wizard.Press(kCancelButton));
    ASSERT_TRUE(run.WaitForEnd(5000));
    EXPECT_EQ(0, m_nResult);
}

TEST_F(WizardDriverTest, ARunLeftOpenIsClosedWithItsMessageBox)
{
    {
        ModalRun run([this] { RunWizard(); });
        WizardDriver wizard(WaitForWizard(m_nProcessId));
        ASSERT_TRUE(wizard.SetChecked(IDC_AGREE, true));
        ASSERT_TRUE(wizard.Press(kNextButton));
        ASSERT_NE(nullptr, WaitForMessageBox(m_nProcessId));
    }
    EXPECT_EQ(0, m_nResult);
}

}  // namespace
