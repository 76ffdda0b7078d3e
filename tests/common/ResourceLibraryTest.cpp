#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ProgramFiles.h"
#include "ResourceFiles.h"
#include "ResourceLibrary.h"
#include "ResourceModule.h"
#include "TestConfig.h"

namespace {

const UINT kLanguageText = 1;
const UINT kImage = 2;
const UINT kDialog = 100;
const int kDialogText = 1001;

INT_PTR CALLBACK IgnoreMessages(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    return {info.bmWidth, info.bmHeight};
}

std::string ControlText(HWND window, int id)
{
    char text[64] = "";
    GetDlgItemTextA(window, id, text, sizeof text);
    return text;
}

class ResourceLibraryTest : public ::testing::Test {
protected:
    std::string TestLibrary(const char* language)
    {
        return TestProgramFolder() + "TestText" + language + ".dll";
    }

    ScopedIniFile m_ini{kTestConfig};
    ScopedResourceFolder m_resources{TestProgramFolder(), ScopedResourceFolder::EMPTY};
};

TEST_F(ResourceLibraryTest, PlainHolderGivesTextsAndImages)
{
    m_resources.Add(TestLibrary("enu"), "Nivadenu.dll");
    CResourceLibrary library;  // the message-download texts
    ASSERT_TRUE(library.IsLoaded());
    EXPECT_EQ("enu", library.LoadText(kLanguageText));
    EXPECT_EQ("", library.LoadText(999));

    HBITMAP bitmap = library.LoadBitmap(kImage);
    ASSERT_NE(nullptr, bitmap);
    SIZE size = BitmapSize(bitmap);
    EXPECT_EQ(4, size.cx);
    EXPECT_EQ(2, size.cy);
    DeleteObject(bitmap);
    bitmap = library.LoadBitmap(kImage, 40, 30);
    size = BitmapSize(bitmap);
    EXPECT_EQ(40, size.cx);
    EXPECT_EQ(30, size.cy);
    DeleteObject(bitmap);
    EXPECT_EQ(nullptr, library.LoadBitmap(999));
}

TEST_F(ResourceLibraryTest, MissingLibraryLoadsNothingAndSwitchesNothing)
{
    HMODULE before = GetResourceModule();
    CResourceLibrary plain;
    EXPECT_FALSE(plain.IsLoaded());
    EXPECT_EQ("", plain.LoadText(kLanguageText));
    EXPECT_EQ(nullptr, plain.LoadBitmap(kImage));
    CSwitchingResourceLibrary switching("Resource\\Pluvetenu.dll");
    EXPECT_FALSE(switching.IsLoaded());
    EXPECT_EQ(before, GetResourceModule());
}

TEST_F(ResourceLibraryTest, SwitchingHoldersNestAndRestore)
{
    // Until a holder switches, the class library uses the program it is linked into.
    HMODULE program = GetResourceModule();
    EXPECT_EQ(GetModuleHandleA(nullptr), program);
    {
        CSwitchingResourceLibrary outer("TestTextenu.dll");
        ASSERT_TRUE(outer.IsLoaded());
        EXPECT_EQ(outer.GetHandle(), GetResourceModule());
        {
            m_resources.Add(TestLibrary("jpn"), "Pluvetjpn.dll");
            CSwitchingResourceLibrary inner("Resource\\Pluvetjpn.dll");
            ASSERT_TRUE(inner.IsLoaded());
            EXPECT_EQ(inner.GetHandle(), GetResourceModule());
            EXPECT_EQ("jpn", inner.LoadText(kLanguageText));
        }
        EXPECT_EQ(outer.GetHandle(), GetResourceModule());
    }
    EXPECT_EQ(program, GetResourceModule());
}

TEST_F(ResourceLibraryTest, DialogsAndPagesTakeTheirTemplatesFromTheCurrentModule)
{
    CSwitchingResourceLibrary library("TestTextjpn.dll");
    ASSERT_TRUE(library.IsLoaded());

    HWND dialog = CreateDialogParamA(GetResourceModule(), MAKEINTRESOURCEA(kDialog), nullptr,
                                     IgnoreMessages, 0);
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ("jpn", ControlText(dialog, kDialogText));
    DestroyWindow(dialog);

    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof page;
    page.hInstance = GetResourceModule();
    page.pszTemplate = MAKEINTRESOURCEA(kDialog);
    page.pfnDlgProc = IgnoreMessages;
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_WIZARD;
    header.nPages = 1;
    header.ppsp = &page;
    HWND sheet = reinterpret_cast<HWND>(PropertySheetA(&header));
    ASSERT_NE(nullptr, sheet);
    EXPECT_EQ("jpn", ControlText(PropSheet_GetCurrentPageHwnd(sheet), kDialogText));
    DestroyWindow(sheet);
}

}  // namespace
