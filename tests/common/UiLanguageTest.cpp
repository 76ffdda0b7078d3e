#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ConfigText.h"
#include "ProgramFiles.h"
#include "ResourceFiles.h"
#include "TestConfig.h"
#include "UiLanguage.h"
#include "UserLocale.h"

namespace {

// The test configuration localizes the message download into enu and jpn, the fax setup into
// ENU and JPN; eng and deu are languages of no interface.
TEST(UiLanguage, EnglishUserWithEnabledOrRequestedLanguages)
{
    ASSERT_EQ("ENU", UserLocale());
    ScopedIniFile ini(kTestConfig);
    LANGID language = 0;
    ASSERT_TRUE(DetectUiLanguage(language));
    EXPECT_EQ(0x0409, language);
    EXPECT_EQ("ENU", ResolveUiLanguage("Lomarel", nullptr));
    EXPECT_EQ("jpn", ResolveUiLanguage("FaxSetup", "jpn"));
    EXPECT_EQ("ENU", ResolveUiLanguage("FaxSetup", "deu"));  // requested, but not enabled
    EXPECT_EQ("enu", ResolveUiLanguage("Nobody", "jpn"));    // an interface without languages
}

TEST(UiLanguage, LocaleMatchesOnlyTheFirstLanguageWithItsFirstTwoLetters)
{
    ASSERT_EQ("ENU", UserLocale());
    ScopedIniFile ini(WithSection(
        WithSection(kTestConfig, "Language", "engb=British\r\nenu=English\r\njpn=Japanese\r\n"),
        "Localize", "Lomarel=engb\r\nFaxSetup=jpn\r\n"));
    EXPECT_EQ("eng", ResolveUiLanguage("Lomarel", nullptr));  // cut to three
    EXPECT_EQ("eng", ResolveUiLanguage("Lomarel", "engb"));
    EXPECT_EQ("enu", ResolveUiLanguage("FaxSetup", nullptr));  // engb is not enabled there
}

TEST(JapaneseUiLanguage, JapaneseUserRunsInJapaneseWhereEnabled)
{
    ASSERT_EQ("JPN", UserLocale());
    ScopedIniFile ini(WithSection(kTestConfig, "Localize", "Lomarel=enu,jpn\r\nFaxSetup=ENU\r\n"));
    LANGID language = 0;
    ASSERT_TRUE(DetectUiLanguage(language));
    EXPECT_EQ(0x0411, language);
    EXPECT_EQ("JPN", ResolveUiLanguage("Lomarel", nullptr));
    EXPECT_EQ("enu", ResolveUiLanguage("FaxSetup", nullptr));
}

// A Resource folder beside the test program with the installed libraries, which small libraries
// of other versions (and without any page template) replace.
class ResourceCheckTest : public ::testing::Test {
protected:
    static std::string Version(int major)
    {
        return TestProgramFolder() + "FileVersion" + std::to_string(major) + ".dll";
    }

    ScopedIniFile m_ini{kTestConfig};
    ScopedResourceFolder m_resources{TestProgramFolder()};
};

TEST_F(ResourceCheckTest, FaxLibraryMissingOfVersion3OrWithoutPagesFailsOnlyTheFaxCheck)
{
    EXPECT_TRUE(CheckFaxResources());
    m_resources.Remove("Pluvetjpn.dll");
    EXPECT_FALSE(CheckFaxResources());
    m_resources.Add(Version(2), "Pluvetjpn.dll");
    EXPECT_FALSE(CheckFaxResources());
    m_resources.Add(Version(3), "Pluvetjpn.dll");
    EXPECT_FALSE(CheckFaxResources());
    EXPECT_TRUE(CheckDownloadResources());
}

TEST_F(ResourceCheckTest, DownloadCheckNeedsTextsAtVersion2AndImagesAtVersion1)
{
    EXPECT_TRUE(CheckDownloadResources());
    m_resources.Add(Version(2), "Sorbelt.dll");
    EXPECT_FALSE(CheckDownloadResources());
    m_resources.Add(Version(1), "Sorbelt.dll");
    m_resources.Add(TestProgramFolder() + "TestTextjpn.dll", "Nivadjpn.dll");  // no version
    EXPECT_FALSE(CheckDownloadResources());
}

TEST_F(ResourceCheckTest, EmptyLanguageSectionFailsBothChecks)
{
    ScopedIniFile ini(WithSection(kTestConfig, "Language", ""));
    EXPECT_FALSE(CheckDownloadResources());
    EXPECT_FALSE(CheckFaxResources());
}

TEST(ResourceCheck, InstalledLibrariesPass)
{
    ScopedIniFile ini(kTestConfig);
    ScopedResourceFolder installed(TestProgramFolder());
    EXPECT_TRUE(CheckDownloadResources());
    EXPECT_TRUE(CheckFaxResources());
}

}  // namespace
