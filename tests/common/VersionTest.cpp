#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "MainVersion.h"
#include "ProgramFiles.h"
#include "VersionInfo.h"

namespace {

// The twelve texts in the order of the version keys.
std::vector<std::string> AllTexts(const std::string& path)
{
    CVersionInfo v(path.c_str());
    return {v.GetComments(),        v.GetInternalName(),    v.GetProductName(),
            v.GetCompanyName(),     v.GetLegalCopyright(),  v.GetProductVersion(),
            v.GetFileDescription(), v.GetLegalTrademarks(), v.GetPrivateBuild(),
            v.GetFileVersion(),     v.GetOriginalFilename(), v.GetSpecialBuild()};
}

TEST(VersionInfo, LastTranslationDecidesEveryText)
{
    // "Comments" exists only in the first translation, so the second leaves it empty.
    std::vector<std::string> expected = {
        "", "internal 2", "product 2", "company 2", "copyright 2", "product version 2",
        "description 2", "trademarks 2", "private 2", "2.5.0.0", "original 2", "special 2"};
    EXPECT_EQ(expected, AllTexts(TestProgramFolder() + "VersionTwoTranslations.dll"));
    std::vector<std::string> empty(12);
    EXPECT_EQ(empty, AllTexts(TestProgramFolder() + "TestTextenu.dll"));  // no version resource
    EXPECT_EQ(empty, AllTexts(TestProgramFolder() + "NoSuchLibrary.dll"));
}

// "Version.txt" beside the test program, removed after each case.
class MainVersionTest : public ::testing::Test {
protected:
    ~MainVersionTest() override { Write(nullptr); }

    // Writes the file, or removes it for null text; then makes the profile cache forget it.
    void Write(const char* text)
    {
        text ? WriteTextFile(m_path, text) : static_cast<void>(DeleteFileA(m_path.c_str()));
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, m_path.c_str());
    }

    std::string m_path = TestProgramFolder() + "Version.txt";
};

TEST_F(MainVersionTest, ReadsMainVersionOfSectionVersionCutTo259Bytes)
{
    EXPECT_EQ("", GetMainVersion());
    Write("[Other]\r\nMainVersion=9.9\r\n[Version]\r\nMainVersion=2.1\r\n");
    EXPECT_EQ("2.1", GetMainVersion());
    Write("[Other]\r\nMainVersion=9.9\r\n");
    EXPECT_EQ("", GetMainVersion());
    Write(("[Version]\r\nMainVersion=" + std::string(300, '7')).c_str());
    EXPECT_EQ(std::string(259, '7'), GetMainVersion());
}

using JapaneseMainVersionTest = MainVersionTest;

TEST_F(JapaneseMainVersionTest, CutNeverSplitsADoubleByteCharacter)
{
    ASSERT_EQ(932u, GetACP());
    std::string days;
    for (int i = 0; i < 300; ++i)
        days += "\x93\xfa";  // one double-byte character
    Write(("[Version]\r\nMainVersion=" + days).c_str());
    EXPECT_EQ(days.substr(0, 258), GetMainVersion());
}

}  // namespace
