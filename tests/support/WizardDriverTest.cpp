#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "MessageBoxes.h"
#include "ModalRun.h"
#include "WaitFor.h"
#include "WizardDriver.h"
#include "WizardDriverTestPages.h"

namespace {

void SetButtons(HWND page)
{
    bool agreed = IsDlgButtonChecked(page, IDC_AGREE) == BST_CHECKED;
    PropSheet_SetWizButtons(GetParent(page), agreed ? PSWIZB_NEXT : 0);
}

void AddRow(HWND list, int row, const char* name, const char* size)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>(name);
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    item.iSubItem = 1;
    item.pszText = const_cast<char*>(size);
    SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
}

// Next is enabled once "Agree" is ticked and asks before leaving; the chosen row is echoed.
INT_PTR CALLBACK FirstPage(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND list = GetDlgItem(page, IDC_ROWS);
    if (message == WM_INITDIALOG) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 100;
        column.pszText = const_cast<char*>("Name");
        SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
        column.pszText = const_cast<char*>("Size");
        SendMessageA(list, LVM_INSERTCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
        AddRow(list, 0, "alpha", "1");
        AddRow(list, 1, "beta", "2");
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDC_AGREE && HIWORD(wParam) == BN_CLICKED)
        SetButtons(page);
    if (message != WM_NOTIFY)
        return FALSE;
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->code == PSN_SETACTIVE) {
        SetButtons(page);
    } else if (header->code == PSN_WIZNEXT) {
        if (MessageBoxA(page, "Go on?", "Test wizard", MB_YESNO) == IDNO) {
            SetWindowLongPtrA(page, DWLP_MSGRESULT, -1);
            return TRUE;
        }
    } else if (header->code == LVN_ITEMCHANGED) {
        auto* change = reinterpret_cast<NMLISTVIEW*>(lParam);
        char name[64] = "";
        ListView_GetItemText(list, change->iItem, 0, name, sizeof name);
        if (change->uNewState & LVIS_SELECTED)
            SetDlgItemTextA(page, IDC_CHOSEN, name);
    }
    return FALSE;
}

INT_PTR CALLBACK SecondPage(HWND page, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == PSN_SETACTIVE)
        PropSheet_SetWizButtons(GetParent(page), PSWIZB_BACK | PSWIZB_FINISH);
    return FALSE;
}

INT_PTR RunWizard()
{
    PROPSHEETPAGEA pages[2] = {};
    const int templates[2] = {IDD_FIRST_PAGE, IDD_SECOND_PAGE};
    const DLGPROC procedures[2] = {FirstPage, SecondPage};
    for (int i = 0; i < 2; ++i) {
        pages[i].dwSize = sizeof pages[i];
        pages[i].hInstance = GetModuleHandleA(nullptr);
        pages[i].pszTemplate = MAKEINTRESOURCEA(templates[i]);
        pages[i].pfnDlgProc = procedures[i];
    }
    PROPSHEETHEADERA sheet = {};
    sheet.dwSize = sizeof sheet;
    sheet.dwFlags = PSH_WIZARD | PSH_PROPSHEETPAGE;
    sheet.pszCaption = "Test wizard";
    sheet.nPages = 2;
    sheet.ppsp = pages;
    return PropertySheetA(&sheet);
}

class WizardDriverTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
    }
    const DWORD m_nProcessId = GetCurrentProcessId();
    INT_PTR m_nResult = -2;
};

TEST_F(WizardDriverTest, WalksThePagesAsAUserWould)
{
    ModalRun run([this] { m_nResult = RunWizard(); });
    WizardDriver wizard(WaitForWizard(m_nProcessId));
    ASSERT_NE(nullptr, wizard.Sheet());
    EXPECT_EQ(nullptr, FindMessageBox(m_nProcessId));
    EXPECT_EQ(0, wizard.ActiveIndex());
    EXPECT_FALSE(wizard.Button(kNextButton).enabled);
    EXPECT_FALSE(wizard.Press(kNextButton));
    EXPECT_FALSE(wizard.Press(kFinishButton));  // hidden behind Next

    ASSERT_TRUE(wizard.SetChecked(IDC_AGREE, true));
    EXPECT_TRUE(wizard.WaitForButtonEnabled(kNextButton, true));
    std::vector<std::vector<std::string>> rows = {{"alpha", "1"}, {"beta", "2"}};
    EXPECT_EQ(rows, wizard.ListRows(IDC_ROWS));
    ASSERT_TRUE(wizard.SelectListRow(IDC_ROWS, "beta"));
    EXPECT_EQ(1, wizard.SelectedListRow(IDC_ROWS));
    EXPECT_EQ("beta", wizard.ControlText(IDC_CHOSEN));
    EXPECT_FALSE(wizard.SelectListRow(IDC_ROWS, "delta"));

    ASSERT_TRUE(wizard.Press(kNextButton));
    HWND box = WaitForMessageBox(m_nProcessId);
    ASSERT_NE(nullptr, box);
    EXPECT_EQ("Go on?", ReadMessageBox(box).text);
    EXPECT_FALSE(wizard.Press(kNextButton));  // the sheet waits behind the box
    PressMessageBoxButton(box, "&No");
    ASSERT_TRUE(WaitFor([&] { return FindMessageBox(m_nProcessId) == nullptr; }));
    EXPECT_EQ(0, wizard.ActiveIndex());

    ASSERT_TRUE(wizard.Press(kNextButton));
    ASSERT_TRUE(PressMessageBoxButton(WaitForMessageBox(m_nProcessId), "&Yes"));
    ASSERT_TRUE(wizard.WaitForActiveIndex(1));
    EXPECT_TRUE(wizard.Button(kFinishButton).visible);
    EXPECT_FALSE(wizard.Press(kNextButton));
    ASSERT_TRUE(wizard.Press(kBackButton));
    ASSERT_TRUE(wizard.WaitForActiveIndex(0));
    EXPECT_TRUE(wizard.IsChecked(IDC_AGREE));
    EXPECT_EQ(1, wizard.SelectedListRow(IDC_ROWS));

    ASSERT_TRUE(wizard.Press(kNextButton));
    ASSERT_TRUE(PressMessageBoxButton(WaitForMessageBox(m_nProcessId), "&Yes"));
    ASSERT_TRUE(wizard.WaitForActiveIndex(1));
    ASSERT_TRUE(wizard.Press(kFinishButton));
    ASSERT_TRUE(run.WaitForEnd(5000));
    EXPECT_NE(0, m_nResult);
}

TEST_F(WizardDriverTest, CancelEndsTheWizard)
{
    ModalRun run([this] { m_nResult = RunWizard(); });
    WizardDriver wizard(WaitForWizard(m_nProcessId));
    ASSERT_TRUE(wizard.Press(kCancelButton));
    ASSERT_TRUE(run.WaitForEnd(5000));
    EXPECT_EQ(0, m_nResult);
}

TEST_F(WizardDriverTest, ARunLeftOpenIsClosedWithItsMessageBox)
{
    {
        ModalRun run([this] { m_nResult = RunWizard(); });
        WizardDriver wizard(WaitForWizard(m_nProcessId));
        ASSERT_TRUE(wizard.SetChecked(IDC_AGREE, true));
        ASSERT_TRUE(wizard.Press(kNextButton));
        ASSERT_NE(nullptr, WaitForMessageBox(m_nProcessId));
    }
    EXPECT_EQ(0, m_nResult);
}

}  // namespace
