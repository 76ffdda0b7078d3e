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

// Cases of an English user, with the test configuration: message download in enu and jpn,
// fax setup in ENU and JPN.
class UiLanguageTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ("ENU", UserLocale()); }

    ScopedIniFile m_ini{kTestConfig};
};

TEST_F(UiLanguageTest, EnabledUserLocaleIsTheLanguage)
{
    LANGID language = 0;
    ASSERT_TRUE(DetectUiLanguage(language));
    EXPECT_EQ(0x0409, language);
    EXPECT_EQ("ENU", ResolveUiLanguage("Lomarel", nullptr));
    EXPECT_EQ("ENU", ResolveUiLanguage("FaxSetup", ""));
}

TEST_F(UiLanguageTest, RequestedCodeCountsOnlyWhenEnabled)
{
    EXPECT_EQ("jpn", ResolveUiLanguage("FaxSetup", "jpn"));
    EXPECT_EQ("ENU", ResolveUiLanguage("FaxSetup", "deu"));  // a language, but not localized
    EXPECT_EQ("ENU", ResolveUiLanguage("Lomarel", "xyz"));
    // An interface that the configuration does not localize ends at the fallback.
    EXPECT_EQ("enu", ResolveUiLanguage("Nobody", "jpn"));
}

TEST_F(UiLanguageTest, LocaleMatchesTheFirstLanguageWithItsFirstTwoLetters)
{
    ScopedIniFile ini(WithSection(
        WithSection(kTestConfig, "Language", "engb=British\r\nenu=English\r\njpn=Japanese\r\n"),
        "Localize", "Lomarel=engb\r\nFaxSetup=jpn,enu\r\n"));
    // ENU itself is not enabled for "Lomarel"; engb is the first "en" language, cut to three.
    EXPECT_EQ("eng", ResolveUiLanguage("Lomarel", nullptr));
    EXPECT_EQ("ENU", ResolveUiLanguage("FaxSetup", nullptr));
    // A requested code is cut the same way.
    EXPECT_EQ("eng", ResolveUiLanguage("Lomarel", "engb"));
}

class JapaneseUiLanguageTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ("JPN", UserLocale()); }
};

TEST_F(JapaneseUiLanguageTest, JapaneseUserRunsInJapaneseWhereEnabled)
{
    ScopedIniFile ini(WithSection(kTestConfig, "Localize", "Lomarel=enu,jpn\r\nFaxSetup=ENU\r\n"));
    LANGID language = 0;
    ASSERT_TRUE(DetectUiLanguage(language));
    EXPECT_EQ(0x0411, language);
    EXPECT_EQ("JPN", ResolveUiLanguage("Lomarel", nullptr));
    EXPECT_EQ("enu", ResolveUiLanguage("FaxSetup", nullptr));
    EXPECT_EQ("enu", ResolveUiLanguage("Lomarel", "enu"));
}

// A Resource folder beside the test program with small libraries of the checked versions.
class ResourceCheckTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"Nivadenu.dll", "Nivadjpn.dll", "Pluvetenu.dll", "Pluvetjpn.dll"})
            m_resources.Add(Version(2), name);
        m_resources.Add(Version(1), "Sorbelt.dll");
    }

    static std::string Version(int major)
    {
        return TestProgramFolder() + "FileVersion" + std::to_string(major) + ".dll";
    }

    ScopedIniFile m_ini{kTestConfig};
    ScopedResourceFolder m_resources{TestProgramFolder(), ScopedResourceFolder::EMPTY};
};

TEST_F(ResourceCheckTest, PassWhenEveryEnabledLanguageHasItsLibrary)
{
    // eng and deu are languages that no interface is localized into: they need no library.
    EXPECT_TRUE(CheckDownloadResources());
    EXPECT_TRUE(CheckFaxResources());
}

TEST_F(ResourceCheckTest, InstalledLibrariesPass)
{
    ScopedResourceFolder installed(TestProgramFolder());
    EXPECT_TRUE(CheckDownloadResources());
    EXPECT_TRUE(CheckFaxResources());
}

TEST_F(ResourceCheckTest, FaxLibraryMissingOrOfVersion3FailsTheFaxCheck)
{
    m_resources.Remove("Pluvetjpn.dll");
    EXPECT_FALSE(CheckFaxResources());
    EXPECT_TRUE(CheckDownloadResources());
    m_resources.Add(Version(3), "Pluvetjpn.dll");
    EXPECT_FALSE(CheckFaxResources());
}

TEST_F(ResourceCheckTest, DownloadCheckNeedsTextsAtVersion2AndImagesAtVersion1)
{
    m_resources.Add(Version(2), "Sorbelt.dll");
    EXPECT_FALSE(CheckDownloadResources());
    m_resources.Remove("Sorbelt.dll");
    EXPECT_FALSE(CheckDownloadResources());
    m_resources.Add(Version(1), "Sorbelt.dll");
    m_resources.Add(TestProgramFolder() + "TestTextjpn.dll", "Nivadjpn.dll");  // no version
    EXPECT_FALSE(CheckDownloadResources());
    EXPECT_TRUE(CheckFaxResources());
}

TEST_F(ResourceCheckTest, EmptyLanguageSectionFailsBothChecks)
{
    ScopedIniFile ini(WithSection(kTestConfig, "Language", ""));
    EXPECT_FALSE(CheckDownloadResources());
    EXPECT_FALSE(CheckFaxResources());
}

}  // namespace
