#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "PositionalText.h"
#include "ProgramFiles.h"
#include "Quibrant.h"
#include "ResourceFiles.h"
#include "ResourceLibrary.h"
#include "ResourceModule.h"
#include "TestConfig.h"
#include "UserLocale.h"

namespace {

// Resource identifiers of the test text libraries; text 1 names the library's language.
const UINT kLanguageText = 1;
const UINT kImage = 2;
const UINT kDialog = 100;
const int kDialogText = 1001;

// The test configuration (message download in enu and jpn) and a Resource folder beside the
// test program that each case fills. CTest runs the program in another folder.
class ResourceLibraryTest : public ::testing::Test {
protected:
    void AddTextLibrary(const std::string& language, const std::string& name)
    {
        m_resources.Add(TestProgramFolder() + "TestText" + language + ".dll", name);
    }

    // The language of the library that the loader loads for a path; "none" when none loads.
    static std::string LanguageLoaded(const char* path)
    {
        CResourceLibrary library(path);
        return library.IsLoaded() ? library.LoadText(kLanguageText) : "none";
    }

    ScopedIniFile m_ini{kTestConfig};
    ScopedResourceFolder m_resources{TestProgramFolder(), ScopedResourceFolder::EMPTY};
};

TEST_F(ResourceLibraryTest, LoaderFindsLibrariesBesideTheProgramAndFillsTheLanguage)
{
    ASSERT_EQ("ENU", UserLocale());
    EXPECT_EQ("jpn", LanguageLoaded("TestTextjpn.dll"));
    EXPECT_EQ("none", LanguageLoaded("Resource\\Text%s.dll"));  // neither the language nor enu
    EXPECT_EQ("none", LanguageLoaded(std::string(300, 'a').c_str()));
    EXPECT_EQ(nullptr, VukLoadLanguageDLL(nullptr));

    AddTextLibrary("jpn", "Textjpn.dll");
    AddTextLibrary("enu", "Textenu.dll");
    EXPECT_EQ("enu", LanguageLoaded("Resource\\Text%s.dll"));
    // The path is never used as a format.
    AddTextLibrary("jpn", "%d%xenu.dll");
    EXPECT_EQ("jpn", LanguageLoaded("Resource\\%d%x%s.dll"));
}

TEST_F(ResourceLibraryTest, LoaderRunsNoCodeAndFreeUnmaps)
{
    HMODULE library = VukLoadLanguageDLL("RunsCode.dll");
    ASSERT_NE(nullptr, library);
    EXPECT_EQ(0u, GetEnvironmentVariableA("LOMAREL_TEST_LIBRARY_RAN", nullptr, 0));
    // The handle of a library mapped as data carries a flag in its low bits.
    void* image = reinterpret_cast<void*>(reinterpret_cast<ULONG_PTR>(library) & ~ULONG_PTR(3));
    MEMORY_BASIC_INFORMATION memory;
    VukFreeLanguageDLL(library);
    ASSERT_NE(0u, VirtualQuery(image, &memory, sizeof memory));
    EXPECT_EQ(static_cast<DWORD>(MEM_FREE), memory.State);
}

using JapaneseResourceLibraryTest = ResourceLibraryTest;

TEST_F(JapaneseResourceLibraryTest, LoaderFillsJapaneseAndFallsBackToEnglish)
{
    ASSERT_EQ("JPN", UserLocale());
    AddTextLibrary("enu", "Textenu.dll");
    AddTextLibrary("jpn", "Textjpn.dll");
    EXPECT_EQ("jpn", LanguageLoaded("Resource\\Text%s.dll"));
    m_resources.Remove("Textjpn.dll");
    EXPECT_EQ("enu", LanguageLoaded("Resource\\Text%s.dll"));
}

TEST_F(ResourceLibraryTest, PlainHolderGivesTextsAndImages)
{
    CResourceLibrary missing;
    EXPECT_FALSE(missing.IsLoaded());
    EXPECT_EQ(nullptr, missing.LoadBitmapImage(kImage));

    AddTextLibrary("enu", "Nivadenu.dll");
    CResourceLibrary library;  // the message-download texts
    ASSERT_TRUE(library.IsLoaded());
    EXPECT_EQ("", library.LoadText(999));
    HBITMAP bitmap = library.LoadBitmapImage(kImage, 40, 30);
    BITMAP size = {};
    GetObjectA(bitmap, sizeof size, &size);
    EXPECT_EQ(40, size.bmWidth);
    EXPECT_EQ(30, size.bmHeight);
    DeleteObject(bitmap);
}

TEST_F(ResourceLibraryTest, SwitchingHoldersNestAndRestore)
{
    // Until a holder switches, the class library uses the program it is linked into.
    HMODULE program = GetResourceModule();
    EXPECT_EQ(GetModuleHandleA(nullptr), program);
    {
        CSwitchingResourceLibrary outer("TestTextenu.dll");
        ASSERT_TRUE(outer.IsLoaded());
        {
            CSwitchingResourceLibrary inner("TestTextjpn.dll");
            CSwitchingResourceLibrary missing("NoSuchLibrary.dll");
            EXPECT_EQ(inner.GetHandle(), GetResourceModule());
        }
        EXPECT_EQ(outer.GetHandle(), GetResourceModule());
    }
    EXPECT_EQ(program, GetResourceModule());
}

INT_PTR CALLBACK IgnoreMessages(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

TEST_F(ResourceLibraryTest, DialogTemplatesComeFromTheCurrentModule)
{
    CSwitchingResourceLibrary library("TestTextjpn.dll");
    HWND dialog = CreateDialogParamA(GetResourceModule(), MAKEINTRESOURCEA(kDialog), nullptr,
                                     IgnoreMessages, 0);
    ASSERT_NE(nullptr, dialog);
    char text[16] = "";
    GetDlgItemTextA(dialog, kDialogText, text, sizeof text);
    EXPECT_STREQ("jpn", text);
    DestroyWindow(dialog);
}

}  // namespace

// A translation may name the two values in either order; a value is never read as a format.
TEST(PositionalTextTest, FillsEachPlaceholderWhereverItStands)
{
    EXPECT_EQ("LPT1: / Laser %1$s", FillPositionalText("%2$s / %1$s", "Laser %1$s", "LPT1:"));
}
