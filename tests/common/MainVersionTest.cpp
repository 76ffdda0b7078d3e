#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "MainVersion.h"
#include "ProgramFiles.h"

namespace {

// "Version.txt" beside the test program, removed after each case.
class MainVersionTest : public ::testing::Test {
protected:
    ~MainVersionTest() override
    {
        DeleteFileA(m_path.c_str());
        FlushProfileCache();
    }

    void WriteVersionFile(const std::string& text)
    {
        WriteTextFile(m_path, text);
        FlushProfileCache();
    }

    void FlushProfileCache() { WritePrivateProfileStringA(nullptr, nullptr, nullptr, m_path.c_str()); }

    std::string m_path = TestProgramFolder() + "Version.txt";
};

TEST_F(MainVersionTest, ReadsMainVersionOfSectionVersion)
{
    EXPECT_EQ("", GetMainVersion());
    WriteVersionFile("[Other]\r\nMainVersion=9.9\r\n[Version]\r\nMainVersion=2.1\r\n");
    EXPECT_EQ("2.1", GetMainVersion());
    WriteVersionFile("[Other]\r\nMainVersion=9.9\r\n");
    EXPECT_EQ("", GetMainVersion());
    WriteVersionFile("[Version]\r\nVersion=2.1\r\n");
    EXPECT_EQ("", GetMainVersion());
}

TEST_F(MainVersionTest, LongValueIsCutTo259Bytes)
{
    WriteVersionFile("[Version]\r\nMainVersion=" + std::string(300, '7') + "\r\n");
    EXPECT_EQ(std::string(259, '7'), GetMainVersion());
}

class JapaneseMainVersionTest : public MainVersionTest {
protected:
    void SetUp() override { ASSERT_EQ(932u, GetACP()); }
};

TEST_F(JapaneseMainVersionTest, CutNeverSplitsADoubleByteCharacter)
{
    std::string days;
    for (int i = 0; i < 300; ++i)
        days += "\x93\xfa";  // one double-byte character in code page 932
    WriteVersionFile("[Version]\r\nMainVersion=" + days + "\r\n");
    EXPECT_EQ(days.substr(0, 258), GetMainVersion());
}

}  // namespace
