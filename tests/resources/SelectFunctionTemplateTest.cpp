// The function chooser's page in both text libraries: the size other wizard pages share, the
// controls the chooser reads, and a keyboard path through the three boxes.
#include <gtest/gtest.h>
#include <windows.h>

#include <cwctype>
#include <set>
#include <string>

#include "ProgramFiles.h"
#include "ResourceIds.h"

namespace {

const int kBoxes[] = {IDC_COUNTRY_CODE_BOX, IDC_TIME_BOX, IDC_DOWNLOAD_BOX};

// The leading fields of an extended dialog template, as windres writes it.
#pragma pack(push, 1)
struct DialogTemplateHead {
    WORD m_version, m_signature;
    DWORD m_helpId, m_exStyle, m_style;
    WORD m_nItems;
    short m_x, m_y, m_cx, m_cy;
};
#pragma pack(pop)

INT_PTR CALLBACK IgnoreMessages(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

std::wstring TextOf(HWND hWnd)
{
    wchar_t text[256] = L"";
    GetWindowTextW(hWnd, text, 256);
    return text;
}

// The character after the single '&' of a caption, upper-cased; 0 when there is none.
wchar_t Mnemonic(const std::wstring& caption)
{
    size_t amp = caption.find(L'&');
    if (amp == std::wstring::npos || amp + 1 >= caption.size()
        || caption.find(L'&', amp + 1) != std::wstring::npos)
        return 0;
    return static_cast<wchar_t>(std::towupper(caption[amp + 1]));
}

class SelectFunctionTemplate : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        std::string path = InstallFolder() + "Resource\\Pluvet" + GetParam() + ".dll";
        m_hLibrary = LoadLibraryA(path.c_str());
        ASSERT_NE(nullptr, m_hLibrary) << path;
    }
    void TearDown() override
    {
        if (m_hLibrary)
            FreeLibrary(m_hLibrary);
    }

    HMODULE m_hLibrary = nullptr;
};

}  // namespace

TEST_P(SelectFunctionTemplate, IsAChildPageOfTheStandardWizardSize)
{
    HRSRC hResource =
        FindResourceA(m_hLibrary, MAKEINTRESOURCEA(IDD_SELECT_FUNCTION_PAGE), RT_DIALOG);
    ASSERT_NE(nullptr, hResource);
    const auto* pHead = static_cast<const DialogTemplateHead*>(
        LockResource(LoadResource(m_hLibrary, hResource)));
    ASSERT_EQ(0xFFFF, pHead->m_signature);
    EXPECT_EQ(WS_CHILD | DS_SETFONT, pHead->m_style & (WS_CHILD | WS_POPUP | DS_SETFONT));
    EXPECT_EQ(317, pHead->m_cx);
    EXPECT_EQ(193, pHead->m_cy);
}

TEST_P(SelectFunctionTemplate, OffersThreeTabStopBoxesWithTheirOwnMnemonics)
{
    HWND hOwner =
        CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND hPage = CreateDialogParamA(
        m_hLibrary, MAKEINTRESOURCEA(IDD_SELECT_FUNCTION_PAGE), hOwner, IgnoreMessages, 0);
    ASSERT_NE(nullptr, hPage);

    HWND hPicture = GetDlgItem(hPage, IDC_SIDE_PICTURE);
    ASSERT_NE(nullptr, hPicture);
    EXPECT_EQ(SS_BITMAP, GetWindowLongA(hPicture, GWL_STYLE) & SS_TYPEMASK);

    // The sheet's own buttons share the keyboard with the page.
    std::set<wchar_t> mnemonics;
    for (UINT id : {IDS_NEXT_BUTTON, IDS_BACK_BUTTON}) {
        const wchar_t* pText = nullptr;
        int length = LoadStringW(m_hLibrary, id, reinterpret_cast<LPWSTR>(&pText), 0);
        mnemonics.insert(Mnemonic(std::wstring(pText, length > 0 ? length : 0)));
    }
    for (int id : kBoxes) {
        SCOPED_TRACE(id);
        HWND hBox = GetDlgItem(hPage, id);
        ASSERT_NE(nullptr, hBox);
        LONG style = GetWindowLongA(hBox, GWL_STYLE);
        EXPECT_EQ(BS_AUTOCHECKBOX, style & BS_TYPEMASK);
        EXPECT_TRUE(style & WS_TABSTOP);
        wchar_t mnemonic = Mnemonic(TextOf(hBox));
        EXPECT_NE(0, mnemonic) << "no mnemonic";
        EXPECT_TRUE(mnemonics.insert(mnemonic).second) << "mnemonic taken";
    }

    // Tab walks the boxes in their order and comes back round.
    HWND hFocus = GetNextDlgTabItem(hPage, nullptr, FALSE);
    for (int id : {IDC_COUNTRY_CODE_BOX, IDC_TIME_BOX, IDC_DOWNLOAD_BOX, IDC_COUNTRY_CODE_BOX}) {
        EXPECT_EQ(id, GetDlgCtrlID(hFocus));
        hFocus = GetNextDlgTabItem(hPage, hFocus, FALSE);
    }
    DestroyWindow(hPage);
    DestroyWindow(hOwner);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, SelectFunctionTemplate, ::testing::Values("enu", "jpn"));
