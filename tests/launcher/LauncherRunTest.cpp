#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ConfigText.h"
#include "LanguageFiles.h"
#include "LauncherMessages.h"
#include "ProgramFiles.h"
#include "ProgramRun.h"
#include "RegistryKey.h"
#include "ResourceFiles.h"
#include "TestConfig.h"
#include "TestPrinters.h"

namespace {

// Failure messages name the command line, cut short.
std::string Describe(const std::string& arguments) { return arguments.substr(0, 80); }

// Runs the built Zembrak.exe from a folder of its own, beside a configuration of the test's.
class LauncherRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CopyFileA((InstallFolder() + "Zembrak.exe").c_str(), Launcher().c_str(), FALSE));
        UseConfig(kTestConfig);
    }

    std::string Launcher() const { return m_folder.Path() + "Zembrak.exe"; }
    void UseConfig(const std::string& text) { WriteTextFile(m_folder.Path() + "Zembrak.ini", text); }
    void RemoveConfig() { DeleteFileA((m_folder.Path() + "Zembrak.ini").c_str()); }

    ProgramRun Run(const std::string& arguments)
    {
        ProgramRun run = RunProgram(Launcher(), arguments);
        EXPECT_TRUE(run.finished) << Describe(arguments);
        EXPECT_EQ(0u, run.exitCode) << Describe(arguments);
        return run;
    }

    // The run shows exactly one error box with this text, then exits with 0.
    void ExpectError(const std::string& arguments, const char* text)
    {
        ProgramRun run = Run(arguments);
        ASSERT_EQ(1u, run.boxes.size()) << Describe(arguments);
        const MessageBoxSeen& box = run.boxes[0];
        EXPECT_EQ("Lomarel", box.caption);
        EXPECT_EQ(text, box.text) << Describe(arguments);
        EXPECT_EQ(std::vector<std::string>({"OK"}), box.buttons);
        EXPECT_TRUE(box.hasIcon);
    }

    // The options pass: the run goes on to the function libraries, which this folder lacks.
    void ExpectOnlyMissingLibraries(const std::string& arguments)
    {
        ProgramRun run = Run(arguments);
        EXPECT_FALSE(run.boxes.empty()) << Describe(arguments);
        for (const MessageBoxSeen& box : run.boxes)
            EXPECT_EQ(kMissingFile, box.text) << Describe(arguments);
    }

    void ExpectNoMessage(const std::string& arguments)
    {
        ProgramRun run = Run(arguments);
        for (const MessageBoxSeen& box : run.boxes)
            ADD_FAILURE() << Describe(arguments) << ": unexpected message \"" << box.text << "\"";
    }

    ScopedFolder m_folder{"launcher-run"};
    ScopedResourceFolder m_resources{m_folder.Path()};
    ScopedLanguageFiles m_languageFiles{m_folder.Path(), kTestConfig};
};

TEST_F(LauncherRunTest, ValidOptionsPassWithoutAnOptionError)
{
    ExpectOnlyMissingLibraries("");
    ExpectOnlyMissingLibraries("/f 3 /l JPN /B ignored /C /FT 2026-12-08_10:30:00");

    // The fax setup (missing here) runs, but a printer without a language is no download.
    ProgramRun run =
        Run(std::string("/P \"") + test_printers::kLaser + "\" /FL enu /FC 81 /FSKIP");
    ASSERT_EQ(2u, run.boxes.size());
    EXPECT_EQ(kMissingFile, run.boxes[0].text);
    EXPECT_EQ(kIncorrectParameter, run.boxes[1].text);
}

TEST_F(LauncherRunTest, MissingConfigurationStopsTheStart)
{
    RemoveConfig();
    ExpectError("", kMissingFile);
    ExpectError("/L enu", kMissingFile);
    // Options that need no configuration are still validated first.
    ExpectError("/F 4", kIncorrectParameter);
}

TEST_F(LauncherRunTest, QuotedPrinterNameArrivesAsOneArgument)
{
    RemoveConfig();
    // An installed printer needs the configuration; an unknown one is skipped, so the run
    // reaches the bad "/F" value behind it.
    ExpectError(std::string("/P \"") + test_printers::kLaser + "\" /F 7", kMissingFile);
    ExpectError("/P \"No Such Printer\" /F 7", kIncorrectParameter);
    ExpectError("/P Lomarel Test Laser /F 7", kIncorrectParameter);
}

TEST_F(LauncherRunTest, OptionErrorsStopAtTheFirstOne)
{
    ExpectError("/L /B", kMissingParameter);
    ExpectError("/FCSKIP /FTSKIP", kIncorrectParameter);
    ExpectError("/ftskip /fcskip", kIncorrectParameter);
    ExpectError("/F 9 /L", kIncorrectParameter);
    ExpectError("/f", kMissingParameter);
    ExpectError("/F \"3 \"", kIncorrectParameter);
    ExpectError("/L xyz", kIncorrectParameter);
    ExpectError("/L \"\"", kIncorrectParameter);
    ExpectError("/FC 44", kIncorrectParameter);
    ExpectError("/FT", kMissingParameter);
    ExpectError("/P", kMissingParameter);
    ExpectError("/FP /B", kMissingParameter);
}

TEST_F(LauncherRunTest, LongCommandLinesAndHighBytes)
{
    // Windows limits a command line to 32767 characters.
    std::string longValue(15000, 't');
    ExpectError("/FT " + longValue + " /B " + longValue, kIncorrectParameter);  // no time
    ExpectError("/FT " + longValue + " /F " + longValue, kIncorrectParameter);
    ExpectError("/L \"\x93\xfa\x96\x7b\" /B", kIncorrectParameter);
    // The quote swallows "/FTSKIP", so the two skips never meet: only the fax setup runs.
    ExpectOnlyMissingLibraries("/FCSKIP \"unterminated /FTSKIP");
}

TEST_F(LauncherRunTest, AnswerCountsSupportedPrintersIntoTheRegistry)
{
    ScopedTestKey key("LauncherAnswer");
    // Options after "/A" are not looked at.
    ExpectNoMessage("/B /A " + key.FullPath() + " /F 9");
    DWORD count = 99;
    ASSERT_TRUE(ReadDword(HKEY_CURRENT_USER, key.Subkey(), "LangDwmResult", count));
    EXPECT_EQ(3u, count);  // laser, MFP and XPS; the plain printer's driver is unknown

    UseConfig(WithSection(kTestConfig, "Drivers", "Some Other Driver=LT100\r\n"));
    ExpectNoMessage("/a " + key.FullPath());
    ASSERT_TRUE(ReadDword(HKEY_CURRENT_USER, key.Subkey(), "LangDwmResult", count));
    EXPECT_EQ(0u, count);
}

TEST_F(LauncherRunTest, AnswerFailures)
{
    ScopedTestKey key("LauncherAnswerFailures");
    ExpectError("/A", kMissingParameter);
    ExpectError("/A hkey_current_user\\" + key.Subkey(), kRegistryWrite);
    ExpectError("/A " + key.FullPath() + "\\NotThere", kRegistryWrite);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, key.Subkey() + "\\NotThere"));
    ExpectError("/F 4 /A " + key.FullPath(), kIncorrectParameter);
    RemoveConfig();
    ExpectError("/A " + key.FullPath(), kMissingFile);
    DWORD count;
    EXPECT_FALSE(ReadDword(HKEY_CURRENT_USER, key.Subkey(), "LangDwmResult", count));
}

TEST_F(LauncherRunTest, CheckInifileEndsTheRun)
{
    ExpectNoMessage("/CheckInifile /F 9");
}

}  // namespace
