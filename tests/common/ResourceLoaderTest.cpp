#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ProgramFiles.h"
#include "Quibrant.h"
#include "ResourceFiles.h"
#include "TestConfig.h"
#include "UserLocale.h"

namespace {

// Text 1 of a test text library names its language.
std::string LanguageOf(HMODULE library)
{
    char text[16];
    int length = LoadStringA(library, 1, text, sizeof text);
    return std::string(text, length > 0 ? length : 0);
}

// The loader beside the test program, with the test configuration (message download in enu
// and jpn) and a Resource folder that each case fills.
class ResourceLoaderTest : public ::testing::Test {
protected:
    void AddTextLibrary(const std::string& language, const std::string& name)
    {
        m_resources.Add(TestProgramFolder() + "TestText" + language + ".dll", name);
    }

    // The language of the library that a path loads; "none" when nothing loads.
    std::string LanguageLoaded(const char* path)
    {
        HMODULE library = VukLoadLanguageDLL(path);
        if (library == nullptr)
            return "none";
        std::string language = LanguageOf(library);
        VukFreeLanguageDLL(library);
        return language;
    }

    ScopedIniFile m_ini{kTestConfig};
    ScopedResourceFolder m_resources{TestProgramFolder(), ScopedResourceFolder::EMPTY};
};

TEST_F(ResourceLoaderTest, FindsLibrariesBesideTheProgramOnly)
{
    // CTest runs the program in another folder than the one it lies in.
    EXPECT_EQ("jpn", LanguageLoaded("TestTextjpn.dll"));
    EXPECT_EQ("none", LanguageLoaded("NoSuchLibrary.dll"));
    EXPECT_EQ("none", LanguageLoaded("Resource\\Text%s.dll"));  // neither the language nor enu
    EXPECT_EQ("none", LanguageLoaded(""));
    EXPECT_EQ("none", LanguageLoaded(std::string(300, 'a').c_str()));
    EXPECT_EQ(nullptr, VukLoadLanguageDLL(nullptr));
}

TEST_F(ResourceLoaderTest, FillsTheLanguageOfTheUserInterface)
{
    ASSERT_EQ("ENU", UserLocale());
    AddTextLibrary("jpn", "Textjpn.dll");
    AddTextLibrary("enu", "Textenu.dll");
    EXPECT_EQ("enu", LanguageLoaded("Resource\\Text%s.dll"));
    // The path is never a format: other "%" sequences stay as they are.
    AddTextLibrary("jpn", "%d%xenu.dll");
    EXPECT_EQ("jpn", LanguageLoaded("Resource\\%d%x%s.dll"));
}

TEST_F(ResourceLoaderTest, RunsNoCodeOfTheLibrary)
{
    HMODULE library = VukLoadLanguageDLL("RunsCode.dll");
    ASSERT_NE(nullptr, library);
    EXPECT_EQ(0u, GetEnvironmentVariableA("LOMAREL_TEST_LIBRARY_RAN", nullptr, 0));
    VukFreeLanguageDLL(library);
}

TEST_F(ResourceLoaderTest, FreeUnmapsTheLibrary)
{
    HMODULE library = VukLoadLanguageDLL("TestTextenu.dll");
    ASSERT_NE(nullptr, library);
    // A handle of a library mapped for its resources carries flags in its low bits.
    void* image = reinterpret_cast<void*>(reinterpret_cast<ULONG_PTR>(library) & ~ULONG_PTR(3));
    MEMORY_BASIC_INFORMATION memory;
    ASSERT_NE(0u, VirtualQuery(image, &memory, sizeof memory));
    EXPECT_NE(static_cast<DWORD>(MEM_FREE), memory.State);
    VukFreeLanguageDLL(library);
    ASSERT_NE(0u, VirtualQuery(image, &memory, sizeof memory));
    EXPECT_EQ(static_cast<DWORD>(MEM_FREE), memory.State);
    VukFreeLanguageDLL(nullptr);
}

class JapaneseResourceLoaderTest : public ResourceLoaderTest {
protected:
    void SetUp() override { ASSERT_EQ("JPN", UserLocale()); }
};

TEST_F(JapaneseResourceLoaderTest, FillsJapaneseAndFallsBackToEnglish)
{
    AddTextLibrary("enu", "Textenu.dll");
    AddTextLibrary("jpn", "Textjpn.dll");
    EXPECT_EQ("jpn", LanguageLoaded("Resource\\Text%s.dll"));
    m_resources.Remove("Textjpn.dll");
    EXPECT_EQ("enu", LanguageLoaded("Resource\\Text%s.dll"));
}

}  // namespace
